#include "echo_histogram_chart.h"

#include "bar_chart.h"
#include "page_captions.h"

#include <algorithm>

namespace {

constexpr int width = 860;
constexpr int panelHeight = 170;
constexpr int bins = 12;

QString count(double value) {
    return QString::number(value, 'f', 0);
}

QString binLabel(qint64 from, qint64 binWidth) {
    return binWidth == 1 ? QString::number(from)
                         : QStringLiteral("%1–%2").arg(from).arg(from + binWidth - 1);
}

void panel(SvgWriter& svg, const EchoHistogramChart::Step& step, int index, qint64 binWidth,
           int binCount) {
    QList<int> rows(binCount, 0);
    for (auto ms = step.rowsByMs.cbegin(); ms != step.rowsByMs.cend(); ++ms)
        rows[std::min(int(std::max<qint64>(ms.key(), 0) / binWidth), binCount - 1)] += ms.value();
    QList<BarChart::Bar> bars;
    for (int bin = 0; bin < binCount; ++bin) {
        const QString label = binLabel(bin * binWidth, binWidth);
        bars.append({label, double(rows[bin]),
                     QStringLiteral("%1 ms: %2 %3")
                         .arg(label, QString::number(rows[bin]), QString(Captions::rows))});
    }
    const AxisScale scale = AxisScale::counts(*std::max_element(rows.begin(), rows.end()));
    const PlotArea plot{64, double(panelHeight * index + 30), width - 64 - 20,
                        panelHeight - 30 - 36};
    svg.beginGroup(QStringLiteral("step"));
    svg.text(plot.left, plot.top - 10, step.caption, "panel-title");
    svg.axes(plot, scale, Captions::rows, count);
    BarChart::draw(svg, plot, bars, scale.top);
    svg.endGroup();
}

} // namespace

qint64 EchoHistogramChart::binWidth(qint64 slowestMs) {
    return std::max<qint64>(1, qint64(SvgWriter::roundUp(double(slowestMs + 1) / bins)));
}

QString EchoHistogramChart::svg(const QList<Step>& steps) {
    qint64 slowest = 0;
    QList<Step> measured;
    for (const Step& step : steps)
        if (!step.rowsByMs.isEmpty()) {
            slowest = std::max(slowest, step.rowsByMs.lastKey());
            measured.append(step);
        }
    if (measured.isEmpty())
        return SvgWriter::noData(Captions::noEchoTimes);
    const qint64 binMs = binWidth(slowest);
    const int binCount = int(slowest / binMs) + 1;
    SvgWriter svg(QStringLiteral("echo-histogram"), width, panelHeight * int(measured.size()) + 10,
                  Captions::slowestEcho);
    for (int i = 0; i < int(measured.size()); ++i)
        panel(svg, measured[i], i, binMs, binCount);
    return svg.finish();
}
