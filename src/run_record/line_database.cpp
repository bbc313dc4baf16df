#include "line_database.h"

#include "local_record.h"
#include "record_captions.h"
#include "record_connection.h"
#include "record_error.h"
#include "record_limits.h"
#include "record_schema.h"
#include "record_writer.h"
#include "test_sequence/signal_exit.h"

#include <QSqlQuery>
#include <QStringList>
#include <algorithm>

namespace {

// Units are printable text, so a control character can separate them. Taken in sorted order,
// two stations' batches never wait for each other in a circle.
bool lockUnits(RecordConnection& line, const QList<RecordedRun>& runs, QString& error,
               QString& failureCode) {
    QStringList units;
    for (const RecordedRun& run : runs)
        if (!run.terminal.unit.isEmpty())
            units << run.terminal.unit;
    units.removeDuplicates();
    if (units.isEmpty())
        return true;
    std::sort(units.begin(), units.end());
    QSqlQuery query(line.database());
    query.prepare(QStringLiteral(
        "SELECT COUNT(pg_advisory_xact_lock(hashtextextended(u, 0))) FROM (SELECT u FROM "
        "unnest(string_to_array(CAST(? AS TEXT), chr(31))) WITH ORDINALITY AS units (u, n) "
        "ORDER BY n) AS ordered"));
    if (exec(query, error, {units.join(QChar(31))}))
        return true;
    failureCode = query.lastError().nativeErrorCode();
    return false;
}

// A refusal of the data itself, as opposed to one of the line, its load, its layout or the
// role's rights, which every other run would meet as well (SQLSTATE classes and codes).
bool refusedForItsData(const QString& sqlState) {
    static const QStringList lineClasses{"08", "25", "40", "53", "54", "55",
                                         "57", "58", "XX", "3D", "3F"};
    static const QStringList lineStates{"42501", "42P01", "42703", "42883"};
    return !sqlState.isEmpty() && !lineClasses.contains(sqlState.left(2)) &&
           !lineStates.contains(sqlState);
}

// The first run whose unit the line refuses as text, such as one with a character its encoding
// lacks; -1 when it takes each of them alone.
qint64 unitRefused(RecordConnection& line, const QList<RecordedRun>& runs, QString& refusal) {
    QSqlQuery query(line.database());
    query.prepare(QStringLiteral("SELECT hashtextextended(CAST(? AS TEXT), 0)"));
    for (const RecordedRun& run : runs)
        if (!run.terminal.unit.isEmpty() && !exec(query, refusal, {run.terminal.unit}) &&
            refusedForItsData(query.lastError().nativeErrorCode()))
            return run.id;
    return -1;
}

struct Batch {
    QHash<qint64, std::optional<int>> attempts; // by the local id
    int added = 0;
    qint64 refused = -1; // the local id of a terminal run the line refused
    QString refusal;
};

bool forwardBatch(RecordConnection& line, const QList<RecordedRun>& runs, Batch& batch,
                  QString& error) {
    if (!line.beginWriting(error))
        return false;
    QString failureCode;
    if (!lockUnits(line, runs, error, failureCode)) {
        line.rollback();
        // Otherwise the batch would meet the same refusal on every forward, and none would go.
        if (refusedForItsData(failureCode))
            batch.refused = unitRefused(line, runs, batch.refusal);
        return false;
    }
    RecordWriter writer(line.database());
    for (const RecordedRun& recorded : runs) {
        const auto written = writer.write(recorded.run, recorded.terminal, error);
        if (written == RecordWriter::Written::Failed) {
            line.rollback();
            if (refusedForItsData(writer.failureCode())) {
                batch.refused = recorded.id;
                batch.refusal = error;
            }
            return false;
        }
        batch.attempts.insert(recorded.id, writer.attempt());
        batch.added += written == RecordWriter::Written::Added ? 1 : 0;
    }
    return line.commit(error);
}

// Runs this build cannot read are set aside before the line sees them.
bool setAsideUnreadable(RecordConnection& local, QList<RecordedRun>& runs, int& setAside,
                        QString& error) {
    for (const RecordedRun& run : runs)
        if (!run.unreadable.isEmpty()) {
            if (!LocalRecord::setAside(local, run.id, run.unreadable, error))
                return false;
            ++setAside;
        }
    runs.removeIf([](const RecordedRun& run) { return !run.unreadable.isEmpty(); });
    return true;
}

} // namespace

bool LineDatabase::prepare(RecordConnection& connection, QString& error) {
    return RecordSchema::prepare(connection, error);
}

bool LineDatabase::forward(RecordConnection& local, RecordConnection& line, int& forwarded,
                           int& setAside, QString& error) {
    forwarded = setAside = 0;
    for (;;) {
        if (SignalExit::received()) {
            error = RecordCaptions::interrupted();
            return false;
        }
        QList<RecordedRun> runs;
        if (!LocalRecord::waiting(local, RecordLimits::forwardBatch, runs, error))
            return false;
        if (runs.isEmpty())
            return true;
        if (!setAsideUnreadable(local, runs, setAside, error))
            return false;
        if (runs.isEmpty())
            continue;
        Batch batch;
        if (forwardBatch(line, runs, batch, error)) {
            if (!LocalRecord::markForwarded(local, batch.attempts, error))
                return false;
            forwarded += batch.added;
        } else if (batch.refused >= 0) {
            // The batch again without it, next time round.
            if (!LocalRecord::setAside(local, batch.refused, batch.refusal, error))
                return false;
            ++setAside;
        } else {
            return false;
        }
    }
}
