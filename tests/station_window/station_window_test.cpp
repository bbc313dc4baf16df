#include "run_record/record_places.h"
#include "run_record/record_query.h"
#include "sim/pty_terminal.h"
#include "station_window/slot_panel.h"
#include "station_window/station.h"
#include "station_window/station_window.h"
#include "test_store.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

constexpr int runLimitMs = 20'000;

// A station window over simulated terminals, driven by keys as a scanner drives it.
class StationWindowTest : public ::testing::Test {
protected:
    void SetUp() override { TestStore::clear(); }

    void open(const std::vector<zrsim::SimOptions>& terminals) {
        StationOptions options;
        options.station = QStringLiteral("Linie 1 Platz 3");
        options.operatorName = QStringLiteral("Prüfer");
        for (const zrsim::SimOptions& terminal : terminals) {
            sims.push_back(std::make_unique<zrsim::PtyTerminal>(terminal));
            const QString path = QString::fromStdString(sims.back()->slavePath());
            options.terminals.append({path, 0, path});
        }
        station = std::make_unique<Station>(options);
        window = std::make_unique<StationWindow>(*station);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Types the serial into whatever has the focus and ends it with Enter.
    static void scan(const QString& serial) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClicks(focused, serial);
        QTest::keyClick(focused, Qt::Key_Return);
    }

    QString state(int slot) const {
        return window->panel(slot)->findChild<QLabel*>("slotState")->text();
    }
    QString text(int slot, const char* name) const {
        return window->panel(slot)->findChild<QLabel*>(name)->text();
    }
    bool focusedOn(int slot) const {
        return QApplication::focusWidget() == window->panel(slot)->serialField();
    }
    bool waitFor(const std::function<bool()>& done) const {
        return QTest::qWaitFor(done, runLimitMs);
    }
    bool ended(int slot) const { return window->panel(slot)->ready(); }

    static QList<RecordedRun> recorded(const QString& unit) {
        RecordQuery record(RecordPlaces::resolve({}));
        QList<RecordedRun> runs;
        QString message;
        EXPECT_TRUE(record.open(message)) << message.toStdString();
        EXPECT_TRUE(record.history({unit, {}, {}, {}, false}, 0, runs, message))
            << message.toStdString();
        return runs;
    }

    std::vector<std::unique_ptr<zrsim::PtyTerminal>> sims;
    std::unique_ptr<Station> station;
    std::unique_ptr<StationWindow> window;
};

TEST_F(StationWindowTest, TwoScansRunTwoSlotsAtOnceAndEachIsRecordedAsTheStations) {
    open({{}, {}});
    ASSERT_TRUE(focusedOn(0));
    scan("SN-A1");
    EXPECT_TRUE(focusedOn(1));
    scan("SN-A2");
    EXPECT_EQ(state(0), "läuft");
    EXPECT_EQ(state(1), "läuft");
    ASSERT_TRUE(waitFor([&] { return ended(0) && ended(1); }));
    EXPECT_EQ(state(0), "bestanden");
    EXPECT_EQ(state(1), "bestanden");
    EXPECT_EQ(sims[0]->received(), sims[1]->received());
    EXPECT_GT(sims[0]->received().size(), 500u);
    for (const QString unit : {"SN-A1", "SN-A2"}) {
        const QList<RecordedRun> runs = recorded(unit);
        ASSERT_EQ(runs.size(), 1);
        EXPECT_EQ(runs[0].run.source, "station");
        EXPECT_EQ(runs[0].run.station, "Linie 1 Platz 3");
        EXPECT_EQ(runs[0].terminal.attempt, 1);
    }
    EXPECT_TRUE(waitFor([&] { return text(0, "slotPast") == "1. Versuch"; }));
}

TEST_F(StationWindowTest, ASlotThatEndedTakesTheNextUnitAndKnowsItsPast) {
    open({{}, {}});
    scan("SN-B1");
    ASSERT_TRUE(waitFor([&] { return ended(0); }));
    QTest::keyClick(window.get(), Qt::Key_1, Qt::AltModifier);
    ASSERT_TRUE(focusedOn(0));
    scan("SN-B1");
    ASSERT_TRUE(waitFor([&] { return text(0, "slotPast").contains("bereits bestanden am"); }));
    EXPECT_TRUE(text(0, "slotPast").startsWith("2. Versuch")) << text(0, "slotPast").toStdString();
    ASSERT_TRUE(waitFor([&] { return ended(0); }));
    EXPECT_EQ(state(0), "bestanden");
    const QList<RecordedRun> runs = recorded("SN-B1");
    ASSERT_EQ(runs.size(), 2);
    EXPECT_EQ(runs[0].terminal.attempt, 2);
}

TEST_F(StationWindowTest, ASilentSlotAsksInItsPanelWhileAnotherRunsAndTakesAScan) {
    open({{.silent = true}, {}});
    scan("SN-C1");
    QPushButton* retry = window->panel(0)->retryButton();
    ASSERT_TRUE(waitFor([&] { return retry->isVisible(); }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_TRUE(focusedOn(1));
    scan("SN-C2");
    // Every slot busy: the next scan must not land on the question's buttons.
    EXPECT_NE(QApplication::focusWidget(), retry);
    EXPECT_NE(QApplication::focusWidget(), window->panel(0)->cancelButton());
    ASSERT_TRUE(waitFor([&] { return ended(1); }));
    EXPECT_EQ(state(1), "bestanden");
    EXPECT_TRUE(focusedOn(1));
    EXPECT_EQ(state(0), "läuft");
    QTest::keyClick(window.get(), Qt::Key_1, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), retry);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window->panel(0)->cancelButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(waitFor([&] { return ended(0); }));
    EXPECT_EQ(state(0), "abgebrochen");
    EXPECT_FALSE(retry->isVisible());
}

TEST_F(StationWindowTest, AScanThatBreaksTheRulesOrRunsElsewhereIsRefusedAndSendsNothing) {
    open({{.silent = true}, {}});
    scan("SN-D1");
    const struct {
        QString serial;
        QString reason;
    } refused[] = {
        {"SN-D1", "läuft schon an"}, {" SN-D2", "Leerzeichen"}, {QString(65, 'x'), "64 Zeichen"}};
    for (const auto& each : refused) {
        ASSERT_TRUE(focusedOn(1));
        scan(each.serial);
        EXPECT_TRUE(text(1, "serialRefusal").contains(each.reason))
            << each.serial.toStdString() << ": " << text(1, "serialRefusal").toStdString();
        EXPECT_EQ(state(1), "bereit");
    }
    QTest::qWait(100);
    EXPECT_EQ(sims[1]->received(), "");
    // The next scan replaces the refused text.
    scan("SN-D3");
    EXPECT_EQ(state(1), "läuft");
    ASSERT_TRUE(waitFor([&] { return ended(1); }));
    EXPECT_EQ(recorded("SN-D3").size(), 1);
}

TEST_F(StationWindowTest, ALostLineEndsOnlyItsOwnSlot) {
    open({{.hangupAfter = 40}, {}});
    scan("SN-E1");
    scan("SN-E2");
    ASSERT_TRUE(waitFor([&] { return ended(0) && ended(1); }));
    EXPECT_EQ(state(0), "unterbrochen");
    EXPECT_TRUE(text(0, "slotDetails").contains("Verbindung"))
        << text(0, "slotDetails").toStdString();
    EXPECT_EQ(state(1), "bestanden");
}

TEST_F(StationWindowTest, ClosingEndsEveryRunningSlotAsInterruptedAndFreesItsPort) {
    open({{.silent = true}, {.echoDelayMs = 5}});
    scan("SN-F1");
    scan("SN-F2");
    ASSERT_TRUE(waitFor([&] { return window->panel(0)->retryButton()->isVisible(); }));
    window->close();
    ASSERT_TRUE(waitFor([&] { return !window->isVisible(); }));
    for (int slot : {0, 1}) {
        EXPECT_EQ(state(slot), "unterbrochen");
        QSerialPort port(QString::fromStdString(sims[slot]->slavePath()));
        EXPECT_TRUE(port.open(QIODevice::ReadWrite)) << port.errorString().toStdString();
    }
    for (const QString unit : {"SN-F1", "SN-F2"}) {
        const QList<RecordedRun> runs = recorded(unit);
        ASSERT_EQ(runs.size(), 1);
        EXPECT_EQ(runs[0].terminal.verdict, TerminalRun::Interrupted);
    }
}

// A folder where the station's file belongs: the run is not recorded, the slot says so, and
// its verdict stands.
TEST_F(StationWindowTest, ARecordThatCannotBeWrittenIsSaidInTheSlotAndTheVerdictStays) {
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    QTemporaryDir elsewhere;
    qputenv("XDG_DATA_HOME", elsewhere.path().toLocal8Bit());
    ASSERT_TRUE(QDir().mkpath(elsewhere.filePath("Quendal/records.sqlite")));
    open({{}});
    scan("SN-G1");
    const bool done = waitFor([&] { return ended(0); });
    qputenv("XDG_DATA_HOME", dataHome);
    ASSERT_TRUE(done);
    EXPECT_EQ(state(0), "bestanden");
    EXPECT_TRUE(text(0, "slotDetails").contains("nicht geschrieben"))
        << text(0, "slotDetails").toStdString();
}

} // namespace
