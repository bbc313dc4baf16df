#pragma once

#include <QDeadlineTimer>
#include <QObject>

class SerialPort;

// Bytes written are not yet bytes delivered: the driver sends them on while the program has
// moved on. After the last bytes of a banner or a demo text, a loss of the line within the
// time they take on the wire (and a margin for the far end to hang up) means they did not
// all arrive, and is told as a loss.
class LateLossWatch : public QObject {
    Q_OBJECT

public:
    explicit LateLossWatch(SerialPort& port, QObject* parent = nullptr);

    // Watches for as long as `bytes` take at the port's speed, plus the margin.
    void arm(qsizetype bytes);
    // Stops watching at once: a loss from now on is no loss of these bytes.
    void disarm() { deadline_ = QDeadlineTimer(0); }
    // The bytes watched for may still be on their way.
    bool watching() const { return !lost_ && !deadline_.hasExpired(); }
    // Waits, processing events, until the watch has run out or the line was lost; true when
    // the line was lost.
    bool settle();

signals:
    void lost();

private:
    SerialPort& port_;
    QDeadlineTimer deadline_;
    bool lost_ = false;
};
