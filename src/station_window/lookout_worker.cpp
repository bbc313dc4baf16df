#include "lookout_worker.h"

#include "run_record/record_query.h"
#include "station_captions.h"

#include <QAtomicInt>
#include <QHash>
#include <algorithm>

namespace {

QAtomicInt atWork;

// Counts a look as at work while it lasts.
struct AtWork {
    AtWork() { atWork.ref(); }
    ~AtWork() { atWork.deref(); }
};

QString firstFailedStep(const TerminalRun& terminal) {
    for (const StepResult& step : terminal.steps)
        if (step.outcome == StepResult::Failed)
            return step.index < int(Captions::stepCaptions.size())
                       ? QString(Captions::stepCaptions[step.index])
                       : step.caption;
    return {};
}

// What the record says of a unit: its attempt now and its last result, newest run first.
QString pastText(const QList<RecordedRun>& runs, bool& passed) {
    if (runs.isEmpty())
        return Captions::firstAttempt();
    const RecordedRun& latest = runs.first();
    const int attempt = std::max(int(runs.size()), latest.terminal.attempt.value_or(0)) + 1;
    passed = latest.terminal.verdict == TerminalRun::Passed;
    if (passed)
        return Captions::passedBefore(attempt, latest.run.started, latest.run.station);
    return Captions::pastAttempt(attempt, Captions::verdictWord(latest.terminal.verdict),
                                 latest.run.started, latest.run.station,
                                 firstFailedStep(latest.terminal));
}

RecordQuery queryOf(const RecordPlaces& places, bool line) {
    return line ? RecordQuery(places) : RecordQuery::local(places);
}

} // namespace

void LookoutWorker::unit(int slot, const QString& serial, const QDateTime& before) {
    const AtWork counted;
    RecordQuery record = queryOf(places_, line_);
    QList<RecordedRun> runs;
    QString message;
    if (!record.open(message) ||
        !record.history({serial, {}, {}, before, false}, 0, runs, message)) {
        emit unitUnreadable(slot, serial);
        return;
    }
    bool passed = false;
    const QString text = pastText(runs, passed);
    emit unitSeen(slot, serial, text, passed);
}

void LookoutWorker::day(const QString& station, const QDateTime& since) {
    const AtWork counted;
    RecordQuery record = queryOf(places_, line_);
    QHash<QString, bool> firstPassed;
    QString message;
    const auto row = [&firstPassed](const QString& unit, const QString&, const QString&,
                                    bool passed) {
        if (!firstPassed.contains(unit))
            firstPassed.insert(unit, passed);
    };
    if (!record.open(message) || !record.attempts({{}, station, since, {}, true}, row, message))
        return;
    emit daySeen(int(firstPassed.size()),
                 int(std::count(firstPassed.begin(), firstPassed.end(), true)));
}

bool LookoutWorker::anyAtWork() {
    return atWork.loadRelaxed() > 0;
}
