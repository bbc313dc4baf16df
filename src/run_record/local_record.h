#pragma once

#include "record_reader.h"

#include <QList>
#include <QString>
#include <optional>

class RecordConnection;

// The station's own record, a SQLite file every run lands in first: several processes and
// the terminal threads of one write to it at once, each through a connection of its own.
namespace LocalRecord {

// $XDG_DATA_HOME/Quendal/records.sqlite, by default ~/.local/share/Quendal/records.sqlite.
QString defaultPath();

// Readies an opened connection: the schema checked, brought up to date or refused, and the
// journal switched to WAL so that readers never wait for a writer.
bool prepare(RecordConnection& connection, QString& error);
// What a further connection to a record already prepared needs.
bool syncLess(RecordConnection& connection, QString& error);

// Stores one terminal run in one transaction and sets its attempt when it names a unit:
// one more than the unit's runs here, or, given `lineRuns` from a line database, one more
// than those and the runs here still waiting to be forwarded.
bool store(RecordConnection& connection, const RunIdentity& run, TerminalRun& terminal,
           std::optional<int> lineRuns, QString& error);

// The oldest terminal runs not yet in the line database, up to `limit`.
bool waiting(RecordConnection& connection, int limit, QList<RecordedRun>& runs, QString& error);
bool waitingCount(RecordConnection& connection, int& count, QString& error);
bool markForwarded(RecordConnection& connection, const QList<RecordedRun>& runs, QString& error);

} // namespace LocalRecord
