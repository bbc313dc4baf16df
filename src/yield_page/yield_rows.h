#pragma once

#include <QList>
#include <QString>

// What the yield reads from the record, as the record's looks hand it over (RecordQuery).

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

namespace YieldRows {

// Empties `rows` and returns the row function that appends each row a look hands it as one
// Row, its fields in order.
template <typename Row> auto collect(QList<Row>& rows) {
    rows.clear();
    return [&rows](const auto&... fields) { rows.append(Row{fields...}); };
}

} // namespace YieldRows
