#include "panel_questions.h"

#include "test_sequence/captions.h"

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

// A notice never stops the slot: it becomes a line in the panel, as on standard error.
void PanelQuestions::tell(const RunNotice& notice) {
    QString text = Captions::oneLine(notice.text);
    if (notice.title != Captions::programTitle)
        text.prepend(notice.title + QLatin1Char(' '));
    emit this->notice(text);
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
