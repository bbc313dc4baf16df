#include "output_writer.h"
#include "production_run.h"
#include "report_delivery.h"
#include "report_file.h"
#include "run_record/line_feed.h"
#include "test_sequence/signal_exit.h"
#include "wait_limits.h"

#include <QCoreApplication>
#include <algorithm>
#include <csignal>
#include <unistd.h>

namespace {

constexpr int interruptedStatus = 4;

// The terminals first, then the line database for as long as a run allows it, whose attempts
// go into the report, then the report; a signal before the report is out leaves the run
// interrupted.
int finishRun(ProductionRun& run, ReportDelivery& delivery, OutputWriter& output,
              const bool& signalled) {
    int status = run.exitStatus();
    // Records that cannot reach the line database wait for the next run; the status stays.
    if (!SignalExit::received())
        if (const QString waiting = run.forwardRecords(); !waiting.isEmpty())
            output.write(STDERR_FILENO, QStringLiteral("quendal: %1\n").arg(waiting).toLocal8Bit());
    // A signal during that wait is taken now.
    QCoreApplication::processEvents();
    QString error;
    const QByteArray json = reportDocument(run.identity(), run.reports()).toJson();
    if (!delivery.deliver(json, error)) {
        output.write(STDERR_FILENO, QStringLiteral("quendal: %1\n").arg(error).toLocal8Bit());
        status = std::max(status, 1);
    }
    if (signalled || SignalExit::received())
        status = std::max(status, interruptedStatus);
    // The last lines get their reader's time too, but no more than that.
    output.waitUntilDrained(QDeadlineTimer(WaitLimits::stalledReaderMs));
    return status;
}

} // namespace

int runWithoutWindow(const RunOptions& options) {
    // A reader that went away costs only what it would have read.
    std::signal(SIGPIPE, SIG_IGN);
    OutputWriter output;
    ProductionRun* running = nullptr;
    ReportDelivery* delivering = nullptr;
    bool signalled = false;
    // Taken before the record is opened, whose lock a signal must be able to end the wait for.
    SignalExit signalExit([&] {
        signalled = true;
        if (running)
            running->interrupt();
        if (delivering)
            delivering->stopWaiting();
        output.stopWaiting();
    });
    ProductionRun run(options, output);
    running = &run;
    ReportDelivery delivery(options.report, output);
    delivering = &delivery;
    // A signal that came while the program started is taken before any port opens.
    QCoreApplication::processEvents();
    QObject::connect(&run, &ProductionRun::finished, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    run.start();
    QCoreApplication::exec();
    const int status = finishRun(run, delivery, output, signalled);
    LineFeed::endProcessIfAtWork(status);
    return status;
}
