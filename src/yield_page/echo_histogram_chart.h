#pragma once

#include <QList>
#include <QMap>
#include <QString>

// How long each step's rows waited for their slowest echo: one small histogram per step, all
// with the same bins, so that steps compare at a glance.
namespace EchoHistogramChart {

struct Step {
    QString caption;
    QMap<qint64, int> rowsByMs; // slowest echo in ms -> rows
};

// The width in ms of each bin, round, so that the slowest of them all falls in about a dozen.
qint64 binWidth(qint64 slowestMs);

QString svg(const QList<Step>& steps);

} // namespace EchoHistogramChart
