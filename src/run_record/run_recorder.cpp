#include "run_recorder.h"

#include "line_address.h"
#include "line_feed.h"
#include "local_record.h"
#include "record_captions.h"
#include "record_connection.h"
#include "record_limits.h"
#include "test_sequence/captions.h"
#include "test_sequence/signal_exit.h"

#include <QLocale>
#include <QSqlQuery>
#include <algorithm>
#include <utility>

namespace {

// Captions and results stay German, as in the report, whatever language the window spoke.
QList<StepResult> inGerman(QList<StepResult> steps) {
    for (StepResult& step : steps) {
        if (step.index >= 0 && std::size_t(step.index) < Captions::stepCaptions.size())
            step.caption = Captions::stepCaptions[std::size_t(step.index)].untranslated();
        step.result = Captions::germanRowResult(step.result);
    }
    return steps;
}

} // namespace

RunRecorder::RunRecorder(const RecordPlaces& places)
    : places_(places),
      keeper_(std::make_unique<RecordConnection>(RecordConnection::Local, places.local)) {
    prepared_ = keeper_->open(keeperError_) && LocalRecord::prepare(*keeper_, keeperError_);
    // A connection joins the log with its first read in WAL mode.
    if (prepared_)
        QSqlQuery(keeper_->database()).exec(QStringLiteral("SELECT version FROM quendal_schema"));
}

RunRecorder::~RunRecorder() = default;

QString RunRecorder::record(const RunIdentity& run, TerminalRun& terminal) {
    const QMutexLocker turn(&writing_);
    RecordConnection local(RecordConnection::Local, places_.local);
    QString error;
    const bool ready = local.open(error) && (prepared_ ? LocalRecord::syncLess(local, error)
                                                       : LocalRecord::prepare(local, error));
    prepared_ = ready;
    TerminalRun german = terminal;
    german.steps = inGerman(terminal.steps);
    if (ready && LocalRecord::store(local, run, german, error)) {
        terminal.attempt = german.attempt;
        return {};
    }
    terminal.attempt.reset();
    localFailed_.storeRelaxed(1);
    return RecordCaptions::notRecorded(places_.local, error);
}

// Why the line database is left alone now: it was found away less than a while ago.
QString RunRecorder::lineAwayLately() {
    QDateTime since;
    QString cause;
    QString unused;
    if (!prepared_ || !LocalRecord::lineAway(*keeper_, since, cause, unused) || !since.isValid() ||
        since.msecsTo(QDateTime::currentDateTimeUtc()) >= RecordLimits::lineRetryAfterMs)
        return {};
    return RecordCaptions::lineAway(QLocale().toString(since.toLocalTime().time()), cause);
}

QString RunRecorder::waitingMessage(const QString& cause) {
    int waiting = 0;
    QString unused;
    LocalRecord::waitingCount(*keeper_, waiting, unused);
    return RecordCaptions::waitingForLine(waiting, LineAddress::shown(places_.line), cause);
}

QString RunRecorder::forward(QDeadlineTimer deadline, bool always) {
    if (places_.line.isEmpty())
        return {};
    if (!prepared_)
        return localFailed_.loadRelaxed() ? QString()
                                          : RecordCaptions::notRead(places_.local, keeperError_);
    if (const QString away = always ? QString() : lineAwayLately(); !away.isEmpty())
        return waitingMessage(away);
    const qint64 allowedMs = deadline.remainingTime();
    int before = 0;
    QString unused;
    LocalRecord::waitingCount(*keeper_, before, unused);
    LineFeed feed(places_);
    const LineFeed::Outcome outcome = feed.wait(deadline);
    if (outcome.ended)
        return outcome.error.isEmpty() ? QString() : waitingMessage(outcome.error);
    if (SignalExit::received())
        return waitingMessage(RecordCaptions::interrupted());
    // A line that takes what it is given, only more slowly than a run waits, is not away.
    int left = before;
    LocalRecord::waitingCount(*keeper_, left, unused);
    if (left < before)
        return waitingMessage(RecordCaptions::slowerThanARun());
    const QString cause = RecordCaptions::noAnswerWithin(int(allowedMs));
    LocalRecord::noteLine(*keeper_, cause, unused);
    return waitingMessage(cause);
}

std::unique_ptr<LineFeed>
RunRecorder::forwardInBackground(std::function<void(const QString&)> told) {
    if (places_.line.isEmpty() || !prepared_ || !lineAwayLately().isEmpty())
        return {};
    const QString shown = LineAddress::shown(places_.line);
    return std::make_unique<LineFeed>(
        places_, [told = std::move(told), shown](const LineFeed::Outcome& outcome) {
            if (!outcome.error.isEmpty())
                told(RecordCaptions::waitingForLine(outcome.waiting, shown, outcome.error));
        });
}

RunRecorder::Forwarded RunRecorder::forwardAll() {
    Forwarded result;
    QString error;
    if (!prepared_ || !LocalRecord::waitingCount(*keeper_, result.before, error)) {
        result.before = -1;
        result.error = RecordCaptions::notRead(places_.local, prepared_ ? error : keeperError_);
        return result;
    }
    const LineFeed::Outcome outcome = LineFeed::forwardNow(places_);
    result.waiting = outcome.waiting;
    result.forwarded = std::max(result.before - outcome.waiting - outcome.setAside, 0);
    if (!outcome.error.isEmpty())
        result.error = RecordCaptions::waitingForLine(
            outcome.waiting, LineAddress::shown(places_.line), outcome.error);
    return result;
}

QHash<QString, int> RunRecorder::attempts(const QString& runId) {
    QHash<QString, int> byPort;
    QString unused;
    if (prepared_)
        LocalRecord::attempts(*keeper_, runId, byPort, unused);
    return byPort;
}

QStringList RunRecorder::setAside() {
    QStringList runs;
    QString unused;
    if (prepared_)
        LocalRecord::setAsideRuns(*keeper_, runs, unused);
    return runs;
}
