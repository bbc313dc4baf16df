#pragma once

#include "port_problem.h"

#include <QSerialPort>
#include <QString>

// The device node that stands for a COM number, resolved before it is opened.
struct PortDevice {
    int commPort = 0;
    QString path;      // as mapped, possibly a symlink such as /dev/serial/by-id/...
    QString canonical; // the node itself, so a link and its target lock each other
    bool isPty = false;
};

// Resolves `path` for COM<commPort>; on failure returns false with the reason in `problem`.
// A lock file that is not a plain file counts as a failure: opening it could hang.
bool locateDevice(int commPort, const QString& path, PortDevice& device, PortProblem& problem);

// Finds why QSerialPort could not open the device, from the most specific evidence on: the
// device missing, a lock file of a running program, another tool's flock(), no rights, an
// exclusive hold. It opens the node itself only when nothing cheaper explains the failure.
PortProblem diagnoseOpenFailure(const PortDevice& device, QSerialPort::SerialPortError error,
                                const QString& systemText);

// Takes flock() on the open device, as other serial tools do; on failure returns false with
// the process that holds it in `problem`.
bool lockDevice(const PortDevice& device, int fd, PortProblem& problem);
