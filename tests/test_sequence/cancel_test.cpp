#include "device_link/exchange.h"
#include "operator_ui/main_window.h"
#include "operator_ui/progress_form.h"
#include "run_driver.h"
#include "sim_fixture.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QString cancelled = "abgebrochen";

class CancelTest : public SimFixture {
protected:
    // Presses "Abbrechen" once the terminal has seen `marker`, during the next wait.
    RunRecord cancelAfter(const QByteArray& marker) {
        return runTests(*window, [this, marker](ProgressForm& form) {
            once([this,
                  marker] { return received().contains(marker) && window->exchange->isWaiting(); },
                 [this, &form] {
                     buttonUsableDuringWait =
                         form.CancelCommand->isEnabled() && !window->centralWidget()->isEnabled();
                     form.CancelCommand->click();
                 });
        });
    }
    bool buttonUsableDuringWait = false;
};

TEST_F(CancelTest, AbbrechenDuringTheTableMarksTheRestCancelledAndWritesNoBanner) {
    start({.dropEcho = 33});
    const RunRecord run = cancelAfter("Umkodiertabelle");
    EXPECT_TRUE(buttonUsableDuringWait);
    EXPECT_EQ(run.results, QStringList({"OK", cancelled, cancelled, cancelled, cancelled, cancelled,
                                        cancelled}));
    EXPECT_EQ(run.colours, QList<QColor>({green, yellow, yellow, yellow, yellow, yellow, yellow}));
    EXPECT_EQ(run.button, "OK");
    const QByteArray bytes = settled();
    EXPECT_EQ(bytes.size() - bytes.indexOf("Umkodiertabelle") - 15, 3 + 32)
        << "all 32 table bytes go out";
    EXPECT_FALSE(bytes.contains("Test-Ende"));
    EXPECT_FALSE(bytes.contains("Aufloesung"));
}

TEST_F(CancelTest, AbbrechenDuringTheFixedTextsKeepsTheEarlierRows) {
    start({.dropEcho = 64 + 40});
    const RunRecord run = cancelAfter("Festtext ");
    EXPECT_EQ(run.results,
              QStringList({"OK", "OK", "OK", cancelled, cancelled, cancelled, cancelled}));
    EXPECT_EQ(run.colours[3], yellow);
    EXPECT_TRUE(settled().endsWith('\0')) << "the block is closed";
    EXPECT_FALSE(settled().contains("Test-Ende"));
}

TEST_F(CancelTest, ASilentTerminalAsksRetryOrCancelAndRetrySendsTheWholeProbeAgain) {
    start({.silent = true});
    prompt.answers = {QMessageBox::Retry, QMessageBox::Cancel};
    const RunRecord run = runTests(*window);
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[0].buttons, QMessageBox::Retry | QMessageBox::Cancel);
    EXPECT_EQ(prompt.shown[0].title, "Quendal");
    EXPECT_TRUE(prompt.shown[0].text.startsWith(
        "Verbindungs- oder EEPROM-Fehler: Bitte prüfen:\rIst das Programm"));
    const QByteArray probe("\x1b&#\x1b"
                           "CTest 1:\rSchnittstelle\x1b&u.");
    EXPECT_EQ(settled(), probe + probe);
    EXPECT_EQ(run.results, QStringList(7, cancelled));
    EXPECT_EQ(run.colours, QList<QColor>(7, yellow));
}

TEST_F(CancelTest, AbbrechenDuringTheProbeCancelsWithoutTheRetryBox) {
    start({.silent = true});
    const RunRecord run = cancelAfter("Schnittstelle");
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(run.results, QStringList(7, cancelled));
    EXPECT_EQ(settled().count("Schnittstelle"), 1);
}

} // namespace
