#pragma once

#include <QDate>
#include <QList>
#include <QString>

// First-pass and final yield per day, two bars a day side by side.
namespace DailyYieldChart {

// The units whose first attempt in the range fell on `day`, local time, and how many of them
// passed at that attempt and at their latest one in the range.
struct Day {
    QDate day;
    int units = 0;
    int firstPassed = 0;
    int finalPassed = 0;
};

// Days without units keep their place, empty.
QString svg(const QList<Day>& days);

} // namespace DailyYieldChart
