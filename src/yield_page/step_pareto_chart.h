#pragma once

#include <QList>
#include <QString>

// Failed rows per step, most first, with the cumulative share as a line on its own axis.
namespace StepParetoChart {

struct Step {
    QString caption;
    int failed = 0;
};

QString svg(QList<Step> steps);

} // namespace StepParetoChart
