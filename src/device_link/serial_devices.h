#pragma once

#include <QList>
#include <QString>

// A serial device that is present now, as the operator should see and store it.
struct SerialDevice {
    QString path;  // its /dev/serial/by-id link where there is one: it survives a new socket
    QString label; // description, manufacturer and serial number where known, and the path
    QString description;
    QString manufacturer;
    QString serialNumber;
};

// Finds the serial devices present; tests hand the dialog a fixed list instead.
class SerialDeviceSource {
public:
    virtual ~SerialDeviceSource() = default;
    virtual QList<SerialDevice> devices() const;

    static const SerialDeviceSource& system();
};

// Whether two paths name the same device node, such as a by-id link and /dev/ttyUSB0.
bool sameDevice(const QString& one, const QString& other);

// Whether the path leads to the slave side of a pseudo-terminal, which discovery never lists.
bool isPseudoTerminal(const QString& path);
