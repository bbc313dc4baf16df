#include "forward_command.h"

#include "output_captions.h"
#include "record_output.h"
#include "run_record/record_places.h"
#include "run_record/run_recorder.h"

#include <QCoreApplication>

// A writing command: it brings the station's file up to date, forwards without a time limit
// of its own and names every terminal run set aside, which only the station's file holds.
int forwardRecords(const QString& databaseOption) {
    const RecordPlaces places = RecordPlaces::resolve(databaseOption);
    if (places.line.isEmpty()) {
        RecordOutput::printError(Captions::noLineDatabase());
        return 2;
    }
    RunRecorder recorder(places);
    const RunRecorder::Forwarded forwarded = recorder.forwardAll();
    if (!forwarded.error.isEmpty()) {
        RecordOutput::printError(forwarded.error);
        if (forwarded.before < 0)
            return 1;
    }
    RecordOutput::print(
        QCoreApplication::translate("CommandLine", "Wartende Läufe: %1, übertragen: %2\n")
            .arg(forwarded.before)
            .arg(forwarded.forwarded));
    const QStringList setAside = recorder.setAside();
    for (const QString& run : setAside)
        RecordOutput::printError(run);
    return forwarded.waiting > 0 || !setAside.isEmpty() || !forwarded.error.isEmpty() ? 1 : 0;
}
