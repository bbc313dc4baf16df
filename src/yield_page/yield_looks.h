#pragma once

#include "run_record/record_query.h"
#include "run_record/unit_group.h"
#include "yield_rows.h"

#include <QList>
#include <QString>

// What the yield reads from the record, every figure counted by the database, two looks at a
// time: the units' counts, the failed rows per step and the ports that did not open; for the
// page also the echo times and the units whose latest attempt failed.
struct YieldLooks {
    static constexpr int shownFailingUnits = 200;
    enum class For { Figures, Page };

    QList<UnitGroup> groups;
    QList<StepFailures> steps;
    QList<CauseCount> causes;
    QList<EchoTimes> echoes;
    QList<FailedRun> failing; // newest first, at most shownFailingUnits

    // Only units' attempts count, whatever `filter` says.
    static bool read(RecordQuery& record, RecordFilter filter, For use, YieldLooks& looks,
                     QString& message);
};
