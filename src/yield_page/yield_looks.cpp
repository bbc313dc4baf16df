#include "yield_looks.h"

#include "side_look.h"
#include "unit_days.h"

namespace {

// The looks besides the units' counts, which take longest.
bool otherLooks(RecordQuery& record, const RecordFilter& filter, YieldLooks::For use,
                YieldLooks& looks, QString& message) {
    const auto failing = [&looks](const QString& unit, const QString& station,
                                  const QString& started, const QString& verdict,
                                  const QList<int>& failedSteps) {
        looks.failing.append({unit, station, started, verdict, failedSteps});
    };
    looks.failing.clear();
    looks.echoes.clear();
    return record.stepFailures(filter, YieldRows::collect(looks.steps), message) &&
           record.causes(filter, YieldRows::collect(looks.causes), message) &&
           (use == YieldLooks::For::Figures ||
            (record.echoTimes(filter, YieldRows::collect(looks.echoes), message) &&
             record.failingUnits(filter, YieldLooks::shownFailingUnits, failing, message)));
}

} // namespace

bool YieldLooks::read(RecordQuery& record, RecordFilter filter, For use, YieldLooks& looks,
                      QString& message) {
    filter.unitsOnly = true;
    if (!record.open(message))
        return false;
    const auto units = [&](RecordQuery& on, QString& error) {
        return on.unitGroups(filter, UnitDays::splitMinute(), YieldRows::collect(looks.groups),
                             error);
    };
    if (!record.readsInParallel())
        return units(record, message) && otherLooks(record, filter, use, looks, message);
    SideLook side(record, [&](RecordQuery& other, QString& sideMessage) {
        return otherLooks(other, filter, use, looks, sideMessage);
    });
    const bool counted = units(record, message);
    return side.finish(message) && counted;
}
