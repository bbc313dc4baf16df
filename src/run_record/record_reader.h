#pragma once

#include "test_sequence/run_identity.h"
#include "test_sequence/terminal_run.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <limits>

class QSqlDatabase;

// One terminal run as the record holds it, with the run it belonged to.
struct RecordedRun {
    qint64 id = 0; // the terminal run's key in the record it came from
    RunIdentity run;
    TerminalRun terminal;
    // Why this build cannot read it as it was written, such as a verdict it does not know;
    // empty when it can.
    QString unreadable;
};

// Reads terminal runs back, steps and failures included, as they were written.
namespace RecordReader {

// A selection of terminal runs: a condition on `t` (terminal_run) and `r` (run) with `?` for
// each bound value, and what follows it (ORDER BY, LIMIT).
struct Selection {
    QString condition = QStringLiteral("1 = 1");
    QList<QVariant> values;
    QString order = QStringLiteral("ORDER BY r.started, t.id");
    // The record's schema version; the newest unless told.
    int version = std::numeric_limits<int>::max();
};

// The steps with their caption and result, as a table to select from, in a record of
// `version`: its step table itself before version 3.
QString stepRows(int version);

bool read(QSqlDatabase& database, const Selection& selection, QList<RecordedRun>& runs,
          QString& error);

} // namespace RecordReader
