#pragma once

#include "record_reader.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
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

// Stores one terminal run in one transaction and sets its attempt when it names a unit: one
// more than the unit's runs here. Forwarding gives it the line database's number later.
bool store(RecordConnection& connection, const RunIdentity& run, TerminalRun& terminal,
           QString& error);

// The oldest terminal runs not yet in the line database and not set aside, up to `limit`.
bool waiting(RecordConnection& connection, int limit, QList<RecordedRun>& runs, QString& error);
bool waitingCount(RecordConnection& connection, int& count, QString& error);
// Marks terminal runs (by id) as in the line database, with the attempt it gave each.
bool markForwarded(RecordConnection& connection, const QHash<qint64, std::optional<int>>& attempts,
                   QString& error);
// Keeps a terminal run that the line database refused, or that this build cannot read, out of
// forwarding, with the cause.
bool setAside(RecordConnection& connection, qint64 id, const QString& cause, QString& error);
// Every terminal run set aside, each as a sentence naming it and its cause.
bool setAsideRuns(RecordConnection& connection, QStringList& runs, QString& error);
// The attempts the record holds for the terminals of one run, by port.
bool attempts(RecordConnection& connection, const QString& runId, QHash<QString, int>& byPort,
              QString& error);

// When the line database was last found away and why; an invalid time when it was not.
bool lineAway(RecordConnection& connection, QDateTime& since, QString& cause, QString& error);
// Notes the line database found away, or, with an empty cause, reached.
bool noteLine(RecordConnection& connection, const QString& cause, QString& error);

} // namespace LocalRecord
