#include "device_link/serial_port.h"
#include "modal_driver.h"
#include "operator_ui/main_window.h"
#include "run_driver.h"
#include "scripted_prompt.h"
#include "sim_fixture.h"

#include <QPushButton>
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

TEST_F(LineFaultsTest, APulledAdapterEndsTheRunByTimeOutsAndShowsThePortInactive) {
    // Cut during the probe, the fixed texts and the banner; a cut in the table would wait
    // out 32 time-outs of 500 ms.
    for (const long cut : {20L, 200L, 690L}) {
        start({.hangupAfter = cut});
        prompt.answers = {QMessageBox::Cancel};
        const RunRecord run = runTests(*window);
        EXPECT_EQ(run.button, "OK") << cut;
        EXPECT_FALSE(window->MSComm1->PortOpen()) << cut;
        EXPECT_FALSE(run.results.contains(QStringLiteral("Test läuft"))) << cut;
    }
    start({});
    EXPECT_EQ(runTests(*window).results, allPassed) << "a new device runs normally";
}

} // namespace
