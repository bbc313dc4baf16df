#include "device_link/exchange.h"
#include "device_link/serial_port.h"
#include "operator_ui/waiting_controls.h"
#include "pty_pair.h"
#include "scripted_prompt.h"
#include "test_store.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestStore::clear();
        TestStore::mapPort(1, terminal.slavePath());
        ASSERT_TRUE(port.setPortOpen(true));
        exchange.setObserver(&controls);
    }
    // The terminal answers `bytes` after `ms`, while the exchange waits.
    void answerAfter(int ms, const QByteArray& bytes) {
        QTimer::singleShot(ms, &window, [this, bytes] {
            windowEnabledDuringWait = window.isEnabled();
            terminal.writeMaster(bytes);
        });
    }
    QByteArray send(const QByteArray& cmd, const QByteArray& waitfor, qint16 timeOut) {
        clock.start();
        return exchange.SendAndWaitFor(cmd, waitfor, timeOut);
    }

    PtyPair terminal;
    SerialPort port;
    ScriptedPrompt prompt;
    bool cancel = false;
    Exchange exchange{port, cancel};
    QWidget window;
    WaitingControls controls{&window, prompt};
    bool windowEnabledDuringWait = true;
    QElapsedTimer clock;
};

TEST_F(ExchangeTest, AnEchoEndsTheWaitAndStopsTheTimer) {
    answerAfter(20, ".");
    EXPECT_EQ(send(".", ".", 500), ".");
    EXPECT_EQ(terminal.readMaster(1), ".");
    EXPECT_FALSE(exchange.TimeOutTimer.isActive());
    EXPECT_FALSE(windowEnabledDuringWait);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(ExchangeTest, AnAwaitedTextSplitOverTwoReceiveEventsIsFoundAfterTheSecond) {
    QSignalSpy events(&port, &SerialPort::OnComm);
    answerAfter(10, "xA");
    answerAfter(60, "By");
    EXPECT_EQ(send("q", "AB", 1000), "xABy");
    EXPECT_GE(events.size(), 2);
}

TEST_F(ExchangeTest, TheReplyHoldsEverythingAroundTheAwaitedByte) {
    answerAfter(10, QByteArray("ab\x00.\xff", 5));
    EXPECT_EQ(send(".", ".", 500), QByteArray("ab\x00.\xff", 5));
}

TEST_F(ExchangeTest, MatchingIsCaseSensitive) {
    answerAfter(10, "A");
    EXPECT_EQ(send("a", "a", -150), "");
}

TEST_F(ExchangeTest, BytesFromBeforeTheExchangeNeverCount) {
    terminal.writeMaster(".");
    QTest::qWait(50);
    EXPECT_EQ(exchange.ReceivedText, ".");
    EXPECT_EQ(send(".", ".", -150), "");
    EXPECT_TRUE(exchange.TimedOut);
}

TEST_F(ExchangeTest, BytesStillInTheDriverWhenTheExchangeStartsNeverCount) {
    terminal.writeMaster(".");
    ASSERT_TRUE(terminal.slaveReadable());
    EXPECT_EQ(send(".", ".", -150), "");
}

TEST_F(ExchangeTest, AnEmptyAwaitedTextIsSatisfiedByAnyByte) {
    answerAfter(10, "z");
    EXPECT_EQ(send("?", "", 500), "z");
}

TEST_F(ExchangeTest, ANegativeTimeOutWaitsAsLongButSilently) {
    EXPECT_EQ(send(".", ".", -500), "");
    EXPECT_GE(clock.elapsed(), 490);
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(ExchangeTest, APositiveTimeOutIsReportedWithALeadingEscShownAsText) {
    EXPECT_EQ(send("\x1b&u", "x", 500), "");
    EXPECT_GE(clock.elapsed(), 490);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "TimeOut auf COM. (Keine Antwort auf 'ESC &u')");
    EXPECT_EQ(prompt.shown[0].title, "Quendal");
    EXPECT_EQ(prompt.shown[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(prompt.shown[0].buttons, QMessageBox::Ok);
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(ExchangeTest, ACancelSetOnEntryStillSendsButEndsAtOnceWithoutAMessage) {
    cancel = true;
    EXPECT_EQ(send(".", ".", 500), "");
    EXPECT_LT(clock.elapsed(), 400); // well short of the 500 ms time-out
    EXPECT_EQ(terminal.readMaster(1), ".");
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(ExchangeTest, ZeroSetsNoLimitSoOnlyTheReplyOrACancelEndsTheWait) {
    answerAfter(1200, ".");
    EXPECT_EQ(send(".", ".", 0), ".");
    EXPECT_GE(clock.elapsed(), 1190);
    QTimer::singleShot(300, &window, [this] { cancel = true; });
    EXPECT_EQ(send(".", ".", 0), "");
    EXPECT_GE(clock.elapsed(), 290);
}

TEST_F(ExchangeTest, ALateTimerOfACancelledExchangeDoesNotEndTheNext) {
    cancel = true;
    EXPECT_EQ(send(".", ".", 100), "");
    cancel = false;
    answerAfter(250, ".");
    EXPECT_EQ(send(".", ".", 400), ".");
    EXPECT_TRUE(prompt.shown.empty());
}

} // namespace
