#include "output_writer.h"
#include "production_run.h"
#include "report_delivery.h"
#include "report_file.h"
#include "test_sequence/signal_exit.h"
#include "wait_limits.h"

#include <QCoreApplication>
#include <algorithm>
#include <csignal>
#include <unistd.h>

namespace {

constexpr int interruptedStatus = 4;

// The terminals first, then the report; a signal before the report is out leaves the run
// interrupted.
int finishRun(ProductionRun& run, ReportDelivery& delivery, OutputWriter& output,
              const bool& signalled) {
    int status = run.exitStatus();
    QString error;
    const QByteArray json = reportDocument(run.identity(), run.reports()).toJson();
    if (!delivery.deliver(json, error)) {
        output.write(STDERR_FILENO, QStringLiteral("quendal: %1\n").arg(error).toLocal8Bit());
        status = std::max(status, 1);
    }
    if (signalled)
        status = std::max(status, interruptedStatus);
    // Records that cannot reach the line database wait for the next run; the status stays.
    else if (const QString waiting = run.forwardRecords(); !waiting.isEmpty())
        output.write(STDERR_FILENO, QStringLiteral("quendal: %1\n").arg(waiting).toLocal8Bit());
    // The last lines get their reader's time too, but no more than that.
    output.waitUntilDrained(QDeadlineTimer(WaitLimits::stalledReaderMs));
    return status;
}

} // namespace

int runWithoutWindow(const RunOptions& options) {
    // A reader that went away costs only what it would have read.
    std::signal(SIGPIPE, SIG_IGN);
    OutputWriter output;
    ProductionRun run(options, output);
    ReportDelivery delivery(options.report, output);
    bool signalled = false;
    SignalExit signalExit([&] {
        signalled = true;
        run.interrupt();
        delivery.stopWaiting();
        output.stopWaiting();
    });
    // A signal that came while the program started is taken before any port opens.
    QCoreApplication::processEvents();
    QObject::connect(&run, &ProductionRun::finished, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    run.start();
    QCoreApplication::exec();
    return finishRun(run, delivery, output, signalled);
}
