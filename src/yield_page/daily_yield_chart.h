#pragma once

#include <QDate>
#include <QList>
#include <QString>

// First-pass and final yield per day, two lines with a point a day; the axis spans the
// figures, so that it starts above 0 where they all lie high.
namespace DailyYieldChart {

// The units whose first attempt in the range fell on `day`, local time, and how many of them
// passed at that attempt and at their latest one in the range.
struct Day {
    QDate day;
    int units = 0;
    int firstPassed = 0;
    int finalPassed = 0;
};

// Days without units keep their place, empty, and break the lines.
QString svg(const QList<Day>& days);

} // namespace DailyYieldChart
