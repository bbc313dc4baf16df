#include "record_reader.h"

#include "record_captions.h"
#include "record_error.h"
#include "record_time.h"
#include "test_sequence/run_names.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>
#include <QStringList>

namespace {

const QString terminalColumns = QStringLiteral(
    "t.id, r.run_id, r.started, r.station, r.operator_name, r.host, r.version, r.source, t.port, "
    "t.device, t.adapter_known, t.adapter_description, t.adapter_manufacturer, t.adapter_serial, "
    "t.line_settings, t.handshaking, t.display_columns, t.display_rows, t.verdict, t.cause_kind, "
    "t.cause_node, t.cause_lock_file, t.cause_errno, t.cause_pid, t.cause_program, "
    "t.cause_group, t.message, t.notices, t.duration_ms, t.unit, t.attempt");

// A name this build does not know would be read as another one.
void expectKnown(RecordedRun& run, const QString& name, const QString& known) {
    if (name != known && run.unreadable.isEmpty())
        run.unreadable = RecordCaptions::unknownName(name);
}

std::optional<PortProblem> causeFrom(const QSqlQuery& row, int first) {
    if (row.isNull(first))
        return std::nullopt;
    PortProblem cause;
    cause.kind = RunNames::causeKindNamed(row.value(first).toString());
    cause.node = row.value(first + 1).toString();
    cause.path = cause.node;
    cause.lockFile = row.value(first + 2).toString();
    cause.errorNumber = row.value(first + 3).toInt();
    cause.pid = row.value(first + 4).toLongLong();
    cause.program = row.value(first + 5).toString();
    cause.group = row.value(first + 6).toString();
    return cause;
}

RecordedRun runFrom(const QSqlQuery& row) {
    RecordedRun recorded;
    recorded.id = row.value(0).toLongLong();
    RunIdentity& run = recorded.run;
    run.runId = row.value(1).toString();
    run.started = RecordTime::parse(row.value(2).toString());
    run.station = row.value(3).toString();
    run.operatorName = row.value(4).toString();
    run.host = row.value(5).toString();
    run.version = row.value(6).toString();
    run.source = row.value(7).toString();
    TerminalRun& terminal = recorded.terminal;
    terminal.port = row.value(8).toString();
    terminal.device = row.value(9).toString();
    if (row.value(10).toInt() != 0)
        terminal.adapter = TerminalRun::Adapter{row.value(11).toString(), row.value(12).toString(),
                                                row.value(13).toString()};
    terminal.lineSettings = row.value(14).toString();
    terminal.handshaking = row.value(15).toInt();
    terminal.columns = row.value(16).toInt();
    terminal.rows = row.value(17).toInt();
    terminal.verdict = RunNames::verdictNamed(row.value(18).toString());
    terminal.cause = causeFrom(row, 19);
    expectKnown(recorded, row.value(18).toString(), RunNames::verdict(terminal.verdict));
    if (terminal.cause)
        expectKnown(recorded, row.value(19).toString(), RunNames::causeKind(terminal.cause->kind));
    terminal.message = row.value(26).toString();
    for (const QJsonValue& notice : QJsonDocument::fromJson(row.value(27).toByteArray()).array())
        terminal.notices << notice.toString();
    terminal.durationMs = row.value(28).toLongLong();
    terminal.unit = row.value(29).toString();
    if (!row.isNull(30))
        terminal.attempt = row.value(30).toInt();
    return recorded;
}

QString idList(const QList<RecordedRun>& runs) {
    QStringList ids;
    for (const RecordedRun& run : runs)
        ids << QString::number(run.id);
    return ids.join(QLatin1Char(','));
}

bool readFailures(QSqlDatabase& database, const QString& ids,
                  QHash<QPair<qint64, int>, QList<ExchangeFailure>>& failures, QString& error) {
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT terminal_run_id, step_index, sent, awaited, received, "
                                 "waited_ms FROM failure WHERE terminal_run_id IN (%1) "
                                 "ORDER BY terminal_run_id, step_index, failure_index")
                      .arg(ids));
    if (!exec(query, error))
        return false;
    while (query.next())
        failures[{query.value(0).toLongLong(), query.value(1).toInt()}].append(
            {QByteArray::fromHex(query.value(2).toByteArray()),
             QByteArray::fromHex(query.value(3).toByteArray()),
             QByteArray::fromHex(query.value(4).toByteArray()), query.value(5).toLongLong()});
    return true;
}

StepResult stepFrom(const QSqlQuery& row) {
    StepResult step;
    step.index = row.value(1).toInt();
    step.caption = row.value(2).toString();
    step.result = row.value(3).toString();
    step.outcome = RunNames::outcomeNamed(row.value(4).toString());
    step.durationMs = row.value(5).toLongLong();
    step.echoes.echoes = row.value(6).toInt();
    if (!row.isNull(7))
        step.echoes.slowestMs = row.value(7).toLongLong();
    return step;
}

// The ids are the record's own integers, never text from outside.
bool readSteps(QSqlDatabase& database, int version, QList<RecordedRun>& runs, QString& error) {
    if (runs.isEmpty())
        return true;
    const QString ids = idList(runs);
    QHash<QPair<qint64, int>, QList<ExchangeFailure>> failures;
    if (!readFailures(database, ids, failures, error))
        return false;
    QHash<qint64, RecordedRun*> byId;
    for (RecordedRun& run : runs)
        byId.insert(run.id, &run);
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT terminal_run_id, step_index, caption, result, outcome, "
                                 "duration_ms, echoes, slowest_echo_ms FROM %2 s WHERE "
                                 "terminal_run_id IN (%1) ORDER BY terminal_run_id, step_index")
                      .arg(ids, RecordReader::stepRows(version)));
    if (!exec(query, error))
        return false;
    while (query.next()) {
        StepResult step = stepFrom(query);
        const qint64 id = query.value(0).toLongLong();
        step.failures = failures.value({id, step.index});
        RecordedRun* run = byId.value(id);
        expectKnown(*run, query.value(4).toString(), RunNames::outcome(step.outcome));
        run->terminal.steps.append(step);
    }
    return true;
}

} // namespace

QString RecordReader::stepRows(int version) {
    if (version < 3)
        return QStringLiteral("step");
    return QStringLiteral(
        "(SELECT st.terminal_run_id, st.step_index, x.caption, x.result, st.outcome, "
        "st.duration_ms, st.echoes, st.slowest_echo_ms FROM step st JOIN step_text x ON x.id = "
        "st.text_id)");
}

bool RecordReader::read(QSqlDatabase& database, const Selection& selection,
                        QList<RecordedRun>& runs, QString& error) {
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM terminal_run t JOIN run r ON r.run_id = t.run_id "
                                 "WHERE %2 %3")
                      .arg(terminalColumns, selection.condition, selection.order));
    if (!exec(query, error, selection.values))
        return false;
    QList<RecordedRun> found;
    while (query.next())
        found.append(runFrom(query));
    if (!readSteps(database, selection.version, found, error))
        return false;
    runs = found;
    return true;
}
