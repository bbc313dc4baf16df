#pragma once

#include "device_link/wait_observer.h"

#include <QPointer>
#include <QWidget>

class OperatorPrompt;

// Keeps the window's controls from starting a second operation while an exchange waits, and
// tells a reported time-out in a box.
class WaitingControls : public WaitObserver {
public:
    WaitingControls(QWidget* controls, OperatorPrompt& prompt)
        : controls_(controls), prompt_(prompt) {}

    void waitStarted() override;
    void waitEnded() override;
    void noAnswer(const QByteArray& sent) override;

private:
    QPointer<QWidget> controls_;
    OperatorPrompt& prompt_;
};
