#pragma once

#include <QString>

// Where runs are recorded: always the station's own file, and the line database when an
// address is set by --database, else QUENDAL_DATABASE, else the settings file's
// [Aufzeichnung] Datenbank=.
struct RecordPlaces {
    QString local;
    QString line; // empty: no line database

    static RecordPlaces resolve(const QString& databaseOption);
};
