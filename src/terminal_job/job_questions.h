#pragma once

#include "test_sequence/run_questions.h"

#include <QObject>

// The questions of one terminal's run, asked on the job's own thread: answered at once from
// the command line, or by the operator in the terminal's own panel. Every notice becomes a line.
class JobQuestions : public QObject, public RunQuestions {
    Q_OBJECT

public:
    using QObject::QObject;

    // A notice never waits for anyone: a box's line breaks become spaces, one notice a line.
    void tell(const RunNotice& notice) override;

signals:
    void notice(const QString& line);
};
