#pragma once

#include "daily_yield_chart.h"
#include "yield_rows.h"

#include <QDate>
#include <QHash>
#include <QList>

// Each unit's first and latest attempt among those given, found in one pass.
struct UnitSpan {
    qsizetype first = 0; // indexes into the attempts
    qsizetype latest = 0;
};

namespace UnitAttempts {

// Attempts must come in the order they ran, as the record gives them.
QHash<QString, UnitSpan> spans(const QList<UnitAttempt>& attempts);

// The local day of a record time, "2026-12-08T17:04:33.123Z".
QDate localDay(const QString& recordTime);

// Units by the local day of their first attempt, every day from the first to the last.
QList<DailyYieldChart::Day> daily(const QList<UnitAttempt>& attempts,
                                  const QHash<QString, UnitSpan>& spans);

} // namespace UnitAttempts
