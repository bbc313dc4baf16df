#include "report_file.h"

#include "test_sequence/captions.h"

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

const char* causeKind(PortProblem::Kind kind) {
    switch (kind) {
    case PortProblem::DeviceMissing:
        return "missing";
    case PortProblem::InUseByProgram:
        return "in-use-by-program";
    case PortProblem::StaleLockFile:
        return "stale-lock-file";
    case PortProblem::LockFileNotRegular:
        return "lock-file-not-regular";
    case PortProblem::InUseByFlock:
        return "in-use-by-flock";
    case PortProblem::NoDeviceRights:
        return "no-device-rights";
    case PortProblem::NoLockDirectoryRights:
        return "no-lock-directory-rights";
    case PortProblem::HeldExclusively:
        return "held-exclusively";
    case PortProblem::NotASerialDevice:
        return "not-a-serial-device";
    case PortProblem::NotResponding:
        return "not-responding";
    case PortProblem::InvalidSettings:
        return "invalid-settings";
    case PortProblem::SetupRefused:
        return "settings-refused";
    default:
        return "open-failed";
    }
}

const char* verdictName(TerminalRun::Verdict verdict) {
    switch (verdict) {
    case TerminalRun::Passed:
        return "passed";
    case TerminalRun::Failed:
        return "failed";
    case TerminalRun::Cancelled:
        return "cancelled";
    case TerminalRun::NotOpened:
        return "not-opened";
    case TerminalRun::Interrupted:
        break;
    }
    return "interrupted";
}

const char* outcomeName(StepResult::Outcome outcome) {
    switch (outcome) {
    case StepResult::Passed:
        return "passed";
    case StepResult::Failed:
        return "failed";
    case StepResult::Cancelled:
        break;
    }
    return "cancelled";
}

QJsonValue causeObject(const std::optional<PortProblem>& cause) {
    if (!cause)
        return QJsonValue();
    return QJsonObject{{"kind", QLatin1String(causeKind(cause->kind))},
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

// Stations match a row's caption and text, so they are German whatever the language.
QString germanResult(const QString& shown) {
    for (const Captions::Caption& result : Captions::rowResults)
        if (shown == result)
            return result.untranslated();
    return shown;
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
            {"result", germanResult(step.result)},
            {"outcome", QLatin1String(outcomeName(step.outcome))},
            {"durationMs", step.durationMs},
            {"failures", failures},
            {"echoes", step.echoes.echoes},
            {"slowestEchoMs",
             step.echoes.slowestMs ? QJsonValue(*step.echoes.slowestMs) : QJsonValue()}};
}

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
            {"verdict", QLatin1String(verdictName(terminal.verdict))},
            {"cause", causeObject(terminal.cause)},
            {"message", terminal.message.isEmpty() ? QJsonValue() : terminal.message},
            {"notices", QJsonArray::fromStringList(terminal.notices)},
            {"durationMs", terminal.durationMs},
            {"steps", steps},
            {"unit", terminal.unit.isEmpty() ? QJsonValue() : terminal.unit},
            {"attempt", terminal.attempt ? QJsonValue(*terminal.attempt) : QJsonValue()}};
}

} // namespace

QJsonDocument reportDocument(const RunIdentity& run, const QList<TerminalRun>& terminals) {
    QJsonArray list;
    for (const TerminalRun& terminal : terminals)
        list.append(terminalObject(terminal));
    // An explicit offset: a local time in ISO form may otherwise leave it out.
    const QDateTime withOffset = run.started.toOffsetFromUtc(run.started.offsetFromUtc());
    return QJsonDocument(QJsonObject{{"program", "quendal"},
                                     {"version", run.version},
                                     {"started", withOffset.toString(Qt::ISODate)},
                                     {"host", run.host},
                                     {"runId", run.runId},
                                     {"station", run.station},
                                     {"operator", run.operatorName},
                                     {"terminals", list}});
}
