#include "filled_station.h"

#include "run_record/local_record.h"
#include "run_record/record_connection.h"
#include "run_record/record_writer.h"

namespace {
constexpr int terminalsPerRun = 10;
}

bool fillStation(const QString& path, int count, QString& error) {
    RecordConnection station(RecordConnection::Local, path);
    if (!station.open(error) || !LocalRecord::prepare(station, error) ||
        !station.beginWriting(error))
        return false;
    RunIdentity run;
    TerminalRun terminal;
    terminal.device = "/dev/null";
    terminal.lineSettings = "9600,8,E,1";
    terminal.verdict = TerminalRun::Passed;
    for (int index = 0; index < 7; ++index)
        terminal.steps.append({index, {}, "OK", StepResult::Passed, 0, {}, {}});
    RecordWriter writer(station.database());
    for (int i = 0; i < count; ++i) {
        if (i % terminalsPerRun == 0)
            run = RunIdentity::begin("run", "Füller", "Prüfer", "0");
        terminal.port = QStringLiteral("COM%1").arg(i % terminalsPerRun + 1);
        if (writer.write(run, terminal, error) != RecordWriter::Written::Added)
            return false;
    }
    return station.commit(error);
}
