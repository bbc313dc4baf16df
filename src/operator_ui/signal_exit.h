#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP end the program as "Programmende" does: a run in progress is
// cancelled, every modal window's event loop is left and the main loop ends, so the port
// closes with the main window. The signal handler only writes to a pipe; the rest happens
// on the user-interface thread.
class SignalExit : public QObject {
    Q_OBJECT

public:
    explicit SignalExit(bool& cancelRequested, QObject* parent = nullptr);
    ~SignalExit() override;

private:
    void onSignal();

    bool& cancelRequested_;
    QSocketNotifier* notifier_ = nullptr;
};
