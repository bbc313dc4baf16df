#pragma once

#include <QtGlobal>

// State shared by all windows of one program run.
struct SharedState {
    // Set by "Abbrechen" and by the interface test's Cancel; read by every wait and step.
    bool CancelRequested = false;
    qint16 TestCount = 0;
    qint16 TerminalRows = 0;
    qint16 TerminalCols = 0;
};
