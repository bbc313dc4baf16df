#include "device_link/port_lock.h"
#include "device_link/process_info.h"
#include "device_link/serial_port.h"
#include "pty_pair.h"
#include "test_sequence/captions.h"
#include "test_store.h"

#include <QFile>
#include <QFileInfo>
#include <climits>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

class OpenFailureTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestStore::clear();
        TestStore::mapPort(1, pty.slavePath());
        lockPath = lockFilePath(QFileInfo(pty.slavePath()).canonicalFilePath());
        ASSERT_FALSE(lockPath.isEmpty());
    }
    void TearDown() override {
        ::unlink(QFile::encodeName(lockPath).constData());
        ::rmdir(QFile::encodeName(lockPath).constData());
    }
    QString refusal() {
        EXPECT_FALSE(port.setPortOpen(true));
        EXPECT_FALSE(port.PortOpen());
        return Captions::describe(port.problem());
    }

    PtyPair pty;
    SerialPort port;
    QString lockPath;
};

// Anyone may plant these in the world-writable lock directory; reading one could hang
// (a FIFO) or never end (a link to /dev/zero).
TEST_F(OpenFailureTest, ALockFileThatIsNoPlainFileIsNamedAndNeverOpened) {
    const QByteArray lock = QFile::encodeName(lockPath);
    const std::pair<std::function<int()>, QString> plants[] = {
        {[&] { return ::mkfifo(lock.constData(), 0666); }, "FIFO"},
        {[&] { return ::symlink("/dev/zero", lock.constData()); }, "symbolische Verknüpfung"},
        {[&] { return ::mkdir(lock.constData(), 0755); }, "Verzeichnis"}};
    for (const auto& [plant, kind] : plants) {
        ASSERT_EQ(plant(), 0) << kind.toStdString();
        const QString description = refusal();
        EXPECT_TRUE(description.contains(lockPath)) << description.toStdString();
        EXPECT_TRUE(description.contains(kind)) << description.toStdString();
        TearDown();
    }
}

TEST_F(OpenFailureTest, AnotherToolsFlockIsRespectedAndOursIsHeldWhileOpen) {
    const int other = ::open(QFile::encodeName(pty.slavePath()).constData(), O_RDWR | O_NOCTTY);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    const QString description = refusal();
    EXPECT_TRUE(description.contains("anderen Programm verwendet")) << description.toStdString();
    EXPECT_TRUE(description.contains(QString("Prozess %1").arg(::getpid())))
        << description.toStdString();
    EXPECT_FALSE(QFileInfo::exists(lockPath)) << "the refused port leaves no lock file";
    ::close(other);

    ASSERT_TRUE(port.setPortOpen(true)) << Captions::describe(port.problem()).toStdString();
    EXPECT_TRUE(pty.slaveLocked());
    port.setPortOpen(false);
    EXPECT_FALSE(pty.slaveLocked());
}

TEST_F(OpenFailureTest, ALockFileOfARunningProgramNamesItsProcess) {
    SerialPort holder;
    ASSERT_TRUE(holder.setPortOpen(true));
    const QString description = refusal();
    EXPECT_TRUE(description.contains(QString("Prozess %1").arg(::getpid())))
        << description.toStdString();
    EXPECT_FALSE(description.contains("LCK..")) << "the process, not the raw file";
    EXPECT_FALSE(description.contains("ModemManager")) << description.toStdString();
    EXPECT_EQ(port.problem().kind, PortProblem::InUseByProgram);
}

// QSerialPort's own lock takes over a file older than 30 s, or one naming another program:
// a live holder must be named whatever its age and whatever follows its pid.
TEST_F(OpenFailureTest, ALockFileIsStaleOnlyWhenItsProcessIsGone) {
    const QByteArray self = QByteArray::number(::getpid());
    const std::pair<QByteArray, bool> cases[] = {
        {self.rightJustified(10, ' ') + "\n", false},
        {self.rightJustified(10, ' ') + " minicom user\n", false},
        {self + "\nminicom\nlocalhost\n", false},
        {"   9999999 minicom user\n", true}};
    for (const auto& [content, stale] : cases) {
        QFile file(lockPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        const timeval aged[2] = {{::time(nullptr) - 60, 0}, {::time(nullptr) - 60, 0}};
        ASSERT_EQ(::utimes(QFile::encodeName(lockPath).constData(), aged), 0);
        if (stale) {
            EXPECT_TRUE(port.setPortOpen(true)) << Captions::describe(port.problem()).toStdString();
            port.setPortOpen(false);
            continue;
        }
        const QString description = refusal();
        EXPECT_EQ(port.problem().kind, PortProblem::InUseByProgram) << content.constData();
        EXPECT_TRUE(description.contains(QString("Prozess %1").arg(::getpid())))
            << description.toStdString();
        EXPECT_TRUE(QFileInfo::exists(lockPath)) << content.constData();
        TearDown();
    }
}

TEST_F(OpenFailureTest, APathTooLongForTheSystemIsNotCalledMissing) {
    for (const QString& path : {"/tmp/" + QString(5000, 'a'), "/tmp/" + QString(256, 'a')}) {
        port.setDevicePath(path);
        refusal();
        EXPECT_EQ(port.problem().kind, PortProblem::OpenFailed);
        EXPECT_EQ(port.problem().errorNumber, ENAMETOOLONG);
    }
}

// Cut to pid_t, 2^32 would become kill(0, 0), which always succeeds.
TEST(ProcessInfoTest, OnlyANumberAProcessCanHaveIsRunning) {
    const std::vector<std::pair<qint64, bool>> cases{{::getpid(), true},
                                                     {0, false},
                                                     {-1, false},
                                                     {qint64(1) << 32, false},
                                                     {(qint64(1) << 32) + ::getpid(), false},
                                                     {qint64(INT_MAX) + 1, false}};
    for (const auto& [pid, running] : cases)
        EXPECT_EQ(isRunning(pid), running) << pid;
}

// The advice must lead somewhere: never "join root", and no guessed group when none is known.
TEST(OpenFailureWordsTest, TheCureNeverNamesGroupRootOrAGuessedGroup) {
    struct Case {
        PortProblem::Kind kind;
        QString group;
        const char* cure;
    };
    const std::vector<Case> cases{
        {PortProblem::NoDeviceRights, "dialout", "sudo adduser $USER dialout"},
        {PortProblem::NoDeviceRights, "root", "udev-Regel"},
        {PortProblem::NoDeviceRights, "", "ls -l /dev/ttyUSB0"},
        {PortProblem::NoLockDirectoryRights, "uucp", "sudo adduser $USER uucp"},
        {PortProblem::NoLockDirectoryRights, "root", "sudo chmod 1777 /run/lock"},
        {PortProblem::NoLockDirectoryRights, "", "sudo chmod 1777 /run/lock"}};
    for (const Case& c : cases) {
        PortProblem problem;
        problem.kind = c.kind;
        problem.commPort = 1;
        problem.path = problem.node = "/dev/ttyUSB0";
        problem.lockFile = "/run/lock";
        problem.group = c.group;
        const QString text = Captions::describe(problem);
        EXPECT_TRUE(text.contains(c.cure)) << text.toStdString();
        EXPECT_FALSE(text.contains("adduser $USER root")) << text.toStdString();
        EXPECT_FALSE(c.group.isEmpty() && text.contains("dialout")) << text.toStdString();
    }
}

TEST_F(OpenFailureTest, ANodeThatIsNoTerminalIsNotASerialDevice) {
    TestStore::mapPort(1, "/dev/null");
    EXPECT_TRUE(refusal().contains("/dev/null ist kein serielles Gerät"))
        << Captions::describe(port.problem()).toStdString();
}

} // namespace
