#include "local_record.h"

#include "record_captions.h"
#include "record_connection.h"
#include "record_error.h"
#include "record_limits.h"
#include "record_schema.h"
#include "record_time.h"
#include "record_wait.h"
#include "record_writer.h"
#include "test_sequence/signal_exit.h"

#include <QDeadlineTimer>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>

namespace {

constexpr int walRetryPauseMs = 10;

// One prepared statement in a transaction of its own, which waits for other writers as
// every transaction here does.
bool writeAlone(RecordConnection& connection, QSqlQuery& query, QString& error) {
    if (!connection.beginWriting(error))
        return false;
    if (exec(query, error))
        return connection.commit(error);
    connection.rollback();
    return false;
}

// Runs the line database does not hold yet and may still take.
const QString waitingRuns = QStringLiteral("t.forwarded = 0 AND t.set_aside IS NULL");

// Switching a new record to WAL asks for its write lock without SQLite's wait for it, so a
// connection writing meanwhile, in another thread or process, is waited for here instead.
bool switchToWal(RecordConnection& connection, QString& error) {
    const QDeadlineTimer deadline(RecordLimits::busyTimeOutMs);
    for (;;) {
        QSqlQuery query(connection.database());
        if (query.exec(QStringLiteral("PRAGMA journal_mode = WAL")))
            return true;
        if (!RecordWait::busy(query.lastError()) || deadline.hasExpired()) {
            error = causeOf(query.lastError());
            return false;
        }
        if (SignalExit::received()) {
            error = RecordCaptions::interrupted();
            return false;
        }
        QThread::msleep(walRetryPauseMs);
    }
}

} // namespace

QString LocalRecord::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Quendal/records.sqlite");
}

bool LocalRecord::prepare(RecordConnection& connection, QString& error) {
    return RecordSchema::prepare(connection, error) && switchToWal(connection, error) &&
           syncLess(connection, error);
}

// In WAL mode a commit then waits for no disk: a crash of the program loses nothing, a power
// cut at most the last moments' runs, and the file stays whole either way. Sixteen terminals
// ending together would otherwise wait for sixteen flushes in a row.
bool LocalRecord::syncLess(RecordConnection& connection, QString& error) {
    QSqlQuery query(connection.database());
    return exec(query, QStringLiteral("PRAGMA synchronous = NORMAL"), error);
}

bool LocalRecord::store(RecordConnection& connection, const RunIdentity& run, TerminalRun& terminal,
                        QString& error) {
    if (!connection.beginWriting(error))
        return false;
    RecordWriter writer(connection.database());
    if (writer.write(run, terminal, error) == RecordWriter::Written::Failed) {
        connection.rollback();
        return false;
    }
    if (!connection.commit(error))
        return false;
    terminal.attempt = writer.attempt();
    return true;
}

bool LocalRecord::waiting(RecordConnection& connection, int limit, QList<RecordedRun>& runs,
                          QString& error) {
    RecordReader::Selection selection;
    selection.condition = waitingRuns;
    selection.order = QStringLiteral("ORDER BY t.id LIMIT %1").arg(limit);
    return RecordReader::read(connection.database(), selection, runs, error);
}

bool LocalRecord::waitingCount(RecordConnection& connection, int& count, QString& error) {
    QSqlQuery query(connection.database());
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM terminal_run t WHERE ") + waitingRuns);
    if (!exec(query, error) || !query.next())
        return false;
    count = query.value(0).toInt();
    return true;
}

bool LocalRecord::markForwarded(RecordConnection& connection,
                                const QHash<qint64, std::optional<int>>& attempts, QString& error) {
    if (!connection.beginWriting(error))
        return false;
    QSqlQuery query(connection.database());
    query.prepare(QStringLiteral(
        "UPDATE terminal_run SET forwarded = 1, attempt = COALESCE(?, attempt) WHERE id = ?"));
    for (auto it = attempts.begin(); it != attempts.end(); ++it) {
        query.bindValue(0, it.value() ? QVariant(*it.value()) : QVariant());
        query.bindValue(1, it.key());
        if (!exec(query, error)) {
            connection.rollback();
            return false;
        }
    }
    return connection.commit(error);
}

bool LocalRecord::setAside(RecordConnection& connection, qint64 id, const QString& cause,
                           QString& error) {
    QSqlQuery query(connection.database());
    query.prepare(QStringLiteral("UPDATE terminal_run SET set_aside = ? WHERE id = ?"));
    query.addBindValue(cause);
    query.addBindValue(id);
    return writeAlone(connection, query, error);
}

bool LocalRecord::setAsideRuns(RecordConnection& connection, QStringList& runs, QString& error) {
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT run_id, port, COALESCE(unit, ''), set_aside FROM "
                                 "terminal_run WHERE set_aside IS NOT NULL ORDER BY id"));
    if (!exec(query, error))
        return false;
    runs.clear();
    while (query.next())
        runs << RecordCaptions::setAside(query.value(0).toString(), query.value(1).toString(),
                                         query.value(2).toString(), query.value(3).toString());
    return true;
}

bool LocalRecord::attempts(RecordConnection& connection, const QString& runId,
                           QHash<QString, int>& byPort, QString& error) {
    QSqlQuery query(connection.database());
    query.prepare(QStringLiteral(
        "SELECT port, attempt FROM terminal_run WHERE run_id = ? AND attempt IS NOT NULL"));
    query.addBindValue(runId);
    if (!exec(query, error))
        return false;
    while (query.next())
        byPort.insert(query.value(0).toString(), query.value(1).toInt());
    return true;
}

bool LocalRecord::lineAway(RecordConnection& connection, QDateTime& since, QString& cause,
                           QString& error) {
    QSqlQuery query(connection.database());
    if (!exec(query, QStringLiteral("SELECT unreachable_since, cause FROM line_state"), error))
        return false;
    since = query.next() ? RecordTime::parse(query.value(0).toString()) : QDateTime();
    cause = since.isValid() ? query.value(1).toString() : QString();
    return true;
}

bool LocalRecord::noteLine(RecordConnection& connection, const QString& cause, QString& error) {
    QSqlQuery query(connection.database());
    if (cause.isEmpty()) {
        query.prepare(QStringLiteral("DELETE FROM line_state"));
    } else {
        query.prepare(QStringLiteral(
            "INSERT INTO line_state (id, unreachable_since, cause) VALUES (1, ?, ?) ON CONFLICT "
            "(id) DO UPDATE SET unreachable_since = excluded.unreachable_since, cause = "
            "excluded.cause"));
        query.addBindValue(RecordTime::text(QDateTime::currentDateTimeUtc()));
        query.addBindValue(cause);
    }
    return writeAlone(connection, query, error);
}
