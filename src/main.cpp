#include "operator_ui/event_dispatcher.h"
#include "operator_ui/main_window.h"
#include "operator_ui/operator_prompt.h"

#include <QApplication>

int main(int argc, char** argv) {
    chooseEventDispatcher(); // before QApplication, which creates the dispatcher
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendal"));
    MessageBoxPrompt prompt;
    MainWindow window(prompt);
    window.Form_Load();
    window.show();
    return app.exec();
}
