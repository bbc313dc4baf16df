#pragma once

#include "record_places.h"
#include "test_sequence/run_identity.h"
#include "test_sequence/terminal_run.h"

#include <QAtomicInt>
#include <QDeadlineTimer>
#include <QHash>
#include <QMutex>
#include <QString>
#include <functional>
#include <memory>

class LineFeed;
class RecordConnection;

// What the window and the production run hand their finished terminal runs to. Every run
// lands in the local record first; the line database gets it by forwarding, on a thread of its
// own, so a server that is away or hangs costs a run no more than the wait it allows. Safe to
// call `record` from every terminal's thread at once.
class RunRecorder {
public:
    // Opens the local record on this thread and keeps it open while the recorder lives.
    explicit RunRecorder(const RecordPlaces& places);
    ~RunRecorder();

    // Stores the run, with its captions and results in German, and sets its attempt. Returns
    // the message to tell when it could not be stored; the run itself stands as it ended.
    QString record(const RunIdentity& run, TerminalRun& terminal);

    // Forwards whatever waits for the line database, waiting for it until `deadline` or an
    // ending signal. A line found away a short while ago is left alone unless `always`.
    // Returns the message to tell when something still waits, or nothing.
    QString forward(QDeadlineTimer deadline, bool always = false);
    // Starts a forward and returns at once; nothing when there is no line database or it was
    // found away a short while ago. `told` gets the message to tell, on the feed's thread.
    std::unique_ptr<LineFeed> forwardInBackground(std::function<void(const QString&)> told);

    struct Forwarded {
        int before = -1; // what waited; -1 when the station's file could not be read
        int forwarded = 0;
        int waiting = 0;
        QString error; // the message to tell, or nothing
    };
    // Forwards whatever waits, for as long as it takes.
    Forwarded forwardAll();

    // The attempts the station's file holds for the terminals of `runId`, by port: after a
    // forward, those the line database gave.
    QHash<QString, int> attempts(const QString& runId);
    // Every terminal run set aside from forwarding, as sentences.
    QStringList setAside();

    const RecordPlaces& places() const { return places_; }

private:
    QString lineAwayLately();
    QString waitingMessage(const QString& cause);

    RecordPlaces places_;
    QAtomicInt localFailed_;
    // The terminals of one run take turns at the local record: SQLite's own wait for a lock
    // sleeps in steps of up to 100 ms, a queue here does not.
    QMutex writing_;
    bool prepared_ = false;
    // SQLite folds its write-ahead log into the file, with two flushes to disk, whenever the
    // last connection to a file closes; this one stays open, so a terminal's own does not.
    std::unique_ptr<RecordConnection> keeper_;
    QString keeperError_;
};
