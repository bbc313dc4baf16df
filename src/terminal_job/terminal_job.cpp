#include "terminal_job.h"

#include "adapter_directory.h"
#include "batch_questions.h"
#include "device_link/exchange.h"
#include "device_link/serial_port.h"
#include "device_link/settings_store.h"
#include "run_record/run_recorder.h"
#include "test_sequence/captions.h"
#include "test_sequence/shared_state.h"
#include "test_sequence/stored_port_settings.h"
#include "test_sequence/test_run.h"
#include "test_sequence/test_steps.h"

#include <QElapsedTimer>

namespace {

// The rows the window shows; the last two steps pass without action and stay hidden there.
constexpr int shownRows = 5;

} // namespace

TerminalJob::TerminalJob(const TerminalChoice& terminal, const JobSettings& settings,
                         AdapterDirectory& adapters, const RunIdentity& run, RunRecorder& recorder)
    : terminal_(terminal), settings_(settings), adapters_(adapters), run_identity_(run),
      recorder_(recorder) {
    report.port = terminal.name;
    report.unit = settings.unit;
    report.columns = settings.columns;
    report.rows = settings.rows;
}

void TerminalJob::askThrough(JobQuestions* questions) {
    questions->setParent(this);
    questions_ = questions;
}

void TerminalJob::start() {
    QElapsedTimer took;
    took.start();
    SharedState state;
    state.TestCount = 7;
    state.TerminalCols = static_cast<qint16>(settings_.columns);
    state.TerminalRows = static_cast<qint16>(settings_.rows);
    SerialPort port;
    Exchange exchange(port, state.CancelRequested);
    BatchQuestions batch(settings_.retries);
    JobQuestions& questions = questions_ ? *questions_ : batch;
    connect(&questions, &JobQuestions::notice, this, &TerminalJob::note);
    TestSteps steps(port, exchange, state, questions);
    if (prepare(port))
        runTests(port, steps, state, questions);
    report.durationMs = took.elapsed();
    const QString notRecorded = recorder_.record(run_identity_, report);
    recordFailed = !notRecorded.isEmpty();
    note(notRecorded);
    emit finished();
}

// The store's line format and handshaking, as the window applies them, then the terminal's
// own port or device, also when the store is unusable, so its report names its own device.
bool TerminalJob::prepare(SerialPort& port) {
    StoredEntries stored;
    QString error;
    if (!readStoredPortSettings(stored, error))
        note(error);
    // The terminal names its own port: the store's COM number, right or wrong, is not asked.
    stored.remove(SettingsStore::commPortKey);
    const bool applied = applyStoredPortSettings(port, stored, error);
    PortProblem cause = port.problem();
    if (terminal_.commPort > 0)
        port.setCommPort(terminal_.commPort);
    if (!terminal_.device.isEmpty())
        port.setDevicePath(terminal_.device);
    report.device = port.devicePath();
    report.adapter = adapters_.find(report.device);
    // A refused format is reported as it stands in the store, not as the default kept instead.
    const QString storedFormat = stored.value(SettingsStore::settingsKey);
    report.lineSettings = applied || storedFormat.isEmpty() ? port.Settings() : storedFormat;
    report.handshaking = port.Handshaking();
    if (!applied) {
        cause.kind = PortProblem::InvalidSettings;
        cause.path = report.device;
        cause.node.clear();
        notOpened(cause, error);
        return false;
    }
    if (interrupted_)
        return false;
    if (!port.setPortOpen(true)) {
        notOpened(port.problem(), {});
        return false;
    }
    return true;
}

// A terminal named by its device has no COM number of its own: its messages name the device.
// A cause without a text of its own, such as a setting the device refused, is worded here.
void TerminalJob::notOpened(const PortProblem& cause, const QString& message) {
    report.verdict = TerminalRun::NotOpened;
    report.cause = cause;
    if (terminal_.commPort == 0)
        report.cause->commPort = 0;
    const bool worded = !message.isEmpty() && !cause.isOpenFailure();
    report.message = worded ? message : Captions::describe(*report.cause);
    note(report.message);
}

// Every notice goes to standard error and into the report, each on one line.
void TerminalJob::note(const QString& text) {
    const QString line = Captions::oneLine(text);
    if (line.trimmed().isEmpty())
        return;
    report.notices.append(line);
    emit notice(line);
}

void TerminalJob::runTests(SerialPort& port, TestSteps& steps, SharedState& state,
                           JobQuestions& questions) {
    TestRun run(steps, port, state, questions);
    run_ = &run;
    if (terminal_.commPort == 0)
        run.setTerminalName(terminal_.name);
    connect(&run, &TestRun::stepStarted, this, &TerminalJob::stepStarted);
    connect(&run, &TestRun::stepFinished, this, [this](const StepResult& step) {
        if (step.index < shownRows)
            emit rowFinished(Captions::rowLine(step.caption, step.result));
        emit stepFinished(step.index, step.caption, step.result, step.outcome);
    });
    if (interrupted_)
        run.interrupt();
    run.run();
    run.settle();
    report.steps = run.results();
    report.verdict = run.verdict();
    if (run.deviceLost())
        report.message = Captions::oneLine(Captions::connectionLost(run.terminalName()));
}

// A question still waiting for its operator is taken back: it reads as Cancel.
void TerminalJob::interrupt() {
    interrupted_ = true;
    if (run_)
        run_->interrupt();
    if (questions_)
        questions_->withdraw();
}
