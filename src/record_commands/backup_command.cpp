#include "backup_command.h"

#include "output_captions.h"
#include "record_output.h"
#include "run_record/local_record.h"
#include "run_record/station_backup.h"

int backUpRecord(const QString& file) {
    qint64 bytes = 0;
    QString error;
    if (!StationBackup::write(LocalRecord::defaultPath(), file, bytes, error)) {
        RecordOutput::printError(error);
        return 1;
    }
    RecordOutput::print(Captions::backupWritten(file, bytes));
    return 0;
}
