#pragma once

#include <QString>

class RecordConnection;

// The tables of the run record, the same in the local record and the line database: a run,
// its terminal runs, their steps and the failed exchanges of each step. Every change to them
// is a migration with the next version number.
namespace RecordSchema {

// The PostgreSQL schema that holds the line database's tables, apart from other programs'.
QString lineSchema();

// The newest schema this program knows.
int knownVersion();

// Brings the record to the known version, creating the tables in an empty one, and moves a
// line database of version 1 out of "public". A record with a newer schema, or with tables
// that are not ours, is refused and left as it is. False with the cause in `error`.
bool prepare(RecordConnection& connection, QString& error);

// The version a record holds, read without changing anything: -1 when it has no tables yet.
// An older version reads as it is; a line database still in "public", a newer schema and
// tables that are not ours are refused. False with the cause in `error`.
bool readableVersion(RecordConnection& connection, int& version, QString& error);

} // namespace RecordSchema
