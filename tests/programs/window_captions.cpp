#include "operator_ui/main_window.h"
#include "operator_ui/operator_prompt.h"
#include "operator_ui/properties_dialog.h"
#include "operator_ui/qt_translation.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

// Starts the windows as quendal does, without opening a port, and prints their captions and
// a standard button's text, one a line, for a test that cannot look into another process.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installTranslations(app);
    MessageBoxPrompt prompt;
    MainWindow window(prompt);
    PropertiesDialog dialog(*window.MSComm1, prompt);
    QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Retry | QMessageBox::Cancel);
    for (const QString& text : {window.windowTitle(), window.StartCommand->text(),
                                dialog.windowTitle(), box.button(QMessageBox::Cancel)->text()})
        std::printf("%s\n", qPrintable(text));
    return 0;
}
