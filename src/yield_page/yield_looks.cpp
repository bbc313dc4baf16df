#include "yield_looks.h"

#include "side_look.h"
#include "unit_days.h"

namespace {

using Counting = RecordQuery::Counting;

struct Plan {
    Counting first;
    Counting side;
};

// The units' counts take longest: PostgreSQL counts them in one pass, while the side look
// does the rest; SQLite's two passes go one to each connection.
Plan planFor(const RecordQuery& record) {
    if (record.countsBothInOnePass())
        return {Counting::Both, Counting::Both};
    return {Counting::Overall, Counting::AtStations};
}

} // namespace

bool YieldLooks::read(RecordQuery& record, RecordFilter filter, For use, YieldLooks& looks,
                      QString& message) {
    filter.unitsOnly = true;
    const bool page = use == For::Page;
    if (!record.open(message))
        return false;
    const Plan plan = planFor(record);
    const bool oneUnitLook = plan.first == Counting::Both;
    QList<UnitGroup> sideGroups;
    const int split = UnitDays::splitMinute();
    const auto failing = [&looks](const QString& unit, const QString& station,
                                  const QString& started, const QString& verdict,
                                  const QList<int>& failedSteps) {
        looks.failing.append({unit, station, started, verdict, failedSteps});
    };
    looks.failing.clear();
    looks.echoes.clear();
    SideLook side(record, [&](RecordQuery& other, QString& sideMessage) {
        return (oneUnitLook || other.unitGroups(filter, split, plan.side,
                                                YieldRows::collect(sideGroups), sideMessage)) &&
               other.causes(filter, YieldRows::collect(looks.causes), sideMessage) &&
               (!page || other.failingUnits(filter, shownFailingUnits, failing, sideMessage)) &&
               (!oneUnitLook ||
                other.stepFailures(filter, YieldRows::collect(looks.steps), sideMessage));
    });
    const bool read =
        record.unitGroups(filter, split, plan.first, YieldRows::collect(looks.groups), message) &&
        (oneUnitLook || record.stepFailures(filter, YieldRows::collect(looks.steps), message)) &&
        (!page || record.echoTimes(filter, YieldRows::collect(looks.echoes), message));
    if (!side.finish(message) || !read)
        return false;
    looks.groups += sideGroups;
    return true;
}
