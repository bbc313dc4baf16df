#include "device_link/serial_port.h"
#include "device_link/terminal_commands.h"
#include "operator_ui/main_window.h"
#include "operator_ui/progress_form.h"
#include "run_driver.h"
#include "sim_fixture.h"
#include "test_sequence/captions.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class StepsTest : public SimFixture {
protected:
    // What the terminal received after the last `marker`, once the line is quiet.
    QByteArray after(const QByteArray& marker) {
        const QByteArray bytes = settled();
        return bytes.mid(bytes.lastIndexOf(marker) + marker.size());
    }
    void choose(const QString& cols, const QString& rows) {
        window->cmbZRCols->setCurrentText(cols);
        window->cmbZRRows->setCurrentText(rows);
    }
};

TEST_F(StepsTest, EveryGeometryGetsItsFormatCodeOrTheSixteenByFourFallback) {
    const std::map<std::pair<int, int>, char> codes{
        {{16, 1}, 0x00}, {{16, 2}, 0x01}, {{16, 4}, 0x02}, {{20, 1}, 0x03}, {{20, 2}, 0x04},
        {{20, 4}, 0x05}, {{24, 1}, 0x06}, {{24, 2}, 0x07}, {{32, 1}, 0x08}, {{32, 2}, 0x09},
        {{40, 1}, 0x0A}, {{40, 2}, 0x0B}, {{40, 4}, 0x0C}};
    for (const QString& cols : QStringList{"8", "16", "20", "24", "32", "40"}) {
        for (const QString& rows : QStringList{"1", "2", "4"}) {
            choose(cols, rows);
            prompt.shown.clear();
            bool good = false;
            EXPECT_EQ(window->Test_Function(2, false, good), "OK");
            EXPECT_TRUE(good);
            const auto known = codes.find({cols.toInt(), rows.toInt()});
            const char expected = known == codes.end() ? 0x02 : known->second;
            EXPECT_EQ(after("\x1b&S"), QByteArray(1, expected))
                << cols.toStdString() << "x" << rows.toStdString();
            if (known == codes.end()) {
                ASSERT_EQ(prompt.shown.size(), 1u);
                EXPECT_EQ(prompt.shown[0].title, "ACHTUNG!");
                EXPECT_EQ(
                    prompt.shown[0].text,
                    QString(
                        "Auflösung %1x%2 wird nicht unterstützt!\rZR wurde auf 16x4 eingestellt!")
                        .arg(cols, rows));
            } else {
                EXPECT_TRUE(prompt.shown.empty());
            }
        }
    }
    EXPECT_EQ(window->state.TerminalCols, 40) << "the choice stays as it was";
}

TEST_F(StepsTest, AMissingDigitEchoEndsTheFixedTextsWithTheBlockEnd) {
    start({.dropEcho = 64 + 5 * 3 + 2});
    const RunRecord run = runTests(*window);
    EXPECT_EQ(run.results[3], "FEHLER BEIM SPEICHERN DER FESTTEXTE");
    EXPECT_EQ(run.colours[3], red);
    EXPECT_EQ(run.colours[4], green);
    const QByteArray block = after("\x1bR");
    EXPECT_TRUE(block.startsWith(QByteArray("000\0"
                                            "001\0"
                                            "002\0"
                                            "003\0"
                                            "004\0"
                                            "00\0",
                                            23)))
        << block.toHex().toStdString();
    EXPECT_EQ(block.mid(23, 16), QByteArray(16, ' ')) << "the banner follows";
    EXPECT_TRUE(settled().endsWith("Test-Ende"));
}

TEST_F(StepsTest, AMissingTableEchoFailsTheTableButWritesAllOfIt) {
    start({.dropEcho = 40});
    QString tooltip;
    const RunRecord run = runTests(*window, [&](ProgressForm& form) {
        once([&form] { return form.CancelCommand->text() == "OK"; },
             [&] {
                 tooltip = form.ResultLabel[1]->toolTip();
                 QTest::mouseClick(form.ResultLabel[1], Qt::LeftButton);
             });
    });
    // The red row names the table's eighth byte, in its tooltip and in the box a click opens.
    const QString missing =
        QString::fromLatin1(QByteArray(1, TerminalCommands::recodingTable()[7]).toHex());
    EXPECT_TRUE(
        tooltip.startsWith("gesendet " + missing + ", erwartet " + missing + ", empfangen nichts"))
        << tooltip.toStdString();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].details, tooltip);
    EXPECT_TRUE(prompt.shown[0].text.startsWith("Umkodiertabelle"));
    EXPECT_EQ(run.results[1], "FEHLER BEIM SPEICHERN DER UMKODIERTABELLE");
    EXPECT_EQ(run.colours[1], red);
    EXPECT_EQ(run.colours[0], green);
    const QByteArray bytes = settled();
    const qsizetype table = bytes.indexOf("Umkodiertabelle\x1b&u") + 18;
    EXPECT_EQ(bytes.mid(table + 32, 3), "\x1b&#");
    EXPECT_TRUE(bytes.endsWith("Test-Ende"));
}

TEST_F(StepsTest, TheDemoTextFillsEveryRowAndHomesTheCursor) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"8", "1", "01234567"},
        {"20", "4", "0123456789ABCDEFGHIJ"},
        {"40", "4", "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcd"}};
    for (const auto& [cols, rows, row] : cases) {
        start({.rows = QString(rows).toInt(), .cols = QString(cols).toInt()});
        choose(cols, rows);
        window->DemoCommand->click();
        const QByteArray expected = "\x1b&#" + QByteArray(row).repeated(QString(rows).toInt()) +
                                    QByteArray("\x1b&C\x1b[\0;\0H", 9);
        EXPECT_EQ(received(expected.size()), expected);
        const std::vector<std::string> filled(QString(rows).toInt(), row);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return sim->snapshot().displayLines() == filled; }, 1000));
    }
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(StepsTest, TheDemoTextOpensAClosedPortFirstAndSaysWhyWhenItCannot) {
    window->MSComm1->setPortOpen(false);
    window->DemoCommand->click();
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_TRUE(window->MSComm1->PortOpen());
    EXPECT_TRUE(settled().endsWith(TerminalCommands::demoClose()));

    window->MSComm1->setPortOpen(false);
    sim.reset();
    window->DemoCommand->click();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text,
              "Schnittstelle COM1 konnte für den Demo-Text nicht geöffnet werden.");
    EXPECT_TRUE(prompt.shown[0].details.contains("Das Gerät gibt es nicht"))
        << prompt.shown[0].details.toStdString();
}

} // namespace
