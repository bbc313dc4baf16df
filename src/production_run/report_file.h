#pragma once

#include "terminal_report.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QList>

// The report of a production run as the JSON document integrators script against; its keys
// and enumerated values are fixed.
QJsonDocument reportDocument(const QDateTime& started, const QList<TerminalReport>& terminals);

// Writes the document to `file` in one piece, or to standard output for "-". Returns false
// with the reason in `error`.
bool writeReport(const QString& file, const QDateTime& started,
                 const QList<TerminalReport>& terminals, QString& error);
