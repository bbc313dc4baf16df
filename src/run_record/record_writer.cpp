#include "record_writer.h"

#include "record_captions.h"
#include "record_error.h"
#include "record_time.h"
#include "test_sequence/run_names.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>
#include <QVariant>

namespace {

const QString runInsert = QStringLiteral(
    "INSERT INTO run (run_id, started, station, operator_name, host, version, source) "
    "VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (run_id) DO NOTHING");
// A unit's attempt is counted in the record written to, inside the caller's transaction.
const QString terminalInsert = QStringLiteral(
    "INSERT INTO terminal_run (run_id, started, station, port, device, adapter_known, "
    "adapter_description, "
    "adapter_manufacturer, adapter_serial, line_settings, handshaking, display_columns, "
    "display_rows, verdict, cause_kind, cause_node, cause_lock_file, cause_errno, cause_pid, "
    "cause_program, cause_group, message, notices, duration_ms, unit, attempt) VALUES "
    "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, %1) "
    "ON CONFLICT (run_id, port) DO NOTHING RETURNING id, attempt");
const QString countedAttempt =
    QStringLiteral("(SELECT COUNT(*) + 1 FROM terminal_run WHERE unit = ?)");
const QString attemptThere =
    QStringLiteral("SELECT attempt FROM terminal_run WHERE run_id = ? AND port = ?");
const QString failureInsert = QStringLiteral(
    "INSERT INTO failure (terminal_run_id, step_index, failure_index, sent, awaited, received, "
    "waited_ms) VALUES (?, ?, ?, ?, ?, ?, ?)");
const QString stepsInsert =
    QStringLiteral("INSERT INTO step (terminal_run_id, step_index, text_id, outcome, duration_ms, "
                   "echoes, slowest_echo_ms) VALUES %1");
const QString stepRow = QStringLiteral("(?, ?, ?, ?, ?, ?, ?)");
const QString textFind =
    QStringLiteral("SELECT id FROM step_text WHERE caption = ? AND result = ?");
// Another station may add the same text meanwhile: its row is then looked up once more.
const QString textAdd =
    QStringLiteral("INSERT INTO step_text (caption, result) VALUES (?, ?) ON CONFLICT (caption, "
                   "result) DO NOTHING RETURNING id");

QVariant orNull(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

template <typename Number> QVariant positiveOrNull(Number value) {
    return value > 0 ? QVariant(qint64(value)) : QVariant();
}

// A text that is not there is the empty text, never NULL.
QVariant text(const QString& value) {
    return value.isNull() ? QStringLiteral("") : value;
}

// Nothing received is the empty text, never NULL.
QVariant hex(const QByteArray& bytes) {
    return bytes.isEmpty() ? QStringLiteral("") : QString::fromLatin1(bytes.toHex());
}

QSqlQuery prepared(QSqlDatabase& database, const QString& statement) {
    QSqlQuery query(database);
    query.prepare(statement);
    return query;
}

QList<QVariant> runValues(const RunIdentity& run) {
    return {run.runId,   RecordTime::text(run.started),
            run.station, run.operatorName,
            run.host,    run.version,
            run.source};
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

QList<QVariant> terminalValues(const RunIdentity& run, const TerminalRun& terminal) {
    const TerminalRun::Adapter adapter = terminal.adapter.value_or(TerminalRun::Adapter{});
    QList<QVariant> values{run.runId,
                           RecordTime::text(run.started),
                           run.station,
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
           << terminal.durationMs << orNull(terminal.unit);
    if (!terminal.unit.isEmpty())
        values << terminal.unit;
    return values;
}

QList<QVariant> stepValues(qint64 id, qint64 textId, const StepResult& step) {
    const auto slowest = step.echoes.slowestMs;
    return {id,
            step.index,
            textId,
            RunNames::outcome(step.outcome),
            step.durationMs,
            step.echoes.echoes,
            slowest ? QVariant(*slowest) : QVariant()};
}

} // namespace

bool RecordWriter::exec(QSqlQuery& query, const QList<QVariant>& values, QString& error) {
    if (::exec(query, error, values))
        return true;
    failureCode_ = query.lastError().nativeErrorCode();
    return false;
}

RecordWriter::RecordWriter(QSqlDatabase& database)
    : database_(database), run_(prepared(database, runInsert)),
      terminal_(prepared(database, terminalInsert.arg(QStringLiteral("NULL")))),
      unitTerminal_(prepared(database, terminalInsert.arg(countedAttempt))),
      there_(prepared(database, attemptThere)), failure_(prepared(database, failureInsert)),
      textFind_(prepared(database, textFind)), textAdd_(prepared(database, textAdd)) {}

RecordWriter::Written RecordWriter::write(const RunIdentity& run, const TerminalRun& terminal,
                                          QString& error) {
    attempt_.reset();
    failureCode_.clear();
    if (!exec(run_, runValues(run), error))
        return Written::Failed;
    error.clear();
    const auto id = writeTerminal(run, terminal, error);
    if (!id)
        return error.isEmpty() && readAttempt(run, terminal, error) ? Written::AlreadyThere
                                                                    : Written::Failed;
    return writeSteps(*id, terminal.steps, error) ? Written::Added : Written::Failed;
}

// The attempt the record gave the terminal run before, when it was written once already.
bool RecordWriter::readAttempt(const RunIdentity& run, const TerminalRun& terminal,
                               QString& error) {
    if (!exec(there_, {run.runId, terminal.port}, error))
        return false;
    if (there_.next() && !there_.isNull(0))
        attempt_ = there_.value(0).toInt();
    there_.finish();
    return true;
}

// The id of the new terminal run, or nothing when the record had it already.
std::optional<qint64> RecordWriter::writeTerminal(const RunIdentity& run,
                                                  const TerminalRun& terminal, QString& error) {
    QSqlQuery& query = terminal.unit.isEmpty() ? terminal_ : unitTerminal_;
    if (!exec(query, terminalValues(run, terminal), error) || !query.next())
        return std::nullopt;
    const qint64 id = query.value(0).toLongLong();
    if (!query.isNull(1))
        attempt_ = query.value(1).toInt();
    query.finish();
    return id;
}

QSqlQuery& RecordWriter::stepsQuery(qsizetype count) {
    auto found = steps_.find(count);
    if (found == steps_.end()) {
        const QStringList rows(count, stepRow);
        found = steps_.insert(count, prepared(database_, stepsInsert.arg(rows.join(", "))));
    }
    return *found;
}

// All rows of a terminal in one statement: one answer to wait for instead of seven.
bool RecordWriter::writeSteps(qint64 id, const QList<StepResult>& steps, QString& error) {
    if (steps.isEmpty())
        return true;
    QList<QVariant> values;
    for (const StepResult& step : steps) {
        const auto text = textId(step, error);
        if (!text)
            return false;
        values << stepValues(id, *text, step);
    }
    if (!exec(stepsQuery(steps.size()), values, error))
        return false;
    for (const StepResult& step : steps)
        if (!writeFailures(id, step, error))
            return false;
    return true;
}

bool RecordWriter::writeFailures(qint64 id, const StepResult& step, QString& error) {
    for (qsizetype i = 0; i < step.failures.size(); ++i) {
        const ExchangeFailure& failure = step.failures[i];
        if (!exec(failure_,
                  {id, step.index, qint64(i), hex(failure.sent), hex(failure.awaited),
                   hex(failure.received), failure.waitedMs},
                  error))
            return false;
    }
    return true;
}

std::optional<qint64> RecordWriter::textId(const StepResult& step, QString& error) {
    const QPair<QString, QString> key{text(step.caption).toString(), text(step.result).toString()};
    const auto known = texts_.constFind(key);
    if (known != texts_.constEnd())
        return *known;
    for (QSqlQuery* query : {&textFind_, &textAdd_, &textFind_}) {
        if (!exec(*query, {key.first, key.second}, error))
            return std::nullopt;
        if (query->next()) {
            const qint64 id = query->value(0).toLongLong();
            query->finish();
            return *texts_.insert(key, id);
        }
        query->finish();
    }
    error = RecordCaptions::stepTextLost();
    return std::nullopt;
}
