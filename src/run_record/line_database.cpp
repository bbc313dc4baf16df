#include "line_database.h"

#include "local_record.h"
#include "record_connection.h"
#include "record_error.h"
#include "record_limits.h"
#include "record_schema.h"
#include "record_writer.h"

#include <QSqlQuery>

namespace {

bool forwardBatch(RecordConnection& line, const QList<RecordedRun>& runs, int& added,
                  QString& error) {
    if (!line.beginWriting(error))
        return false;
    RecordWriter writer(line.database());
    for (const RecordedRun& recorded : runs) {
        const auto written = writer.write(recorded.run, recorded.terminal, error);
        if (written == RecordWriter::Written::Failed) {
            line.rollback();
            return false;
        }
        added += written == RecordWriter::Written::Added ? 1 : 0;
    }
    return line.commit(error);
}

} // namespace

bool LineDatabase::prepare(RecordConnection& connection, QString& error) {
    return RecordSchema::prepare(connection, error);
}

bool LineDatabase::runsOf(RecordConnection& connection, const QString& unit, int& count,
                          QString& error) {
    QSqlQuery query(connection.database());
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM terminal_run WHERE unit = ?"));
    query.addBindValue(unit);
    if (!query.exec() || !query.next()) {
        error = causeOf(query.lastError());
        return false;
    }
    count = query.value(0).toInt();
    return true;
}

bool LineDatabase::forward(RecordConnection& local, RecordConnection& line, int& forwarded,
                           QString& error) {
    forwarded = 0;
    for (;;) {
        QList<RecordedRun> runs;
        if (!LocalRecord::waiting(local, RecordLimits::forwardBatch, runs, error))
            return false;
        if (runs.isEmpty())
            return true;
        if (!forwardBatch(line, runs, forwarded, error) ||
            !LocalRecord::markForwarded(local, runs, error))
            return false;
    }
}
