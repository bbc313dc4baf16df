#include "page_data.h"

#include "page_captions.h"
#include "run_record/record_time.h"
#include "unit_attempts.h"

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

// Newest first; the failed rows come from the runs the record lists as not passed.
void failingUnits(const QList<UnitAttempt>& attempts, const QHash<QString, UnitSpan>& spans,
                  const QList<FailedRun>& runs, PageData& data) {
    QList<qsizetype> latest;
    for (const UnitSpan& span : spans)
        if (!attempts[span.latest].passed)
            latest.append(span.latest);
    std::sort(latest.begin(), latest.end(), std::greater<>());
    data.moreFailing = int(std::max<qsizetype>(0, latest.size() - PageData::shownFailingUnits));
    latest.resize(std::min<qsizetype>(latest.size(), PageData::shownFailingUnits));
    QHash<QString, const FailedRun*> runOf;
    for (const FailedRun& run : runs)
        runOf.insert(run.unit + QLatin1Char('\n') + run.started, &run);
    for (const qsizetype index : latest) {
        const UnitAttempt& attempt = attempts[index];
        FailingUnit unit{attempt.unit,
                         attempt.station,
                         RecordTime::parse(attempt.started).toLocalTime(),
                         {},
                         {}};
        if (const FailedRun* run =
                runOf.value(attempt.unit + QLatin1Char('\n') + attempt.started)) {
            unit.verdict = run->verdict;
            for (const int step : run->failedSteps)
                unit.failedSteps << stepCaption(step, QString::number(step));
        }
        data.failing.append(unit);
    }
}

void range(const RecordFilter& filter, const QList<UnitAttempt>& attempts, PageData& data) {
    data.from = filter.since.isValid() || attempts.isEmpty()
                    ? filter.since
                    : RecordTime::parse(attempts.first().started);
    data.until = filter.before.isValid() ? filter.before.addMSecs(-1)
                 : attempts.isEmpty()    ? QDateTime()
                                         : RecordTime::parse(attempts.last().started);
}

} // namespace

bool PageData::gather(RecordQuery& record, RecordFilter filter, PageData& data, QString& message) {
    filter.unitsOnly = true;
    QList<UnitAttempt> attempts;
    QList<StepFailures> failures;
    QList<EchoTimes> echoTimes;
    QList<FailedRun> failedRuns;
    if (!record.open(message) || !record.attempts(filter, YieldRows::collect(attempts), message) ||
        !record.stepFailures(filter, YieldRows::collect(failures), message) ||
        !record.causes(filter, YieldRows::collect(data.causes), message) ||
        !record.echoTimes(filter, YieldRows::collect(echoTimes), message) ||
        !record.failedRuns(filter, YieldRows::collect(failedRuns), message))
        return false;
    data.made = QDateTime::currentDateTime();
    range(filter, attempts, data);
    data.figures = YieldFigures::of(attempts);
    const QHash<QString, UnitSpan> spans = UnitAttempts::spans(attempts);
    data.days = UnitAttempts::daily(attempts, spans);
    data.steps = paretoSteps(failures);
    data.echoes = echoSteps(echoTimes);
    failingUnits(attempts, spans, failedRuns, data);
    return true;
}
