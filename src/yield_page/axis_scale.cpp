#include "axis_scale.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int mostSteps = 5;
// Tolerates the rounding of values such as 0.95 / 0.05 that should divide evenly.
constexpr double slack = 1e-9;

// A percentage axis spans its values with this margin, in percent, at least.
constexpr double leastMargin = 2;

} // namespace

AxisScale AxisScale::fit(double low, double high, double smallest) {
    if (!std::isfinite(low) || !std::isfinite(high) || !(smallest > 0))
        return {0, 1, 1};
    high = std::max(high, low + smallest);
    for (double power = smallest;; power *= 10) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            const double step = factor * power;
            const double bottom = std::floor(low / step + slack) * step;
            const double top = std::ceil(high / step - slack) * step;
            if (std::lround((top - bottom) / step) <= mostSteps)
                return {bottom, top, step};
        }
    }
}

AxisScale AxisScale::counts(double most) {
    return fit(0, std::max(most, 1.0), 1);
}

AxisScale AxisScale::percents(double lowest, double highest) {
    const double margin = std::max((highest - lowest) / 10, leastMargin);
    double low = lowest - margin;
    double high = highest + margin;
    // Pushed off an end, the margin goes to the other side, so the span keeps its width.
    if (high > 100) {
        low -= high - 100;
        high = 100;
    }
    // Values that reach down far enough are best compared with 0 itself.
    if (low < high / 2)
        low = 0;
    return fit(std::max(low, 0.0), std::min(high, 100.0), 1);
}

int AxisScale::steps() const {
    return int(std::lround((top - bottom) / step));
}

double AxisScale::share(double value) const {
    return top > bottom ? std::clamp((value - bottom) / (top - bottom), 0.0, 1.0) : 0;
}
