#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class SerialPort;
class WaitObserver;

// The request/reply exchange with the terminal: send a text, then wait until an awaited
// text has come back, the time-out has elapsed or the operator has cancelled.
class Exchange : public QObject {
    Q_OBJECT

public:
    Exchange(SerialPort& port, const bool& cancelRequested, QObject* parent = nullptr);

    // Returns everything received during the exchange, or an empty text on time-out or
    // cancel. A negative time-out waits as long but stays silent; 0 sets no limit.
    QByteArray SendAndWaitFor(const QByteArray& cmd, const QByteArray& waitfor, qint16 TimeOutTime);
    void StartTimeOutTimer(qint16 TimeOutTime);
    void TimeOutTimer_Timer();
    // Receive handler of the port: collects what arrived for the next pass of a wait.
    void MSComm1_OnComm();

    // Who hears of each wait's start, end and reported time-out; none by default.
    void setObserver(WaitObserver* observer) { observer_ = observer; }
    bool isWaiting() const { return waiting_; }

    QByteArray ReceivedText;
    // What the last exchange got back, answered or not, and how long it waited.
    QByteArray LastReply;
    qint64 LastWaitMs = 0;
    bool TimedOut = false;
    QTimer TimeOutTimer;

private:
    void setWaiting(bool waiting);
    QByteArray finish(QByteArray reply, bool answered);

    SerialPort& port_;
    const bool& cancelRequested_;
    WaitObserver* observer_ = nullptr;
    QElapsedTimer waited_;
    bool waiting_ = false;
};
