#pragma once

#include <QObject>

class QSocketNotifier;

// The one place that decides a line has gone: the kernel reports a hang-up (POLLHUP or
// POLLERR) on the port's descriptor once the far end of a pseudo-terminal closes or a USB
// adapter is pulled. It watches a descriptor of its own, whatever Qt makes of the hang-up.
class HangUpWatch : public QObject {
    Q_OBJECT

public:
    explicit HangUpWatch(QObject* parent = nullptr);
    ~HangUpWatch() override;

    // Watches the open port `fd` until stop() or the hang-up.
    void watch(int fd);
    void stop();
    // What the kernel says of `fd` right now; a descriptor it no longer knows is gone too.
    static bool hungUp(int fd);

signals:
    void lineHungUp();

private:
    void look();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};
