#pragma once

#include <QList>
#include <QString>

// What the yield reads from the record, as the record's looks hand it over (RecordQuery).

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

// A unit whose latest attempt did not pass, with the steps whose rows failed at it (none when
// its port did not open). `started` is the record's UTC text.
struct FailedRun {
    QString unit;
    QString station;
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
