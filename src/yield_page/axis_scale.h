#pragma once

// What a y axis spans and the round step between its ticks, which always land on whole
// multiples of the step from 0.
struct AxisScale {
    double bottom = 0;
    double top = 1;
    double step = 1;

    // From 0 to at least `most`, in whole numbers: a count never gets a tick such as 2.5.
    static AxisScale counts(double most);
    // Percentages: where the values lie close together high up, the axis spans them with a
    // margin rather than from 0, so that a change of a few percent shows; whole percent steps.
    static AxisScale percents(double lowest, double highest);
    // The step of the fewest ticks (1, 2 or 5 times a power of ten, at least `smallest`) that
    // still cover `low` to `high` in at most a handful of steps.
    static AxisScale fit(double low, double high, double smallest);

    int steps() const;
    double tick(int index) const { return bottom + step * index; }
    // 0 at the bottom, 1 at the top.
    double share(double value) const;
};
