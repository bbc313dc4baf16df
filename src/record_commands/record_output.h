#pragma once

#include <QString>
#include <QStringList>

// What the record's commands print, in the forms a script reads.
namespace RecordOutput {

// One CSV line after RFC 4180: a field holding a comma, a quote or a line break is quoted,
// its quotes doubled. A field a spreadsheet would run as a formula (one beginning with '=',
// '+', '-', '@', a tab or a carriage return) gets a leading "'" first.
QString csvLine(const QStringList& fields);

void print(const QString& text);
// Whole or not at all: the file is replaced only once all of `text` is written. Returns
// false with the reason in `message`.
bool save(const QString& file, const QString& text, QString& message);
void printError(const QString& message);

} // namespace RecordOutput
