#include "production_run.h"

#include "report_file.h"
#include "terminal_job.h"
#include "test_sequence/captions.h"
#include "test_sequence/signal_exit.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace {

int rank(TerminalReport::Verdict verdict) {
    switch (verdict) {
    case TerminalReport::Interrupted:
        return 4;
    case TerminalReport::NotOpened:
        return 3;
    case TerminalReport::Failed:
    case TerminalReport::Cancelled:
        return 1;
    case TerminalReport::Passed:
        break;
    }
    return 0;
}

QString verdictWord(TerminalReport::Verdict verdict) {
    switch (verdict) {
    case TerminalReport::Passed:
        return Captions::verdictPassed;
    case TerminalReport::Failed:
        return Captions::verdictFailed;
    case TerminalReport::Cancelled:
        return Captions::verdictCancelled;
    case TerminalReport::NotOpened:
        return Captions::verdictNotOpened;
    case TerminalReport::Interrupted:
        break;
    }
    return Captions::verdictInterrupted;
}

} // namespace

ProductionRun::ProductionRun(const RunOptions& options, QObject* parent)
    : QObject(parent), options_(options) {}

// Each job has ended before its thread does; a thread still running here was interrupted
// and is waited for, so no job outlives the objects it reports to.
ProductionRun::~ProductionRun() {
    for (QThread* thread : threads_) {
        thread->quit();
        thread->wait();
    }
    qDeleteAll(jobs_);
    qDeleteAll(threads_);
}

void ProductionRun::start() {
    started_ = QDateTime::currentDateTime();
    for (int i = 0; i < options_.terminals.size(); ++i) {
        auto* job = new TerminalJob(options_.terminals[i], options_, adapters_);
        auto* thread = new QThread;
        job->moveToThread(thread);
        connect(thread, &QThread::started, job, &TerminalJob::start);
        connect(job, &TerminalJob::rowFinished, this,
                [this, i](const QString& line) { print(i, line, reportOnStandardOutput()); });
        connect(job, &TerminalJob::notice, this,
                [this, i](const QString& line) { print(i, line, true); });
        connect(job, &TerminalJob::finished, this, [this, i] { onJobFinished(i); });
        jobs_.append(job);
        threads_.append(thread);
    }
    running_ = int(jobs_.size());
    for (QThread* thread : threads_)
        thread->start();
}

void ProductionRun::interrupt() {
    for (TerminalJob* job : jobs_)
        QMetaObject::invokeMethod(job, &TerminalJob::interrupt, Qt::QueuedConnection);
}

// Standard output then holds the report alone; the lines move to standard error.
bool ProductionRun::reportOnStandardOutput() const {
    return options_.report == QLatin1String("-");
}

// The port prefixes every line once several terminals share the output.
void ProductionRun::print(int terminal, const QString& line, bool toStandardError) {
    const QString prefix = options_.terminals.size() > 1
                               ? options_.terminals[terminal].name + QStringLiteral(": ")
                               : QString();
    std::FILE* stream = toStandardError ? stderr : stdout;
    std::fputs(qPrintable(prefix + line + QLatin1Char('\n')), stream);
    std::fflush(stream);
}

void ProductionRun::onJobFinished(int terminal) {
    threads_[terminal]->quit();
    threads_[terminal]->wait();
    const TerminalReport& report = jobs_[terminal]->report;
    print(terminal, Captions::verdictLine(verdictWord(report.verdict), report.durationMs),
          reportOnStandardOutput());
    if (--running_ == 0)
        emit finished();
}

QList<TerminalReport> ProductionRun::reports() const {
    QList<TerminalReport> reports;
    for (const TerminalJob* job : jobs_)
        reports.append(job->report);
    return reports;
}

int ProductionRun::exitStatus() const {
    int worst = 0;
    for (const TerminalJob* job : jobs_)
        worst = std::max(worst, rank(job->report.verdict));
    return worst;
}

int runWithoutWindow(const RunOptions& options) {
    ProductionRun run(options);
    SignalExit signalExit([&run] { run.interrupt(); });
    QObject::connect(&run, &ProductionRun::finished, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    run.start();
    QCoreApplication::exec();
    if (!options.report.isEmpty()) {
        QString error;
        if (!writeReport(options.report, run.started(), run.reports(), error)) {
            std::fprintf(stderr, "quendal: %s\n", qPrintable(error));
            return std::max(run.exitStatus(), 1);
        }
    }
    return run.exitStatus();
}
