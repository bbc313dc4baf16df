#include "late_loss_watch.h"

#include "device_link/line_settings.h"
#include "device_link/serial_port.h"

#include <QCoreApplication>
#include <QTimer>

namespace {
// Time for the far end to hang up after it stopped taking bytes: a pty tells within a
// millisecond, an adapter within its latency timer of up to 16 ms.
constexpr qint64 hangUpMarginMs = 50;
constexpr qint64 bitsPerByte = 11; // start, 8 data, parity, stop: the widest framing offered
} // namespace

LateLossWatch::LateLossWatch(SerialPort& port, QObject* parent) : QObject(parent), port_(port) {
    deadline_ = QDeadlineTimer(0);
    connect(&port_, &SerialPort::deviceLost, this, [this] {
        if (deadline_.hasExpired())
            return;
        lost_ = true;
        deadline_ = QDeadlineTimer(0);
        emit lost();
    });
}

void LateLossWatch::arm(qsizetype bytes) {
    LineSettings settings;
    RejectedSetting ignored;
    parseLineSettings(port_.Settings(), settings, ignored);
    const qint64 wireMs = bytes * bitsPerByte * 1000 / std::max(1, settings.baud);
    lost_ = false;
    deadline_ = QDeadlineTimer(wireMs + hangUpMarginMs, Qt::PreciseTimer);
}

bool LateLossWatch::settle() {
    while (!lost_ && !deadline_.hasExpired()) {
        QTimer wake;
        wake.setSingleShot(true);
        wake.start(int(std::max<qint64>(1, deadline_.remainingTime())));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return lost_;
}
