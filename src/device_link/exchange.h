#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class OperatorPrompt;
class SerialPort;

// The request/reply exchange with the terminal: send a text, then wait until an awaited
// text has come back, the time-out has elapsed or the operator has cancelled.
class Exchange : public QObject {
    Q_OBJECT

public:
    Exchange(SerialPort& port, OperatorPrompt& prompt, const bool& cancelRequested,
             QObject* parent = nullptr);

    // Returns everything received during the exchange, or an empty text on time-out or
    // cancel. A negative time-out waits as long but stays silent; 0 sets no limit.
    QByteArray SendAndWaitFor(const QByteArray& cmd, const QByteArray& waitfor, qint16 TimeOutTime);
    void StartTimeOutTimer(qint16 TimeOutTime);
    void TimeOutTimer_Timer();
    // Receive handler of the port: collects what arrived for the next pass of a wait.
    void MSComm1_OnComm();

    // The controls that must not start a second operation while a wait runs.
    void setWindowToDisable(QWidget* window) { window_ = window; }
    bool isWaiting() const { return waiting_; }

    QByteArray ReceivedText;
    bool TimedOut = false;
    QTimer TimeOutTimer;

private:
    void setWindowEnabled(bool enabled);

    SerialPort& port_;
    OperatorPrompt& prompt_;
    const bool& cancelRequested_;
    QPointer<QWidget> window_;
    bool waiting_ = false;
};
