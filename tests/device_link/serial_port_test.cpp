#include "device_link/low_latency.h"
#include "device_link/serial_port.h"
#include "pty_pair.h"
#include "test_sequence/captions.h"
#include "test_store.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <pty.h>
#include <thread>
#include <unistd.h>

namespace {

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestStore::clear();
        TestStore::mapPort(1, pty.slavePath());
    }
    PtyPair pty;
    SerialPort port;
};

TEST_F(SerialPortTest, OpensTheMappedDeviceWithTheInitialConfiguration) {
    EXPECT_EQ(port.CommPort(), 1);
    EXPECT_EQ(port.Settings(), "9600,e,8,1");
    EXPECT_EQ(port.Handshaking(), 0);
    QSignalSpy changes(&port, &SerialPort::PortOpenChanged);
    ASSERT_TRUE(port.setPortOpen(true)) << Captions::describe(port.problem()).toStdString();
    EXPECT_TRUE(port.PortOpen());
    EXPECT_EQ(changes.size(), 1);
}

TEST_F(SerialPortTest, APseudoTerminalTakesEveryValidFormatAsItStands) {
    ASSERT_TRUE(port.setPortOpen(true));
    for (const char* settings : {"115200,E,7,1.5", "300,m,5,2", "9600,o,4,1"}) {
        ASSERT_TRUE(port.setSettings(settings)) << Captions::describe(port.problem()).toStdString();
        EXPECT_EQ(port.Settings(), QString(settings).toLower());
    }
    EXPECT_TRUE(port.setHandshaking(3)) << Captions::describe(port.problem()).toStdString();
    EXPECT_FALSE(port.setHandshaking(4));
    EXPECT_FALSE(port.setSettings("9600,x,8,1"));
    EXPECT_EQ(port.Settings(), "9600,o,4,1");
}

TEST_F(SerialPortTest, BytesCrossTheLineUnchangedInBothDirections) {
    ASSERT_TRUE(port.setPortOpen(true));
    const QByteArray bytes("\x1b&u\x00\x7f\x80\xff\r", 8);
    ASSERT_TRUE(port.setOutput(bytes));
    EXPECT_EQ(pty.readMaster(bytes.size()), bytes);
    QSignalSpy received(&port, &SerialPort::OnComm);
    pty.writeMaster(bytes);
    QByteArray input;
    for (int pass = 0; pass < 100 && input.size() < bytes.size(); ++pass) {
        received.wait(20);
        input += port.Input();
    }
    EXPECT_EQ(input, bytes);
    EXPECT_EQ(port.CommEvent(), SerialPort::comEvReceive);
}

TEST_F(SerialPortTest, OpeningFailsWithADescriptionThatSaysWhy) {
    QTemporaryDir folder;
    QFile plainFile(folder.filePath("not-a-port"));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    const std::pair<QString, QString> cases[] = {{folder.filePath("missing"), "gibt es nicht"},
                                                 {folder.path(), "kein serielles Gerät"},
                                                 {plainFile.fileName(), "kein serielles Gerät"}};
    for (const auto& [device, reason] : cases) {
        TestStore::mapPort(2, device);
        ASSERT_TRUE(port.setCommPort(2));
        EXPECT_FALSE(port.setPortOpen(true)) << device.toStdString();
        EXPECT_TRUE(Captions::describe(port.problem()).contains("COM2"))
            << Captions::describe(port.problem()).toStdString();
        EXPECT_TRUE(Captions::describe(port.problem()).contains(reason))
            << Captions::describe(port.problem()).toStdString();
        EXPECT_FALSE(port.PortOpen());
    }
}

TEST_F(SerialPortTest, APortHeldElsewhereIsRefusedAlsoThroughALink) {
    QTemporaryDir folder;
    const QString link = folder.filePath("by-id-link");
    ASSERT_TRUE(QFile::link(pty.slavePath(), link));
    TestStore::mapPort(2, link);
    SerialPort other;
    ASSERT_TRUE(other.setPortOpen(true));
    ASSERT_TRUE(port.setCommPort(2));
    EXPECT_FALSE(port.setPortOpen(true));
    EXPECT_TRUE(Captions::describe(port.problem()).contains("anderen Programm verwendet"))
        << Captions::describe(port.problem()).toStdString();
    EXPECT_FALSE(other.setPortOpen(true)) << "an open port cannot be opened again";
    EXPECT_TRUE(other.PortOpen());
}

TEST_F(SerialPortTest, ThePortNumberIsCheckedAndOnlyChangedWhileClosed) {
    EXPECT_FALSE(port.setCommPort(0));
    EXPECT_FALSE(port.setCommPort(17));
    ASSERT_TRUE(port.setPortOpen(true));
    EXPECT_FALSE(port.setCommPort(2));
    EXPECT_EQ(port.CommPort(), 1);
}

TEST_F(SerialPortTest, AVanishedDeviceClosesThePortOnce) {
    ASSERT_TRUE(port.setPortOpen(true));
    QSignalSpy changes(&port, &SerialPort::PortOpenChanged);
    QSignalSpy lost(&port, &SerialPort::deviceLost);
    pty.hangUp();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !port.PortOpen(); }, 2000));
    QTest::qWait(50);
    ASSERT_EQ(changes.size(), 1);
    EXPECT_FALSE(changes.first().first().toBool());
    EXPECT_EQ(lost.size(), 1);
    EXPECT_FALSE(port.setOutput("x"));
    EXPECT_TRUE(Captions::describe(port.problem()).contains("nicht geöffnet"))
        << Captions::describe(port.problem()).toStdString();
}

// With Xon/Xoff the kernel acts on a received XOFF: the next write cannot go out.
TEST_F(SerialPortTest, AnXoffStallFailsTheWriteButKeepsThePortOpen) {
    ASSERT_TRUE(port.setHandshaking(1));
    ASSERT_TRUE(port.setPortOpen(true));
    QSignalSpy stalled(&port, &SerialPort::outputStalled);
    QSignalSpy lost(&port, &SerialPort::deviceLost);
    pty.writeMaster("\x13");
    ASSERT_TRUE(pty.slaveOutputIs(false));
    EXPECT_FALSE(port.setOutput("a"));
    EXPECT_TRUE(port.PortOpen());
    EXPECT_EQ(stalled.size(), 1);
    EXPECT_TRUE(lost.isEmpty());

    pty.writeMaster("\x11");
    ASSERT_TRUE(pty.slaveOutputIs(true));
    EXPECT_TRUE(port.setOutput("b"));
    EXPECT_EQ(pty.readMaster(1), "b") << "the refused byte is dropped, not sent late";
}

// Every terminal thread opens and closes its own port while the others do: each port keeps
// its own low-latency state, which a ThreadSanitizer build of this test checks.
TEST(LowLatencyTest, PortsOnSeveralThreadsKeepTheirOwnState) {
    const auto openAndClose = [] {
        int master = -1, slave = -1;
        ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
        LowLatency state;
        for (int round = 0; round < 1000; ++round) {
            state.enable(slave);
            state.restore(slave);
        }
        ::close(slave);
        ::close(master);
    };
    std::thread first(openAndClose), second(openAndClose);
    first.join();
    second.join();
}

} // namespace
