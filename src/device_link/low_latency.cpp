#include "low_latency.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

namespace {
// Only one port is ever open; these are the flags it had before it was opened.
int savedFlags = 0;
bool saved = false;
} // namespace

void LowLatency::enable(int fd) {
    serial_struct serial{};
    saved = false;
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return;
    savedFlags = serial.flags;
    saved = true;
    if (serial.flags & ASYNC_LOW_LATENCY)
        return;
    serial.flags |= ASYNC_LOW_LATENCY;
    ::ioctl(fd, TIOCSSERIAL, &serial);
}

void LowLatency::restore(int fd) {
    serial_struct serial{};
    if (!saved || ::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return;
    saved = false;
    if (serial.flags == savedFlags)
        return;
    serial.flags = savedFlags;
    ::ioctl(fd, TIOCSSERIAL, &serial);
}
