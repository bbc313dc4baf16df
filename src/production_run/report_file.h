#pragma once

#include "test_sequence/run_identity.h"
#include "test_sequence/terminal_run.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QList>

// The report of a production run as the JSON document integrators script against; its keys
// and enumerated values are fixed, and new keys only ever join them.
QJsonDocument reportDocument(const RunIdentity& run, const QList<TerminalRun>& terminals);

// One terminal as the report gives it; the history gives the recorded ones the same way.
QJsonObject terminalObject(const TerminalRun& terminal);
