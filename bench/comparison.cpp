#include "comparison.h"

#include "device_link/serial_port.h"
#include "operator_ui/main_window.h"
#include "reference_client.h"
#include "run_stream.h"
#include "sim_process.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPushButton>
#include <QThread>
#include <QWindow>
#include <cstdio>

namespace {

void showAndWaitForExposure(MainWindow& window) {
    window.show();
    const QDeadlineTimer deadline(5000);
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

} // namespace

Comparison compareRuns(const QStringList& simArguments, int runs, int roundTrips, bool shown,
                       OperatorPrompt& prompt, const QString& folder) {
    const QString record = folder + "/record.txt";
    SimProcess sim(QApplication::applicationDirPath() + "/zr-terminal-sim",
                   simArguments + QStringList{"--record", record});
    Comparison result;
    if (sim.slavePath().isEmpty()) {
        std::fprintf(stderr, "zr-terminal-sim did not start\n");
        return result;
    }
    if (!mapComOneTo(sim.slavePath()))
        return result;
    const std::vector<StreamWrite> stream = passingRunStream();
    MainWindow window(prompt);
    window.Form_Load();
    // Round trips outside a run measure the exchange alone, before the window paints at all.
    result.roundTripsUs = roundTripsUs(window, roundTrips);
    if (shown)
        showAndWaitForExposure(window);
    result.closeButton =
        window.DoneTesting->geometry().center() + window.centralWidget()->geometry().topLeft();
    // Each client has the line to itself: "Starte Tests" reopens the port the run before closed.
    for (int i = 0; i < runs; ++i) {
        result.quendal.push_back(measureRun(window));
        window.MSComm1->setPortOpen(false);
        const ReferenceRun reference = runReference(sim.slavePath(), stream);
        result.referenceMs.push_back(reference.wallMs);
        result.referenceProcessorMs.push_back(reference.processorMs);
        result.referencePassed = result.referencePassed && reference.passed;
    }
    // The simulator may not have read the last write yet.
    const QByteArray expected = streamBytes(stream).repeated(2 * runs);
    const QDeadlineTimer settle(2000);
    while (!recordedStream(record).endsWith(expected) && !settle.hasExpired())
        QThread::msleep(5);
    sim.stop();
    result.sameBytes = recordedStream(record).endsWith(expected);
    return result;
}
