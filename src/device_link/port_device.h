#pragma once

#include <QSerialPort>
#include <QString>

// The device node that stands for a COM number, resolved before it is opened.
struct PortDevice {
    int commPort = 0;
    QString path;      // as mapped, possibly a symlink such as /dev/serial/by-id/...
    QString canonical; // the node itself, so a link and its target lock each other
    bool isPty = false;
};

// Finds the device for COM<commPort>; on failure returns false with a German description.
bool locateDevice(int commPort, PortDevice& device, QString& error);

// Says in German why QSerialPort could not open the device, telling a port held by another
// program apart from missing rights on the device node or on the lock directory.
QString describeOpenFailure(const PortDevice& device, QSerialPort::SerialPortError error,
                            const QString& systemText);
