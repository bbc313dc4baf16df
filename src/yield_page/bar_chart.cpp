#include "bar_chart.h"

#include <algorithm>

namespace {

// A label gets at least this many characters before labels are thinned instead.
constexpr int shortestLabel = 8;

int longestLabel(const QList<BarChart::Bar>& bars) {
    qsizetype longest = 0;
    for (const BarChart::Bar& bar : bars)
        longest = std::max(longest, bar.label.size());
    return int(longest);
}

} // namespace

QList<QPointF> BarChart::draw(SvgWriter& svg, const PlotArea& plot, const QList<Bar>& bars,
                              double top) {
    QList<QPointF> tops;
    if (bars.isEmpty())
        return tops;
    const double slot = plot.width / double(bars.size());
    const int fitting = std::max(shortestLabel, int(slot / charWidth) - 1);
    const int chars = std::min(longestLabel(bars), fitting);
    const int step = SvgWriter::labelStep(int(bars.size()), slot, chars * charWidth + 4);
    const int maxChars = std::max(chars, int(slot * step / charWidth) - 1);
    for (int i = 0; i < int(bars.size()); ++i) {
        const Bar& bar = bars[i];
        const double height = top > 0 ? plot.height * std::clamp(bar.value / top, 0.0, 1.0) : 0;
        const double x = plot.left + slot * i;
        const double gap = std::min(slot * 0.15, 6.0);
        svg.rect(x + gap, plot.bottom() - height, slot - 2 * gap, height, "bar", bar.title);
        tops.append({x + slot / 2, plot.bottom() - height});
        if (i % step == 0)
            svg.text(x + slot / 2, plot.bottom() + 14, bar.label, "label", SvgWriter::Middle,
                     maxChars);
    }
    return tops;
}
