#include "cause_chart.h"

#include "bar_chart.h"
#include "page_captions.h"

#include <algorithm>

namespace {

constexpr int width = 860;
constexpr int height = 240;

QString count(double value) {
    return QString::number(value, 'f', 0);
}

} // namespace

QString CauseChart::svg(const QList<CauseCount>& causes) {
    if (causes.isEmpty())
        return SvgWriter::noData(Captions::everyPortOpened);
    QList<BarChart::Bar> bars;
    double most = 0;
    for (const CauseCount& cause : causes) {
        const QString word = Captions::causeWord(cause.kind);
        bars.append(
            {word, double(cause.count), QStringLiteral("%1: %2").arg(word).arg(cause.count)});
        most = std::max(most, double(cause.count));
    }
    const PlotArea plot{64, 20, width - 64 - 20, height - 20 - 44};
    SvgWriter svg(QStringLiteral("causes"), width, height, Captions::notOpened);
    const AxisScale scale = AxisScale::counts(most);
    svg.axes(plot, scale, Captions::ports, count);
    BarChart::draw(svg, plot, bars, scale.top);
    return svg.finish();
}
