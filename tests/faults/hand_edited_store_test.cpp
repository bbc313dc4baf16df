#include "device_link/serial_port.h"
#include "device_link/settings_store.h"
#include "modal_driver.h"
#include "operator_ui/main_window.h"
#include "pty_pair.h"
#include "scripted_prompt.h"
#include "test_store.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString storeFile() {
    return QSettings(QStringLiteral("Quendal"), QStringLiteral("Quendal")).fileName();
}

QByteArray storeBytes() {
    QFile file(storeFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes one raw line under [Einstellungen], as a technician's editor would.
void handEdit(const QByteArray& key, const QByteArray& value, const QString& device) {
    QDir().mkpath(QFileInfo(storeFile()).path());
    QFile file(storeFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Anschluesse]\nCOM1=" + device.toLocal8Bit() + "\n\n[Einstellungen]\n" + key + "=" +
               value + "\n");
}

enum class Outcome { Opens, Message1 };

struct Case {
    QByteArray key;
    QByteArray value;
    Outcome outcome;
};

std::vector<Case> cases() {
    const QByteArray settings = "Einstellungen", port = "COM-Anschlu%DF", flow = "Handshaking",
                     echo = "Echo";
    const QByteArray longText(100000, '7'), notUtf8("\xff\xfe\xc3\x28", 4);
    std::vector<Case> all;
    for (const QByteArray& value :
         {QByteArray("abc"), QByteArray("0"), QByteArray("-1"), QByteArray("17"),
          QByteArray("70000"), QByteArray("9600,x,8,1"), QByteArray("9600,n,9,1"),
          QByteArray("9600,n,8,3"), QByteArray("9600,,8,1"), longText, notUtf8}) {
        all.push_back({settings, value, Outcome::Message1});
        all.push_back({echo, value, Outcome::Opens});
    }
    for (const QByteArray& value :
         {QByteArray("abc"), QByteArray("0"), QByteArray("-1"), QByteArray("17"),
          QByteArray("70000"), QByteArray("9600,n,8,1"), longText, notUtf8}) {
        all.push_back({port, value, Outcome::Message1});
        all.push_back({flow, value, value == "0" ? Outcome::Opens : Outcome::Message1});
    }
    for (const QByteArray& key : {settings, port, flow, echo})
        all.push_back({key, "", Outcome::Opens});
    all.push_back({flow, "3", Outcome::Opens});
    all.push_back({port, " 1 ", Outcome::Opens});
    return all;
}

TEST(HandEditedStore, StartUpAndTheDialogCopeAndNothingIsWrittenUnasked) {
    PtyPair terminal;
    for (const Case& c : cases()) {
        handEdit(c.key, c.value, terminal.slavePath());
        const QByteArray before = storeBytes();
        ScriptedPrompt prompt;
        {
            MainWindow window(prompt);
            window.Form_Load();
            const std::string label = (c.key + "=" + c.value.left(20)).toStdString();
            EXPECT_EQ(window.MSComm1->PortOpen(), c.outcome == Outcome::Opens) << label;
            ASSERT_EQ(prompt.shown.size(), c.outcome == Outcome::Opens ? 0u : 1u) << label;
            if (!prompt.shown.empty()) {
                EXPECT_EQ(prompt.shown[0].title, "Quendal");
                EXPECT_LT(prompt.shown[0].text.size(), 400) << label;
            }
            whenModalShown(
                [](QWidget* dialog) { dialog->findChild<QPushButton*>("cmdCancel")->click(); });
            window.CommProps_Click();
        }
        EXPECT_EQ(storeBytes(), before) << c.key.toStdString();
    }
}

TEST(HandEditedStore, ADeviceEntryThatIsNoSerialPortEndsInMessageThree) {
    QTemporaryDir folder;
    QFile plain(folder.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    for (const QString& device : {folder.filePath("missing"), folder.path(), plain.fileName()}) {
        handEdit("Echo", "true", device);
        ScriptedPrompt prompt;
        MainWindow window(prompt);
        whenModalShown([](QWidget* dialog) { dialog->findChild<QPushButton*>("cmdOK")->click(); });
        window.Form_Load();
        ASSERT_EQ(prompt.shown.size(), 2u) << device.toStdString();
        EXPECT_EQ(prompt.shown[0].title, "Schnittstellenfehler");
        EXPECT_TRUE(prompt.shown[1].text.contains("konnte nicht geöffnet werden"));
        EXPECT_FALSE(window.MSComm1->PortOpen());
    }
}

} // namespace
