#pragma once

#include "test_sequence/terminal_run.h"

#include <QString>

// Fills a run record with `terminalRuns` made-up terminal runs of seven rows each: units with
// one to three attempts, spread evenly over `days` and taking turns at `stations`; the
// defaults are a busy line's month. False with the cause in `error`.
bool generateRecord(const QString& path, int terminalRuns, QString& error, int days = 30,
                    int stations = 4);

// A passing terminal run as a 9600-baud run would report it.
TerminalRun typicalTerminalRun(const QString& port, const QString& unit);
