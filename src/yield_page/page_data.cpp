#include "page_data.h"

#include "page_captions.h"
#include "run_record/record_time.h"
#include "unit_days.h"
#include "yield_looks.h"

#include <QMap>
#include <algorithm>
#include <functional>

namespace {

QString stepCaption(int index, const QString& recorded) {
    if (index < 0 || index >= int(Captions::stepCaptions.size()))
        return recorded;
    return Captions::stepCaptions.at(index);
}

QList<StepParetoChart::Step> paretoSteps(const QList<StepFailures>& failures) {
    QList<StepParetoChart::Step> steps;
    for (const StepFailures& step : failures)
        steps.append({stepCaption(step.index, step.caption), step.failed});
    return steps;
}

QList<EchoHistogramChart::Step> echoSteps(const QList<EchoTimes>& times) {
    QMap<int, QMap<qint64, int>> byStep;
    for (const EchoTimes& time : times)
        byStep[time.index][time.slowestMs] += time.rows;
    QList<EchoHistogramChart::Step> steps;
    for (auto step = byStep.cbegin(); step != byStep.cend(); ++step)
        steps.append({stepCaption(step.key(), QString::number(step.key())), step.value()});
    return steps;
}

FailingUnit failingUnit(const FailedRun& run) {
    FailingUnit unit{
        run.unit, run.station, RecordTime::parse(run.started).toLocalTime(), run.verdict, {}};
    for (const int step : run.failedSteps)
        unit.failedSteps << stepCaption(step, QString::number(step));
    return unit;
}

void range(const RecordFilter& filter, const QList<UnitGroup>& groups, PageData& data) {
    QString earliest;
    QString latest;
    for (const UnitGroup& group : groups) {
        if (group.earliest.isEmpty())
            continue;
        if (earliest.isEmpty() || group.earliest < earliest)
            earliest = group.earliest;
        latest = std::max(latest, group.latest);
    }
    data.from =
        filter.since.isValid() || groups.isEmpty() ? filter.since : RecordTime::parse(earliest);
    data.until = filter.before.isValid() ? filter.before.addMSecs(-1)
                 : groups.isEmpty()      ? QDateTime()
                                         : RecordTime::parse(latest);
}

} // namespace

bool PageData::gather(RecordQuery& record, RecordFilter filter, PageData& data, QString& message) {
    YieldLooks looks;
    if (!YieldLooks::read(record, filter, YieldLooks::For::Page, looks, message))
        return false;
    data.made = QDateTime::currentDateTime();
    range(filter, looks.groups, data);
    data.figures = YieldFigures::of(looks.groups);
    data.days = UnitDays::daily(looks.groups);
    data.steps = paretoSteps(looks.steps);
    data.causes = looks.causes;
    data.echoes = echoSteps(looks.echoes);
    data.failing.clear();
    int failing = 0;
    for (const UnitGroup& group : looks.groups)
        failing += group.overall.units - group.overall.finalPassed;
    for (const FailedRun& run : looks.failing)
        data.failing.append(failingUnit(run));
    data.moreFailing = std::max(0, failing - int(data.failing.size()));
    return true;
}
