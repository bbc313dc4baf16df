#include "terminal_json.h"

#include "captions.h"
#include "run_names.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

QJsonValue text(const QString& value) {
    return value.isNull() ? QJsonValue() : QJsonValue(value);
}

QJsonValue number(qint64 value) {
    return value > 0 ? QJsonValue(value) : QJsonValue();
}

QString hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex());
}

QJsonValue causeObject(const std::optional<PortProblem>& cause) {
    if (!cause)
        return QJsonValue();
    return QJsonObject{{"kind", RunNames::causeKind(cause->kind)},
                       {"node", text(cause->node.isEmpty() ? cause->path : cause->node)},
                       {"lockFile", cause->lockFile.isEmpty() ? QJsonValue() : cause->lockFile},
                       {"errno", number(cause->errorNumber)},
                       {"pid", number(cause->pid)},
                       {"program", cause->program.isEmpty() ? QJsonValue() : cause->program},
                       {"group", cause->group.isEmpty() ? QJsonValue() : cause->group}};
}

QJsonValue adapterObject(const std::optional<TerminalRun::Adapter>& adapter) {
    if (!adapter)
        return QJsonValue();
    const auto known = [](const QString& part) {
        return part.isEmpty() ? QJsonValue() : QJsonValue(part);
    };
    return QJsonObject{{"description", known(adapter->description)},
                       {"manufacturer", known(adapter->manufacturer)},
                       {"serialNumber", known(adapter->serialNumber)}};
}

QJsonObject stepObject(const StepResult& step) {
    QJsonArray failures;
    for (const ExchangeFailure& failure : step.failures)
        failures.append(QJsonObject{{"sent", hex(failure.sent)},
                                    {"awaited", hex(failure.awaited)},
                                    {"received", hex(failure.received)},
                                    {"waitedMs", failure.waitedMs}});
    return {{"index", step.index},
            {"caption", Captions::stepCaptions.at(step.index).untranslated()},
            {"result", Captions::germanRowResult(step.result)},
            {"outcome", RunNames::outcome(step.outcome)},
            {"durationMs", step.durationMs},
            {"failures", failures},
            {"echoes", step.echoes.echoes},
            {"slowestEchoMs",
             step.echoes.slowestMs ? QJsonValue(*step.echoes.slowestMs) : QJsonValue()}};
}

} // namespace

QJsonObject terminalObject(const TerminalRun& terminal) {
    QJsonArray steps;
    for (const StepResult& step : terminal.steps)
        steps.append(stepObject(step));
    return {{"port", terminal.port},
            {"device", terminal.device},
            {"adapter", adapterObject(terminal.adapter)},
            {"lineSettings", terminal.lineSettings},
            {"handshaking", terminal.handshaking},
            {"geometry", QJsonObject{{"columns", terminal.columns}, {"rows", terminal.rows}}},
            {"verdict", RunNames::verdict(terminal.verdict)},
            {"cause", causeObject(terminal.cause)},
            {"message", terminal.message.isEmpty() ? QJsonValue() : terminal.message},
            {"notices", QJsonArray::fromStringList(terminal.notices)},
            {"durationMs", terminal.durationMs},
            {"steps", steps},
            {"unit", terminal.unit.isEmpty() ? QJsonValue() : terminal.unit},
            {"attempt", terminal.attempt ? QJsonValue(*terminal.attempt) : QJsonValue()}};
}
