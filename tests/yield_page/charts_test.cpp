#include "yield_page/axis_scale.h"
#include "yield_page/cause_chart.h"
#include "yield_page/daily_yield_chart.h"
#include "yield_page/echo_histogram_chart.h"
#include "yield_page/step_pareto_chart.h"

#include <QRegularExpression>
#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace {

QList<DailyYieldChart::Day> days(int count, int firstPassed = 8) {
    QList<DailyYieldChart::Day> list;
    for (int i = 0; i < count; ++i)
        list.append({QDate(2026, 1, 1).addDays(i), 10, firstPassed + i % 2, 9});
    return list;
}

// The x of each label under the bars, in order.
QList<double> labelPositions(const QString& svg) {
    static const QRegularExpression label(QStringLiteral("<text class=\"label\" x=\"([0-9.]+)\""));
    QList<double> positions;
    for (const QRegularExpressionMatch& match : label.globalMatch(svg))
        positions << match.captured(1).toDouble();
    return positions;
}

struct Case {
    const char* what;
    QString svg;
    int marks;     // bars and points
    int labels;    // -1: not checked
    double minGap; // between neighbouring labels; 0: not checked
    QStringList present;
    QStringList absent;
};

TEST(Charts, DrawOneBarPerFigureWithLabelsThatFitAndEscapedText) {
    const QString longName = QString(60, QLatin1Char('x')) + QStringLiteral("-end");
    const std::vector<Case> cases{
        {"one day",
         DailyYieldChart::svg(days(1)),
         2,
         1,
         0,
         {"id=\"daily-yield\"", "80.0 % (8/10)", "Achse beginnt bei 75 %", "axis-break"},
         {"<polyline", ">0 %<"}},
        {"two lines on an axis from 0 where the figures reach low",
         DailyYieldChart::svg(days(3, 1)),
         6,
         3,
         0,
         {"<polyline class=\"line first-pass\"", "<polyline class=\"line final\"", ">0 %<"},
         {"axis-break"}},
        // A date label is ten characters of the 6.5 px label font.
        {"a year of days", DailyYieldChart::svg(days(366)), 732, -1, 65, {}, {}},
        {"the last day's label would be cut", DailyYieldChart::svg(days(91)), 182, 10, 65, {}, {}},
        {"a day without units keeps its place, empty",
         DailyYieldChart::svg({{QDate(2026, 1, 1), 0, 0, 0}, {QDate(2026, 1, 2), 4, 1, 2}}),
         2,
         2,
         0,
         {"2026-01-01", "25.0 % (1/4)"},
         {"nan", "inf"}},
        {"pareto, most failures first",
         StepParetoChart::svg({{"few", 1}, {"most", 9}, {"some", 3}}),
         3,
         3,
         0,
         {"class=\"cumulative\"", "<title>most: 9</title>"},
         {}},
        {"pareto without failures",
         StepParetoChart::svg({{"none", 0}}),
         0,
         0,
         0,
         {"<p class=\"no-data\">Keine fehlgeschlagenen Zeilen"},
         {"<svg"}},
        {"causes in words, a small count in whole ticks",
         CauseChart::svg({{"missing", 3}, {"held-exclusively", 1}}),
         2,
         2,
         0,
         {">Gerät fehlt<", "Von anderem Programm exklusiv belegt: 1"},
         {"missing", "held-exclusively"}},
        {"every port opened", CauseChart::svg({}), 0, 0, 0, {"class=\"no-data\""}, {"<svg"}},
        {"no echo times", EchoHistogramChart::svg({{"A", {}}}), 0, 0, 0, {"no-data"}, {"<svg"}},
        {"a long cause is cut, whole in its title",
         CauseChart::svg({{longName, 2}, {"<script>alert(1)</script>", 1}}),
         2,
         2,
         0,
         {"<title>" + longName + "</title>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
         {"<script", ">" + longName + "</text>"}},
        {"echo times share their bins across steps",
         EchoHistogramChart::svg({{"A", {{0, 5}, {3, 1}}}, {"B", {{119, 2}}}}),
         2 * 12,
         2 * 12,
         0,
         {"0–9", "110–119", "110–119 ms: 2"},
         {}},
    };
    static const QRegularExpression tick(QStringLiteral("class=\"tick\"[^>]*>([^<]*)<"));
    for (const Case& test : cases) {
        EXPECT_EQ(test.svg.count(QRegularExpression("<rect class=\"bar|<circle class=\"point")),
                  test.marks)
            << test.what;
        for (const QRegularExpressionMatch& match : tick.globalMatch(test.svg))
            EXPECT_TRUE(match.captured(1).contains(QRegularExpression("^[0-9]+( %)?$")))
                << test.what << ": tick " << match.captured(1).toStdString();
        const QList<double> labels = labelPositions(test.svg);
        if (test.labels >= 0) {
            EXPECT_EQ(labels.size(), test.labels) << test.what;
        }
        for (const double x : labels) // a date is ten characters wide, all within 860 px
            EXPECT_LE(x + 5 * 6.5, 860) << test.what;
        for (qsizetype i = 1; test.minGap > 0 && i < labels.size(); ++i)
            EXPECT_GE(labels[i] - labels[i - 1], test.minGap) << test.what << " label " << i;
        for (const QString& text : test.present)
            EXPECT_TRUE(test.svg.contains(text)) << test.what << ": " << text.toStdString();
        for (const QString& text : test.absent)
            EXPECT_FALSE(test.svg.contains(text)) << test.what << ": " << text.toStdString();
    }
}

TEST(Charts, AxesGoInRoundStepsAndSpanHighPercentagesOnly) {
    const std::vector<std::pair<AxisScale, std::array<double, 3>>> cases{
        {AxisScale::counts(0), {0, 1, 1}},
        {AxisScale::counts(2), {0, 2, 1}},
        {AxisScale::counts(3), {0, 3, 1}},
        {AxisScale::counts(7), {0, 8, 2}},
        {AxisScale::counts(1234), {0, 1500, 500}},
        {AxisScale::percents(80, 90), {75, 95, 5}},
        {AxisScale::percents(40, 100), {0, 100, 20}},
        {AxisScale::percents(100, 100), {96, 100, 1}}};
    for (const auto& [scale, expected] : cases)
        EXPECT_EQ((std::array{scale.bottom, scale.top, scale.step}), expected) << expected[1];
}

TEST(Charts, ParetoPutsTheMostFrequentStepFirst) {
    const QString svg = StepParetoChart::svg({{"few", 1}, {"most", 9}, {"some", 3}});
    EXPECT_LT(svg.indexOf(">most</text>"), svg.indexOf(">some</text>"));
    EXPECT_LT(svg.indexOf(">some</text>"), svg.indexOf(">few</text>"));
}

TEST(Charts, EchoBinsAreRoundAndHoldTheSlowest) {
    const std::vector<std::pair<qint64, qint64>> cases{
        {0, 1}, {11, 1}, {12, 2}, {119, 10}, {5000, 500}};
    for (const auto& [slowest, width] : cases) {
        EXPECT_EQ(EchoHistogramChart::binWidth(slowest), width) << slowest;
        EXPECT_LE(slowest / width, 12) << slowest;
    }
}

} // namespace
