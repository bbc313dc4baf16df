#include "as_nobody.h"
#include "device_link/port_directory.h"
#include "device_link/serial_port.h"
#include "device_link/settings_store.h"
#include "operator_ui/main_window.h"
#include "operator_ui/properties_dialog.h"
#include "pty_pair.h"
#include "scripted_prompt.h"
#include "test_sequence/stored_port_settings.h"
#include "test_store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class StoreFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(folder));
        writeRaw("[Einstellungen]\nEcho=false\n");
    }
    void TearDown() override {
        // Lock files that killed saves left behind would hold up later saves for half a minute.
        const QDir locks(folder, QFileInfo(file).fileName() + ".lock*");
        for (const QString& left : locks.entryList(QDir::Files | QDir::Hidden))
            QFile::remove(locks.filePath(left));
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        if (QFileInfo(file).isDir())
            QDir(file).removeRecursively();
    }
    void writeRaw(const QByteArray& text) {
        QFile raw(file);
        ASSERT_TRUE(raw.open(QIODevice::WriteOnly | QIODevice::Truncate));
        raw.write(text);
    }
    QByteArray bytes() const {
        QFile raw(file);
        return raw.open(QIODevice::ReadOnly) ? raw.readAll() : QByteArray();
    }
    // Hands the folder and the file to the unprivileged user with the given modes.
    bool giveToNobody(mode_t folderMode, mode_t fileMode) const {
        const QByteArray folderName = QFile::encodeName(folder);
        const QByteArray fileName = QFile::encodeName(file);
        return ::chmod(QFile::encodeName(folder + "/..").constData(), 0755) == 0 &&
               ::chown(folderName.constData(), nobodyId, nobodyId) == 0 &&
               ::chown(fileName.constData(), nobodyId, nobodyId) == 0 &&
               ::chmod(fileName.constData(), fileMode) == 0 &&
               ::chmod(folderName.constData(), folderMode) == 0;
    }

    const QString file = SettingsStore::fileName();
    const QString folder = QFileInfo(file).path();
};

QByteArray saveAnything() {
    SerialPort port;
    QString error;
    return saveStoredPortSettings(port, true, "/dev/ttyUSB0", error) ? "saved" : error.toUtf8();
}

QByteArray readAnything() {
    StoredEntries entries;
    QString error;
    return readStoredPortSettings(entries, error) ? "read" : error.toUtf8();
}

TEST_F(StoreFileTest, ReadOnlyAndUnreadableFilesAndFoldersAreNamedWithTheCause) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    const QByteArray wellFormed = "[Einstellungen]\nEcho=false\n";
    const QString readOnlyFolder = QStringLiteral("der Ordner %1 ist schreibgeschützt").arg(folder);
    struct Case {
        QByteArray content;
        mode_t folderMode, fileMode;
        QByteArray (*attempt)();
        QString cause;
    };
    const Case cases[] = {
        {wellFormed, 0755, 0444, saveAnything, "die Datei ist schreibgeschützt"},
        {wellFormed, 0555, 0644, saveAnything, readOnlyFolder},
        {"[Einstellungen\nEcho=false\n", 0555, 0644, saveAnything, readOnlyFolder},
        {wellFormed, 0755, 0200, readAnything, "das Recht, sie zu lesen, fehlt"}};
    for (const Case& c : cases) {
        writeRaw(c.content);
        const QByteArray before = bytes();
        const QString said = QString::fromUtf8(
            runAsNobody([&] { return giveToNobody(c.folderMode, c.fileMode); }, c.attempt));
        EXPECT_TRUE(said.contains(file)) << said.toStdString();
        EXPECT_TRUE(said.contains(c.cause)) << said.toStdString();
        EXPECT_EQ(bytes(), before);
    }
}

TEST_F(StoreFileTest, AFolderInTheFilesPlaceIsSaidAndTheDialogStillClosesWithItsSettings) {
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    EXPECT_TRUE(QString::fromUtf8(readAnything()).contains("an ihrer Stelle steht ein Ordner"));
    SerialPort port;
    ScriptedPrompt prompt;
    PropertiesDialog dialog(port, prompt);
    dialog.show();
    dialog.optFlow_Click(2);
    dialog.findChild<QPushButton*>("cmdOK")->click();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].icon, QMessageBox::Warning);
    EXPECT_EQ(prompt.shown[0].title, "Quendal");
    EXPECT_TRUE(prompt.shown[0].text.contains(file));
    EXPECT_TRUE(prompt.shown[0].text.contains("an ihrer Stelle steht ein Ordner"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(port.Handshaking(), 2);
    EXPECT_TRUE(QFileInfo(file).isDir());
}

// Nothing of an unreadable store is used, its device mapping neither: the session's device
// stands in, so the default node of COM1 is never opened here.
TEST_F(StoreFileTest, AMalformedStoreIsSaidAndStartUpGoesOnWithTheInitialConfiguration) {
    PtyPair com1;
    writeRaw("[Anschluesse]\nCOM1=" + QFile::encodeName(com1.slavePath()) +
             "\n[Einstellungen\nEinstellungen=115200,o,7,2\nHandshaking=2\n");
    EXPECT_EQ(devicePathForPort(1), "/dev/ttyS0");
    ScriptedPrompt prompt;
    MainWindow window(prompt);
    window.MSComm1->setDevicePath(com1.slavePath());
    window.Form_Load();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(prompt.shown[0].text.contains(file));
    EXPECT_TRUE(prompt.shown[0].text.contains("nicht das Format"))
        << prompt.shown[0].text.toStdString();
    EXPECT_TRUE(window.MSComm1->PortOpen());
    EXPECT_EQ(window.MSComm1->Settings(), "9600,e,8,1");
    EXPECT_EQ(window.MSComm1->Handshaking(), 0);
}

// None of these is ever opened: a FIFO would block start-up, /dev/zero would never end.
TEST_F(StoreFileTest, AStoreThatIsNoPlainFileOrTooLargeIsNamedAndNeverWritten) {
    const QTemporaryDir elsewhere;
    const QString fifo = elsewhere.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QByteArray large = "[Einstellungen]\n" + QByteArray(1024 * 1024, ';') + "\n";
    const std::vector<std::pair<std::function<void()>, QString>> cases{
        {[&] { ::mkfifo(QFile::encodeName(file).constData(), 0600); }, "eine Pipe (FIFO)"},
        {[&] { QFile::link(fifo, file); }, "eine Pipe (FIFO)"},
        {[&] { QFile::link("/dev/zero", file); }, "eine Gerätedatei"},
        {[&] { writeRaw(large); }, "zu groß"}};
    for (const auto& [place, kind] : cases) {
        QFile::remove(file);
        place();
        struct stat before {};
        ::lstat(QFile::encodeName(file).constData(), &before);
        const QString read = QString::fromUtf8(readAnything());
        EXPECT_TRUE(read.contains("kann nicht gelesen werden") && read.contains(kind))
            << read.toStdString();
        const QString saved = QString::fromUtf8(saveAnything());
        EXPECT_TRUE(saved.contains("nicht in " + file + " gespeichert")) << saved.toStdString();
        EXPECT_TRUE(saved.contains(kind)) << saved.toStdString();
        EXPECT_EQ(SettingsStore::read(SettingsStore::settingsSection, "Echo"), "");
        struct stat after {};
        ::lstat(QFile::encodeName(file).constData(), &after);
        EXPECT_EQ(after.st_ino, before.st_ino) << kind.toStdString();
        EXPECT_EQ(after.st_size, before.st_size) << kind.toStdString();
        QFile::remove(file);
    }
}

TEST_F(StoreFileTest, HandWrittenValuesAreTakenAsWritten) {
    writeRaw("[Anschluesse]\nCOM2=/dev/serial/by-id/usb-X,Y-port0\nCOM3=\"/dev/odd;name\"\n"
             "[Einstellungen]\nEinstellungen=115200,o,7,2\nHandshaking=1\n");
    SerialPort port;
    StoredEntries entries;
    QString error;
    ASSERT_TRUE(readStoredPortSettings(entries, error)) << error.toStdString();
    ASSERT_TRUE(applyStoredPortSettings(port, entries, error)) << error.toStdString();
    EXPECT_EQ(port.Settings(), "115200,o,7,2");
    EXPECT_EQ(port.Handshaking(), 1);
    EXPECT_EQ(devicePathForPort(2), "/dev/serial/by-id/usb-X,Y-port0");
    EXPECT_EQ(devicePathForPort(3), "/dev/odd;name");
}

struct Saved {
    QString settings;
    int commPort;
    int handshaking;
    bool echo;
    QString device;
};

// Whether the file holds every value of `saved`; read from a copy of its own name, so that no
// parse Qt has cached for the file can answer instead.
bool holds(const QString& copy, const Saved& saved) {
    const QSettings stored(copy, QSettings::IniFormat);
    const auto value = [&](const QString& key) { return stored.value(key).toString(); };
    return value("Einstellungen/Einstellungen") == saved.settings &&
           value("Einstellungen/COM-Anschluß") == QString::number(saved.commPort) &&
           value("Einstellungen/Handshaking") == QString::number(saved.handshaking) &&
           value("Einstellungen/Echo") == (saved.echo ? "true" : "false") &&
           value(QStringLiteral("Anschluesse/COM%1").arg(saved.commPort)) == saved.device;
}

// Saves `saved` in a child process, killed after `killAfter` unless that is negative. Returns
// the microseconds from the child's start to its end.
qint64 saveInChild(const SerialPort& port, const Saved& saved, qint64 killAfter) {
    int ready[2];
    if (::pipe(ready) != 0)
        return 0;
    const pid_t child = ::fork();
    if (child == 0) {
        (void)!::write(ready[1], "r", 1);
        QString error;
        saveStoredPortSettings(port, saved.echo, saved.device, error);
        ::_exit(0);
    }
    char started;
    (void)!::read(ready[0], &started, 1);
    QElapsedTimer timer;
    timer.start();
    ::close(ready[0]);
    ::close(ready[1]);
    if (killAfter >= 0) {
        ::usleep(useconds_t(killAfter));
        ::kill(child, SIGKILL);
    }
    ::waitpid(child, nullptr, 0);
    return timer.nsecsElapsed() / 1000;
}

TEST_F(StoreFileTest, AKilledSaveLeavesAllOldOrAllNewValues) {
    const Saved values[] = {{"9600,e,8,1", 1, 0, false, "/dev/quendal-old"},
                            {"19200,o,7,2", 3, 2, true, "/dev/quendal-new"}};
    SerialPort ports[2];
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(ports[i].setSettings(values[i].settings) &&
                    ports[i].setCommPort(values[i].commPort) &&
                    ports[i].setHandshaking(values[i].handshaking));
    // Kills land anywhere from the child's start to about as long again after its save.
    qint64 saveTime = 0;
    for (int i = 0; i < 10; ++i)
        saveTime += saveInChild(ports[i % 2], values[i % 2], -1);
    std::uniform_int_distribution<qint64> delay(0, saveTime / 10 * 2);
    std::mt19937 random(13);
    constexpr int kills = 200;
    int mixed = 0, unchanged = 0, held = 1;
    for (int round = 0; round < kills; ++round) {
        saveInChild(ports[1 - held], values[1 - held], delay(random));
        const QString copy = QStringLiteral("%1.copy%2").arg(file).arg(round);
        ASSERT_TRUE(QFile::copy(file, copy));
        if (holds(copy, values[held]))
            ++unchanged;
        else if (holds(copy, values[1 - held]))
            held = 1 - held;
        else
            ++mixed;
        QFile::remove(copy);
    }
    std::printf("%d kills, %d mixed files, %d kills before the new file was in place\n", kills,
                mixed, unchanged);
    EXPECT_EQ(mixed, 0);
    EXPECT_GT(unchanged, 0) << "no kill landed before the new file was in place";
    EXPECT_LT(unchanged, kills) << "no kill let a save complete";
}

} // namespace
