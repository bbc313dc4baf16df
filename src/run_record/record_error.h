#pragma once

#include <QSqlError>
#include <QString>

// The database's own words for what went wrong, without the driver's generic sentence
// ("Unable to fetch row") that Qt appends to them.
inline QString causeOf(const QSqlError& error) {
    const QString database = error.databaseText().trimmed();
    if (!database.isEmpty())
        return database;
    const QString driver = error.driverText().trimmed();
    return driver.isEmpty() ? error.nativeErrorCode() : driver;
}
