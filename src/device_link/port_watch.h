#pragma once

#include <QObject>
#include <QTimer>

class SerialPort;

// While the port is closed because its device is missing, after a loss as after a failed
// opening, looks for the device once a second and opens the port as soon as it is there.
// Opening the port by other means or choosing another number ends it.
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
