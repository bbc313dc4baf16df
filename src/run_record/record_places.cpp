#include "record_places.h"

#include "device_link/settings_store.h"
#include "local_record.h"

RecordPlaces RecordPlaces::resolve(const QString& databaseOption) {
    QString line = databaseOption;
    if (line.isEmpty())
        line = qEnvironmentVariable("QUENDAL_DATABASE");
    if (line.isEmpty())
        line = SettingsStore::read(QStringLiteral("Aufzeichnung"), QStringLiteral("Datenbank"));
    return {LocalRecord::defaultPath(), line.trimmed()};
}
