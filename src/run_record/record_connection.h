#pragma once

#include "line_address.h"

#include <QSqlDatabase>
#include <QString>

// One connection to a record, made on and used by the calling thread alone, as Qt SQL asks,
// and removed again when it goes out of scope. A path opens the local SQLite record; a
// postgresql:// URI opens the line database, bounded as `use` needs.
class RecordConnection {
public:
    enum Kind { Local, Line };

    RecordConnection(Kind kind, const QString& place,
                     LineAddress::Use use = LineAddress::Use::Recording);
    ~RecordConnection();
    RecordConnection(const RecordConnection&) = delete;
    RecordConnection& operator=(const RecordConnection&) = delete;

    // Opens the connection; false with the cause in `error`.
    bool open(QString& error);
    QSqlDatabase& database() { return database_; }
    Kind kind() const { return kind_; }
    const QString& place() const { return place_; }

    // Starts a transaction that writes: SQLite takes its write lock at once, so two
    // writers wait for each other instead of one failing midway.
    bool beginWriting(QString& error);
    bool commit(QString& error);
    void rollback();

private:
    bool openLocal(QString& error);
    bool openLine(QString& error);

    Kind kind_;
    QString place_;
    LineAddress::Use use_;
    QString name_;
    QSqlDatabase database_;
};
