#include "yield_figures.h"

#include <QHash>
#include <QMap>
#include <algorithm>

namespace {

struct Tally {
    QHash<QString, std::pair<bool, bool>> firstAndLatest; // per unit: passed at each
    int units() const { return int(firstAndLatest.size()); }

    void add(const UnitAttempt& attempt) {
        const auto found = firstAndLatest.find(attempt.unit);
        if (found == firstAndLatest.end())
            firstAndLatest.insert(attempt.unit, {attempt.passed, attempt.passed});
        else
            found->second = attempt.passed;
    }

    std::optional<double> share(bool first) const {
        if (firstAndLatest.isEmpty())
            return std::nullopt;
        const auto passed = std::count_if(firstAndLatest.begin(), firstAndLatest.end(),
                                          [first](const std::pair<bool, bool>& unit) {
                                              return first ? unit.first : unit.second;
                                          });
        return double(passed) / double(firstAndLatest.size());
    }
};

} // namespace

YieldFigures YieldFigures::of(QList<UnitAttempt> attempts) {
    const auto earlier = [](const UnitAttempt& a, const UnitAttempt& b) {
        return a.started < b.started;
    };
    // The record gives them in order already.
    if (!std::is_sorted(attempts.begin(), attempts.end(), earlier))
        std::stable_sort(attempts.begin(), attempts.end(), earlier);
    Tally all;
    all.firstAndLatest.reserve(attempts.size());
    QMap<QString, Tally> byStation;
    YieldFigures figures;
    for (const UnitAttempt& attempt : attempts) {
        if (attempt.unit.isEmpty())
            continue;
        ++figures.terminalRuns;
        all.add(attempt);
        byStation[attempt.station].add(attempt);
    }
    figures.units = all.units();
    figures.firstPassYield = all.share(true);
    figures.finalYield = all.share(false);
    for (auto station = byStation.cbegin(); station != byStation.cend(); ++station)
        figures.stations.append(
            {station.key(), station->units(), station->share(true), station->share(false)});
    return figures;
}
