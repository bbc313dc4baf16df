#pragma once

#include "svg_writer.h"

#include <QList>
#include <QPointF>
#include <QString>

// The bars the Pareto, the causes and the echo histogram share: one per category, labelled
// beneath. Labels are cut to their slot, the whole text in a <title>, and where even a short
// label does not fit only every k-th bar is labelled.
namespace BarChart {

struct Bar {
    QString label;
    double value = 0;
    QString title; // shown on the bar
};

// Width of a character of the charts' label font, in pixels, as the labels are sized by it.
inline constexpr double charWidth = 6.5;

// Draws the bars, scaled so that `top` reaches the plot's top; returns each bar's top centre.
QList<QPointF> draw(SvgWriter& svg, const PlotArea& plot, const QList<Bar>& bars, double top);

} // namespace BarChart
