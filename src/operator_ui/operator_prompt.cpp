#include "operator_prompt.h"

#include <QApplication>

QMessageBox::StandardButton MessageBoxPrompt::ask(const PromptMessage& message) {
    QString text = message.text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(message.icon, message.title, text, message.buttons,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(message.details);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
