#include "forward_command.h"

#include "record_output.h"
#include "run_record/record_places.h"
#include "run_record/record_query.h"
#include "run_record/run_recorder.h"

#include <QCoreApplication>
#include <algorithm>

int forwardRecords(const QString& databaseOption) {
    const RecordPlaces places = RecordPlaces::resolve(databaseOption);
    if (places.line.isEmpty()) {
        RecordOutput::printError(QCoreApplication::translate(
            "CommandLine", "keine Liniendatenbank gesetzt: --database URL, die Umgebung "
                           "QUENDAL_DATABASE oder [Aufzeichnung] Datenbank= in den Einstellungen"));
        return 2;
    }
    RecordQuery local = RecordQuery::local(places);
    int before = 0;
    QString message;
    if (!local.open(message) || !local.waitingCount(before, message)) {
        RecordOutput::printError(message);
        return 1;
    }
    const QString left = before > 0 ? RunRecorder(places).forward() : QString();
    int after = 0;
    if (!local.waitingCount(after, message)) {
        RecordOutput::printError(message);
        return 1;
    }
    RecordOutput::print(
        QCoreApplication::translate("CommandLine", "Wartende Läufe: %1, übertragen: %2\n")
            .arg(before)
            .arg(std::max(before - after, 0)));
    if (!left.isEmpty())
        RecordOutput::printError(left);
    return after > 0 ? 1 : 0;
}
