#pragma once

#include "terminal_choice.h"
#include "test_sequence/run_identity.h"
#include "test_sequence/terminal_run.h"

#include <QObject>
#include <QPointer>

class AdapterDirectory;
class RunRecorder;
class JobQuestions;
class SerialPort;
class TestRun;
class TestSteps;
struct SharedState;

// One terminal's run, on a thread of its own: its port, exchange and steps live there, so its
// waits process only its own events and never hold up another terminal. `--run` and the
// station window's slots both run their terminals through it, so the bytes are the same.
class TerminalJob : public QObject {
    Q_OBJECT

public:
    TerminalJob(const TerminalChoice& terminal, const JobSettings& settings,
                AdapterDirectory& adapters, const RunIdentity& run, RunRecorder& recorder);

    // Someone answers the run's questions instead of the command line's retries; the job
    // takes `questions` as its child, so they move to the job's thread together.
    void askThrough(JobQuestions* questions);

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
    void stepStarted(int index);
    // `outcome` is a StepResult::Outcome; plain values cross to another thread as they are.
    void stepFinished(int index, const QString& caption, const QString& result, int outcome);
    void notice(const QString& line);
    void finished();

private:
    bool prepare(SerialPort& port);
    void notOpened(const PortProblem& cause, const QString& message);
    void note(const QString& text);
    void runTests(SerialPort& port, TestSteps& steps, SharedState& state, JobQuestions& questions);

    TerminalChoice terminal_;
    JobSettings settings_;
    JobQuestions* questions_ = nullptr;
    AdapterDirectory& adapters_;
    const RunIdentity& run_identity_;
    RunRecorder& recorder_;
    QPointer<TestRun> run_;
    bool interrupted_ = false;
};
