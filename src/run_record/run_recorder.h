#pragma once

#include "record_places.h"
#include "test_sequence/run_identity.h"
#include "test_sequence/terminal_run.h"

#include <QAtomicInt>
#include <QString>

// What the window and the production run hand their finished terminal runs to. Every run
// lands in the local record first; the line database gets it by forwarding, so a server
// that is away costs the run nothing. Safe to call from every terminal's thread at once.
class RunRecorder {
public:
    explicit RunRecorder(const RecordPlaces& places);

    // Stores the run and sets its attempt. Returns the message to tell when it could not be
    // stored; the run itself stands as it ended.
    QString record(const RunIdentity& run, TerminalRun& terminal);

    // Forwards whatever waits for the line database. Returns the message to tell when
    // something still waits, or nothing.
    QString forward();

    const RecordPlaces& places() const { return places_; }

private:
    std::optional<int> lineRunsOf(const QString& unit);

    RecordPlaces places_;
    QAtomicInt localFailed_;
};
