#include "serial_devices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// The by-id link that points at the node, or the node itself when there is none.
QString stableName(const QString& node) {
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::NoDotAndDotDot))
        if (link.canonicalFilePath() == node)
            return link.absoluteFilePath();
    return node;
}

QString labelOf(const QSerialPortInfo& port, const QString& path) {
    QStringList parts;
    for (const QString& part : {port.description(), port.manufacturer(), port.serialNumber()})
        if (!part.isEmpty() && !parts.contains(part))
            parts << part;
    parts << path;
    return parts.join(QStringLiteral(", "));
}

} // namespace

QList<SerialDevice> SerialDeviceSource::devices() const {
    QList<SerialDevice> found;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        const QString path = stableName(port.systemLocation());
        found.append({path, labelOf(port, path), port.description(), port.manufacturer(),
                      port.serialNumber()});
    }
    return found;
}

const SerialDeviceSource& SerialDeviceSource::system() {
    static const SerialDeviceSource source;
    return source;
}

bool sameDevice(const QString& one, const QString& other) {
    const auto node = [](const QString& path) {
        const QString resolved = QFileInfo(path).canonicalFilePath();
        return resolved.isEmpty() ? path : resolved;
    };
    return one == other || node(one) == node(other);
}

// Linux numbers the slave side of pseudo-terminals with the majors 136 to 143.
bool isPseudoTerminal(const QString& path) {
    struct stat node {};
    if (::stat(QFile::encodeName(path).constData(), &node) != 0 || !S_ISCHR(node.st_mode))
        return false;
    return major(node.st_rdev) >= 136 && major(node.st_rdev) <= 143;
}
