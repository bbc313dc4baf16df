#pragma once

#include "record_reader.h"
#include "unit_group.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

class QSqlQuery;
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
    // Another look at the same record, on a connection of its own, not yet open: one for
    // each thread.
    RecordQuery twin() const;
    // Whether two connections read at once are quicker than one after the other.
    bool readsInParallel() const;

    // The yield's looks hand their rows to a function, one call a row, and leave it to the
    // caller what to make of them. `started` is the record's UTC text, which sorts as it reads.
    using AttemptRow = std::function<void(const QString& unit, const QString& station,
                                          const QString& started, bool passed)>;
    using StepFailureRow = std::function<void(int index, const QString& caption, int failed)>;
    using CauseRow = std::function<void(const QString& kind, int count)>;
    using EchoRow = std::function<void(int index, qint64 slowestMs, int rows)>;

    // Newest first; `limit` 0 for all.
    bool history(const RecordFilter& filter, int limit, QList<RecordedRun>& runs, QString& message);
    // The terminal runs that named a unit, in the order they ran.
    bool attempts(const RecordFilter& filter, const AttemptRow& row, QString& message);
    // The steps with at least one failed row; the caption is the German one recorded.
    bool stepFailures(const RecordFilter& filter, const StepFailureRow& row, QString& message);
    // Of the ports that did not open, most frequent first.
    bool causes(const RecordFilter& filter, const CauseRow& row, QString& message);
    // How many rows of a step waited `slowestMs` for their slowest echo: by step, then by
    // time; only rows that got an echo.
    bool echoTimes(const RecordFilter& filter, const EchoRow& row, QString& message);
    // Units' first and latest attempts are found where the record is, each unit's attempts
    // in the order they ran (time, then id); only sums reach the program, grouped by the
    // station and the UTC hour of the unit's first attempt, each hour split at `splitMinute`
    // so that a local midnight off the full hour falls between two groups. Counted overall
    // and at each station in a look each, which two connections may share.
    enum class Counting { Overall, AtStations, Both };
    bool unitGroups(const RecordFilter& filter, int splitMinute, Counting counting,
                    const std::function<void(const UnitGroup&)>& row, QString& message);
    // The units whose latest attempt did not pass, newest first, at most `limit`, with the
    // steps whose rows failed at it (none when the port did not open).
    using FailingRow =
        std::function<void(const QString& unit, const QString& station, const QString& started,
                           const QString& verdict, const QList<int>& failedSteps)>;
    bool failingUnits(const RecordFilter& filter, int limit, const FailingRow& row,
                      QString& message);
    bool waitingCount(int& count, QString& message);

private:
    RecordQuery(bool line, const QString& place);
    bool failed(const QString& cause, QString& message) const;
    // Runs a look with `values` bound in order and hands `row` each row; an empty record has
    // none.
    bool select(const QString& statement, const QList<QVariant>& values,
                const std::function<void(const QSqlQuery&)>& row, QString& message);

    std::unique_ptr<RecordConnection> connection_;
    QString shownPlace_;
    bool empty_ = false;
    int version_ = -1; // the record's schema version, once open
};

// The part of a WHERE clause on `table`, terminal_run's name in the statement, that a filter
// makes.
RecordReader::Selection selectionOf(const RecordFilter& filter,
                                    const QString& table = QStringLiteral("t"));
