#pragma once

#include "record_places.h"
#include "test_sequence/run_identity.h"
#include "test_sequence/terminal_run.h"

#include <QAtomicInt>
#include <QMutex>
#include <QString>
#include <memory>

// What the window and the production run hand their finished terminal runs to. Every run
// lands in the local record first; the line database gets it by forwarding, so a server
// that is away costs the run nothing. Safe to call from every terminal's thread at once.
class RecordConnection;

class RunRecorder {
public:
    // Opens the local record on this thread and keeps it open while the recorder lives.
    explicit RunRecorder(const RecordPlaces& places);
    ~RunRecorder();

    // Stores the run and sets its attempt. Returns the message to tell when it could not be
    // stored; the run itself stands as it ended.
    QString record(const RunIdentity& run, TerminalRun& terminal);

    // Forwards whatever waits for the line database. Returns the message to tell when
    // something still waits, or nothing.
    QString forward();

    const RecordPlaces& places() const { return places_; }

private:
    std::optional<int> lineRunsOf(const QString& unit);
    QString takeLineDown();

    RecordPlaces places_;
    QAtomicInt localFailed_;
    // The terminals of one run take turns at the local record: SQLite's own wait for a lock
    // sleeps in steps of up to 100 ms, a queue here does not.
    QMutex writing_;
    bool prepared_ = false;
    // SQLite folds its write-ahead log into the file, with two flushes to disk, whenever the
    // last connection to a file closes; this one stays open, so a terminal's own does not.
    std::unique_ptr<RecordConnection> keeper_;
    // Why the line database could not be reached while this run counted attempts.
    QMutex lineDownGuard_;
    QString lineDown_;
};
