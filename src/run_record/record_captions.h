#pragma once

#include <QString>

// What the run record tells when it cannot be written, read or forwarded. German is the
// source text, translated where it is used, in the context the rest of the program uses.
namespace RecordCaptions {

// The record's file, or the line database's address without a password.
QString notRecorded(const QString& place, const QString& cause);
QString notRead(const QString& place, const QString& cause);
QString waitingForLine(int count, const QString& address, const QString& cause);
QString newerSchema(int found, int known);
QString notARecord();
QString folderNotMade(const QString& folder);
QString driverMissing(const QString& driver);
QString notAnAddress(const QString& address);
QString badAddress(const QString& address, const QString& cause);
QString passwordInAddress();
QString interrupted();
QString unknownName(const QString& name);
QString noAnswerWithin(int milliseconds);
QString slowerThanARun();
QString lineAway(const QString& since, const QString& cause);
QString setAside(const QString& runId, const QString& port, const QString& unit,
                 const QString& cause);
QString tableMissing(const QString& table);
QString columnMissing(const QString& table, const QString& column);
QString noVersion();
QString stepTextLost();
QString foreignSchema(const QString& schema);
QString migrateFirst(int found, int known);
QString notPruned(const QString& place, const QString& cause);
QString backupNotWritten(const QString& file, const QString& cause);
QString noSuchFile();
QString fileExists();
QString noSuchFolder(const QString& folder);

} // namespace RecordCaptions
