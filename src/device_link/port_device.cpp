#include "port_device.h"

#include "operator_ui/captions.h"
#include "port_lock.h"
#include "process_info.h"
#include "serial_devices.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// Linux numbers the slave side of pseudo-terminals with these majors.
bool isPtyMajor(unsigned int major) {
    return major >= 136 && major <= 143;
}

QString label(const PortDevice& device) {
    return Captions::portDevice(device.commPort, device.path);
}

QString groupOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("dialout");
    const group* owner = ::getgrgid(info.st_gid);
    return owner ? QString::fromLocal8Bit(owner->gr_name) : QString::number(info.st_gid);
}

QString missing(const PortDevice& device) {
    QStringList present;
    for (const SerialDevice& found : SerialDeviceSource::system().devices())
        present << found.path;
    return Captions::deviceMissing(label(device), present);
}

QString describeLock(const PortDevice& device, const QString& systemText) {
    const LockFile lock = inspectLockFile(device.canonical);
    switch (lock.state) {
    case LockFile::HeldByRunningProcess:
        return Captions::inUseByProgram(label(device), Captions::process(lock.pid, lock.program));
    case LockFile::Stale:
        return Captions::staleLockFile(label(device), lock.path, lock.pid);
    case LockFile::NotRegular:
        return Captions::lockFileNotRegular(label(device), lock.path, lock.kind);
    case LockFile::Absent:
        break;
    }
    if (lock.path.isEmpty() || !QFileInfo(QFileInfo(lock.path).path()).isWritable()) {
        const QString directory = preferredLockDirectory();
        return Captions::noLockDirectoryRights(label(device), directory, groupOf(directory));
    }
    return Captions::openFailed(label(device), systemText);
}

// QSerialPort reports a missing right, an exclusive hold and a lock file alike; opening the
// node once more tells them apart.
QString describeByOpening(const PortDevice& device, const QString& systemText) {
    const int fd = ::open(QFile::encodeName(device.canonical).constData(),
                          O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const int error = errno;
    if (fd >= 0) {
        const bool terminal = ::isatty(fd);
        ::close(fd);
        return terminal ? describeLock(device, systemText)
                        : Captions::notASerialDevice(label(device), device.canonical);
    }
    switch (error) {
    case ENOENT:
        return missing(device);
    case EACCES:
    case EPERM:
        return Captions::noDeviceRights(label(device), device.canonical, groupOf(device.canonical));
    case EBUSY: {
        const qint64 pid = processUsing(device.canonical);
        return Captions::heldExclusively(label(device), Captions::process(pid, processName(pid)));
    }
    case ENXIO:
    case ENODEV:
    case EIO:
        return Captions::deviceNotResponding(label(device), device.canonical,
                                             QString::fromLocal8Bit(std::strerror(error)));
    default:
        return Captions::openFailed(label(device), QString::fromLocal8Bit(std::strerror(error)));
    }
}

} // namespace

bool locateDevice(int commPort, const QString& path, PortDevice& device, QString& error) {
    device = {commPort, path, {}, false};
    const QFileInfo info(device.path);
    if (!info.exists()) {
        error = missing(device);
        return false;
    }
    device.canonical = info.canonicalFilePath();
    struct stat node {};
    if (::stat(QFile::encodeName(device.canonical).constData(), &node) != 0 ||
        !S_ISCHR(node.st_mode)) {
        error = Captions::notASerialDevice(label(device), device.canonical);
        return false;
    }
    device.isPty = isPtyMajor(major(node.st_rdev));
    const LockFile lock = inspectLockFile(device.canonical);
    if (lock.state == LockFile::NotRegular) {
        error = Captions::lockFileNotRegular(label(device), lock.path, lock.kind);
        return false;
    }
    return true;
}

QString describeOpenFailure(const PortDevice& device, QSerialPort::SerialPortError error,
                            const QString& systemText) {
    if (error == QSerialPort::DeviceNotFoundError)
        return missing(device);
    return describeByOpening(device, systemText);
}

bool lockDevice(const PortDevice& device, int fd, QString& error) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    if (errno != EWOULDBLOCK) {
        error = Captions::openFailed(label(device), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const qint64 pid = flockHolder(fd);
    error = Captions::inUseByProgram(label(device), Captions::process(pid, processName(pid)));
    return false;
}
