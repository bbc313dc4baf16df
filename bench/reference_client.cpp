#include "reference_client.h"

#include "measure.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

bool waitUntil(int fd, short events, qint64 deadlineMs, const QElapsedTimer& clock) {
    pollfd watched{fd, events, 0};
    const qint64 left = deadlineMs - clock.elapsed();
    return left > 0 && ::poll(&watched, 1, int(left)) == 1;
}

bool writeAll(int fd, const QByteArray& bytes, const QElapsedTimer& clock) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (errno != EAGAIN || !waitUntil(fd, POLLOUT, clock.elapsed() + 1000, clock))
            return false;
    }
    return true;
}

// Like the exchange: what arrived before the request cannot answer it.
void discardWaiting(int fd) {
    char buffer[256];
    while (::read(fd, buffer, sizeof buffer) > 0) {
    }
}

bool echoed(int fd, char awaited, int timeOutMs, const QElapsedTimer& clock) {
    const qint64 deadline = clock.elapsed() + timeOutMs;
    char buffer[256];
    while (waitUntil(fd, POLLIN, deadline, clock)) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0 && std::find(buffer, buffer + n, awaited) != buffer + n)
            return true;
    }
    return false;
}

bool sendStream(int fd, const std::vector<StreamWrite>& stream, const QElapsedTimer& clock) {
    bool allEchoed = true;
    for (const StreamWrite& write : stream) {
        if (write.awaited)
            discardWaiting(fd);
        if (!writeAll(fd, write.bytes, clock))
            return false;
        if (write.awaited && !echoed(fd, write.bytes.front(), write.timeOutMs, clock))
            allEchoed = false;
    }
    return allEchoed;
}

} // namespace

ReferenceRun runReference(const QString& linePath, const std::vector<StreamWrite>& stream) {
    ReferenceRun run;
    const double processorBefore = processorMs();
    QElapsedTimer clock;
    clock.start();
    const int fd =
        ::open(linePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return run;
    termios raw{};
    if (::tcgetattr(fd, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(fd, TCSANOW, &raw);
        run.passed = sendStream(fd, stream, clock);
    }
    ::close(fd);
    run.wallMs = double(clock.nsecsElapsed()) / 1e6;
    run.processorMs = processorMs() - processorBefore;
    return run;
}
