#pragma once

#include "test_sequence/run_identity.h"
#include "test_sequence/terminal_run.h"

#include <QJsonDocument>
#include <QList>

// The report of a production run as the JSON document integrators script against; its keys
// and enumerated values are fixed, and new keys only ever join them.
QJsonDocument reportDocument(const RunIdentity& run, const QList<TerminalRun>& terminals);
