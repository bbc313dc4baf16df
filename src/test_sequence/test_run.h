#pragma once

#include "late_loss_watch.h"
#include "step_result.h"
#include "terminal_run.h"

#include <QList>
#include <QObject>

class RunQuestions;
class SerialPort;
class TestSteps;
struct SharedState;

// One test run: every step in order, the end-of-run banner when nothing cancelled it, and
// what went wrong on the line. The progress window and the production run only show what
// it reports.
class TestRun : public QObject {
    Q_OBJECT

public:
    TestRun(TestSteps& steps, SerialPort& port, SharedState& state, RunQuestions& questions,
            QObject* parent = nullptr);

    // Runs every step; returns when the run has ended, processing events meanwhile.
    void run();
    // What "Abbrechen" does: the step under way ends at its next wait, no banner follows.
    void cancel();
    // Ends the run from outside, such as a signal: cancelled, and marked as interrupted; a
    // run whose banner is still on its way stops waiting in settle() and is interrupted too.
    void interrupt();

    bool running() const { return running_; }
    // The last step has run and the banner, if any, is out: the window's button says "OK".
    bool ended() const { return finished_; }
    const QList<StepResult>& results() const { return results_; }
    TerminalRun::Verdict verdict() const;
    bool deviceLost() const { return deviceLost_; }
    // How the line's messages name the terminal: its COM number unless a name is set, such
    // as the path of a production run's terminal named by its device.
    QString terminalName() const;
    void setTerminalName(const QString& name) { terminalName_ = name; }
    // Waits until the end-of-run banner has had its time on the wire, so that a line lost
    // meanwhile is told and counted; the window lets that happen while it shows the rows.
    void settle();

signals:
    void stepStarted(int index);
    void stepFinished(const StepResult& result);
    void finished();

private:
    void runStep(int index);
    void writeBanner();
    void onDeviceLost();
    void reportLineTrouble();
    void onLateLoss();

    TestSteps& steps_;
    SerialPort& port_;
    SharedState& state_;
    RunQuestions& questions_;
    LateLossWatch lateLoss_;
    QList<StepResult> results_;
    QString terminalName_;
    bool running_ = false;
    bool finished_ = false;
    bool deviceLost_ = false;
    bool interrupted_ = false;
    bool outputStalled_ = false;
};
