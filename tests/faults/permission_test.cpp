#include "as_nobody.h"
#include "device_link/port_lock.h"
#include "device_link/serial_port.h"
#include "pty_pair.h"
#include "test_sequence/captions.h"
#include "test_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Opens COM1 in a child process that has dropped to an unprivileged user (after
// `prepare`, which runs as root), and returns the description the port gave.
QString openAsNobody(const std::function<bool()>& prepare) {
    return QString::fromUtf8(runAsNobody(prepare, [] {
        SerialPort port;
        return port.setPortOpen(true) ? QByteArray("opened")
                                      : Captions::describe(port.problem()).toUtf8();
    }));
}

class PermissionTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to act as another user";
        TestStore::clear();
        TestStore::mapPort(1, pty.slavePath());
        // The unprivileged child must still read which device COM1 is.
        const QFileInfo store(
            QSettings(QStringLiteral("Quendal"), QStringLiteral("Quendal")).fileName());
        for (const QString& path : {store.path() + "/..", store.path()})
            ::chmod(QFile::encodeName(path).constData(), 0755);
        ::chmod(QFile::encodeName(store.filePath()).constData(), 0644);
    }
    void allowEveryone(mode_t mode) {
        ::chmod(QFile::encodeName(pty.slavePath()).constData(), mode);
    }
    PtyPair pty;
};

TEST_F(PermissionTest, NoRightsOnTheDeviceNodeNameTheGroupToJoin) {
    allowEveryone(0660);
    const group* dialout = ::getgrnam("dialout");
    ASSERT_NE(dialout, nullptr);
    ASSERT_EQ(::chown(QFile::encodeName(pty.slavePath()).constData(), -1, dialout->gr_gid), 0);
    const QString description = openAsNobody([] { return true; });
    EXPECT_TRUE(description.contains("Keine Berechtigung für das Gerät"))
        << description.toStdString();
    EXPECT_TRUE(description.contains(pty.slavePath())) << description.toStdString();
    EXPECT_TRUE(description.contains("Gruppe „dialout“")) << description.toStdString();
    EXPECT_TRUE(description.contains("sudo adduser $USER dialout")) << description.toStdString();
}

TEST_F(PermissionTest, ANodeHeldExclusivelyPointsAtModemManager) {
    allowEveryone(0666);
    const int holder = ::open(QFile::encodeName(pty.slavePath()).constData(), O_RDWR | O_NOCTTY);
    ASSERT_EQ(::ioctl(holder, TIOCEXCL), 0);
    const QString description = openAsNobody([] { return true; });
    ::close(holder);
    EXPECT_TRUE(description.contains("exklusiv belegt")) << description.toStdString();
    EXPECT_TRUE(description.contains("ModemManager")) << description.toStdString();
}

TEST_F(PermissionTest, AStaleLockFileOfAnotherUserGivesItsPathAndTheCommand) {
    allowEveryone(0666);
    const QString lock = lockFilePath(QFileInfo(pty.slavePath()).canonicalFilePath());
    const QString description = openAsNobody([lock] {
        QFile file(lock);
        return file.open(QIODevice::WriteOnly) && file.write("   9999999 minicom root\n") > 0;
    });
    QFile::remove(lock);
    EXPECT_TRUE(description.contains("9999999 läuft nicht mehr")) << description.toStdString();
    EXPECT_TRUE(description.contains("sudo rm " + lock)) << description.toStdString();
}

TEST_F(PermissionTest, NoRightsOnTheLockDirectoryAreToldApartFromAPortInUse) {
    allowEveryone(0666);
    const QString device = pty.slavePath();
    const QString description = openAsNobody([device] {
        // A private view of the lock directory and of the temporary folders QSerialPort
        // falls back to, all writable by root only; the store moves out of /tmp first.
        const QString store = QStringLiteral("/dev/shm/quendal-permission-%1").arg(::getpid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store);
        TestStore::mapPort(1, device);
        ::chmod(QFile::encodeName(store).constData(), 0755);
        ::chmod(QFile::encodeName(store + "/Quendal").constData(), 0755);
        ::chmod(QFile::encodeName(store + "/Quendal/Quendal.conf").constData(), 0644);
        return ::unshare(CLONE_NEWNS) == 0 &&
               ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
               ::mount("tmpfs", "/run/lock", "tmpfs", 0, "mode=0755") == 0 &&
               ::mount("tmpfs", "/tmp", "tmpfs", 0, "mode=0755") == 0 &&
               ::mount("tmpfs", "/var/tmp", "tmpfs", 0, "mode=0755") == 0;
    });
    for (const QString& left :
         QDir(QStringLiteral("/dev/shm")).entryList({"quendal-permission-*"}, QDir::Dirs))
        QDir(QStringLiteral("/dev/shm/") + left).removeRecursively();
    if (description == "preparation failed")
        GTEST_SKIP() << "no mount namespace here";
    if (description == "opened")
        GTEST_SKIP() << "QSerialPort found another lock directory it may write";
    EXPECT_TRUE(description.contains("Sperrverzeichnis")) << description.toStdString();
    EXPECT_FALSE(description.contains("anderen Programm")) << description.toStdString();
}

} // namespace
