#include "run_recorder.h"

#include "line_address.h"
#include "line_database.h"
#include "local_record.h"
#include "record_captions.h"
#include "record_connection.h"

#include <QSqlQuery>
#include <utility>

RunRecorder::RunRecorder(const RecordPlaces& places)
    : places_(places),
      keeper_(std::make_unique<RecordConnection>(RecordConnection::Local, places.local)) {
    QString error;
    prepared_ = keeper_->open(error) && LocalRecord::prepare(*keeper_, error);
    // A connection joins the log with its first read in WAL mode.
    if (prepared_)
        QSqlQuery(keeper_->database()).exec(QStringLiteral("SELECT version FROM quendal_schema"));
}

RunRecorder::~RunRecorder() = default;

QString RunRecorder::record(const RunIdentity& run, TerminalRun& terminal) {
    const std::optional<int> lineRuns =
        terminal.unit.isEmpty() ? std::nullopt : lineRunsOf(terminal.unit);
    const QMutexLocker turn(&writing_);
    RecordConnection local(RecordConnection::Local, places_.local);
    QString error;
    const bool ready = local.open(error) && (prepared_ ? LocalRecord::syncLess(local, error)
                                                       : LocalRecord::prepare(local, error));
    prepared_ = ready;
    if (ready && LocalRecord::store(local, run, terminal, lineRuns, error))
        return {};
    terminal.attempt.reset();
    localFailed_.storeRelaxed(1);
    return RecordCaptions::notRecorded(places_.local, error);
}

// The line database counts a unit's attempts when it can be reached; else the local record.
std::optional<int> RunRecorder::lineRunsOf(const QString& unit) {
    if (places_.line.isEmpty())
        return std::nullopt;
    RecordConnection line(RecordConnection::Line, places_.line);
    QString error;
    int count = 0;
    if (line.open(error) && LineDatabase::prepare(line, error) &&
        LineDatabase::runsOf(line, unit, count, error))
        return count;
    const QMutexLocker lock(&lineDownGuard_);
    lineDown_ = error;
    return std::nullopt;
}

// A line found away while this run counted attempts is not waited for a second time.
QString RunRecorder::takeLineDown() {
    const QMutexLocker lock(&lineDownGuard_);
    return std::exchange(lineDown_, QString());
}

QString RunRecorder::forward() {
    if (places_.line.isEmpty())
        return {};
    RecordConnection local(RecordConnection::Local, places_.local);
    QString error;
    if (!local.open(error) || !LocalRecord::prepare(local, error))
        return localFailed_.loadRelaxed() ? QString()
                                          : RecordCaptions::notRead(places_.local, error);
    RecordConnection line(RecordConnection::Line, places_.line);
    int forwarded = 0;
    error = takeLineDown();
    if (error.isEmpty() && line.open(error) && LineDatabase::prepare(line, error) &&
        LineDatabase::forward(local, line, forwarded, error))
        return {};
    int waiting = 0;
    QString unused;
    LocalRecord::waitingCount(local, waiting, unused);
    return RecordCaptions::waitingForLine(waiting, LineAddress::shown(places_.line), error);
}
