#pragma once

#include "daily_yield_chart.h"
#include "run_record/unit_group.h"

#include <QDate>
#include <QList>

// The local day of each unit, from the record's groups of units by the UTC time of their first
// attempt.
namespace UnitDays {

// The minute of the UTC hour at which the local day changes, 0 where the local time is a
// whole number of hours off UTC (30 in India, 15 in Nepal).
int splitMinute();

// The local day of a record time, "2026-12-08T17:04:33.123Z" or "2026-12-08T17:45".
QDate localDay(const QString& recordTime);

// Units by the local day of their first attempt, every day from the first to the last.
QList<DailyYieldChart::Day> daily(const QList<UnitGroup>& groups);

} // namespace UnitDays
