#pragma once

#include <QString>

class RecordConnection;

// The line's PostgreSQL database, fed from the stations' local records.
namespace LineDatabase {

// Readies an opened connection: the tables made when missing and the role may make them,
// the schema version checked as in the local record.
bool prepare(RecordConnection& connection, QString& error);

// Copies every terminal run the local record holds and the line database lacks, with its
// original times, one batch per transaction, then marks the batch forwarded locally with the
// attempt the line gave each. A unit's attempts are counted and written under a lock of that
// unit, so stations forwarding at once never give two runs one number. A batch cut short
// leaves nothing behind; one forwarded twice, by two stations or a repeat after a kill, is
// stored once. A terminal run the line refuses for its data, or that this build cannot read,
// is set aside locally and the rest go on. Counts what it forwarded and set aside.
bool forward(RecordConnection& local, RecordConnection& line, int& forwarded, int& setAside,
             QString& error);

} // namespace LineDatabase
