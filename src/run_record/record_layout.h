#pragma once

#include <QHash>
#include <QSet>
#include <QString>

class RecordConnection;

// The tables and columns a record holds, looked up in the database's catalogue, and whether
// they are the ones this program reads and writes.
namespace RecordLayout {

// Each table's column names.
using Tables = QHash<QString, QSet<QString>>;

// The tables of `schema` in the line database, or of the station's file (`schema` unused).
bool read(RecordConnection& connection, const QString& schema, Tables& tables, QString& error);

// Every table and column of a record of `version` is there; other tables and further columns
// do no harm. False with the first one missing named in `error`.
bool check(const Tables& tables, bool local, int version, QString& error);

} // namespace RecordLayout
