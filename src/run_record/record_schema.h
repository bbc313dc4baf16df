#pragma once

#include <QString>

class RecordConnection;

// The tables of the run record, the same in the local record and the line database: a run,
// its terminal runs, their steps and the failed exchanges of each step. Every change to them
// is a migration with the next version number.
namespace RecordSchema {

// The newest schema this program knows.
int knownVersion();

// Brings the record to the known version, creating the tables in an empty one. A record with
// a newer schema is refused and left as it is. False with the cause in `error`.
bool prepare(RecordConnection& connection, QString& error);

// The version a record holds, read without changing anything: -1 when it has no tables yet.
// A newer schema than this program knows is refused. False with the cause in `error`.
bool readableVersion(RecordConnection& connection, int& version, QString& error);

} // namespace RecordSchema
