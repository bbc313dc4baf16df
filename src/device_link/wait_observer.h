#pragma once

#include <QByteArray>

// Whoever shows an exchange: the window keeps its controls from starting a second operation
// while a wait runs and tells a time-out in a box; a production run tells it on a line.
class WaitObserver {
public:
    virtual ~WaitObserver() = default;
    virtual void waitStarted() = 0;
    virtual void waitEnded() = 0;
    // A wait whose time-out was to be reported ran out; `sent` is what went out.
    virtual void noAnswer(const QByteArray& sent) = 0;
};
