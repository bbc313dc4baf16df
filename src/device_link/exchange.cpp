#include "exchange.h"

#include "serial_port.h"
#include "wait_observer.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>

namespace {
// What a terminal sends while nobody waits is discarded by the next exchange anyway;
// keeping only the tail keeps a flooding terminal from filling memory.
constexpr qsizetype idleReceiveLimit = 64 * 1024;
} // namespace

Exchange::Exchange(SerialPort& port, const bool& cancelRequested, QObject* parent)
    : QObject(parent), port_(port), cancelRequested_(cancelRequested) {
    TimeOutTimer.setObjectName(QStringLiteral("TimeOutTimer"));
    TimeOutTimer.setSingleShot(true);
    TimeOutTimer.setTimerType(Qt::PreciseTimer);
    TimeOutTimer.setInterval(1000);
    connect(&TimeOutTimer, &QTimer::timeout, this, &Exchange::TimeOutTimer_Timer);
    connect(&port_, &SerialPort::OnComm, this, &Exchange::MSComm1_OnComm);
}

void Exchange::StartTimeOutTimer(qint16 TimeOutTime) {
    TimedOut = false;
    if (TimeOutTime < 1)
        return;
    TimeOutTimer.start(TimeOutTime);
}

void Exchange::TimeOutTimer_Timer() {
    TimedOut = true;
    TimeOutTimer.stop();
}

void Exchange::MSComm1_OnComm() {
    if (port_.CommEvent() != SerialPort::comEvReceive)
        return;
    ReceivedText += port_.Input();
    if (!waiting_ && ReceivedText.size() > idleReceiveLimit)
        ReceivedText = ReceivedText.right(idleReceiveLimit);
}

QByteArray Exchange::SendAndWaitFor(const QByteArray& cmd, const QByteArray& waitfor,
                                    qint16 TimeOutTime) {
    QByteArray reply;
    port_.discardInput();
    ReceivedText.clear();
    setWaiting(true);
    waited_.start();
    const bool reportTimeOut = TimeOutTime >= 0;
    StartTimeOutTimer(static_cast<qint16>(std::min(32767, std::abs(int(TimeOutTime)))));
    port_.setOutput(cmd);
    // Each pass sleeps until the port, the timer or the operator has something to say.
    for (;;) {
        if (cancelRequested_ || TimedOut) {
            const bool tell = TimedOut && reportTimeOut;
            finish(reply + ReceivedText, false);
            if (tell && observer_)
                observer_->noAnswer(cmd);
            return {};
        }
        if (!ReceivedText.isEmpty()) {
            const qsizetype searchFrom =
                std::max<qsizetype>(0, reply.size() - std::max<qsizetype>(1, waitfor.size()) + 1);
            reply += ReceivedText;
            ReceivedText.clear();
            if (reply.indexOf(waitfor, searchFrom) >= 0) {
                TimeOutTimer.stop();
                return finish(std::move(reply), true);
            }
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

QByteArray Exchange::finish(QByteArray reply, bool answered) {
    LastWaitMs = waited_.elapsed();
    LastReply = reply;
    setWaiting(false);
    return answered ? std::move(reply) : QByteArray();
}

void Exchange::setWaiting(bool waiting) {
    waiting_ = waiting;
    if (!observer_)
        return;
    if (waiting)
        observer_->waitStarted();
    else
        observer_->waitEnded();
}
