#include "daily_yield_chart.h"

#include "bar_chart.h"
#include "page_captions.h"

#include <algorithm>
#include <optional>

namespace {

using Day = DailyYieldChart::Day;

constexpr int width = 860;
constexpr int height = 300;
const PlotArea plot{64, 34, width - 64 - 20, height - 34 - 44};
constexpr double pointRadius = 3;

struct Series {
    const char* cssClass;
    const Captions::Caption& name;
    int Day::*passed;
};

const Series series[] = {{"first-pass", Captions::firstPassYield, &Day::firstPassed},
                         {"final", Captions::finalYield, &Day::finalPassed}};

QString percent(double value) {
    return QStringLiteral("%1 %").arg(value, 0, 'f', 0);
}

double percentOf(int passed, int units) {
    return 100.0 * passed / units;
}

QString shareText(int passed, int units) {
    return QStringLiteral("%1 % (%2/%3)")
        .arg(percentOf(passed, units), 0, 'f', 1)
        .arg(passed)
        .arg(units);
}

// Spans every day's figures of both series; nullopt when no day has units.
std::optional<AxisScale> scaleOf(const QList<Day>& days) {
    double lowest = 100;
    double highest = 0;
    bool any = false;
    for (const Day& day : days)
        for (const Series& line : series)
            if (day.units > 0) {
                const double value = percentOf(day.*line.passed, day.units);
                lowest = std::min(lowest, value);
                highest = std::max(highest, value);
                any = true;
            }
    return any ? std::optional(AxisScale::percents(lowest, highest)) : std::nullopt;
}

void legend(SvgWriter& svg, const AxisScale& scale) {
    double x = plot.left;
    for (const Series& line : series) {
        svg.line(x, 14, x + 20, 14, QStringLiteral("line ") + line.cssClass);
        svg.circle({x + 10, 14}, pointRadius, QStringLiteral("legend ") + line.cssClass);
        svg.text(x + 26, 18, line.name, "legend-label");
        x += 160;
    }
    if (scale.bottom > 0)
        svg.text(plot.right(), 18, Captions::axisFrom(percent(scale.bottom)), "axis-note",
                 SvgWriter::End);
}

// A day without units breaks the line, so that no figure is drawn where none exists.
void drawSeries(SvgWriter& svg, const QList<Day>& days, const AxisScale& scale,
                const Series& line) {
    const double slot = plot.width / double(days.size());
    const QString cssClass = QString::fromLatin1(line.cssClass);
    QList<QList<QPointF>> runs{{}};
    svg.beginGroup(QStringLiteral("series ") + cssClass);
    for (int i = 0; i < int(days.size()); ++i) {
        const Day& day = days[i];
        if (day.units == 0) {
            runs.append(QList<QPointF>());
            continue;
        }
        const int passed = day.*line.passed;
        const QPointF point(plot.left + slot * (i + 0.5),
                            plot.bottom() -
                                plot.height * scale.share(percentOf(passed, day.units)));
        runs.last().append(point);
        svg.circle(point, pointRadius, QStringLiteral("point ") + cssClass,
                   QStringLiteral("%1 %2: %3")
                       .arg(day.day.toString(Qt::ISODate), QString(line.name),
                            shareText(passed, day.units)));
    }
    for (const QList<QPointF>& run : runs)
        if (run.size() > 1)
            svg.polyline(run, QStringLiteral("line ") + cssClass);
    svg.endGroup();
}

// A label that would reach past the chart's right edge is left out rather than cut.
void dayLabels(SvgWriter& svg, const QList<Day>& days) {
    const double slot = plot.width / double(days.size());
    const double labelWidth = QStringLiteral("2026-12-31").size() * BarChart::charWidth;
    const int step = SvgWriter::labelStep(int(days.size()), slot, labelWidth + 6);
    for (int i = 0; i < int(days.size()); i += step) {
        const double x = plot.left + slot * (i + 0.5);
        if (x + labelWidth / 2 <= width)
            svg.text(x, plot.bottom() + 14, days[i].day.toString(Qt::ISODate), "label",
                     SvgWriter::Middle);
    }
}

} // namespace

QString DailyYieldChart::svg(const QList<Day>& days) {
    const std::optional<AxisScale> scale = scaleOf(days);
    if (!scale)
        return SvgWriter::noData(Captions::noUnits);
    SvgWriter svg(QStringLiteral("daily-yield"), width, height, Captions::dailyYield);
    svg.axes(plot, *scale,
             QString(Captions::firstPassYield) + QStringLiteral(" / ") + Captions::finalYield,
             percent);
    legend(svg, *scale);
    for (const Series& line : series)
        drawSeries(svg, days, *scale, line);
    dayLabels(svg, days);
    return svg.finish();
}
