#include "batch_questions.h"

#include "test_sequence/captions.h"

bool BatchQuestions::retryProbe(const RunNotice&) {
    const bool retry = retriesLeft_ > 0;
    emit notice(retry ? Captions::probeRetried(retries_ - retriesLeft_ + 1, retries_)
                      : Captions::probeGivenUp);
    if (retry)
        --retriesLeft_;
    return retry;
}

// A box's line breaks become spaces: one notice, one line.
void BatchQuestions::tell(const RunNotice& notice) {
    QString text = Captions::oneLine(notice.text);
    if (notice.title != Captions::programTitle)
        text.prepend(notice.title + QLatin1Char(' '));
    emit this->notice(text);
}
