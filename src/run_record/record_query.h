#pragma once

#include "record_reader.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>

class RecordConnection;
struct RecordPlaces;

// Which terminal runs a look at the record takes in. Every value is bound to the query,
// never written into its text.
struct RecordFilter {
    QString unit;     // empty: every unit
    QString station;  // empty: every station
    QDateTime since;  // invalid: from the first run
    QDateTime before; // invalid: to the last run; runs started at it are left out
    bool unitsOnly = false;
};

// A terminal run that named its unit, as little of it as the yield needs. `started` is the
// record's UTC text, which sorts as it reads.
struct UnitAttempt {
    QString unit;
    QString station;
    QString started;
    bool passed = false;
};

Q_DECLARE_TYPEINFO(UnitAttempt, Q_RELOCATABLE_TYPE);

struct StepFailures {
    int index = 0;
    QString caption; // German, as recorded
    int failed = 0;
};

struct CauseCount {
    QString kind;
    int count = 0;
};

// How many rows of a step waited `slowestMs` for their slowest echo.
struct EchoTimes {
    int index = 0;
    qint64 slowestMs = 0;
    int rows = 0;
};

// A terminal run that did not pass, with the steps whose rows failed (none when its port did
// not open).
struct FailedRun {
    QString unit;
    QString started;
    QString verdict;
    QList<int> failedSteps;
};

// A record opened to be read and never written: the line database when one is set, else the
// station's own file. A file that is not there yet, or a database without tables, reads as
// empty and stays as it is. Every message names the record.
class RecordQuery {
public:
    explicit RecordQuery(const RecordPlaces& places);
    // The station's own file, whatever line database is set.
    static RecordQuery local(const RecordPlaces& places);
    ~RecordQuery();
    RecordQuery(RecordQuery&&) noexcept;

    bool open(QString& message);

    // Newest first; `limit` 0 for all.
    bool history(const RecordFilter& filter, int limit, QList<RecordedRun>& runs, QString& message);
    // In the order they ran.
    bool attempts(const RecordFilter& filter, QList<UnitAttempt>& attempts, QString& message);
    // The steps with at least one failed row.
    bool stepFailures(const RecordFilter& filter, QList<StepFailures>& steps, QString& message);
    // Of the ports that did not open, most frequent first.
    bool causes(const RecordFilter& filter, QList<CauseCount>& causes, QString& message);
    // By step, then by time; only rows that got an echo.
    bool echoTimes(const RecordFilter& filter, QList<EchoTimes>& times, QString& message);
    // In the order they ran.
    bool failedRuns(const RecordFilter& filter, QList<FailedRun>& runs, QString& message);
    bool waitingCount(int& count, QString& message);

private:
    RecordQuery(bool line, const QString& place);
    bool failed(const QString& cause, QString& message) const;

    std::unique_ptr<RecordConnection> connection_;
    QString shownPlace_;
    bool empty_ = false;
};

// The part of a WHERE clause on `t` (terminal_run) and `r` (run) that a filter makes.
RecordReader::Selection selectionOf(const RecordFilter& filter);
