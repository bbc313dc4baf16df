#pragma once

#include "terminal_report.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QList>

// The report of a production run as the JSON document integrators script against; its keys
// and enumerated values are fixed.
QJsonDocument reportDocument(const QDateTime& started, const QList<TerminalReport>& terminals);
