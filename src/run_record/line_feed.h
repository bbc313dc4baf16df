#pragma once

#include "record_places.h"

#include <QDeadlineTimer>
#include <QString>
#include <functional>
#include <memory>

// Forwarding to the line database on a thread of its own, so that a line that hangs holds up
// only that thread: whoever waits for it stops at a deadline or an ending signal. A forward
// cut short leaves no half record anywhere, so a process may end while one is still at work.
class LineFeed {
public:
    struct Outcome {
        bool ended = false; // false: still at work when the wait ended
        QString error;      // why something still waits; empty when all went through
        int forwarded = 0;
        int setAside = 0;
        int waiting = 0; // what still waits in the station's file afterwards
    };

    // Starts at once; `onEnd`, when given, is called on the feed's own thread at its end.
    explicit LineFeed(const RecordPlaces& places, std::function<void(const Outcome&)> onEnd = {});
    // Does not wait for the thread, which ends on its own.
    ~LineFeed();
    LineFeed(const LineFeed&) = delete;
    LineFeed& operator=(const LineFeed&) = delete;

    // Waits for the end until `deadline` or an ending signal.
    Outcome wait(QDeadlineTimer deadline);
    bool ended() const;

    // Forwards on the calling thread, for as long as it takes.
    static Outcome forwardNow(const RecordPlaces& places);

    // Whether a forward of this process is still at work.
    static bool anyAtWork();
    // Ends the process with `status` at once when one is: waiting for it could mean waiting
    // for a server that never answers.
    static void endProcessIfAtWork(int status);

    struct State;

private:
    std::shared_ptr<State> state_;
};
