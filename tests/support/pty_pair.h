#pragma once

#include <QByteArray>
#include <QString>

// A raw pseudo-terminal: the program opens slavePath, the test plays the far end.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    QString slavePath() const { return slavePath_; }
    void writeMaster(const QByteArray& bytes);
    // Collects what the program wrote until `count` bytes are there or the time is up,
    // processing the program's events meanwhile.
    QByteArray readMaster(int count, int timeoutMs = 2000);
    // Whether someone holds flock() on the slave side, as Quendal does while it is open.
    bool slaveLocked() const;
    // Waits, without processing the program's events, until what the master wrote waits
    // in the driver on the program's side.
    bool slaveReadable(int timeoutMs = 2000);
    // Waits until output on the program's side runs, or is stopped by flow control.
    bool slaveOutputIs(bool running, int timeoutMs = 2000);
    // Takes the line away, as an adapter pulled out of its socket.
    void hangUp();

private:
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
};
