#include "prune_command.h"

#include "output_captions.h"
#include "record_output.h"
#include "run_record/line_address.h"
#include "run_record/record_places.h"
#include "run_record/station_pruning.h"

// Only the line database can tell which runs the station may let go, so without one nothing
// is removed.
int pruneRecords(const QString& databaseOption, const QDateTime& before) {
    const RecordPlaces places = RecordPlaces::resolve(databaseOption);
    if (places.line.isEmpty()) {
        RecordOutput::printError(Captions::noLineDatabase());
        return 1;
    }
    StationPruning::Pruned pruned;
    QString error;
    const bool done = StationPruning::prune(places, before, pruned, error);
    if (!done)
        RecordOutput::printError(error);
    // Batches removed before a fault stay removed, and are said.
    if (done || pruned.terminalRuns > 0)
        RecordOutput::print(Captions::pruned(pruned.terminalRuns, pruned.runs, pruned.waiting,
                                             pruned.notInLine, pruned.bytesBefore,
                                             pruned.bytesAfter));
    // A line database restored from an older backup lacks runs the station thinks it holds.
    if (pruned.notInLine > 0)
        RecordOutput::printError(
            Captions::forwardedButMissing(pruned.notInLine, LineAddress::shown(places.line)));
    return done && pruned.notInLine == 0 ? 0 : 1;
}
