#include "process_info.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <limits>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// A number no process can have is never running: cut to pid_t it could become kill(0, 0),
// which asks about this very process group.
bool isRunning(qint64 pid) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

QString processName(qint64 pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (pid <= 0 || !comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(comm.read(64).trimmed());
}

// /proc/locks names the locked file as "major:minor:inode", the numbers of the device in hex.
namespace {

qint64 flockHolderOfNode(const struct stat& node) {
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return 0;
    const QString file = QStringLiteral("%1:%2:%3")
                             .arg(major(node.st_dev), 2, 16, QLatin1Char('0'))
                             .arg(minor(node.st_dev), 2, 16, QLatin1Char('0'))
                             .arg(node.st_ino);
    for (const QByteArray& line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 6 && fields[1] == "FLOCK" && fields[5] == file.toLatin1())
            return fields[4].toLongLong();
    }
    return 0;
}

} // namespace

qint64 flockHolder(int fd) {
    struct stat node {};
    return ::fstat(fd, &node) == 0 ? flockHolderOfNode(node) : 0;
}

qint64 flockHolderOf(const QString& path) {
    struct stat node {};
    return ::stat(QFile::encodeName(path).constData(), &node) == 0 ? flockHolderOfNode(node) : 0;
}

qint64 processUsing(const QString& canonicalNode) {
    const qint64 self = ::getpid();
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        if (pid.toLongLong() <= 0 || pid.toLongLong() == self)
            continue;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot))
            if (fd.symLinkTarget() == canonicalNode)
                return pid.toLongLong();
    }
    return 0;
}
