#include "port_device.h"

#include "port_lock.h"
#include "process_info.h"
#include "serial_devices.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

// Empty when the node cannot be looked at: a guessed group would send the operator astray.
QString groupOf(const QString& path) {
    struct stat info {};
    if (::stat(encoded(path).constData(), &info) != 0)
        return {};
    const group* owner = ::getgrgid(info.st_gid);
    return owner ? QString::fromLocal8Bit(owner->gr_name) : QString::number(info.st_gid);
}

QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

PortProblem problemFor(const PortDevice& device, PortProblem::Kind kind) {
    PortProblem problem;
    problem.kind = kind;
    problem.commPort = device.commPort;
    problem.path = device.path;
    problem.node = device.canonical.isEmpty() ? device.path : device.canonical;
    return problem;
}

PortProblem missing(const PortDevice& device) {
    PortProblem problem = problemFor(device, PortProblem::DeviceMissing);
    for (const SerialDevice& found : SerialDeviceSource::system().devices())
        problem.present << found.path;
    return problem;
}

// A path the system cannot even look up (too long, a loop of links) is no missing device.
PortProblem unreachable(const PortDevice& device) {
    struct stat node {};
    const int error = ::stat(encoded(device.path).constData(), &node) == 0 ? 0 : errno;
    if (error == 0 || error == ENOENT || error == ENOTDIR)
        return missing(device);
    PortProblem problem = problemFor(device, PortProblem::OpenFailed);
    problem.errorNumber = error;
    problem.systemText = systemText(error);
    return problem;
}

PortProblem heldBy(const PortDevice& device, PortProblem::Kind kind, qint64 pid) {
    PortProblem problem = problemFor(device, kind);
    problem.pid = pid;
    problem.program = processName(pid);
    return problem;
}

// What the lock file says, or nothing when it says nothing about this failure.
std::optional<PortProblem> lockFileEvidence(const PortDevice& device, const LockFile& lock) {
    switch (lock.state) {
    case LockFile::HeldByRunningProcess: {
        PortProblem problem = heldBy(device, PortProblem::InUseByProgram, lock.pid);
        problem.lockFile = lock.path;
        return problem;
    }
    case LockFile::Stale: {
        PortProblem problem = problemFor(device, PortProblem::StaleLockFile);
        problem.lockFile = lock.path;
        problem.pid = lock.pid;
        return problem;
    }
    case LockFile::NotRegular: {
        PortProblem problem = problemFor(device, PortProblem::LockFileNotRegular);
        problem.lockFile = lock.path;
        problem.fileKind = lock.kind;
        return problem;
    }
    case LockFile::Absent:
        break;
    }
    return std::nullopt;
}

std::optional<PortProblem> rightsEvidence(const PortDevice& device, const LockFile& lock) {
    if (::access(encoded(device.canonical).constData(), R_OK | W_OK) != 0 &&
        (errno == EACCES || errno == EPERM)) {
        PortProblem problem = problemFor(device, PortProblem::NoDeviceRights);
        problem.group = groupOf(device.canonical);
        return problem;
    }
    if (lock.path.isEmpty() || !QFileInfo(QFileInfo(lock.path).path()).isWritable()) {
        PortProblem problem = problemFor(device, PortProblem::NoLockDirectoryRights);
        problem.lockFile = preferredLockDirectory();
        problem.group = groupOf(problem.lockFile);
        return problem;
    }
    return std::nullopt;
}

// Only now is the node opened once more: every opening raises DTR and RTS on a real adapter.
PortProblem evidenceByOpening(const PortDevice& device, const QString& portText) {
    const int fd =
        ::open(encoded(device.canonical).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const int error = errno;
    if (fd >= 0) {
        const bool terminal = ::isatty(fd);
        ::close(fd);
        PortProblem problem =
            problemFor(device, terminal ? PortProblem::OpenFailed : PortProblem::NotASerialDevice);
        problem.systemText = portText;
        return problem;
    }
    PortProblem problem = problemFor(device, PortProblem::OpenFailed);
    problem.errorNumber = error;
    problem.systemText = systemText(error);
    switch (error) {
    case ENOENT:
        return missing(device);
    case EACCES:
    case EPERM:
        problem.kind = PortProblem::NoDeviceRights;
        problem.group = groupOf(device.canonical);
        break;
    case EBUSY:
        problem = heldBy(device, PortProblem::HeldExclusively, processUsing(device.canonical));
        problem.errorNumber = error;
        break;
    case ENXIO:
    case ENODEV:
    case EIO:
        problem.kind = PortProblem::NotResponding;
        break;
    default:
        break;
    }
    return problem;
}

} // namespace

bool locateDevice(int commPort, const QString& path, PortDevice& device, PortProblem& problem) {
    device = {commPort, path, {}, false};
    const QFileInfo info(device.path);
    if (!info.exists()) {
        problem = unreachable(device);
        return false;
    }
    device.canonical = info.canonicalFilePath();
    struct stat node {};
    if (::stat(encoded(device.canonical).constData(), &node) != 0 || !S_ISCHR(node.st_mode)) {
        problem = problemFor(device, PortProblem::NotASerialDevice);
        return false;
    }
    device.isPty = isPseudoTerminal(device.canonical);
    // QSerialPort's QLockFile would take over a lock that is old or names another program,
    // so a running holder is refused here, before it gets the chance.
    const LockFile lock = inspectLockFile(device.canonical);
    if (lock.state == LockFile::NotRegular ||
        (lock.state == LockFile::HeldByRunningProcess && lock.pid > 0)) {
        problem = *lockFileEvidence(device, lock);
        return false;
    }
    return true;
}

PortProblem diagnoseOpenFailure(const PortDevice& device, QSerialPort::SerialPortError error,
                                const QString& systemText) {
    if (error == QSerialPort::DeviceNotFoundError || !QFileInfo::exists(device.canonical))
        return missing(device);
    const LockFile lock = inspectLockFile(device.canonical);
    if (const auto problem = lockFileEvidence(device, lock))
        return *problem;
    if (const qint64 pid = flockHolderOf(device.canonical))
        return heldBy(device, PortProblem::InUseByFlock, pid);
    if (const auto problem = rightsEvidence(device, lock))
        return *problem;
    return evidenceByOpening(device, systemText);
}

bool lockDevice(const PortDevice& device, int fd, PortProblem& problem) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    const int error = errno;
    if (error != EWOULDBLOCK) {
        problem = problemFor(device, PortProblem::OpenFailed);
        problem.errorNumber = error;
        problem.systemText = systemText(error);
        return false;
    }
    problem = heldBy(device, PortProblem::InUseByFlock, flockHolder(fd));
    return false;
}
