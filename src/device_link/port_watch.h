#pragma once

#include <QObject>
#include <QTimer>

class SerialPort;

// After the device of the port went away, looks for it once a second and reopens the port
// as soon as it is back. Opening the port by other means or choosing another number ends it.
class PortWatch : public QObject {
    Q_OBJECT

public:
    explicit PortWatch(SerialPort& port, QObject* parent = nullptr);

    bool watching() const { return timer_.isActive(); }

private:
    void start();
    void look();

    SerialPort& port_;
    QTimer timer_;
    int commPort_ = 0;
};
