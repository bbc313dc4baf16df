#pragma once

#include "run_record/unit_group.h"

#include <QList>
#include <QString>
#include <optional>

// How many units passed at their first and at their latest attempt, over the attempts a
// filter selects: only those count, so a window of time makes its first attempt a unit's
// first. Attempts without a unit count nowhere.
struct YieldFigures {
    struct Station {
        QString name;
        int units = 0;
        std::optional<double> firstPassYield; // 0..1; none without units
        std::optional<double> finalYield;
    };

    int units = 0;
    int terminalRuns = 0;
    std::optional<double> firstPassYield;
    std::optional<double> finalYield;
    QList<Station> stations; // by name; each counts the attempts made there alone

    // Summed from the record's counts (YieldLooks).
    static YieldFigures of(const QList<UnitGroup>& groups);
};
