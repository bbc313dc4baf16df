#include "step_pareto_chart.h"

#include "bar_chart.h"
#include "page_captions.h"

#include <algorithm>

namespace {

constexpr int width = 860;
constexpr int height = 300;
const PlotArea plot{64, 20, width - 64 - 56, height - 20 - 44};

QString count(double value) {
    return QString::number(value, 'f', 0);
}

// The cumulative share's axis on the right, 0 to 100 %.
void shareAxis(SvgWriter& svg) {
    for (int tick = 0; tick <= 4; ++tick)
        svg.text(plot.right() + 6, plot.bottom() - plot.height * tick / 4 + 4,
                 QStringLiteral("%1 %").arg(tick * 25), "tick");
    svg.line(plot.right(), plot.top, plot.right(), plot.bottom(), "axis");
    svg.text(plot.right(), plot.top - 6, Captions::cumulativeShare, "axis-label", SvgWriter::End);
}

} // namespace

QString StepParetoChart::svg(QList<Step> steps) {
    std::stable_sort(steps.begin(), steps.end(),
                     [](const Step& a, const Step& b) { return a.failed > b.failed; });
    QList<BarChart::Bar> bars;
    int total = 0;
    for (const Step& step : steps) {
        bars.append({step.caption, double(step.failed),
                     QStringLiteral("%1: %2").arg(step.caption, QString::number(step.failed))});
        total += step.failed;
    }
    if (total == 0)
        return SvgWriter::noData(Captions::noFailedRows);
    SvgWriter svg(QStringLiteral("step-pareto"), width, height, Captions::stepPareto);
    const AxisScale scale = AxisScale::counts(bars.first().value);
    svg.axes(plot, scale, Captions::failedRows, count);
    const QList<QPointF> tops = BarChart::draw(svg, plot, bars, scale.top);
    QList<QPointF> cumulative;
    int sum = 0;
    for (int i = 0; i < int(tops.size()); ++i) {
        sum += steps[i].failed;
        cumulative.append({tops[i].x(), plot.bottom() - plot.height * sum / std::max(total, 1)});
    }
    svg.polyline(cumulative, "cumulative");
    shareAxis(svg);
    return svg.finish();
}
