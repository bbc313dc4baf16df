#pragma once

#include "job_questions.h"

// The run's questions answered without an operator: the interface test is retried a set
// number of times, then cancelled as "Abbrechen" would; every notice becomes a line.
class BatchQuestions : public JobQuestions {
    Q_OBJECT

public:
    explicit BatchQuestions(int retries, QObject* parent = nullptr)
        : JobQuestions(parent), retriesLeft_(retries), retries_(retries) {}

    bool retryProbe(const RunNotice& question) override;
    // Its answers come at once: nothing ever waits to be taken back.
    void withdraw() override {}

private:
    int retriesLeft_;
    int retries_;
};
