#include "pty_pair.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair() {
    char name[64] = {};
    termios raw{};
    cfmakeraw(&raw);
    // As a serial driver sets them: Xon/Xoff flow control, once on, acts on these.
    raw.c_cc[VSTART] = 0x11;
    raw.c_cc[VSTOP] = 0x13;
    if (::openpty(&master_, &slave_, name, &raw, nullptr) != 0)
        qFatal("openpty failed");
    ::fcntl(master_, F_SETFL, O_NONBLOCK);
    slavePath_ = QString::fromLocal8Bit(name);
}

PtyPair::~PtyPair() {
    hangUp();
}

void PtyPair::writeMaster(const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.constData() + written, bytes.size() - written);
        if (n > 0) {
            written += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN)
            return;
        // The line is full: let the program read before the rest goes out.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        pollfd writable{master_, POLLOUT, 0};
        ::poll(&writable, 1, 5);
    }
}

QByteArray PtyPair::readMaster(int count, int timeoutMs) {
    QByteArray bytes;
    QElapsedTimer clock;
    clock.start();
    while (bytes.size() < count && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        pollfd ready{master_, POLLIN, 0};
        if (::poll(&ready, 1, 5) <= 0)
            continue;
        char chunk[4096];
        const ssize_t n = ::read(master_, chunk, sizeof chunk);
        if (n > 0)
            bytes.append(chunk, n);
    }
    return bytes;
}

bool PtyPair::slaveReadable(int timeoutMs) {
    pollfd ready{slave_, POLLIN, 0};
    return ::poll(&ready, 1, timeoutMs) == 1;
}

bool PtyPair::slaveOutputIs(bool running, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        pollfd writable{slave_, POLLOUT, 0};
        ::poll(&writable, 1, 0);
        if (((writable.revents & POLLOUT) != 0) == running)
            return true;
        if (clock.elapsed() > timeoutMs)
            return false;
        ::usleep(500);
    }
}

void PtyPair::hangUp() {
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

bool PtyPair::slaveLocked() const {
    // Asks through the slave descriptor openpty gave: a fresh open fails with EBUSY for a
    // non-root user once the holder set TIOCEXCL, but flock() conflicts between any two open
    // descriptions of the node.
    if (::flock(slave_, LOCK_EX | LOCK_NB) == 0) {
        ::flock(slave_, LOCK_UN);
        return false;
    }
    const int error = errno;
    if (error != EWOULDBLOCK)
        qFatal("cannot test the slave side's lock: %s", strerror(error));
    return true;
}
