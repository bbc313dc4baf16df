#include "command_line.h"
#include "operator_ui/event_dispatcher.h"
#include "operator_ui/leave_every_loop.h"
#include "operator_ui/main_window.h"
#include "operator_ui/operator_prompt.h"
#include "operator_ui/qt_translation.h"
#include "operator_ui/screen_centre.h"
#include "quendal_version.h"
#include "run_record/line_feed.h"
#include "station_main.h"
#include "test_sequence/signal_exit.h"

#include <QApplication>

int main(int argc, char** argv) {
    SignalExit::holdUntilHandled();
    std::optional<StationOptions> station;
    if (const auto status = CommandLine::answer(argc, argv, station))
        return *status;
    chooseEventDispatcher(); // before QApplication, which creates the dispatcher
    QApplication app(argc, argv);
    installTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Quendal"));
    QApplication::setDesktopFileName(QStringLiteral(QUENDAL_APP_ID));
    if (station)
        return runStation(*station);
    if (!CommandLine::onlyQtOptions(QApplication::arguments()))
        return 2;
    MessageBoxPrompt prompt;
    MainWindow window(prompt);
    SignalExit signalExit(leaveEveryLoop(window.state.CancelRequested));
    centreOnScreen(window);
    window.Form_Load();
    window.show();
    const int status = app.exec();
    LineFeed::endProcessIfAtWork(status);
    return status;
}
