#pragma once

#include <QString>

// A copy of the station's file to keep elsewhere, taken while runs go on writing to it.
namespace StationBackup {

// Writes a consistent copy of the record `station` to `copy`, with mode 0600. The copy
// appears under its name whole or not at all, and never replaces a file that is there.
// Counts its bytes; false with the message in `error`.
bool write(const QString& station, const QString& copy, qint64& bytes, QString& error);

} // namespace StationBackup
