#pragma once

#include "run_options.h"
#include "test_sequence/run_identity.h"
#include "test_sequence/terminal_run.h"

#include <QObject>
#include <QPointer>

class AdapterDirectory;
class RunRecorder;
class BatchQuestions;
class SerialPort;
class TestRun;
class TestSteps;
struct SharedState;

// One terminal of a production run, on a thread of its own: its port, exchange and steps
// live there, so its waits process only its own events and never hold up another terminal.
class TerminalJob : public QObject {
    Q_OBJECT

public:
    TerminalJob(const TerminalChoice& terminal, const RunOptions& options,
                AdapterDirectory& adapters, const RunIdentity& run, RunRecorder& recorder);

    // Opens the port and runs the test; emits finished() when the report is complete.
    void start();
    // Ends the run as "Abbrechen" would and marks it interrupted; runs on the job's thread.
    void interrupt();

    // Complete once finished() has been emitted.
    TerminalRun report;
    // The run could not be recorded; told among the notices.
    bool recordFailed = false;

signals:
    void rowFinished(const QString& line);
    void notice(const QString& line);
    void finished();

private:
    bool prepare(SerialPort& port);
    void notOpened(const PortProblem& cause, const QString& message);
    void note(const QString& text);
    void runTests(SerialPort& port, TestSteps& steps, SharedState& state,
                  BatchQuestions& questions);

    TerminalChoice terminal_;
    RunOptions options_;
    AdapterDirectory& adapters_;
    const RunIdentity& run_identity_;
    RunRecorder& recorder_;
    QPointer<TestRun> run_;
    bool interrupted_ = false;
};
