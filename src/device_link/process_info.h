#pragma once

#include <QString>

// What /proc tells about other processes, as far as this user may see it.

bool isRunning(qint64 pid);
// The process's command name, or empty when it is not known.
QString processName(qint64 pid);
// A process that holds flock() on the file open at `fd`, or on the file at `path`; 0 when
// none is known. The second asks without opening the file.
qint64 flockHolder(int fd);
qint64 flockHolderOf(const QString& path);
// A process other than this one with the device node open; 0 when none is visible.
qint64 processUsing(const QString& canonicalNode);
