#pragma once

#include "test_sequence/step_result.h"
#include "test_sequence/terminal_run.h"

#include <QColor>

// The colours of the main window's result rows, for a slot's state and its cells.
namespace StationColours {

inline const QColor passed(0, 255, 0);
inline const QColor failed(255, 0, 0);
inline const QColor cancelled(255, 255, 0);

QColor ofStep(StepResult::Outcome outcome);
QColor ofVerdict(TerminalRun::Verdict verdict);

} // namespace StationColours
