#pragma once

#include "port_problem.h"

#include <QString>

// The lock file QSerialPort takes for a device, and what stands in its place now.
struct LockFile {
    enum State { Absent, NotRegular, HeldByRunningProcess, Stale };

    QString path; // empty when no lock directory can be used at all
    State state = Absent;
    PortProblem::FileKind kind = PortProblem::DeviceNode; // for NotRegular: what it is instead
    qint64 pid = 0;
    QString program;
};

// Picks the lock file the way QSerialPort does: in the first readable lock directory that
// holds the file already or may be written.
QString lockFilePath(const QString& canonicalNode);

// Looks at the lock file without ever opening anything but a regular file.
LockFile inspectLockFile(const QString& canonicalNode);

// The first directory QSerialPort would try for its lock file.
QString preferredLockDirectory();
