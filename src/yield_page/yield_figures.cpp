#include "yield_figures.h"

#include <QMap>

namespace {

std::optional<double> share(int passed, int units) {
    if (units == 0)
        return std::nullopt;
    return double(passed) / double(units);
}

void add(UnitCounts& sum, const UnitCounts& counts) {
    sum.units += counts.units;
    sum.firstPassed += counts.firstPassed;
    sum.finalPassed += counts.finalPassed;
}

} // namespace

YieldFigures YieldFigures::of(const QList<UnitGroup>& groups) {
    YieldFigures figures;
    UnitCounts overall;
    // By name as the program orders names: the database's collation may order them otherwise.
    QMap<QString, UnitCounts> stations;
    for (const UnitGroup& group : groups) {
        figures.terminalRuns += group.terminalRuns;
        add(overall, group.overall);
        if (group.here.units > 0)
            add(stations[group.station], group.here);
    }
    figures.units = overall.units;
    figures.firstPassYield = share(overall.firstPassed, overall.units);
    figures.finalYield = share(overall.finalPassed, overall.units);
    for (auto station = stations.cbegin(); station != stations.cend(); ++station)
        figures.stations.append({station.key(), station->units,
                                 share(station->firstPassed, station->units),
                                 share(station->finalPassed, station->units)});
    return figures;
}
