#include "device_link/port_watch.h"
#include "device_link/serial_port.h"
#include "device_link/terminal_commands.h"
#include "modal_driver.h"
#include "operator_ui/main_window.h"
#include "operator_ui/window_captions.h"
#include "pty_pair.h"
#include "run_driver.h"
#include "scripted_prompt.h"
#include "sim/slave_link.h"
#include "sim_fixture.h"
#include "test_store.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>

namespace {

const QStringList allPassed(7, QStringLiteral("OK"));

class LineFaultsTest : public SimFixture {};

TEST_F(LineFaultsTest, NoiseBetweenEchoesChangesNothing) {
    start({.noise = true});
    EXPECT_EQ(runTests(*window).results, allPassed);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(LineFaultsTest, AnEchoJustInsideTheProbesTimeOutPasses) {
    start({.echoDelayMs = 40});
    bool good = false;
    EXPECT_EQ(window->Test_Function(0, false, good), "OK");
    EXPECT_TRUE(good);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(LineFaultsTest, AnEchoLaterThanTheProbesTimeOutAsksRetryOrCancel) {
    start({.echoDelayMs = 180});
    const RunRecord run = runTests(*window);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].buttons, QMessageBox::Retry | QMessageBox::Cancel);
    EXPECT_EQ(run.results, QStringList(7, QStringLiteral("abgebrochen")));
}

TEST_F(LineFaultsTest, ASecondCopyOnTheSamePortGetsMessageTwoAndTheFirstKeepsWorking) {
    ScriptedPrompt secondPrompt;
    MainWindow second(secondPrompt);
    whenModalShown([](QWidget* dialog) { dialog->findChild<QPushButton*>("cmdCancel")->click(); });
    second.Form_Load();
    ASSERT_GE(secondPrompt.shown.size(), 1u);
    EXPECT_TRUE(
        secondPrompt.shown[0].text.startsWith("Schnittstelle COM1 wird bereits verwendet."));
    EXPECT_FALSE(second.MSComm1->PortOpen());
    EXPECT_EQ(runTests(*window).results, allPassed);
}

// Bytes 1 to 90 are the interface test and the table's heading; 91 is the table's first
// byte, 178 the first digit of the fixed texts; the banner follows byte 690.
TEST_F(LineFaultsTest, APulledAdapterEndsTheRunAtOnceAndSaysSoInOneBox) {
    struct Cut {
        long afterBytes;
        int interruptedRow;
    };
    for (const Cut cut : {Cut{91, 1}, Cut{200, 3}}) {
        start({.hangupAfter = cut.afterBytes});
        const RunRecord run = runTests(*window);
        for (int row = 0; row < 7; ++row) {
            const bool cancelled = row >= cut.interruptedRow;
            EXPECT_EQ(run.results[row], cancelled ? "abgebrochen" : "OK") << cut.afterBytes;
            EXPECT_EQ(run.colours[row], cancelled ? yellow : green) << cut.afterBytes;
        }
        EXPECT_EQ(run.button, "OK");
        ASSERT_EQ(prompt.shown.size(), 1u) << cut.afterBytes;
        EXPECT_EQ(prompt.shown[0].text, Captions::connectionLost("COM1"));
        EXPECT_TRUE(prompt.shown[0].text.contains("Verbindung zu COM1"));
        EXPECT_EQ(prompt.shown[0].icon, QMessageBox::Warning);
        EXPECT_EQ(prompt.shown[0].title, "Quendal");
        EXPECT_EQ(window->statusBar()->currentMessage(), Captions::portInactive);
        prompt.shown.clear();
    }
    start({});
    EXPECT_EQ(runTests(*window).results, allPassed) << "a new device runs normally";
}

TEST_F(LineFaultsTest, AnAdapterPulledAfterTheLastStepLeavesTheRowsAndShowsThePortInactive) {
    start({.hangupAfter = 690});
    QSignalSpy lost(window->MSComm1, &SerialPort::deviceLost);
    const RunRecord run = runTests(*window);
    EXPECT_EQ(run.results, allPassed);
    ASSERT_TRUE(lost.count() > 0 || lost.wait(5000));
    EXPECT_FALSE(window->MSComm1->PortOpen());
    EXPECT_EQ(window->statusBar()->currentMessage(), Captions::portInactive);
    EXPECT_LE(prompt.shown.size(), 1u) << "a loss during the banner still counts as in the run";
}

TEST_F(LineFaultsTest, AReturningDeviceIsReopenedUnlessAnotherPortWasChosen) {
    const QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("ttyZR"));
    const auto plugIn = [&] {
        sim = std::make_unique<zrsim::PtyTerminal>();
        return std::make_unique<zrsim::SlaveLink>(link.toStdString(), sim->slavePath());
    };
    auto adapter = plugIn();
    TestStore::mapPort(1, link);
    window = std::make_unique<MainWindow>(prompt);
    window->Form_Load();
    auto* watch = window->findChild<PortWatch*>();
    ASSERT_TRUE(window->MSComm1->PortOpen());

    adapter.reset();
    sim.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->MSComm1->PortOpen(); }, 5000));
    EXPECT_TRUE(watch->watching());
    adapter = plugIn();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->MSComm1->PortOpen(); }, 5000));
    EXPECT_EQ(window->statusBar()->currentMessage(), "COM1: 9600,e,8,1");
    EXPECT_FALSE(watch->watching());
    EXPECT_EQ(runTests(*window).results, allPassed);

    // Pulled once the banner has had its time on the line: no loss of the run, no box.
    QTest::qWait(200);
    adapter.reset();
    sim.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->MSComm1->PortOpen(); }, 5000));
    ASSERT_TRUE(window->MSComm1->setCommPort(2));
    adapter = plugIn();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !watch->watching(); }, 5000));
    EXPECT_FALSE(window->MSComm1->PortOpen());
    EXPECT_TRUE(prompt.shown.empty());
}

// Unplugged while the box asks, plugged back, "Wiederholen": the box must be gone by then.
TEST_F(LineFaultsTest, ALostLineTakesBackTheRetryQuestionAndTellsTheLossInstead) {
    start({.silent = true});
    prompt.answers = {QMessageBox::Retry};
    bool takenBack = false;
    prompt.whileShown = [&](const PromptMessage& message) {
        if (!message.buttons.testFlag(QMessageBox::Retry))
            return;
        sim.reset();
        takenBack = QTest::qWaitFor([&] { return prompt.dismissed; }, 2000);
    };
    const RunRecord run = runTests(*window);
    EXPECT_TRUE(takenBack);
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[1].text, Captions::connectionLost("COM1"));
    EXPECT_EQ(run.results[0], "abgebrochen");
}

// The far end hangs up inside the banner, or inside the demo text: one box says so, and the
// rows keep their results.
TEST_F(LineFaultsTest, ALineLostDuringTheBannerOrTheDemoTextIsTold) {
    ASSERT_EQ(runTests(*window).results, allPassed);
    const qsizetype banner = qsizetype(16 + TerminalCommands::clearDisplay().size() +
                                       std::strlen("20x4\r") + std::strlen("Test-Ende"));
    const long beforeBanner = long(settled().size() - banner);
    start({.hangupAfter = beforeBanner + 5});
    EXPECT_EQ(runTests(*window).results, allPassed);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompt.shown.empty(); }, 2000));
    EXPECT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, Captions::connectionLost("COM1"));

    prompt.shown.clear();
    start({.hangupAfter = 10});
    window->DemoCommand->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompt.shown.empty(); }, 2000));
    EXPECT_EQ(prompt.shown[0].text, Captions::connectionLostDuringDemo(1));
}

// A device that is missing from the start is opened once it appears, not only one that
// went away during the session.
TEST_F(LineFaultsTest, ADeviceMissingAtTheFirstOpeningIsOpenedWhenItAppears) {
    const QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("ttyLate"));
    SerialPort port;
    PortWatch watch(port);
    port.setDevicePath(link);
    ASSERT_FALSE(port.setPortOpen(true));
    EXPECT_TRUE(watch.watching());
    const PtyPair adapter;
    ASSERT_TRUE(QFile::link(adapter.slavePath(), link));
    EXPECT_TRUE(QTest::qWaitFor([&] { return port.PortOpen(); }, 5000));
    EXPECT_FALSE(watch.watching());
}

// The table's 0x13 comes back as XOFF: the line stops and the next byte cannot go out.
TEST_F(LineFaultsTest, XonXoffStallsTheTableKeepsThePortOpenAndExplainsWhy) {
    start({}, 1);
    const RunRecord run = runTests(*window);
    EXPECT_EQ(run.results[1], Captions::recodingTableFailed);
    EXPECT_EQ(run.colours[1], red);
    EXPECT_EQ(run.button, "OK");
    EXPECT_TRUE(window->MSComm1->PortOpen());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, Captions::outputStalledByFlowControl("COM1"));
    EXPECT_TRUE(prompt.shown[0].text.contains("0x11 und 0x13"));
    ASSERT_TRUE(window->MSComm1->setHandshaking(0));
    EXPECT_EQ(runTests(*window).results, allPassed) << "without Xon/Xoff the next run passes";
}

} // namespace
