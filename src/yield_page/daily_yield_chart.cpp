#include "daily_yield_chart.h"

#include "bar_chart.h"
#include "page_captions.h"

#include <algorithm>

namespace {

constexpr int width = 860;
constexpr int height = 300;
const PlotArea plot{64, 34, width - 64 - 20, height - 34 - 44};

QString percent(double value) {
    return QStringLiteral("%1 %").arg(value * 100, 0, 'f', 0);
}

QString shareText(int passed, int units) {
    return QStringLiteral("%1 % (%2/%3)")
        .arg(100.0 * passed / units, 0, 'f', 1)
        .arg(passed)
        .arg(units);
}

void legend(SvgWriter& svg) {
    svg.rect(plot.left, 8, 12, 12, "legend first-pass");
    svg.text(plot.left + 18, 18, Captions::firstPassYield, "legend-label");
    svg.rect(plot.left + 160, 8, 12, 12, "legend final");
    svg.text(plot.left + 178, 18, Captions::finalYield, "legend-label");
}

void dayBars(SvgWriter& svg, const DailyYieldChart::Day& day, double x, double slot) {
    const double gap = std::min(slot * 0.1, 3.0);
    const double bar = (slot - 2 * gap) / 2;
    const QString date = day.day.toString(Qt::ISODate);
    const auto draw = [&](int passed, double left, const char* series, const QString& name) {
        const double height = plot.height * passed / day.units;
        svg.rect(left, plot.bottom() - height, bar, height, QStringLiteral("bar ") + series,
                 QStringLiteral("%1 %2: %3").arg(date, name, shareText(passed, day.units)));
    };
    draw(day.firstPassed, x + gap, "first-pass", Captions::firstPassYield);
    draw(day.finalPassed, x + gap + bar, "final", Captions::finalYield);
}

} // namespace

QString DailyYieldChart::svg(const QList<Day>& days) {
    SvgWriter svg(QStringLiteral("daily-yield"), width, height, Captions::dailyYield);
    svg.axes(plot, 1,
             QString(Captions::firstPassYield) + QStringLiteral(" / ") + Captions::finalYield,
             percent);
    legend(svg);
    if (days.isEmpty())
        return svg.finish();
    const double slot = plot.width / double(days.size());
    const QString longest = QStringLiteral("2026-12-31");
    const int step =
        SvgWriter::labelStep(int(days.size()), slot, longest.size() * BarChart::charWidth + 6);
    for (int i = 0; i < int(days.size()); ++i) {
        const double x = plot.left + slot * i;
        if (days[i].units > 0)
            dayBars(svg, days[i], x, slot);
        if (i % step == 0)
            svg.text(x + slot / 2, plot.bottom() + 14, days[i].day.toString(Qt::ISODate), "label",
                     SvgWriter::Middle);
    }
    return svg.finish();
}
