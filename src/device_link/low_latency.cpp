#include "low_latency.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

void LowLatency::enable(int fd) {
    serial_struct serial{};
    saved_ = false;
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return;
    savedFlags_ = serial.flags;
    saved_ = true;
    if (serial.flags & ASYNC_LOW_LATENCY)
        return;
    serial.flags |= ASYNC_LOW_LATENCY;
    ::ioctl(fd, TIOCSSERIAL, &serial);
}

void LowLatency::restore(int fd) {
    serial_struct serial{};
    if (!saved_ || ::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return;
    saved_ = false;
    if (serial.flags == savedFlags_)
        return;
    serial.flags = savedFlags_;
    ::ioctl(fd, TIOCSSERIAL, &serial);
}
