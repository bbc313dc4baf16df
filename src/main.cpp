#include "command_line.h"
#include "operator_ui/main_window.h"
#include "operator_ui/operator_prompt.h"
#include "quendal_version.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (const auto status = CommandLine::answer(argc, argv))
        return *status;
    QApplication app(argc, argv);
    if (!CommandLine::onlyQtOptions(QApplication::arguments()))
        return 2;
    QApplication::setApplicationName(QStringLiteral("Quendal"));
    QApplication::setDesktopFileName(QStringLiteral(QUENDAL_APP_ID));
    MessageBoxPrompt prompt;
    MainWindow window(prompt);
    window.Form_Load();
    window.show();
    return app.exec();
}
