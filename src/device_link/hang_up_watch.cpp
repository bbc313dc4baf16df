#include "hang_up_watch.h"

#include <QSocketNotifier>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// Measured with a pseudo-terminal whose master closes (the kernel's own hang-up): poll()
// reports POLLIN|POLLERR|POLLHUP and read() returns 0, on Debian 12 and 13 alike. Qt 6.4
// then repeats ReadError until the port closes; Qt 6.8 reports nothing at all while its
// read notifier spins on the empty reads. So the loss is read from poll() here, woken by a
// read notifier on a duplicate descriptor: it fires on data too (Qt reads that at once in
// the same pass), and on the hang-up, which is level-triggered and cannot be missed.

HangUpWatch::HangUpWatch(QObject* parent) : QObject(parent) {}

HangUpWatch::~HangUpWatch() {
    stop();
}

void HangUpWatch::watch(int fd) {
    stop();
    fd_ = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (fd_ < 0)
        return;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &HangUpWatch::look);
}

void HangUpWatch::stop() {
    if (fd_ < 0)
        return;
    delete notifier_;
    notifier_ = nullptr;
    ::close(fd_);
    fd_ = -1;
}

bool HangUpWatch::hungUp(int fd) {
    pollfd line{fd, 0, 0};
    return ::poll(&line, 1, 0) < 0 || (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void HangUpWatch::look() {
    if (fd_ < 0 || !hungUp(fd_))
        return;
    stop();
    emit lineHungUp();
}
