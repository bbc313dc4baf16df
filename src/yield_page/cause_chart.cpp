#include "cause_chart.h"

#include "bar_chart.h"
#include "page_captions.h"

#include <algorithm>

namespace {

constexpr int width = 860;
constexpr int height = 240;

QString count(double value) {
    return QString::number(value, 'g', 6);
}

} // namespace

QString CauseChart::svg(const QList<CauseCount>& causes) {
    QList<BarChart::Bar> bars;
    double most = 1;
    for (const CauseCount& cause : causes) {
        bars.append({cause.kind, double(cause.count),
                     QStringLiteral("%1: %2").arg(cause.kind, QString::number(cause.count))});
        most = std::max(most, double(cause.count));
    }
    const PlotArea plot{64, 20, width - 64 - 20, height - 20 - 44};
    SvgWriter svg(QStringLiteral("causes"), width, height, Captions::notOpened);
    const double top = SvgWriter::roundUp(most);
    svg.axes(plot, top, Captions::ports, count);
    BarChart::draw(svg, plot, bars, top);
    return svg.finish();
}
