#include "run_names.h"

#include <algorithm>
#include <utility>

namespace {

template <typename Value> using Names = std::initializer_list<std::pair<Value, const char*>>;

const Names<TerminalRun::Verdict> verdicts{{TerminalRun::Passed, "passed"},
                                           {TerminalRun::Failed, "failed"},
                                           {TerminalRun::Cancelled, "cancelled"},
                                           {TerminalRun::NotOpened, "not-opened"},
                                           {TerminalRun::Interrupted, "interrupted"}};

const Names<StepResult::Outcome> outcomes{{StepResult::Passed, "passed"},
                                          {StepResult::Failed, "failed"},
                                          {StepResult::Cancelled, "cancelled"}};

const Names<PortProblem::Kind> causeKinds{
    {PortProblem::DeviceMissing, "missing"},
    {PortProblem::InUseByProgram, "in-use-by-program"},
    {PortProblem::StaleLockFile, "stale-lock-file"},
    {PortProblem::LockFileNotRegular, "lock-file-not-regular"},
    {PortProblem::InUseByFlock, "in-use-by-flock"},
    {PortProblem::NoDeviceRights, "no-device-rights"},
    {PortProblem::NoLockDirectoryRights, "no-lock-directory-rights"},
    {PortProblem::HeldExclusively, "held-exclusively"},
    {PortProblem::NotASerialDevice, "not-a-serial-device"},
    {PortProblem::NotResponding, "not-responding"},
    {PortProblem::InvalidSettings, "invalid-settings"},
    {PortProblem::SetupRefused, "settings-refused"},
    {PortProblem::OpenFailed, "open-failed"}};

template <typename Value> QString nameOf(const Names<Value>& names, Value value, Value fallback) {
    for (const auto& [known, name] : names)
        if (known == value)
            return QLatin1String(name);
    return value == fallback ? QString() : nameOf(names, fallback, fallback);
}

template <typename Value>
Value valueNamed(const Names<Value>& names, const QString& name, Value fallback) {
    for (const auto& [value, known] : names)
        if (name == QLatin1String(known))
            return value;
    return fallback;
}

} // namespace

QString RunNames::verdict(TerminalRun::Verdict verdict) {
    return nameOf(verdicts, verdict, TerminalRun::Interrupted);
}

TerminalRun::Verdict RunNames::verdictNamed(const QString& name) {
    return valueNamed(verdicts, name, TerminalRun::Interrupted);
}

QString RunNames::outcome(StepResult::Outcome outcome) {
    return nameOf(outcomes, outcome, StepResult::Cancelled);
}

StepResult::Outcome RunNames::outcomeNamed(const QString& name) {
    return valueNamed(outcomes, name, StepResult::Cancelled);
}

QString RunNames::causeKind(PortProblem::Kind kind) {
    return nameOf(causeKinds, kind, PortProblem::OpenFailed);
}

PortProblem::Kind RunNames::causeKindNamed(const QString& name) {
    return valueNamed(causeKinds, name, PortProblem::OpenFailed);
}
