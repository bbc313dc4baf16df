#pragma once

#include "terminal_job/job_questions.h"

#include <QPointer>

class QEventLoop;

// A slot's questions, asked inside its own panel: the job's thread waits for the operator's
// answer in an event loop of its own, so the other slots and the window go on meanwhile.
// Lives on the job's thread; `answer` is invoked there from the window.
class PanelQuestions : public JobQuestions {
    Q_OBJECT

public:
    using JobQuestions::JobQuestions;

    bool retryProbe(const RunNotice& question) override;
    void withdraw() override;

    void answer(bool retry);

signals:
    void asked(const QString& text);
    // The question is gone: answered, or taken back when the run was ended from outside.
    void settled();

private:
    QPointer<QEventLoop> waiting_;
    bool retry_ = false;
    bool withdrawn_ = false;
};
