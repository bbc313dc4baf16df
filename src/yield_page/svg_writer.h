#pragma once

#include "axis_scale.h"

#include <QList>
#include <QPointF>
#include <QString>

// The area of a chart that holds its bars, inside the margins for axes and labels.
struct PlotArea {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double bottom() const { return top + height; }
    double right() const { return left + width; }
};

// Writes one inline SVG element as text. Every text and attribute value passes through
// escape(), so whatever the record holds shows as text.
class SvgWriter {
public:
    enum Anchor { Start, Middle, End };

    SvgWriter(const QString& id, int width, int height, const QString& label);

    // `title` shows when the pointer rests on the shape.
    void rect(double x, double y, double width, double height, const QString& cssClass,
              const QString& title = {});
    void line(double x1, double y1, double x2, double y2, const QString& cssClass);
    void polyline(const QList<QPointF>& points, const QString& cssClass);
    void circle(const QPointF& centre, double radius, const QString& cssClass,
                const QString& title = {});
    // A text longer than `maxChars` (0: any length) is cut, the whole of it in its <title>.
    void text(double x, double y, const QString& text, const QString& cssClass,
              Anchor anchor = Start, int maxChars = 0);
    // The x axis along the plot's foot and a y axis with the ticks of `scale`, each labelled
    // through `tickText`; `yLabel` is written along the y axis. An axis that does not start at
    // 0 shows a break at its foot.
    void axes(const PlotArea& plot, const AxisScale& scale, const QString& yLabel,
              QString (*tickText)(double));
    void beginGroup(const QString& cssClass);
    void endGroup();

    QString finish();

    static QString escape(const QString& text);
    // What a chart without anything to draw shows instead of empty axes.
    static QString noData(const QString& sentence);
    static QString cut(const QString& text, int maxChars);
    // Every how many slots a label fits, so that labels `labelWidth` wide never overlap.
    static int labelStep(int count, double slotWidth, double labelWidth);
    // A round value at or above `value`: 1, 2 or 5 times a power of ten.
    static double roundUp(double value);

private:
    void axisBreak(const PlotArea& plot);

    QString text_;
};
