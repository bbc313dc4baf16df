#pragma once

#include "test_sequence/captions.h"

// What the record's commands say when their output does not reach its file, and what tending
// the station's file did.
namespace Captions {

// What --output names, when it could not be written whole.
QString outputNotWritten(const QString& file, const QString& reason);

QString noLineDatabase();
// What --prune removed and kept, and the file's bytes before and after.
QString pruned(int terminalRuns, int runs, int waiting, int notInLine, qint64 bytesBefore,
               qint64 bytesAfter);
QString forwardedButMissing(int count, const QString& address);
QString backupWritten(const QString& file, qint64 bytes);

} // namespace Captions
