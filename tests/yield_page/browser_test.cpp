#include "headless_browser.h"
#include "yield_page/yield_page.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// An inline chart of three bars, and text that would be markup if it were not escaped.
const char* const page = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Ausbeute</title></head><body>
<svg id="chart" width="120" height="40"><rect class="bar" x="0" y="10" width="20" height="30"/>
<rect class="bar" x="40" y="0" width="20" height="40"/><rect class="bar" x="80" y="20" width="20" height="20"/></svg>
<p id="cause">&lt;script&gt;Prüfplatz Süd&lt;/script&gt;</p>
</body></html>
)";

QString writePage(const QTemporaryDir& folder) {
    const QString path = folder.filePath(QStringLiteral("page.html"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(page);
    return path;
}

} // namespace

TEST(HeadlessBrowser, ShowsInlineSvgBarsAndEscapedMarkupAsText) {
    QTemporaryDir folder;
    const QString dom = HeadlessBrowser::dumpDom(writePage(folder));
    EXPECT_EQ(dom.count(QRegularExpression(R"(<rect\b[^>]*\bclass="bar")")), 3)
        << dom.toStdString();
    EXPECT_FALSE(dom.contains(QRegularExpression(R"(<script\b)"))) << dom.toStdString();
    EXPECT_TRUE(dom.contains(u"<p id=\"cause\">&lt;script&gt;Prüfplatz Süd&lt;/script&gt;</p>"))
        << dom.toStdString();
}

TEST(HeadlessBrowser, TakesAPictureOfTheWindowSize) {
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("page.png"));
    ASSERT_TRUE(HeadlessBrowser::screenshot(writePage(folder), png, 320, 200));
    EXPECT_EQ(QImage(png).size(), QSize(320, 200));
}

// A page as a reader gets it: figures high and close together, ports that did not open, and
// neither failed rows nor echo times.
TEST(HeadlessBrowser, ShowsThePagesChartsAsAReaderReadsThem) {
    PageData data;
    data.figures.units = 40;
    for (int day = 0; day < 4; ++day)
        data.days.append({QDate(2026, 12, 1).addDays(day), 10, 8 + day % 2, 9});
    data.causes = {{"held-exclusively", 2}, {"missing", 1}};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("yield.html"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(YieldPage::html(data).toUtf8());
    file.close();
    const QString dom = HeadlessBrowser::dumpDom(path);
    const auto texts = [&dom](const char* cssClass) {
        QStringList found;
        const QRegularExpression text(QStringLiteral(R"(class="%1"[^>]*>([^<]*)<)").arg(cssClass));
        for (const QRegularExpressionMatch& match : text.globalMatch(dom))
            found << match.captured(1);
        return found;
    };
    EXPECT_EQ(texts("tick"), QStringList({"75 %", "80 %", "85 %", "90 %", "95 %", "0", "1", "2"}));
    EXPECT_EQ(dom.count(QRegularExpression(R"(<polyline class="line [a-z-]+")")), 2);
    EXPECT_EQ(texts("label").mid(4),
              QStringList({"Von anderem Programm exklusiv belegt", "Gerät fehlt"}));
    EXPECT_EQ(texts("no-data").size(), 2) << dom.toStdString();
}
