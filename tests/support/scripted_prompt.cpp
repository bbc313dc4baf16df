#include "scripted_prompt.h"

QMessageBox::StandardButton ScriptedPrompt::ask(const PromptMessage& message) {
    shown.push_back(message);
    dismissed = false;
    if (whileShown)
        whileShown(message);
    if (dismissed)
        return QMessageBox::Cancel;
    if (!answers.empty()) {
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return message.buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Cancel;
}
