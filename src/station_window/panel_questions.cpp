#include "panel_questions.h"

#include <QEventLoop>

bool PanelQuestions::retryProbe(const RunNotice& question) {
    if (withdrawn_)
        return false;
    QEventLoop loop;
    waiting_ = &loop;
    retry_ = false;
    emit asked(question.text);
    loop.exec();
    emit settled();
    return retry_ && !withdrawn_;
}

void PanelQuestions::withdraw() {
    withdrawn_ = true;
    if (waiting_)
        waiting_->quit();
}

// An answer that comes after its question was taken back changes nothing.
void PanelQuestions::answer(bool retry) {
    if (!waiting_)
        return;
    retry_ = retry;
    waiting_->quit();
}
