#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP end the program the way its owner says: the window leaves
// every event loop, a production run interrupts its terminals. The signal handler only
// writes to a pipe; `onSignal` runs on the thread that made this object. There is one per
// process: the pipe and the handlers saved before belong to it alone.
class SignalExit : public QObject {
    Q_OBJECT

public:
    explicit SignalExit(std::function<void()> onSignal, QObject* parent = nullptr);
    ~SignalExit() override;

    // Holds the ending signals back from the first instruction on; the first SignalExit
    // takes those that came meanwhile. Without it, a signal during start-up would kill the
    // program before it could say anything.
    static void holdUntilHandled();
    // Whether an ending signal has come since a SignalExit took them: waits that the event loop
    // cannot end, such as one for a database, ask this instead.
    static bool received();
    // For commands that only read or forward the record, which a kill leaves whole: an ending
    // signal ends the process at once with `status`.
    static void exitAtOnce(int status);

private:
    void onSignal();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};
