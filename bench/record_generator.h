#pragma once

#include "test_sequence/run_identity.h"
#include "test_sequence/terminal_run.h"

#include <QString>

class RecordConnection;

// How big a generated record is: its terminal runs, spread evenly over `days` and taking turns
// at `stations`. The defaults are a quarter at a line of eight stations, the yield page's.
struct RecordShape {
    int terminalRuns = 20000;
    int days = 90;
    int stations = 8;
};

// One made-up terminal run, its attempt included, with the run it belongs to.
struct GeneratedRun {
    RunIdentity run;
    TerminalRun terminal;
};

// The `index`th terminal run of a record of `shape`, the same at every call, so that a file
// and a line database generated alike hold the same runs: units with one to three attempts,
// one run in seven with a failed row, one in a hundred with its port not opened.
GeneratedRun generatedRun(const RecordShape& shape, int index);

// Fills an empty station file with a record of `shape` in one transaction. A file that holds
// runs already is refused. False with the cause in `error`.
bool generateRecord(const QString& path, const RecordShape& shape, QString& error);

// True when the prepared record holds no run yet; else false with the cause in `error`.
bool recordIsEmpty(RecordConnection& connection, QString& error);

// A passing terminal run as a 9600-baud run would report it.
TerminalRun typicalTerminalRun(const QString& port, const QString& unit);
