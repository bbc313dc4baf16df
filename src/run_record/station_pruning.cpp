#include "station_pruning.h"

#include "line_address.h"
#include "local_record.h"
#include "record_captions.h"
#include "record_connection.h"
#include "record_error.h"
#include "record_limits.h"
#include "record_schema.h"
#include "record_time.h"
#include "record_wait.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlQuery>
#include <QThread>
#include <utility>

namespace {

using Key = std::pair<QString, QString>; // run_id, port

struct Candidate {
    qint64 id = 0;
    Key key;
};

// Whatever another station changes meanwhile, a row marked forwarded and not set aside stays so.
const QString forwardedRuns = QStringLiteral("forwarded = 1 AND set_aside IS NULL");
constexpr int busyPauseMs = 10;

qint64 bytesOnDisk(const QString& file) {
    return QFileInfo(file).size() + QFileInfo(file + QStringLiteral("-wal")).size();
}

bool nextCandidates(RecordConnection& local, const QString& before, qint64 after,
                    QList<Candidate>& batch, QString& error) {
    QSqlQuery query(local.database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, run_id, port FROM terminal_run WHERE id > ? AND "
                                 "started < ? AND %1 ORDER BY id LIMIT ?")
                      .arg(forwardedRuns));
    if (!exec(query, error, {after, before, RecordLimits::forwardBatch}))
        return false;
    batch.clear();
    while (query.next())
        batch.append(
            {query.value(0).toLongLong(), {query.value(1).toString(), query.value(2).toString()}});
    return true;
}

// One look-up per batch; JSON carries the keys whatever characters they hold.
bool heldByLine(RecordConnection& line, const QList<Candidate>& batch, QSet<Key>& held,
                QString& error) {
    QJsonArray keys;
    for (const Candidate& candidate : batch)
        keys.append(QJsonObject{{"r", candidate.key.first}, {"p", candidate.key.second}});
    QSqlQuery query(line.database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT t.run_id, t.port FROM terminal_run t JOIN json_to_recordset(CAST(? AS json)) "
        "AS k (r TEXT, p TEXT) ON t.run_id = k.r AND t.port = k.p"));
    if (!exec(query, error,
              {QString::fromUtf8(QJsonDocument(keys).toJson(QJsonDocument::Compact))}))
        return false;
    held.clear();
    while (query.next())
        held.insert({query.value(0).toString(), query.value(1).toString()});
    return true;
}

bool removeAll(QSqlQuery& query, const QList<QVariant>& values, int& removed, QString& error) {
    if (!exec(query, error, values))
        return false;
    removed += query.numRowsAffected();
    return true;
}

bool removeTerminalRuns(QSqlQuery& failures, QSqlQuery& steps, QSqlQuery& terminals,
                        const QList<qint64>& ids, int& removed, QString& error) {
    int unused = 0;
    for (const qint64 id : ids)
        if (!removeAll(failures, {id}, unused, error) || !removeAll(steps, {id}, unused, error) ||
            !removeAll(terminals, {id}, removed, error))
            return false;
    return true;
}

// A batch is one transaction: cut short, by a fault or a signal, it leaves the file as it was.
bool removeBatch(RecordConnection& local, const QList<qint64>& ids, const QSet<QString>& runIds,
                 StationPruning::Pruned& pruned, QString& error) {
    if (!local.beginWriting(error))
        return false;
    QSqlQuery failures(local.database()), steps(local.database()), terminals(local.database()),
        runs(local.database());
    failures.prepare(QStringLiteral("DELETE FROM failure WHERE terminal_run_id = ?"));
    steps.prepare(QStringLiteral("DELETE FROM step WHERE terminal_run_id = ?"));
    terminals.prepare(QStringLiteral("DELETE FROM terminal_run WHERE id = ?"));
    runs.prepare(QStringLiteral("DELETE FROM run WHERE run_id = ? AND NOT EXISTS (SELECT 1 FROM "
                                "terminal_run WHERE run_id = ?)"));
    int removedTerminals = 0;
    int removedRuns = 0;
    bool removed = removeTerminalRuns(failures, steps, terminals, ids, removedTerminals, error);
    for (auto it = runIds.begin(); removed && it != runIds.end(); ++it)
        removed = removeAll(runs, {*it, *it}, removedRuns, error);
    if (!removed) {
        local.rollback();
        return false;
    }
    if (!local.commit(error))
        return false;
    pruned.terminalRuns += removedTerminals;
    pruned.runs += removedRuns;
    return true;
}

bool pruneBatches(RecordConnection& local, RecordConnection* line, const QString& before,
                  StationPruning::Pruned& pruned, QString& localError, QString& lineError) {
    qint64 after = 0;
    for (;;) {
        QList<Candidate> batch;
        if (!nextCandidates(local, before, after, batch, localError))
            return false;
        if (batch.isEmpty())
            return true;
        after = batch.last().id;
        QSet<Key> held;
        if (line && !heldByLine(*line, batch, held, lineError))
            return false;
        QList<qint64> ids;
        QSet<QString> runIds;
        for (const Candidate& candidate : batch)
            if (held.contains(candidate.key)) {
                ids << candidate.id;
                runIds << candidate.key.first;
            }
        pruned.notInLine += int(batch.size() - ids.size());
        if (!ids.isEmpty() && !removeBatch(local, ids, runIds, pruned, localError))
            return false;
    }
}

bool countWaiting(RecordConnection& local, const QString& before, int& count, QString& error) {
    QSqlQuery query(local.database());
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM terminal_run WHERE started < ? AND NOT (%1)")
                      .arg(forwardedRuns));
    if (!exec(query, error, {before}) || !query.next())
        return false;
    count = query.value(0).toInt();
    return true;
}

// VACUUM waits for no other writer by itself, and in WAL mode the file only shrinks once its
// log is folded back into it; a reader that holds the log keeps it, which is no fault.
bool giveSpaceBack(RecordConnection& local, QString& error) {
    const QDeadlineTimer deadline(RecordLimits::busyTimeOutMs);
    QSqlQuery query(local.database());
    while (!query.exec(QStringLiteral("VACUUM"))) {
        if (!RecordWait::busy(query.lastError()) || deadline.hasExpired()) {
            error = causeOf(query.lastError());
            return false;
        }
        QThread::msleep(busyPauseMs);
    }
    return exec(query, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), error);
}

bool openLine(RecordConnection& line, bool& hasTables, QString& error) {
    int version = -1;
    if (!line.open(error) || !RecordSchema::readableVersion(line, version, error))
        return false;
    hasTables = version >= 0;
    return true;
}

} // namespace

bool StationPruning::prune(const RecordPlaces& places, const QDateTime& before, Pruned& pruned,
                           QString& error) {
    pruned = {};
    RecordConnection line(RecordConnection::Line, places.line, LineAddress::Use::Reading);
    bool lineHasTables = false;
    QString cause;
    if (!openLine(line, lineHasTables, cause)) {
        error = RecordCaptions::notRead(LineAddress::shown(places.line), cause);
        return false;
    }
    if (!QFileInfo::exists(places.local))
        return true;
    pruned.bytesBefore = bytesOnDisk(places.local);
    RecordConnection local(RecordConnection::Local, places.local);
    const QString beforeText = RecordTime::text(before);
    QString lineCause;
    const bool done = local.open(cause) && LocalRecord::prepare(local, cause) &&
                      pruneBatches(local, lineHasTables ? &line : nullptr, beforeText, pruned,
                                   cause, lineCause) &&
                      countWaiting(local, beforeText, pruned.waiting, cause) &&
                      giveSpaceBack(local, cause);
    pruned.bytesAfter = bytesOnDisk(places.local);
    if (done)
        return true;
    error = lineCause.isEmpty()
                ? RecordCaptions::notPruned(places.local, cause)
                : RecordCaptions::notRead(LineAddress::shown(places.line),
                                          LineAddress::masked(lineCause, places.line));
    return false;
}
