#pragma once

#include "terminal_run.h"

#include <QJsonObject>

// One terminal as the report gives it; the history gives the recorded ones the same way. Its
// keys and enumerated values are fixed, and new keys only ever join them.
QJsonObject terminalObject(const TerminalRun& terminal);
