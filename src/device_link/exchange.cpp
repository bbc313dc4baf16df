#include "exchange.h"

#include "operator_ui/captions.h"
#include "operator_ui/operator_prompt.h"
#include "serial_port.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>

namespace {
// What a terminal sends while nobody waits is discarded by the next exchange anyway;
// keeping only the tail keeps a flooding terminal from filling memory.
constexpr qsizetype idleReceiveLimit = 64 * 1024;
} // namespace

Exchange::Exchange(SerialPort& port, OperatorPrompt& prompt, const bool& cancelRequested,
                   QObject* parent)
    : QObject(parent), port_(port), prompt_(prompt), cancelRequested_(cancelRequested) {
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
    setWindowEnabled(false);
    const bool reportTimeOut = TimeOutTime >= 0;
    StartTimeOutTimer(static_cast<qint16>(std::min(32767, std::abs(int(TimeOutTime)))));
    port_.setOutput(cmd);
    // Each pass sleeps until the port, the timer or the operator has something to say.
    for (;;) {
        if (cancelRequested_ || TimedOut) {
            setWindowEnabled(true);
            if (TimedOut && reportTimeOut)
                prompt_.ask({Captions::noAnswer(QString::fromLatin1(cmd)), Captions::programTitle});
            return {};
        }
        if (!ReceivedText.isEmpty()) {
            const qsizetype searchFrom =
                std::max<qsizetype>(0, reply.size() - std::max<qsizetype>(1, waitfor.size()) + 1);
            reply += ReceivedText;
            ReceivedText.clear();
            if (reply.indexOf(waitfor, searchFrom) >= 0) {
                setWindowEnabled(true);
                TimeOutTimer.stop();
                return reply;
            }
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void Exchange::setWindowEnabled(bool enabled) {
    waiting_ = !enabled;
    if (window_)
        window_->setEnabled(enabled);
}
