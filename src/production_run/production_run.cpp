#include "production_run.h"

#include "output_writer.h"
#include "quendal_version.h"
#include "run_record/record_limits.h"
#include "terminal_job/terminal_job.h"
#include "test_sequence/captions.h"

#include <QThread>
#include <algorithm>
#include <unistd.h>

namespace {

int rank(TerminalRun::Verdict verdict) {
    switch (verdict) {
    case TerminalRun::Interrupted:
        return 4;
    case TerminalRun::NotOpened:
        return 3;
    case TerminalRun::Failed:
    case TerminalRun::Cancelled:
        return 1;
    case TerminalRun::Passed:
        break;
    }
    return 0;
}

} // namespace

ProductionRun::ProductionRun(const RunOptions& options, OutputWriter& output, QObject* parent)
    : QObject(parent), options_(options), output_(output),
      recorder_(RecordPlaces::resolve(options.database)) {}

// A job still running is interrupted before its thread is waited for: waiting alone would
// last a whole run. No job outlives the objects it reports to.
ProductionRun::~ProductionRun() {
    interrupt();
    for (QThread* thread : threads_) {
        thread->quit();
        thread->wait();
    }
    qDeleteAll(jobs_);
    qDeleteAll(threads_);
}

void ProductionRun::start() {
    identity_ = RunIdentity::begin(QStringLiteral("run"), options_.station, options_.operatorName,
                                   QStringLiteral(QUENDAL_VERSION));
    for (int i = 0; i < options_.terminals.size(); ++i) {
        JobSettings settings = options_.job;
        settings.unit = options_.units.value(options_.terminals[i].name);
        auto* job =
            new TerminalJob(options_.terminals[i], settings, adapters_, identity_, recorder_);
        if (interrupted_)
            job->interrupt();
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
    interrupted_ = true;
    for (TerminalJob* job : jobs_)
        QMetaObject::invokeMethod(job, &TerminalJob::interrupt, Qt::QueuedConnection);
}

// Standard output then holds the report alone; the lines move to standard error.
bool ProductionRun::reportOnStandardOutput() const {
    return options_.report == QLatin1String("-");
}

// The port prefixes every line once several terminals share the output; a line break in a
// path would start a line of its own.
void ProductionRun::print(int terminal, const QString& line, bool toStandardError) {
    const QString prefix =
        options_.terminals.size() > 1
            ? Captions::oneLine(options_.terminals[terminal].name) + QStringLiteral(": ")
            : QString();
    output_.write(toStandardError ? STDERR_FILENO : STDOUT_FILENO,
                  (prefix + line + QLatin1Char('\n')).toLocal8Bit());
}

void ProductionRun::onJobFinished(int terminal) {
    threads_[terminal]->quit();
    threads_[terminal]->wait();
    const TerminalRun& report = jobs_[terminal]->report;
    print(terminal, Captions::verdictLine(Captions::verdictWord(report.verdict), report.durationMs),
          reportOnStandardOutput());
    if (--running_ == 0)
        emit finished();
}

QString ProductionRun::forwardRecords() {
    const QString waiting = recorder_.forward(QDeadlineTimer(RecordLimits::lineWaitMs));
    const QHash<QString, int> attempts = recorder_.attempts(identity_.runId);
    for (TerminalJob* job : jobs_)
        if (!job->recordFailed && attempts.contains(job->report.port))
            job->report.attempt = attempts.value(job->report.port);
    return waiting;
}

QList<TerminalRun> ProductionRun::reports() const {
    QList<TerminalRun> reports;
    for (const TerminalJob* job : jobs_)
        reports.append(job->report);
    return reports;
}

int ProductionRun::exitStatus() const {
    int worst = 0;
    for (const TerminalJob* job : jobs_)
        worst = std::max(worst, std::max(rank(job->report.verdict), job->recordFailed ? 1 : 0));
    return worst;
}
