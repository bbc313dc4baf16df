#include "record_query.h"

#include "line_address.h"
#include "local_record.h"
#include "record_captions.h"
#include "record_connection.h"
#include "record_places.h"
#include "record_schema.h"
#include "record_time.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

// Each terminal run repeats its run's time and station, so counting needs no join.
const QString fromRuns = QStringLiteral("FROM terminal_run t WHERE ");

bool exec(QSqlQuery& query, const RecordReader::Selection& selection, QString& error) {
    for (const QVariant& value : selection.values)
        query.addBindValue(value);
    if (query.exec())
        return true;
    error = query.lastError().text().trimmed();
    return false;
}

// Qt lists no tables in a file that is no database at all; a look at SQLite's own table tells.
bool isDatabase(RecordConnection& connection, QString& error) {
    QSqlQuery query(connection.database());
    if (connection.kind() == RecordConnection::Line ||
        query.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")))
        return true;
    error = query.lastError().text().trimmed();
    return false;
}

} // namespace

RecordReader::Selection selectionOf(const RecordFilter& filter) {
    QStringList conditions{QStringLiteral("1 = 1")};
    RecordReader::Selection selection;
    const auto add = [&](const QString& condition, const QVariant& value) {
        conditions << condition;
        selection.values << value;
    };
    if (!filter.unit.isEmpty())
        add(QStringLiteral("t.unit = ?"), filter.unit);
    // Nearly every run names its unit: SQLite reads the table faster than the index on unit.
    if (filter.unitsOnly)
        conditions << QStringLiteral("COALESCE(t.unit, '') <> ''");
    if (!filter.station.isEmpty())
        add(QStringLiteral("t.station = ?"), filter.station);
    if (filter.since.isValid())
        add(QStringLiteral("t.started >= ?"), RecordTime::text(filter.since));
    if (filter.before.isValid())
        add(QStringLiteral("t.started < ?"), RecordTime::text(filter.before));
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
    int version = 0;
    if (!connection_->open(cause) || !isDatabase(*connection_, cause) ||
        !RecordSchema::readableVersion(*connection_, version, cause))
        return failed(cause, message);
    // An older schema is read as it is: only a command that writes migrates it.
    empty_ = version < 0;
    return true;
}

bool RecordQuery::history(const RecordFilter& filter, int limit, QList<RecordedRun>& runs,
                          QString& message) {
    runs.clear();
    if (empty_)
        return true;
    RecordReader::Selection selection = selectionOf(filter);
    selection.order = QStringLiteral("ORDER BY t.started DESC, t.id DESC");
    if (limit > 0)
        selection.order += QStringLiteral(" LIMIT %1").arg(limit);
    QString cause;
    return RecordReader::read(connection_->database(), selection, runs, cause) ||
           failed(cause, message);
}

bool RecordQuery::attempts(const RecordFilter& filter, QList<UnitAttempt>& attempts,
                           QString& message) {
    attempts.clear();
    if (empty_)
        return true;
    const RecordReader::Selection selection = selectionOf(filter);
    QSqlQuery query(connection_->database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT t.unit, t.station, t.started, t.verdict %1%2 "
                                 "ORDER BY t.started, t.id")
                      .arg(fromRuns, selection.condition));
    QString cause;
    if (!exec(query, selection, cause))
        return failed(cause, message);
    while (query.next())
        attempts.append({query.value(0).toString(), query.value(1).toString(),
                         query.value(2).toString(),
                         query.value(3).toString() == QLatin1String("passed")});
    return true;
}

bool RecordQuery::stepFailures(const RecordFilter& filter, QList<StepFailures>& steps,
                               QString& message) {
    steps.clear();
    if (empty_)
        return true;
    const RecordReader::Selection selection = selectionOf(filter);
    QSqlQuery query(connection_->database());
    query.setForwardOnly(true);
    // A passed terminal run has no failed row, so only the others' steps need a look.
    query.prepare(QStringLiteral("SELECT s.step_index, MIN(s.caption), COUNT(*) FROM step s "
                                 "WHERE s.outcome = 'failed' AND s.terminal_run_id IN "
                                 "(SELECT t.id %1%2 AND t.verdict <> 'passed') "
                                 "GROUP BY s.step_index ORDER BY s.step_index")
                      .arg(fromRuns, selection.condition));
    QString cause;
    if (!exec(query, selection, cause))
        return failed(cause, message);
    while (query.next())
        steps.append({query.value(0).toInt(), query.value(1).toString(), query.value(2).toInt()});
    return true;
}

bool RecordQuery::causes(const RecordFilter& filter, QList<CauseCount>& causes, QString& message) {
    causes.clear();
    if (empty_)
        return true;
    const RecordReader::Selection selection = selectionOf(filter);
    QSqlQuery query(connection_->database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT COALESCE(t.cause_kind, 'open-failed') AS kind, COUNT(*) "
                                 "%1%2 AND t.verdict = 'not-opened' "
                                 "GROUP BY COALESCE(t.cause_kind, 'open-failed') "
                                 "ORDER BY COUNT(*) DESC, kind")
                      .arg(fromRuns, selection.condition));
    QString cause;
    if (!exec(query, selection, cause))
        return failed(cause, message);
    while (query.next())
        causes.append({query.value(0).toString(), query.value(1).toInt()});
    return true;
}

bool RecordQuery::echoTimes(const RecordFilter& filter, QList<EchoTimes>& times, QString& message) {
    times.clear();
    if (empty_)
        return true;
    const RecordReader::Selection selection = selectionOf(filter);
    QSqlQuery query(connection_->database());
    query.setForwardOnly(true);
    // Counted in the database: a few hundred distinct times stand for millions of rows.
    query.prepare(QStringLiteral("SELECT s.step_index, s.slowest_echo_ms, COUNT(*) FROM step s "
                                 "WHERE s.slowest_echo_ms IS NOT NULL AND s.terminal_run_id IN "
                                 "(SELECT t.id %1%2) "
                                 "GROUP BY s.step_index, s.slowest_echo_ms "
                                 "ORDER BY s.step_index, s.slowest_echo_ms")
                      .arg(fromRuns, selection.condition));
    QString cause;
    if (!exec(query, selection, cause))
        return failed(cause, message);
    while (query.next())
        times.append({query.value(0).toInt(), query.value(1).toLongLong(), query.value(2).toInt()});
    return true;
}

bool RecordQuery::failedRuns(const RecordFilter& filter, QList<FailedRun>& runs, QString& message) {
    runs.clear();
    if (empty_)
        return true;
    const RecordReader::Selection selection = selectionOf(filter);
    QSqlQuery query(connection_->database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT t.id, t.unit, t.started, t.verdict, s.step_index "
                                 "FROM terminal_run t LEFT JOIN step s ON s.terminal_run_id = "
                                 "t.id AND s.outcome = 'failed' WHERE %1 AND t.verdict <> "
                                 "'passed' ORDER BY t.started, t.id, s.step_index")
                      .arg(selection.condition));
    QString cause;
    if (!exec(query, selection, cause))
        return failed(cause, message);
    qint64 lastId = -1;
    while (query.next()) {
        if (query.value(0).toLongLong() != lastId)
            runs.append({query.value(1).toString(),
                         query.value(2).toString(),
                         query.value(3).toString(),
                         {}});
        lastId = query.value(0).toLongLong();
        if (!query.value(4).isNull())
            runs.last().failedSteps.append(query.value(4).toInt());
    }
    return true;
}

bool RecordQuery::waitingCount(int& count, QString& message) {
    count = 0;
    QString cause;
    return empty_ || LocalRecord::waitingCount(*connection_, count, cause) ||
           failed(cause, message);
}
