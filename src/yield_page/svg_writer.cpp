#include "svg_writer.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

QString number(double value) {
    return QString::number(value, 'f', 1);
}

QString attribute(const char* name, const QString& value) {
    return QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), SvgWriter::escape(value));
}

QString titled(const QString& title) {
    return title.isEmpty() ? QString()
                           : QStringLiteral("<title>%1</title>").arg(SvgWriter::escape(title));
}

} // namespace

SvgWriter::SvgWriter(const QString& id, int width, int height, const QString& label) {
    text_ = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\"") + attribute("id", id) +
            attribute("viewBox", QStringLiteral("0 0 %1 %2").arg(width).arg(height)) +
            attribute("width", QString::number(width)) +
            attribute("height", QString::number(height)) + attribute("role", "img") +
            attribute("aria-label", label) + QStringLiteral(">");
}

QString SvgWriter::escape(const QString& text) {
    return text.toHtmlEscaped();
}

QString SvgWriter::noData(const QString& sentence) {
    return QStringLiteral("<p class=\"no-data\">%1</p>\n").arg(escape(sentence));
}

QString SvgWriter::cut(const QString& text, int maxChars) {
    if (maxChars <= 0 || text.size() <= maxChars)
        return text;
    return text.left(std::max(maxChars - 1, 0)) + QChar(0x2026);
}

int SvgWriter::labelStep(int count, double slotWidth, double labelWidth) {
    if (count <= 0 || slotWidth <= 0)
        return 1;
    return std::max(1, int(std::ceil(labelWidth / slotWidth)));
}

double SvgWriter::roundUp(double value) {
    if (value <= 0)
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : {1.0, 2.0, 5.0, 10.0})
        if (step * power >= value * (1 - 1e-9))
            return step * power;
    return 10 * power;
}

void SvgWriter::rect(double x, double y, double width, double height, const QString& cssClass,
                     const QString& title) {
    text_ += QStringLiteral("<rect") + attribute("class", cssClass) + attribute("x", number(x)) +
             attribute("y", number(y)) + attribute("width", number(width)) +
             attribute("height", number(height)) +
             (title.isEmpty() ? QStringLiteral("/>")
                              : QStringLiteral(">") + titled(title) + QStringLiteral("</rect>"));
}

void SvgWriter::line(double x1, double y1, double x2, double y2, const QString& cssClass) {
    text_ += QStringLiteral("<line") + attribute("class", cssClass) + attribute("x1", number(x1)) +
             attribute("y1", number(y1)) + attribute("x2", number(x2)) +
             attribute("y2", number(y2)) + QStringLiteral("/>");
}

void SvgWriter::polyline(const QList<QPointF>& points, const QString& cssClass) {
    QStringList pairs;
    for (const QPointF& point : points)
        pairs << number(point.x()) + QLatin1Char(',') + number(point.y());
    text_ += QStringLiteral("<polyline") + attribute("class", cssClass) +
             attribute("points", pairs.join(QLatin1Char(' '))) + QStringLiteral("/>");
}

void SvgWriter::circle(const QPointF& centre, double radius, const QString& cssClass,
                       const QString& title) {
    text_ += QStringLiteral("<circle") + attribute("class", cssClass) +
             attribute("cx", number(centre.x())) + attribute("cy", number(centre.y())) +
             attribute("r", number(radius)) +
             (title.isEmpty() ? QStringLiteral("/>")
                              : QStringLiteral(">") + titled(title) + QStringLiteral("</circle>"));
}

void SvgWriter::text(double x, double y, const QString& text, const QString& cssClass,
                     Anchor anchor, int maxChars) {
    static const char* const anchors[] = {"start", "middle", "end"};
    const QString shown = cut(text, maxChars);
    text_ += QStringLiteral("<text") + attribute("class", cssClass) + attribute("x", number(x)) +
             attribute("y", number(y)) + attribute("text-anchor", QLatin1String(anchors[anchor])) +
             QStringLiteral(">") + (shown == text ? QString() : titled(text)) + escape(shown) +
             QStringLiteral("</text>");
}

void SvgWriter::axes(const PlotArea& plot, const AxisScale& scale, const QString& yLabel,
                     QString (*tickText)(double)) {
    for (int tick = 0; tick <= scale.steps(); ++tick) {
        const double y = plot.bottom() - plot.height * scale.share(scale.tick(tick));
        line(plot.left, y, plot.right(), y, tick == 0 ? "axis" : "grid");
        text(plot.left - 6, y + 4, tickText(scale.tick(tick)), "tick", End);
    }
    line(plot.left, plot.top, plot.left, plot.bottom(), "axis");
    if (scale.bottom > 0)
        axisBreak(plot);
    text_ += QStringLiteral("<text class=\"axis-label\" transform=\"translate(%1 %2) rotate(-90)\" "
                            "text-anchor=\"middle\">%3</text>")
                 .arg(number(14), number(plot.top + plot.height / 2), escape(yLabel));
}

// Two slanted strokes across a gap in the y axis just above its foot, as drawn by hand.
void SvgWriter::axisBreak(const PlotArea& plot) {
    const double y = plot.bottom() - 9;
    rect(plot.left - 6, y - 3, 12, 6, "axis-gap");
    for (const double offset : {-3.0, 3.0})
        line(plot.left - 6, y + offset + 2, plot.left + 6, y + offset - 2, "axis-break");
}

void SvgWriter::beginGroup(const QString& cssClass) {
    text_ += QStringLiteral("<g") + attribute("class", cssClass) + QStringLiteral(">");
}

void SvgWriter::endGroup() {
    text_ += QStringLiteral("</g>");
}

QString SvgWriter::finish() {
    return text_ + QStringLiteral("</svg>\n");
}
