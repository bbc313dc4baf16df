#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <functional>
#include <memory>

// Lines and a streamed report leave through a thread of their own: a reader that stalls or
// has gone away never holds up a terminal or a signal. Bytes for a closed reader are dropped.
class OutputWriter : public QObject {
    Q_OBJECT

public:
    explicit OutputWriter(QObject* parent = nullptr);
    // Waits for the writer only when it is idle; one stuck in a write is left to the exit.
    ~OutputWriter() override;

    // Queues bytes for `fd`; what a gone reader misses is lost without a word.
    void write(int fd, const QByteArray& bytes);
    // Queues bytes whose delivery counts, and closes `fd` after them when `closeAfter`.
    // checkedError() tells the outcome once the writer is idle.
    void writeChecked(int fd, const QByteArray& bytes, bool closeAfter);
    // The errno of the last checked write, 0 when it went out whole, -1 while it is pending.
    int checkedError() const;

    // Processes events until everything queued is out or the deadline passes; once
    // stopWaiting() has been called (a signal), each wait lasts a short grace at most. True
    // when everything is out.
    bool waitUntilDrained(QDeadlineTimer deadline);
    void stopWaiting();

signals:
    void drained();
    void waitStopped();

private:
    bool idle() const;

    struct Shared;
    std::shared_ptr<Shared> shared_;
    bool stopped_ = false;
};
