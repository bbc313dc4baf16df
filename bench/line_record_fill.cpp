#include "line_record_fill.h"

#include "copy_rows.h"
#include "run_record/line_database.h"
#include "run_record/record_connection.h"
#include "run_record/record_schema.h"
#include "run_record/record_time.h"
#include "test_sequence/run_names.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <functional>
#include <libpq-fe.h>
#include <memory>

namespace {

// Rows go to the server a megabyte at a time.
constexpr qsizetype chunkBytes = 1 << 20;

// The step texts' ids, numbered from 1 in the order the runs first show them.
using Texts = QHash<QPair<QString, QString>, qint64>;

using Connection = std::unique_ptr<PGconn, decltype(&PQfinish)>;
using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

// The values as RecordWriter binds them, so that a generated file and line database agree.
QVariant orNull(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

template <typename Number> QVariant positiveOrNull(Number value) {
    return value > 0 ? QVariant(qint64(value)) : QVariant();
}

QVariant hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex());
}

void addRun(CopyRows& rows, const GeneratedRun& generated, qint64, const Texts&) {
    const RunIdentity& run = generated.run;
    for (const QVariant& value : {QVariant(run.runId), QVariant(RecordTime::text(run.started)),
                                  QVariant(run.station), QVariant(run.operatorName),
                                  QVariant(run.host), QVariant(run.version), QVariant(run.source)})
        rows.add(value);
    rows.endRow();
}

void addCause(CopyRows& rows, const std::optional<PortProblem>& cause) {
    if (!cause) {
        for (int i = 0; i < 7; ++i)
            rows.add({});
        return;
    }
    for (const QVariant& value :
         {QVariant(RunNames::causeKind(cause->kind)),
          orNull(cause->node.isEmpty() ? cause->path : cause->node), orNull(cause->lockFile),
          positiveOrNull(cause->errorNumber), positiveOrNull(cause->pid), orNull(cause->program),
          orNull(cause->group)})
        rows.add(value);
}

void addTerminal(CopyRows& rows, const GeneratedRun& generated, qint64 id, const Texts&) {
    const TerminalRun& terminal = generated.terminal;
    const TerminalRun::Adapter adapter = terminal.adapter.value_or(TerminalRun::Adapter{});
    for (const QVariant& value :
         {QVariant(id), QVariant(generated.run.runId),
          QVariant(RecordTime::text(generated.run.started)), QVariant(generated.run.station),
          QVariant(terminal.port), QVariant(terminal.device),
          QVariant(terminal.adapter.has_value() ? 1 : 0), orNull(adapter.description),
          orNull(adapter.manufacturer), orNull(adapter.serialNumber),
          QVariant(terminal.lineSettings), QVariant(terminal.handshaking),
          QVariant(terminal.columns), QVariant(terminal.rows),
          QVariant(RunNames::verdict(terminal.verdict))})
        rows.add(value);
    addCause(rows, terminal.cause);
    const QByteArray notices =
        QJsonDocument(QJsonArray::fromStringList(terminal.notices)).toJson(QJsonDocument::Compact);
    for (const QVariant& value : {orNull(terminal.message), QVariant(QString::fromUtf8(notices)),
                                  QVariant(terminal.durationMs), orNull(terminal.unit),
                                  terminal.attempt ? QVariant(*terminal.attempt) : QVariant()})
        rows.add(value);
    rows.endRow();
}

void addSteps(CopyRows& rows, const GeneratedRun& generated, qint64 id, const Texts& texts) {
    for (const StepResult& step : generated.terminal.steps) {
        const auto slowest = step.echoes.slowestMs;
        for (const QVariant& value :
             {QVariant(id), QVariant(step.index),
              QVariant(texts.value({step.caption, step.result})),
              QVariant(RunNames::outcome(step.outcome)), QVariant(step.durationMs),
              QVariant(step.echoes.echoes), slowest ? QVariant(*slowest) : QVariant()})
            rows.add(value);
        rows.endRow();
    }
}

void addFailures(CopyRows& rows, const GeneratedRun& generated, qint64 id, const Texts&) {
    for (const StepResult& step : generated.terminal.steps)
        for (qsizetype i = 0; i < step.failures.size(); ++i) {
            const ExchangeFailure& failure = step.failures[i];
            for (const QVariant& value :
                 {QVariant(id), QVariant(step.index), QVariant(qint64(i)), hex(failure.sent),
                  hex(failure.awaited), hex(failure.received), QVariant(failure.waitedMs)})
                rows.add(value);
            rows.endRow();
        }
}

struct Table {
    const char* name;
    const char* columns;
    void (*add)(CopyRows&, const GeneratedRun&, qint64, const Texts&);
};

const Table tables[] = {
    {"run", "run_id, started, station, operator_name, host, version, source", addRun},
    {"terminal_run",
     "id, run_id, started, station, port, device, adapter_known, adapter_description, "
     "adapter_manufacturer, adapter_serial, line_settings, handshaking, display_columns, "
     "display_rows, verdict, cause_kind, cause_node, cause_lock_file, cause_errno, cause_pid, "
     "cause_program, cause_group, message, notices, duration_ms, unit, attempt",
     addTerminal},
    {"step", "terminal_run_id, step_index, text_id, outcome, duration_ms, echoes, slowest_echo_ms",
     addSteps},
    {"failure", "terminal_run_id, step_index, failure_index, sent, awaited, received, waited_ms",
     addFailures}};

QString qualified(const char* table) {
    return RecordSchema::lineSchema() + QLatin1Char('.') + QLatin1String(table);
}

QString serverSays(PGconn* connection) {
    return QString::fromUtf8(PQerrorMessage(connection)).trimmed();
}

// Runs one statement; `expected` is what a COPY's start answers, otherwise its end.
bool run(PGconn* connection, const QString& statement, QString& error,
         ExecStatusType expected = PGRES_COMMAND_OK) {
    const Result result(PQexec(connection, statement.toUtf8().constData()), &PQclear);
    const ExecStatusType status = PQresultStatus(result.get());
    if (status == expected || status == PGRES_TUPLES_OK)
        return true;
    error = serverSays(connection);
    return false;
}

bool send(PGconn* connection, CopyRows& rows, QString& error) {
    if (PQputCopyData(connection, rows.text().constData(), int(rows.text().size())) == 1) {
        rows.clear();
        return true;
    }
    error = serverSays(connection);
    return false;
}

// The copy's outcome comes as the results that follow its end.
bool finishCopy(PGconn* connection, QString& error) {
    if (PQputCopyEnd(connection, nullptr) != 1) {
        error = serverSays(connection);
        return false;
    }
    bool copied = true;
    while (PGresult* raw = PQgetResult(connection)) {
        const Result result(raw, &PQclear);
        if (PQresultStatus(raw) != PGRES_COMMAND_OK) {
            copied = false;
            error = serverSays(connection);
        }
    }
    return copied;
}

// Terminal run number `index` gets the id index + 1, as an empty table's identity gives.
bool copyTable(PGconn* connection, const Table& table, const RecordShape& shape, const Texts& texts,
               QString& error) {
    if (!run(connection,
             QStringLiteral("COPY %1 (%2) FROM STDIN")
                 .arg(qualified(table.name), QLatin1String(table.columns)),
             error, PGRES_COPY_IN))
        return false;
    CopyRows rows;
    for (int index = 0; index < shape.terminalRuns; ++index) {
        table.add(rows, generatedRun(shape, index), qint64(index) + 1, texts);
        if (rows.text().size() >= chunkBytes && !send(connection, rows, error))
            return false;
    }
    return send(connection, rows, error) && finishCopy(connection, error);
}

Texts textsOf(const RecordShape& shape) {
    Texts texts;
    for (int index = 0; index < shape.terminalRuns; ++index)
        for (const StepResult& step : generatedRun(shape, index).terminal.steps)
            if (!texts.contains({step.caption, step.result}))
                texts.insert({step.caption, step.result}, texts.size() + 1);
    return texts;
}

// The texts go first, as the steps refer to them; the identity continues after them.
bool copyTexts(PGconn* connection, const Texts& texts, QString& error) {
    if (!run(connection,
             QStringLiteral("COPY %1 (id, caption, result) FROM STDIN").arg(qualified("step_text")),
             error, PGRES_COPY_IN))
        return false;
    CopyRows rows;
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        for (const QVariant& value :
             {QVariant(it.value()), QVariant(it.key().first), QVariant(it.key().second)})
            rows.add(value);
        rows.endRow();
    }
    return send(connection, rows, error) && finishCopy(connection, error) &&
           run(connection,
               QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', 'id'), %2, true)")
                   .arg(qualified("step_text"))
                   .arg(std::max<qsizetype>(texts.size(), 1)),
               error);
}

bool load(PGconn* connection, const RecordShape& shape, QString& error) {
    if (!run(connection, QStringLiteral("BEGIN"), error))
        return false;
    const Texts texts = textsOf(shape);
    if (!copyTexts(connection, texts, error))
        return false;
    for (const Table& table : tables)
        if (!copyTable(connection, table, shape, texts, error))
            return false;
    const QString identity =
        QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', 'id'), %2, true)")
            .arg(qualified("terminal_run"))
            .arg(shape.terminalRuns);
    if (!run(connection, identity, error) || !run(connection, QStringLiteral("COMMIT"), error))
        return false;
    // A line database in use has been vacuumed and analysed by the server long since.
    for (const Table& table : tables)
        if (!run(connection, QStringLiteral("VACUUM ANALYZE %1").arg(qualified(table.name)), error))
            return false;
    return true;
}

// The tables are made by the program's own code, as a station's first run makes them.
bool prepareTables(const QString& address, QString& error) {
    RecordConnection line(RecordConnection::Line, address, LineAddress::Use::Reading);
    return line.open(error) && LineDatabase::prepare(line, error) && recordIsEmpty(line, error);
}

} // namespace

bool generateLineRecord(const QString& address, const RecordShape& shape, QString& error) {
    if (!prepareTables(address, error))
        return false;
    const Connection connection(PQconnectdb(address.toUtf8().constData()), &PQfinish);
    if (PQstatus(connection.get()) != CONNECTION_OK) {
        error = serverSays(connection.get());
        return false;
    }
    return load(connection.get(), shape, error);
}
