#pragma once

#include <QList>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

// The database's own words for what went wrong, without the driver's generic sentence
// ("Unable to fetch row") that Qt appends to them.
inline QString causeOf(const QSqlError& error) {
    const QString database = error.databaseText().trimmed();
    if (!database.isEmpty())
        return database;
    const QString driver = error.driverText().trimmed();
    return driver.isEmpty() ? error.nativeErrorCode() : driver;
}

// Binds `values` by position and runs the prepared statement; when it fails, its cause goes
// to `error`.
inline bool exec(QSqlQuery& query, QString& error, const QList<QVariant>& values = {}) {
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    if (query.exec())
        return true;
    error = causeOf(query.lastError());
    return false;
}

// A statement that takes no values, such as a change of the schema, run as it is.
inline bool exec(QSqlQuery& query, const QString& statement, QString& error) {
    if (query.exec(statement))
        return true;
    error = causeOf(query.lastError());
    return false;
}
