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

// Resolves `path` for COM<commPort>; on failure returns false with a German description.
// A lock file that is not a plain file counts as a failure: opening it could hang.
bool locateDevice(int commPort, const QString& path, PortDevice& device, QString& error);

// Says in German why QSerialPort could not open the device: the device missing, no rights,
// held exclusively, locked by a running or a dead program, or not a serial device at all.
QString describeOpenFailure(const PortDevice& device, QSerialPort::SerialPortError error,
                            const QString& systemText);

// Takes flock() on the open device, as other serial tools do; on failure returns false with
// a German description naming the process that holds it.
bool lockDevice(const PortDevice& device, int fd, QString& error);
