#pragma once

#include "record_places.h"

#include <QDateTime>
#include <QString>

// Keeps the station's file small over years of runs: what the line database holds is
// removed from it, never a run that waits for the line.
namespace StationPruning {

struct Pruned {
    int terminalRuns = 0;   // removed, with their steps and failures
    int runs = 0;           // runs removed because none of their terminal runs was left
    int waiting = 0;        // kept: not forwarded yet, or set aside
    int notInLine = 0;      // kept: marked forwarded, but the line database lacks them
    qint64 bytesBefore = 0; // the file with its write-ahead log
    qint64 bytesAfter = 0;
};

// Removes the terminal runs started before `before` that the line database holds, looked up
// there by run and port, in batches of one transaction each, then gives the space back. A
// station's file that is not there stays so. False with the message in `error`: nothing more
// is removed then, and each batch before stands whole.
bool prune(const RecordPlaces& places, const QDateTime& before, Pruned& pruned, QString& error);

} // namespace StationPruning
