#pragma once

#include "yield_rows.h"

#include <QList>
#include <QString>
#include <optional>

// How many units passed at their first and at their latest attempt, over the attempts given:
// only those count, so a window of time makes its first attempt a unit's first.
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

    // Attempts run at the same time keep the order they are given in; one without a unit
    // counts nowhere.
    static YieldFigures of(QList<UnitAttempt> attempts);
};
