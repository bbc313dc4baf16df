#include "window_record.h"

#include "device_link/serial_port.h"
#include "quendal_version.h"
#include "run_record/line_feed.h"
#include "test_sequence/captions.h"
#include "test_sequence/shared_state.h"
#include "test_sequence/test_run.h"

#include <cstdio>

WindowRecord::WindowRecord(QObject* parent)
    : QObject(parent), recorder_(RecordPlaces::resolve({})) {}

WindowRecord::~WindowRecord() = default;

void WindowRecord::begin() {
    identity_ =
        RunIdentity::begin(QStringLiteral("window"), {}, {}, QStringLiteral(QUENDAL_VERSION));
    took_.start();
}

QString WindowRecord::record(const TestRun& run, const SerialPort& port, const SharedState& state) {
    TerminalRun terminal;
    terminal.port = Captions::commPortName(port.CommPort());
    terminal.device = port.devicePath();
    terminal.lineSettings = port.Settings();
    terminal.handshaking = port.Handshaking();
    terminal.columns = state.TerminalCols;
    terminal.rows = state.TerminalRows;
    terminal.verdict = run.verdict();
    terminal.steps = run.results();
    terminal.durationMs = took_.elapsed();
    const QString problem = recorder_.record(identity_, terminal);
    if (problem.isEmpty())
        forwardInBackground();
    return problem;
}

// What still waits is said where a line station's service log looks: on standard error.
void WindowRecord::forwardInBackground() {
    if (forwarding_ && !forwarding_->ended())
        return;
    forwarding_ = recorder_.forwardInBackground(
        [](const QString& waiting) { std::fprintf(stderr, "quendal: %s\n", qPrintable(waiting)); });
}
