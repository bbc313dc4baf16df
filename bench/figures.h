#pragma once

#include <QString>
#include <vector>

// One measured figure over several runs.
struct Figure {
    QString name;
    QString unit;
    std::vector<double> values;
    QString target = {}; // "<= 1.05", shown beside the figure; empty when there is none

    double median() const;
    double min() const;
    double max() const;
    double percentile(double p) const;
};

// One line a figure: "name: median unit (min …, max …) target"; or all of them as one JSON
// object.
void printFigures(const std::vector<Figure>& figures, bool json);
