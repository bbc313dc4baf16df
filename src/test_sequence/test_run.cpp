#include "test_run.h"

#include "captions.h"
#include "device_link/line_setup.h"
#include "device_link/serial_port.h"
#include "device_link/terminal_commands.h"
#include "run_questions.h"
#include "shared_state.h"
#include "test_steps.h"

#include <QElapsedTimer>
#include <algorithm>

TestRun::TestRun(TestSteps& steps, SerialPort& port, SharedState& state, RunQuestions& questions,
                 QObject* parent)
    : QObject(parent), steps_(steps), port_(port), state_(state), questions_(questions),
      lateLoss_(port) {
    connect(&port_, &SerialPort::deviceLost, this, &TestRun::onDeviceLost);
    connect(&port_, &SerialPort::outputStalled, this, [this] { outputStalled_ |= !finished_; });
    connect(&lateLoss_, &LateLossWatch::lost, this, &TestRun::onLateLoss);
    state_.CancelRequested = false;
}

void TestRun::run() {
    running_ = true;
    results_.clear();
    state_.CancelRequested = deviceLost_ || interrupted_;
    const int steps = std::min<int>(state_.TestCount, Captions::stepCaptions.size());
    for (int i = 0; i < steps; ++i)
        runStep(i);
    if (!state_.CancelRequested)
        writeBanner();
    running_ = false;
    finished_ = true;
    emit finished();
    reportLineTrouble();
}

void TestRun::runStep(int index) {
    StepResult step;
    step.index = index;
    step.caption = Captions::stepCaptions[index];
    if (!state_.CancelRequested) {
        emit stepStarted(index);
        QElapsedTimer took;
        took.start();
        const bool showMsgs = false;
        bool good = true;
        step.result = steps_.Test_Function(static_cast<qint16>(index), showMsgs, good);
        step.durationMs = took.elapsed();
        step.outcome = good ? StepResult::Passed : StepResult::Failed;
        step.failures = steps_.LastFailures;
        step.echoes = steps_.LastEchoes;
    }
    if (state_.CancelRequested) {
        step.result = Captions::stepCancelled;
        step.outcome = StepResult::Cancelled;
    }
    results_.append(step);
    emit stepFinished(step);
}

void TestRun::writeBanner() {
    using namespace TerminalCommands;
    const QByteArray parts[] = {bannerSpaces(), clearDisplay(),
                                bannerGeometry(state_.TerminalCols, state_.TerminalRows),
                                bannerEnd()};
    qsizetype bytes = 0;
    for (const QByteArray& part : parts) {
        port_.setOutput(part);
        bytes += part.size();
    }
    lateLoss_.arm(bytes);
}

void TestRun::settle() {
    lateLoss_.settle();
}

// The rows keep their results; the loss is told once, as any other.
void TestRun::onLateLoss() {
    if (deviceLost_)
        return;
    deviceLost_ = true;
    reportLineTrouble();
}

void TestRun::cancel() {
    if (running_)
        state_.CancelRequested = true;
}

// A run has ended once its banner is on the wire; it then stays as it ended. Before that, a
// banner cut short is an interrupted run, whatever its rows said.
void TestRun::interrupt() {
    if (finished_) {
        interrupted_ |= lateLoss_.watching();
        lateLoss_.disarm();
        return;
    }
    interrupted_ = true;
    state_.CancelRequested = true;
}

// A device gone mid-run, or before it began, ends the run as "Abbrechen" would: every
// remaining wait is futile.
void TestRun::onDeviceLost() {
    if (finished_)
        return;
    deviceLost_ = true;
    state_.CancelRequested = true;
    // A question about the line is moot once the line is gone: the loss message follows.
    questions_.withdraw();
}

// A stall under RTS/CTS alone has another cause than the table's bytes; the rows tell it.
void TestRun::reportLineTrouble() {
    const int flow = port_.Handshaking();
    if (deviceLost_)
        questions_.tell({Captions::connectionLost(terminalName()), Captions::programTitle, true});
    else if (outputStalled_ && (flow == XonXoff || flow == XonXoffAndRtsCts))
        questions_.tell(
            {Captions::outputStalledByFlowControl(terminalName()), Captions::programTitle, true});
}

QString TestRun::terminalName() const {
    return terminalName_.isEmpty() ? Captions::commPortName(port_.CommPort()) : terminalName_;
}

TerminalRun::Verdict TestRun::verdict() const {
    if (interrupted_ || deviceLost_)
        return TerminalRun::Interrupted;
    bool failed = false;
    for (const StepResult& step : results_) {
        if (step.outcome == StepResult::Cancelled)
            return TerminalRun::Cancelled;
        failed |= step.outcome == StepResult::Failed;
    }
    return failed ? TerminalRun::Failed : TerminalRun::Passed;
}
