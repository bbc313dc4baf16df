#include "device_link/serial_port.h"
#include "device_link/settings_store.h"
#include "modal_driver.h"
#include "operator_ui/main_window.h"
#include "pty_pair.h"
#include "scripted_prompt.h"
#include "test_store.h"

#include <QComboBox>
#include <QPushButton>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

const QString inactive = "Schnittstelle inaktiv. Keine Verbindung zum ZR/LN.";

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestStore::clear();
        TestStore::mapPort(1, com1.slavePath());
        TestStore::mapPort(2, com2.slavePath());
    }
    QString status() const { return window.statusBar()->currentMessage(); }

    PtyPair com1, com2;
    ScriptedPrompt prompt;
    MainWindow window{prompt};
};

TEST_F(StartupTest, AFirstRunOpensComOneWithTheInitialConfiguration) {
    window.Form_Load();
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_TRUE(window.MSComm1->PortOpen());
    EXPECT_EQ(status(), "COM1: 9600,e,8,1");
    EXPECT_EQ(window.cmbZRCols->currentText(), "20");
    EXPECT_EQ(window.cmbZRRows->currentText(), "4");
    EXPECT_EQ(window.state.TerminalCols, 20);
    EXPECT_EQ(window.state.TerminalRows, 4);
    EXPECT_EQ(window.state.TestCount, 7);
    EXPECT_EQ(window.steps.TimeOutSign, 1);
}

TEST_F(StartupTest, ARejectedStoredFormatIsMessageOneAndLeavesThePortClosed) {
    TestStore::setSetting(SettingsStore::settingsKey, "9600,x,8,1");
    TestStore::setSetting(SettingsStore::commPortKey, "2");
    TestStore::setSetting(SettingsStore::handshakingKey, "1");
    window.Form_Load();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].icon, QMessageBox::Warning);
    EXPECT_EQ(prompt.shown[0].title, "Quendal");
    EXPECT_TRUE(prompt.shown[0].text.contains("9600,x,8,1"));
    EXPECT_FALSE(window.MSComm1->PortOpen());
    EXPECT_EQ(window.MSComm1->CommPort(), 1);
    EXPECT_EQ(window.MSComm1->Handshaking(), 0);
    EXPECT_EQ(status(), inactive);
    EXPECT_EQ(window.state.TerminalCols, 20);
}

TEST_F(StartupTest, ABadStoredPortNumberIsMessageOneAtOnce) {
    TestStore::setSetting(SettingsStore::commPortKey, "abc");
    window.Form_Load();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].title, "Quendal");
    EXPECT_TRUE(prompt.shown[0].text.contains("abc"));
    EXPECT_FALSE(window.MSComm1->PortOpen());
}

class HeldPortTest : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        ASSERT_TRUE(holder.setPortOpen(true));
    }
    SerialPort holder;
};

TEST_F(HeldPortTest, MessageTwoThenTheDialogThenASecondOpeningThatSucceeds) {
    whenModalShown([this](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "frmProperties");
        holder.setPortOpen(false);
        dialog->findChild<QPushButton*>("cmdOK")->click();
    });
    window.Form_Load();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].title, "Schnittstellenfehler");
    EXPECT_EQ(prompt.shown[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(prompt.shown[0].text,
              "Schnittstelle COM1 wird bereits verwendet.\rBitte alle anderen Programme schließen "
              "und Schnittstelle ggf. im folgenden Disolg anpassen!");
    EXPECT_TRUE(prompt.shown[0].details.contains("anderen Programm verwendet"))
        << prompt.shown[0].details.toStdString();
    EXPECT_TRUE(window.MSComm1->PortOpen());
    EXPECT_EQ(status(), "COM1: 9600,e,8,1");
}

TEST_F(HeldPortTest, MessageThreeWhenTheSecondOpeningFailsToo) {
    whenModalShown([](QWidget* dialog) { dialog->findChild<QPushButton*>("cmdCancel")->click(); });
    window.Form_Load();
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[1].title, "Schnittstellenfehler");
    EXPECT_EQ(prompt.shown[1].text,
              "Schnittstelle COM1 konnte nicht geöffnet werden.\rBitte beenden "
              "Sie das Programm und beheben Sie das Problem.");
    EXPECT_TRUE(prompt.shown[1].details.contains("COM1")) << prompt.shown[1].details.toStdString();
    EXPECT_FALSE(window.MSComm1->PortOpen());
    EXPECT_EQ(status(), inactive);
}

TEST_F(HeldPortTest, APortTheDialogOpenedIsNotOpenedAgain) {
    whenModalShown([](QWidget* dialog) {
        dialog->findChild<QComboBox*>("cboPort")->setCurrentIndex(1);
        dialog->findChild<QPushButton*>("cmdOK")->click();
    });
    window.Form_Load();
    EXPECT_EQ(prompt.shown.size(), 1u) << "no message 3 for a port that is open";
    EXPECT_TRUE(window.MSComm1->PortOpen());
    EXPECT_EQ(status(), "COM2: 9600,e,8,1");
    EXPECT_EQ(TestStore::setting(SettingsStore::commPortKey), "2");
}

} // namespace
