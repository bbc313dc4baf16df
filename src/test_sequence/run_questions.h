#pragma once

#include <QString>

// Something a run tells whoever watches it: a warning box in the window, a line on standard
// error and an entry of the report in a production run.
struct RunNotice {
    QString text; // a CR inside is a line break
    QString title;
    bool warning = false;
};

// What a run asks and tells its operator. The window answers with message boxes; a
// production run answers from its command line, without anyone to click.
class RunQuestions {
public:
    virtual ~RunQuestions() = default;
    // The interface test's Retry/Cancel question after an unanswered probe: true retries.
    virtual bool retryProbe(const RunNotice& question) = 0;
    virtual void tell(const RunNotice& notice) = 0;
    // Takes back a question still waiting for its answer, which then reads as Cancel.
    virtual void withdraw() = 0;
};
