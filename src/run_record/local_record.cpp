#include "local_record.h"

#include "record_connection.h"
#include "record_error.h"
#include "record_limits.h"
#include "record_schema.h"
#include "record_writer.h"

#include <QDeadlineTimer>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>

namespace {

// SQLite's primary result code for a lock another connection holds.
constexpr int sqliteBusy = 5;
constexpr int walRetryPauseMs = 10;

bool exec(QSqlQuery& query, QString& error) {
    if (query.exec())
        return true;
    error = causeOf(query.lastError());
    return false;
}

bool countOf(RecordConnection& connection, const QString& unit, bool waitingOnly, int& count,
             QString& error) {
    QSqlQuery query(connection.database());
    query.prepare(waitingOnly
                      ? QStringLiteral("SELECT COUNT(*) FROM terminal_run WHERE unit = ? AND "
                                       "forwarded = 0")
                      : QStringLiteral("SELECT COUNT(*) FROM terminal_run WHERE unit = ?"));
    query.addBindValue(unit);
    if (!exec(query, error) || !query.next())
        return false;
    count = query.value(0).toInt();
    return true;
}

// Switching a new record to WAL asks for its write lock without SQLite's wait for it, so a
// connection writing meanwhile, in another thread or process, is waited for here instead.
bool switchToWal(RecordConnection& connection, QString& error) {
    const QDeadlineTimer deadline(RecordLimits::busyTimeOutMs);
    for (;;) {
        QSqlQuery query(connection.database());
        if (query.exec(QStringLiteral("PRAGMA journal_mode = WAL")))
            return true;
        const bool busy = query.lastError().nativeErrorCode().toInt() % 256 == sqliteBusy;
        if (!busy || deadline.hasExpired()) {
            error = causeOf(query.lastError());
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
    if (query.exec(QStringLiteral("PRAGMA synchronous = NORMAL")))
        return true;
    error = causeOf(query.lastError());
    return false;
}

bool LocalRecord::store(RecordConnection& connection, const RunIdentity& run, TerminalRun& terminal,
                        std::optional<int> lineRuns, QString& error) {
    if (!connection.beginWriting(error))
        return false;
    int here = 0;
    if (!terminal.unit.isEmpty()) {
        if (!countOf(connection, terminal.unit, lineRuns.has_value(), here, error)) {
            connection.rollback();
            return false;
        }
        terminal.attempt = lineRuns.value_or(0) + here + 1;
    }
    if (RecordWriter(connection.database()).write(run, terminal, error) ==
        RecordWriter::Written::Failed) {
        connection.rollback();
        return false;
    }
    return connection.commit(error);
}

bool LocalRecord::waiting(RecordConnection& connection, int limit, QList<RecordedRun>& runs,
                          QString& error) {
    RecordReader::Selection selection;
    selection.condition = QStringLiteral("t.forwarded = 0");
    selection.order = QStringLiteral("ORDER BY t.id LIMIT %1").arg(limit);
    return RecordReader::read(connection.database(), selection, runs, error);
}

bool LocalRecord::waitingCount(RecordConnection& connection, int& count, QString& error) {
    QSqlQuery query(connection.database());
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM terminal_run WHERE forwarded = 0"));
    if (!exec(query, error) || !query.next())
        return false;
    count = query.value(0).toInt();
    return true;
}

bool LocalRecord::markForwarded(RecordConnection& connection, const QList<RecordedRun>& runs,
                                QString& error) {
    QStringList ids;
    for (const RecordedRun& run : runs)
        ids << QString::number(run.id);
    QSqlQuery query(connection.database());
    query.prepare(QStringLiteral("UPDATE terminal_run SET forwarded = 1 WHERE id IN (%1)")
                      .arg(ids.join(QLatin1Char(','))));
    return exec(query, error);
}
