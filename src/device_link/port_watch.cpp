#include "port_watch.h"

#include "serial_port.h"

#include <QFileInfo>

namespace {
constexpr int lookEveryMs = 1000;
}

PortWatch::PortWatch(SerialPort& port, QObject* parent) : QObject(parent), port_(port) {
    timer_.setInterval(lookEveryMs);
    timer_.setTimerType(Qt::VeryCoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &PortWatch::look);
    connect(&port_, &SerialPort::deviceLost, this, &PortWatch::start);
    connect(&port_, &SerialPort::openingFailed, this, [this] {
        if (port_.problem().kind == PortProblem::DeviceMissing)
            start();
    });
    connect(&port_, &SerialPort::PortOpenChanged, this, [this](bool open) {
        if (open)
            timer_.stop();
    });
}

void PortWatch::start() {
    commPort_ = port_.CommPort();
    timer_.start();
}

// Only a device node that is there again is worth an attempt to open it.
void PortWatch::look() {
    if (port_.CommPort() != commPort_ || port_.PortOpen()) {
        timer_.stop();
        return;
    }
    if (QFileInfo::exists(port_.devicePath()))
        port_.setPortOpen(true);
}
