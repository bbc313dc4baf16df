#include "station_colours.h"

QColor StationColours::ofStep(StepResult::Outcome outcome) {
    switch (outcome) {
    case StepResult::Passed:
        return passed;
    case StepResult::Failed:
        return failed;
    case StepResult::Cancelled:
        break;
    }
    return cancelled;
}

// A port that did not open failed the unit as a red row would; an interrupted run was
// cancelled from outside.
QColor StationColours::ofVerdict(TerminalRun::Verdict verdict) {
    switch (verdict) {
    case TerminalRun::Passed:
        return passed;
    case TerminalRun::Failed:
    case TerminalRun::NotOpened:
        return failed;
    case TerminalRun::Cancelled:
    case TerminalRun::Interrupted:
        break;
    }
    return cancelled;
}
