#include "yield_page/cause_chart.h"
#include "yield_page/daily_yield_chart.h"
#include "yield_page/echo_histogram_chart.h"
#include "yield_page/step_pareto_chart.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <vector>

namespace {

QList<DailyYieldChart::Day> days(int count) {
    QList<DailyYieldChart::Day> list;
    for (int i = 0; i < count; ++i)
        list.append({QDate(2026, 1, 1).addDays(i), 10, 8, 9});
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
    int bars;
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
         {"id=\"daily-yield\"", "80.0 % (8/10)"},
         {}},
        // A date label is ten characters of the 6.5 px label font.
        {"a year of days", DailyYieldChart::svg(days(366)), 732, -1, 65, {}, {}},
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
        {"pareto without failures", StepParetoChart::svg({}), 0, 0, 0, {}, {"cumulative"}},
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
    for (const Case& test : cases) {
        EXPECT_EQ(test.svg.count(QStringLiteral("<rect class=\"bar")), test.bars) << test.what;
        const QList<double> labels = labelPositions(test.svg);
        if (test.labels >= 0) {
            EXPECT_EQ(labels.size(), test.labels) << test.what;
        }
        for (qsizetype i = 1; test.minGap > 0 && i < labels.size(); ++i)
            EXPECT_GE(labels[i] - labels[i - 1], test.minGap) << test.what << " label " << i;
        for (const QString& text : test.present)
            EXPECT_TRUE(test.svg.contains(text)) << test.what << ": " << text.toStdString();
        for (const QString& text : test.absent)
            EXPECT_FALSE(test.svg.contains(text)) << test.what << ": " << text.toStdString();
    }
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
