#pragma once

#include <QString>

class RecordConnection;

// The line's PostgreSQL database, fed from the stations' local records.
namespace LineDatabase {

// Readies an opened connection: the tables made when missing and the role may make them,
// the schema version checked as in the local record.
bool prepare(RecordConnection& connection, QString& error);

// How many runs of `unit` the line database holds.
bool runsOf(RecordConnection& connection, const QString& unit, int& count, QString& error);

// Copies every terminal run the local record holds and the line database lacks, with its
// original times, one batch per transaction, then marks the batch forwarded locally. A batch
// cut short leaves nothing behind; one forwarded twice, by two stations or a repeat after a
// kill, is stored once. Counts what it forwarded.
bool forward(RecordConnection& local, RecordConnection& line, int& forwarded, QString& error);

} // namespace LineDatabase
