#include "yield_looks.h"

#include "side_look.h"
#include "unit_days.h"

namespace {

using Counting = RecordQuery::Counting;

// What one connection reads: its part of the units' counts, then the other looks given.
struct Share {
    Counting counting;
    bool steps = false;
    bool causes = false;
    bool echoes = false;
    bool failing = false;
};

// The units' counts overall take longest: on two connections the first counts them, the
// second the units at each station and the rest; the page's echo times take about as long,
// so then the first counts the failed rows too.
std::pair<Share, Share> shares(bool page, bool parallel) {
    if (!parallel)
        return {{Counting::Both, true, true, page, page}, {}};
    return {{Counting::Overall, page, false, false, false},
            {Counting::AtStations, !page, true, page, page}};
}

bool readShare(RecordQuery& record, const RecordFilter& filter, const Share& share,
               QList<UnitGroup>& groups, YieldLooks& looks, QString& message) {
    const auto failing = [&looks](const QString& unit, const QString& station,
                                  const QString& started, const QString& verdict,
                                  const QList<int>& failedSteps) {
        looks.failing.append({unit, station, started, verdict, failedSteps});
    };
    return record.unitGroups(filter, UnitDays::splitMinute(), share.counting,
                             YieldRows::collect(groups), message) &&
           (!share.steps ||
            record.stepFailures(filter, YieldRows::collect(looks.steps), message)) &&
           (!share.causes || record.causes(filter, YieldRows::collect(looks.causes), message)) &&
           (!share.echoes || record.echoTimes(filter, YieldRows::collect(looks.echoes), message)) &&
           (!share.failing ||
            record.failingUnits(filter, YieldLooks::shownFailingUnits, failing, message));
}

} // namespace

bool YieldLooks::read(RecordQuery& record, RecordFilter filter, For use, YieldLooks& looks,
                      QString& message) {
    filter.unitsOnly = true;
    looks = {};
    if (!record.open(message))
        return false;
    const auto [first, second] = shares(use == For::Page, record.readsInParallel());
    if (!record.readsInParallel())
        return readShare(record, filter, first, looks.groups, looks, message);
    QList<UnitGroup> sideGroups;
    SideLook side(record, [&](RecordQuery& other, QString& sideMessage) {
        return readShare(other, filter, second, sideGroups, looks, sideMessage);
    });
    const bool counted = readShare(record, filter, first, looks.groups, looks, message);
    if (!side.finish(message) || !counted)
        return false;
    looks.groups += sideGroups;
    return true;
}
