#pragma once

#include "device_link/port_problem.h"
#include "terminal_run.h"

#include <QString>

// The names a verdict, a row's outcome and a cause have in the report and the run record,
// both ways: they are part of what integrators and the line's database rely on.
namespace RunNames {

QString verdict(TerminalRun::Verdict verdict);
TerminalRun::Verdict verdictNamed(const QString& name);

QString outcome(StepResult::Outcome outcome);
StepResult::Outcome outcomeNamed(const QString& name);

// Every opening failure without a name of its own is "open-failed".
QString causeKind(PortProblem::Kind kind);
PortProblem::Kind causeKindNamed(const QString& name);

} // namespace RunNames
