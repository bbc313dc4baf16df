#include "device_link/serial_port.h"
#include "operator_ui/main_window.h"
#include "operator_ui/progress_form.h"
#include "run_driver.h"
#include "run_record/record_places.h"
#include "run_record/record_query.h"
#include "scripted_prompt.h"
#include "sim_fixture.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QByteArray fixedTextBlock(int texts) {
    QByteArray block;
    for (int i = 0; i < texts; ++i)
        block += QByteArray::number(i).rightJustified(3, '0') + '\0';
    return block;
}

const QByteArray table("\x00\x01\x02\x03\x04\x05\x06\x07\x10\x11\x12\x13\x14\x15\x16\x17"
                       "\x20\x21\x22\x23\x24\x25\x26\x27\x30\x31\x32\x33\x34\x35\x36\x37",
                       32);

QByteArray completeRun() {
    return QByteArray("\x1b&#\x1b"
                      "CTest 1:\rSchnittstelle\x1b&u") +
           QByteArray(32, '.') + "\x1b&#Test 2:\rUmkodiertabelle\x1b&u" + table +
           QByteArray("\x1b&#Test 3:\rAufloesung\x1b&S\x05") +
           "\x1b&#Test 4:SpeichereFesttext \x1bR" + fixedTextBlock(128) + '\0' +
           "                \x1b&#20x4\rTest-Ende";
}

class CountingSteps : public TestSteps {
public:
    using TestSteps::TestSteps;
    QString Test_Function(qint16 index, const bool& ShowMsgs, bool& good) override {
        calls.push_back(index);
        EXPECT_FALSE(ShowMsgs);
        return TestSteps::Test_Function(index, ShowMsgs, good);
    }
    std::vector<int> calls;
};

class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

class TestRunTest : public SimFixture {};

TEST_F(TestRunTest, ACompleteRunProgramsTheTerminalAndPassesEveryRow) {
    const RunRecord run = runTests(*window);
    ASSERT_TRUE(run.opened);
    EXPECT_EQ(run.results, QStringList({"OK", "OK", "OK", "OK", "OK", "OK", "OK"}));
    EXPECT_EQ(run.colours, QList<QColor>({green, green, green, green, green, green, green}));
    EXPECT_EQ(run.shown, QList<bool>({true, true, true, true, true, false, false}));
    EXPECT_EQ(run.button, "OK");
    EXPECT_EQ(received(completeRun().size()), completeRun());
    const zrsim::TerminalModel terminal = sim->snapshot();
    EXPECT_EQ(terminal.formatCode(), 0x05);
    EXPECT_EQ(terminal.fixedTexts().front(), "000");
    EXPECT_EQ(terminal.fixedTexts().back(), "127");
    EXPECT_EQ(terminal.recodingTable(), table.toStdString());
    EXPECT_EQ(terminal.displayLines()[0].substr(0, 4), "20x4");
    EXPECT_EQ(terminal.displayLines()[1].substr(0, 9), "Test-Ende");
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    // The window's run is recorded as the report would give it, without a unit.
    RecordQuery record = RecordQuery::local(RecordPlaces::resolve({}));
    QList<RecordedRun> recorded;
    QString error;
    ASSERT_TRUE(record.open(error) && record.history({}, 0, recorded, error))
        << error.toStdString();
    ASSERT_FALSE(recorded.isEmpty()); // newest first
    EXPECT_EQ(recorded[0].run.source, "window");
    EXPECT_EQ(recorded[0].terminal.verdict, TerminalRun::Passed);
    EXPECT_TRUE(recorded[0].terminal.unit.isEmpty());
    ASSERT_EQ(recorded[0].terminal.steps.size(), 7);
    EXPECT_EQ(recorded[0].terminal.steps[1].echoes.echoes, table.size());
}

// A run has 448 waits, each disabling and enabling the controls behind the progress window.
TEST_F(TestRunTest, TheCoveredControlsArePaintedOnceAfterTheRunNotOncePerWait) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    PaintCounter paints;
    window->StartCommand->installEventFilter(&paints);
    bool updatesDuringRun = true;
    const RunRecord run = runTests(*window, [this, &updatesDuringRun](ProgressForm&) {
        updatesDuringRun = window->centralWidget()->updatesEnabled();
    });
    ASSERT_EQ(run.results, QStringList(7, "OK"));
    EXPECT_FALSE(updatesDuringRun);
    EXPECT_LT(paints.count, 10);
    const int paintsDuringRun = paints.count;
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints.count > paintsDuringRun; }));
    EXPECT_TRUE(window->StartCommand->isEnabled());
}

TEST_F(TestRunTest, TheRowsCarryTheirStepsCaptions) {
    TestRun run(window->steps, *window->MSComm1, window->state, window->questions);
    ProgressForm form(run, prompt, window.get());
    const QStringList captions{"Schnittstellentest",
                               "Umkodiertabelle",
                               "Displaygeometrie",
                               "Festtextprogrammierung",
                               "Festtext-Test",
                               "Tastaturbelegung",
                               "---"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(form.TestLabel[i]->text(), captions[i]);
        EXPECT_EQ(form.ResultLabel[i]->text(), "");
    }
    EXPECT_EQ(form.windowTitle(), "Testlauf");
    EXPECT_EQ(form.CancelCommand->text(), "Abbrechen");
}

TEST_F(TestRunTest, ARunCallsEveryStepOnceInOrderAndOnlyOncePerWindow) {
    CountingSteps steps(*window->MSComm1, *window->exchange, window->state, window->questions);
    TestRun run(steps, *window->MSComm1, window->state, window->questions);
    ProgressForm form(run, prompt, window.get());
    once([&] { return form.CancelCommand->text() == "OK"; },
         [&] {
             QEvent activate(QEvent::WindowActivate);
             QApplication::sendEvent(&form, &activate);
             QTimer::singleShot(50, &form, [&] { form.CancelCommand->click(); });
         });
    form.exec();
    EXPECT_EQ(steps.calls, std::vector<int>({0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(received(1).count("Test-Ende"), 1);
}

TEST_F(TestRunTest, AFramesCloseBoxCancelsWhileRunningAndClosesAfter) {
    // The table's first echo stays away, so the close comes while the table still waits.
    start({.dropEcho = 33});
    const RunRecord run = runTests(*window, [this](ProgressForm& form) {
        once([this] { return received().contains("Umkodiertabelle"); }, [&form] { form.close(); });
    });
    EXPECT_EQ(run.results[0], "OK");
    EXPECT_EQ(run.results[1], "abgebrochen");
    EXPECT_FALSE(settled().contains("Test-Ende"));
}

TEST_F(TestRunTest, APortHeldByAnotherProgramStopsTheRunWithAMessage) {
    window->MSComm1->setPortOpen(false);
    SerialPort holder;
    ASSERT_TRUE(holder.setPortOpen(true));
    const RunRecord run = runTests(*window);
    EXPECT_FALSE(run.opened);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text,
              "COM Port konnte nicht geöffnet werden.\rCOM1 wird evtl. bereits "
              "von einem anderen Programm verwendet");
    EXPECT_TRUE(prompt.shown[0].details.contains(QString("Prozess %1").arg(::getpid())))
        << prompt.shown[0].details.toStdString();
    EXPECT_EQ(prompt.shown[0].title, "Quendal");
    EXPECT_EQ(prompt.shown[0].icon, QMessageBox::NoIcon);
}

} // namespace
