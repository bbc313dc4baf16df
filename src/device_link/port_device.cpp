#include "port_device.h"

#include "port_directory.h"

#include <QFile>
#include <QFileInfo>
#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// Linux numbers the slave side of pseudo-terminals with these majors.
bool isPtyMajor(unsigned int major) {
    return major >= 136 && major <= 143;
}

QString portLabel(const PortDevice& device) {
    return QStringLiteral("Schnittstelle COM%1 (%2)").arg(device.commPort).arg(device.path);
}

QString groupOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("dialout");
    const group* owner = ::getgrgid(info.st_gid);
    return owner ? QString::fromLocal8Bit(owner->gr_name) : QString::number(info.st_gid);
}

QString cure(const QString& path) {
    return QStringLiteral("Abhilfe: den Benutzer in die Gruppe „%1“ aufnehmen (unter Debian "
                          "meist „dialout“) und neu anmelden.")
        .arg(groupOf(path));
}

// QSerialPort names its lock file after the node below /dev with '/' turned into '_'.
QString lockFileIn(const QString& directory, const QString& canonical) {
    QString name = canonical.startsWith(QLatin1String("/dev/")) ? canonical.mid(5) : canonical;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return directory + QStringLiteral("/LCK..") + name;
}

QString heldBy(const QString& lockFile) {
    QFile file(lockFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pid = file.readAll().trimmed();
    return pid.isEmpty() ? QString()
                         : QStringLiteral(" (Prozess %1)").arg(QString::fromLatin1(pid));
}

QString describePermission(const PortDevice& device) {
    const QByteArray node = QFile::encodeName(device.canonical);
    if (::access(node.constData(), R_OK | W_OK) != 0)
        return QStringLiteral("%1: Keine Berechtigung für das Gerät %2. %3")
            .arg(portLabel(device), device.canonical, cure(device.canonical));
    // QSerialPort falls back to the temporary folders when the lock directory is closed.
    for (const QString& directory : {QStringLiteral("/var/lock"), QStringLiteral("/run/lock"),
                                     QStringLiteral("/tmp"), QStringLiteral("/var/tmp")}) {
        const QString lockFile = lockFileIn(directory, device.canonical);
        if (QFileInfo::exists(lockFile))
            return QStringLiteral("%1 wird bereits von einem anderen Programm verwendet%2.")
                .arg(portLabel(device), heldBy(lockFile));
    }
    const QString lockDirectory = QFileInfo(QStringLiteral("/var/lock")).canonicalFilePath();
    return QStringLiteral("%1: Keine Schreibberechtigung im Sperrverzeichnis %2, die "
                          "Schnittstelle kann nicht belegt werden. %3")
        .arg(portLabel(device), lockDirectory, cure(lockDirectory));
}

} // namespace

bool locateDevice(int commPort, PortDevice& device, QString& error) {
    device = {commPort, devicePathForPort(commPort), {}, false};
    const QFileInfo info(device.path);
    if (!info.exists()) {
        error = QStringLiteral("%1: Das Gerät gibt es nicht.").arg(portLabel(device));
        return false;
    }
    device.canonical = info.canonicalFilePath();
    struct stat node {};
    if (::stat(QFile::encodeName(device.canonical).constData(), &node) != 0 ||
        !S_ISCHR(node.st_mode)) {
        error = QStringLiteral("%1: %2 ist kein serielles Gerät.")
                    .arg(portLabel(device), device.canonical);
        return false;
    }
    device.isPty = isPtyMajor(major(node.st_rdev));
    return true;
}

QString describeOpenFailure(const PortDevice& device, QSerialPort::SerialPortError error,
                            const QString& systemText) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("%1: Das Gerät gibt es nicht.").arg(portLabel(device));
    case QSerialPort::PermissionError:
        return describePermission(device);
    default:
        return QStringLiteral("%1 konnte nicht geöffnet werden (%2).")
            .arg(portLabel(device), systemText);
    }
}
