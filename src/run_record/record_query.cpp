#include "record_query.h"

#include "line_address.h"
#include "local_record.h"
#include "record_captions.h"
#include "record_connection.h"
#include "record_error.h"
#include "record_places.h"
#include "record_schema.h"
#include "record_time.h"
#include "test_sequence/run_names.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QStringList>

namespace {

// Each terminal run repeats its run's time and station, so counting needs no join.
const QString fromRuns = QStringLiteral("FROM terminal_run t WHERE ");

// The values of a look at the failed rows of runs that did not pass: the failed outcome, the
// selection's own, then the passed verdict, as their places stand in the statement.
QList<QVariant> failedOnly(const RecordReader::Selection& selection) {
    return QList<QVariant>{RunNames::outcome(StepResult::Failed)}
           << selection.values << RunNames::verdict(TerminalRun::Passed);
}

// Qt lists no tables in a file that is no database at all; a look at SQLite's own table tells.
bool isDatabase(RecordConnection& connection, QString& error) {
    QSqlQuery query(connection.database());
    return connection.kind() == RecordConnection::Line ||
           exec(query, QStringLiteral("SELECT COUNT(*) FROM sqlite_master"), error);
}

} // namespace

// Every text compared row by row is bound as CAST(? AS TEXT): Qt binds text as UTF-16, and
// SQLite would convert it for each row of a UTF-8 file (4 s of 10 over a million runs).
RecordReader::Selection selectionOf(const RecordFilter& filter, const QString& table) {
    QStringList conditions{QStringLiteral("1 = 1")};
    RecordReader::Selection selection;
    const auto add = [&](const QString& condition, const QVariant& value) {
        conditions << condition.arg(table);
        selection.values << value;
    };
    if (!filter.unit.isEmpty())
        add(QStringLiteral("%1.unit = CAST(? AS TEXT)"), filter.unit);
    // Nearly every run names its unit: SQLite reads the table faster than the index on unit.
    if (filter.unitsOnly)
        conditions << QStringLiteral("COALESCE(%1.unit, '') <> ''").arg(table);
    if (!filter.station.isEmpty())
        add(QStringLiteral("%1.station = CAST(? AS TEXT)"), filter.station);
    if (filter.since.isValid())
        add(QStringLiteral("%1.started >= CAST(? AS TEXT)"), RecordTime::text(filter.since));
    if (filter.before.isValid())
        add(QStringLiteral("%1.started < CAST(? AS TEXT)"), RecordTime::text(filter.before));
    selection.condition = conditions.join(QStringLiteral(" AND "));
    return selection;
}

RecordQuery::RecordQuery(bool line, const QString& place)
    : connection_(std::make_unique<RecordConnection>(line ? RecordConnection::Line
                                                          : RecordConnection::Local,
                                                     place, LineAddress::Use::Reading)),
      shownPlace_(line ? LineAddress::shown(place) : place),
      // SQLite would make the file just to find it empty.
      empty_(!line && !QFileInfo::exists(place)) {}

RecordQuery::RecordQuery(const RecordPlaces& places)
    : RecordQuery(!places.line.isEmpty(), places.line.isEmpty() ? places.local : places.line) {}

RecordQuery RecordQuery::local(const RecordPlaces& places) {
    return RecordQuery(false, places.local);
}

RecordQuery RecordQuery::twin() const {
    return RecordQuery(connection_->kind() == RecordConnection::Line, connection_->place());
}

// PostgreSQL serves each connection in a process of its own. SQLite's connections in one
// process slow each other down: two looks of 2.3 s and 2.7 s took 7.3 s and 7.9 s side by
// side.
bool RecordQuery::readsInParallel() const {
    return connection_->kind() == RecordConnection::Line;
}

RecordQuery::~RecordQuery() = default;
RecordQuery::RecordQuery(RecordQuery&&) noexcept = default;

bool RecordQuery::failed(const QString& cause, QString& message) const {
    message = RecordCaptions::notRead(shownPlace_, cause);
    return false;
}

bool RecordQuery::open(QString& message) {
    if (empty_)
        return true;
    QString cause;
    if (!connection_->open(cause) || !isDatabase(*connection_, cause) ||
        !RecordSchema::readableVersion(*connection_, version_, cause))
        return failed(cause, message);
    // An older schema is read as it is: only a command that writes migrates it.
    empty_ = version_ < 0;
    return true;
}

bool RecordQuery::history(const RecordFilter& filter, int limit, QList<RecordedRun>& runs,
                          QString& message) {
    runs.clear();
    if (empty_)
        return true;
    RecordReader::Selection selection = selectionOf(filter);
    selection.order = QStringLiteral("ORDER BY t.started DESC, t.id DESC");
    selection.version = version_;
    if (limit > 0)
        selection.order += QStringLiteral(" LIMIT %1").arg(limit);
    QString cause;
    return RecordReader::read(connection_->database(), selection, runs, cause) ||
           failed(cause, message);
}

bool RecordQuery::select(const QString& statement, const QList<QVariant>& values,
                         const std::function<void(const QSqlQuery&)>& row, QString& message) {
    if (empty_)
        return true;
    QSqlQuery query(connection_->database());
    query.setForwardOnly(true);
    query.prepare(statement);
    QString cause;
    if (!exec(query, cause, values))
        return failed(cause, message);
    while (query.next())
        row(query);
    return true;
}

bool RecordQuery::attempts(const RecordFilter& filter, const AttemptRow& row, QString& message) {
    const RecordReader::Selection selection = selectionOf(filter);
    return select(
        QStringLiteral("SELECT t.unit, t.station, t.started, t.verdict %1%2 "
                       "ORDER BY t.started, t.id")
            .arg(fromRuns, selection.condition),
        selection.values,
        [&row](const QSqlQuery& query) {
            row(query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                RunNames::verdictNamed(query.value(3).toString()) == TerminalRun::Passed);
        },
        message);
}

bool RecordQuery::stepFailures(const RecordFilter& filter, const StepFailureRow& row,
                               QString& message) {
    const RecordReader::Selection selection = selectionOf(filter);
    // A passed terminal run has no failed row, so only the others' steps need a look.
    return select(
        QStringLiteral("SELECT s.step_index, MIN(s.caption), COUNT(*) FROM %3 s "
                       "WHERE s.outcome = CAST(? AS TEXT) AND s.terminal_run_id IN "
                       "(SELECT t.id %1%2 AND t.verdict <> CAST(? AS TEXT)) "
                       "GROUP BY s.step_index ORDER BY s.step_index")
            .arg(fromRuns, selection.condition, RecordReader::stepRows(version_)),
        failedOnly(selection),
        [&row](const QSqlQuery& query) {
            row(query.value(0).toInt(), query.value(1).toString(), query.value(2).toInt());
        },
        message);
}

// A port that did not open for a reason without a name of its own counts as "open-failed".
bool RecordQuery::causes(const RecordFilter& filter, const CauseRow& row, QString& message) {
    const RecordReader::Selection selection = selectionOf(filter);
    const QList<QVariant> values = QList<QVariant>{RunNames::causeKind(PortProblem::OpenFailed)}
                                   << selection.values << RunNames::verdict(TerminalRun::NotOpened);
    return select(
        QStringLiteral("SELECT COALESCE(t.cause_kind, ?) AS kind, COUNT(*) "
                       "%1%2 AND t.verdict = CAST(? AS TEXT) "
                       "GROUP BY kind ORDER BY COUNT(*) DESC, kind")
            .arg(fromRuns, selection.condition),
        values,
        [&row](const QSqlQuery& query) { row(query.value(0).toString(), query.value(1).toInt()); },
        message);
}

bool RecordQuery::echoTimes(const RecordFilter& filter, const EchoRow& row, QString& message) {
    const RecordReader::Selection selection = selectionOf(filter);
    // Counted in the database: a few hundred distinct times stand for millions of rows.
    return select(
        QStringLiteral("SELECT s.step_index, s.slowest_echo_ms, COUNT(*) FROM step s "
                       "WHERE s.slowest_echo_ms IS NOT NULL AND s.terminal_run_id IN "
                       "(SELECT t.id %1%2) "
                       "GROUP BY s.step_index, s.slowest_echo_ms "
                       "ORDER BY s.step_index, s.slowest_echo_ms")
            .arg(fromRuns, selection.condition),
        selection.values,
        [&row](const QSqlQuery& query) {
            row(query.value(0).toInt(), query.value(1).toLongLong(), query.value(2).toInt());
        },
        message);
}

bool RecordQuery::waitingCount(int& count, QString& message) {
    count = 0;
    QString cause;
    return empty_ || LocalRecord::waitingCount(*connection_, count, cause) ||
           failed(cause, message);
}
