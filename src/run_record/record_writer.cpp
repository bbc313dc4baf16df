#include "record_writer.h"

#include "record_error.h"
#include "record_time.h"
#include "test_sequence/captions.h"
#include "test_sequence/run_names.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>
#include <QVariant>

namespace {

QVariant orNull(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

template <typename Number> QVariant positiveOrNull(Number value) {
    return value > 0 ? QVariant(qint64(value)) : QVariant();
}

// Nothing received is the empty text, never NULL.
QVariant hex(const QByteArray& bytes) {
    return bytes.isEmpty() ? QStringLiteral("") : QString::fromLatin1(bytes.toHex());
}

bool exec(QSqlQuery& query, QString& error) {
    if (query.exec())
        return true;
    error = causeOf(query.lastError());
    return false;
}

bool writeRun(QSqlDatabase& database, const RunIdentity& run, QString& error) {
    QSqlQuery query(database);
    query.prepare(QStringLiteral(
        "INSERT INTO run (run_id, started, station, operator_name, host, version, source) "
        "VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (run_id) DO NOTHING"));
    for (const QVariant& value : {QVariant(run.runId), QVariant(RecordTime::text(run.started)),
                                  QVariant(run.station), QVariant(run.operatorName),
                                  QVariant(run.host), QVariant(run.version), QVariant(run.source)})
        query.addBindValue(value);
    return exec(query, error);
}

QList<QVariant> causeValues(const std::optional<PortProblem>& cause) {
    if (!cause)
        return QList<QVariant>(7);
    return {RunNames::causeKind(cause->kind),
            orNull(cause->node.isEmpty() ? cause->path : cause->node),
            orNull(cause->lockFile),
            positiveOrNull(cause->errorNumber),
            positiveOrNull(cause->pid),
            orNull(cause->program),
            orNull(cause->group)};
}

// The id of the new terminal run, or nothing when the record had it already.
std::optional<qint64> writeTerminal(QSqlDatabase& database, const RunIdentity& run,
                                    const TerminalRun& terminal, QString& error) {
    QSqlQuery query(database);
    query.prepare(QStringLiteral(
        "INSERT INTO terminal_run (run_id, port, device, adapter_known, adapter_description, "
        "adapter_manufacturer, adapter_serial, line_settings, handshaking, display_columns, "
        "display_rows, verdict, cause_kind, cause_node, cause_lock_file, cause_errno, cause_pid, "
        "cause_program, cause_group, message, notices, duration_ms, unit, attempt) VALUES "
        "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
        "ON CONFLICT (run_id, port) DO NOTHING RETURNING id"));
    const TerminalRun::Adapter adapter = terminal.adapter.value_or(TerminalRun::Adapter{});
    QList<QVariant> values{run.runId,
                           terminal.port,
                           terminal.device,
                           terminal.adapter.has_value() ? 1 : 0,
                           orNull(adapter.description),
                           orNull(adapter.manufacturer),
                           orNull(adapter.serialNumber),
                           terminal.lineSettings,
                           terminal.handshaking,
                           terminal.columns,
                           terminal.rows,
                           RunNames::verdict(terminal.verdict)};
    values << causeValues(terminal.cause);
    values << orNull(terminal.message)
           << QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(terminal.notices))
                                    .toJson(QJsonDocument::Compact))
           << terminal.durationMs << orNull(terminal.unit)
           << (terminal.attempt ? QVariant(*terminal.attempt) : QVariant());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!exec(query, error) || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

bool writeFailures(QSqlQuery& query, qint64 id, const StepResult& step, QString& error) {
    for (qsizetype i = 0; i < step.failures.size(); ++i) {
        const ExchangeFailure& failure = step.failures[i];
        for (const QVariant& value :
             {QVariant(id), QVariant(step.index), QVariant(qint64(i)), hex(failure.sent),
              hex(failure.awaited), hex(failure.received), QVariant(failure.waitedMs)})
            query.addBindValue(value);
        if (!exec(query, error))
            return false;
    }
    return true;
}

bool writeSteps(QSqlDatabase& database, qint64 id, const TerminalRun& terminal, QString& error) {
    QSqlQuery step(database);
    step.prepare(QStringLiteral(
        "INSERT INTO step (terminal_run_id, step_index, caption, result, outcome, duration_ms, "
        "echoes, slowest_echo_ms) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    QSqlQuery failure(database);
    failure.prepare(QStringLiteral(
        "INSERT INTO failure (terminal_run_id, step_index, failure_index, sent, awaited, "
        "received, waited_ms) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const StepResult& result : terminal.steps) {
        const auto slowest = result.echoes.slowestMs;
        for (const QVariant& value :
             {QVariant(id), QVariant(result.index),
              QVariant(Captions::stepCaptions.at(result.index).untranslated()),
              QVariant(Captions::germanRowResult(result.result)),
              QVariant(RunNames::outcome(result.outcome)), QVariant(result.durationMs),
              QVariant(result.echoes.echoes), slowest ? QVariant(*slowest) : QVariant()})
            step.addBindValue(value);
        if (!exec(step, error) || !writeFailures(failure, id, result, error))
            return false;
    }
    return true;
}

} // namespace

RecordWriter::Written RecordWriter::write(QSqlDatabase& database, const RunIdentity& run,
                                          const TerminalRun& terminal, QString& error) {
    if (!writeRun(database, run, error))
        return Written::Failed;
    error.clear();
    const auto id = writeTerminal(database, run, terminal, error);
    if (!id)
        return error.isEmpty() ? Written::AlreadyThere : Written::Failed;
    return writeSteps(database, *id, terminal, error) ? Written::Added : Written::Failed;
}
