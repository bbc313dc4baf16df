#include "port_lock.h"

#include "process_info.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <sys/stat.h>

namespace {

const QStringList lockDirectories{"/var/lock", "/etc/locks", "/var/spool/locks",  "/var/spool/uucp",
                                  "/tmp",      "/var/tmp",   "/var/lock/lockdev", "/run/lock"};

QString lockFileName(const QString& canonicalNode) {
    QString name =
        canonicalNode.startsWith(QLatin1String("/dev/")) ? canonicalNode.mid(5) : canonicalNode;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("/LCK..") + name;
}

QString kindOf(mode_t mode) {
    if (S_ISFIFO(mode))
        return QStringLiteral("eine Pipe (FIFO)");
    if (S_ISLNK(mode))
        return QStringLiteral("eine symbolische Verknüpfung");
    if (S_ISDIR(mode))
        return QStringLiteral("ein Verzeichnis");
    if (S_ISSOCK(mode))
        return QStringLiteral("ein Socket");
    return QStringLiteral("eine Gerätedatei");
}

// QLockFile writes the process id on a line of its own; older tools write it padded with
// spaces, sometimes followed by their name.
qint64 lockingProcess(const QString& path) {
    qint64 pid = 0;
    QString host, program;
    if (QLockFile(path).getLockInfo(&pid, &host, &program) && pid > 0)
        return pid;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.read(64).simplified().split(' ').value(0).toLongLong();
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
