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
