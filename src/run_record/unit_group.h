#pragma once

#include <QString>

// How many units passed at their first and at their latest attempt.
struct UnitCounts {
    int units = 0;
    int firstPassed = 0;
    int finalPassed = 0;
};

// The terminal runs at a station whose units' first attempt fell into one part of an hour.
struct UnitGroup {
    QString station;
    QString firstTime; // UTC, "2026-12-08T17:45", where the part begins; empty when the
                       // look counted stations only
    int terminalRuns = 0;
    // The units whose first attempt of all is in the group, counted once; each counts where
    // that attempt was made.
    UnitCounts overall;
    // The units' first and latest attempts at this station among the group's terminal runs:
    // summed over a station's groups, the station's own figures.
    UnitCounts here;
    QString earliest; // the record's UTC text, which sorts as it reads
    QString latest;
};
