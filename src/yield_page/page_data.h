#pragma once

#include "daily_yield_chart.h"
#include "echo_histogram_chart.h"
#include "run_record/record_query.h"
#include "step_pareto_chart.h"
#include "yield_figures.h"
#include "yield_rows.h"

#include <QDateTime>
#include <QList>
#include <QString>

// A unit whose latest attempt in the range did not pass.
struct FailingUnit {
    QString unit;
    QString station;
    QDateTime time; // local
    QString verdict;
    QStringList failedSteps; // captions in the language in force
};

// What the yield page shows, counted by the record (YieldLooks).
struct PageData {

    QDateTime made;
    QDateTime from; // the filter's, else the first attempt's; invalid without either
    QDateTime until;
    YieldFigures figures;
    QList<DailyYieldChart::Day> days;
    QList<StepParetoChart::Step> steps;
    QList<CauseCount> causes;
    QList<EchoHistogramChart::Step> echoes;
    QList<FailingUnit> failing; // newest first, at most YieldLooks::shownFailingUnits
    int moreFailing = 0;

    // Only units' attempts count, whatever `filter` says.
    static bool gather(RecordQuery& record, RecordFilter filter, PageData& data, QString& message);
};
