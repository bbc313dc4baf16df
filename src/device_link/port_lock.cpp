#include "port_lock.h"

#include "process_info.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QStringList lockDirectories{"/var/lock", "/etc/locks", "/var/spool/locks",  "/var/spool/uucp",
                                  "/tmp",      "/var/tmp",   "/var/lock/lockdev", "/run/lock"};

QString lockFileName(const QString& canonicalNode) {
    QString name =
        canonicalNode.startsWith(QLatin1String("/dev/")) ? canonicalNode.mid(5) : canonicalNode;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("/LCK..") + name;
}

PortProblem::FileKind kindOf(mode_t mode) {
    if (S_ISFIFO(mode))
        return PortProblem::Fifo;
    if (S_ISLNK(mode))
        return PortProblem::Symlink;
    if (S_ISDIR(mode))
        return PortProblem::Directory;
    if (S_ISSOCK(mode))
        return PortProblem::Socket;
    return PortProblem::DeviceNode;
}

// The process id stands first: on a line of its own where QLockFile wrote the file, padded
// with spaces and followed by a name where older tools did. The file is read through one
// descriptor that is known to be a plain file, so nothing swapped in meanwhile can block.
qint64 lockingProcess(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return 0;
    struct stat file {};
    char head[64] = {};
    ssize_t length = 0;
    if (::fstat(fd, &file) == 0 && S_ISREG(file.st_mode))
        length = ::read(fd, head, sizeof head);
    ::close(fd);
    return QByteArray(head, std::max<ssize_t>(length, 0))
        .simplified()
        .split(' ')
        .value(0)
        .toLongLong();
}

} // namespace

QString lockFilePath(const QString& canonicalNode) {
    const QString name = lockFileName(canonicalNode);
    for (const QString& directory : lockDirectories) {
        const QFileInfo info(directory);
        if (info.isReadable() && (QFileInfo::exists(directory + name) || info.isWritable()))
            return directory + name;
    }
    return {};
}

QString preferredLockDirectory() {
    return QFileInfo(lockDirectories.first()).canonicalFilePath();
}

LockFile inspectLockFile(const QString& canonicalNode) {
    LockFile lock;
    lock.path = lockFilePath(canonicalNode);
    struct stat node {};
    if (lock.path.isEmpty() || ::lstat(QFile::encodeName(lock.path).constData(), &node) != 0)
        return lock;
    if (!S_ISREG(node.st_mode)) {
        lock.state = LockFile::NotRegular;
        lock.kind = kindOf(node.st_mode);
        return lock;
    }
    lock.pid = lockingProcess(lock.path);
    // A lock whose process cannot be read is taken as held: nothing says it is stale.
    lock.state =
        lock.pid > 0 && !isRunning(lock.pid) ? LockFile::Stale : LockFile::HeldByRunningProcess;
    lock.program = processName(lock.pid);
    return lock;
}
