#pragma once

#include "device_link/serial_devices.h"
#include "test_sequence/terminal_run.h"

#include <QList>
#include <QMutex>

// What discovery knows of the adapters, asked once for all terminals of a run and only when
// a terminal is not a pseudo-terminal: one discovery walks every tty the system has.
class AdapterDirectory {
public:
    std::optional<TerminalRun::Adapter> find(const QString& device);

private:
    QMutex mutex_;
    bool discovered_ = false;
    QList<SerialDevice> devices_;
};
