#include "figures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>

namespace {

std::vector<double> sorted(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values;
}

} // namespace

double Figure::percentile(double p) const {
    if (values.empty())
        return 0;
    const std::vector<double> ordered = sorted(values);
    const auto rank = static_cast<std::size_t>(p / 100.0 * double(ordered.size() - 1) + 0.5);
    return ordered[std::min(rank, ordered.size() - 1)];
}

double Figure::median() const {
    return percentile(50);
}
double Figure::min() const {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}
double Figure::max() const {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

void printFigures(const std::vector<Figure>& figures, bool json) {
    if (!json) {
        for (const Figure& f : figures)
            std::printf("%-34s %10.3f %-3s (min %.3f, max %.3f, n=%zu)%s\n", qPrintable(f.name),
                        f.median(), qPrintable(f.unit), f.min(), f.max(), f.values.size(),
                        qPrintable(f.target.isEmpty() ? QString() : "  target " + f.target));
        return;
    }
    QJsonObject all;
    for (const Figure& f : figures) {
        QJsonObject one{{"unit", f.unit},
                        {"median", f.median()},
                        {"min", f.min()},
                        {"max", f.max()},
                        {"n", int(f.values.size())}};
        if (!f.target.isEmpty())
            one["target"] = f.target;
        all[f.name] = one;
    }
    std::printf("%s\n", QJsonDocument(all).toJson().constData());
}
