#include "operator_ui/main_window.h"
#include "operator_ui/operator_prompt.h"
#include "operator_ui/qt_translation.h"
#include "operator_ui/signal_exit.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendal"));
    installQtGermanTranslation(app);
    MessageBoxPrompt prompt;
    MainWindow window(prompt);
    SignalExit signalExit(window.state.CancelRequested);
    window.Form_Load();
    window.show();
    return app.exec();
}
