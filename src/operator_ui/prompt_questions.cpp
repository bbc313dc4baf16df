#include "prompt_questions.h"

#include "operator_prompt.h"

bool PromptQuestions::retryProbe(const RunNotice& question) {
    return prompt_.ask({question.text, question.title, QMessageBox::NoIcon,
                        QMessageBox::Retry | QMessageBox::Cancel}) == QMessageBox::Retry;
}

void PromptQuestions::tell(const RunNotice& notice) {
    prompt_.ask(
        {notice.text, notice.title, notice.warning ? QMessageBox::Warning : QMessageBox::NoIcon});
}

void PromptQuestions::withdraw() {
    prompt_.dismiss();
}
