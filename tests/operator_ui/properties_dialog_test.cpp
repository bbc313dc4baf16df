#include "device_link/serial_port.h"
#include "device_link/settings_store.h"
#include "operator_ui/device_list.h"
#include "operator_ui/properties_dialog.h"
#include "pty_pair.h"
#include "scripted_prompt.h"
#include "test_store.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class PropertiesDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestStore::clear();
        TestStore::mapPort(1, com1.slavePath());
        TestStore::mapPort(2, com2.slavePath());
    }
    PropertiesDialog& open() {
        dialog = std::make_unique<PropertiesDialog>(port, prompt);
        dialog->show();
        return *dialog;
    }
    void pressOK() { dialog->findChild<QPushButton*>("cmdOK")->click(); }
    QStringList shown() const {
        return {dialog->cboPort->currentText(), dialog->cboSpeed->currentText(),
                dialog->cboParity->currentText(), dialog->cboDataBits->currentText(),
                dialog->cboStopBits->currentText()};
    }

    PtyPair com1, com2;
    SerialPort port;
    ScriptedPrompt prompt;
    std::unique_ptr<PropertiesDialog> dialog;
};

TEST_F(PropertiesDialogTest, ShowsThePortsConfigurationInDisabledLists) {
    ASSERT_TRUE(port.setSettings("115200,e,7,1.5"));
    ASSERT_TRUE(port.setHandshaking(2));
    open();
    EXPECT_EQ(dialog->windowTitle(), "COM-Anschluß-Einstellungen");
    EXPECT_EQ(shown(), QStringList({"Com1", "115200", "Even", "7", "1.5"}));
    EXPECT_TRUE(dialog->optFlow[2]->isChecked());
    EXPECT_EQ(dialog->FlowSetting, 2);
    EXPECT_TRUE(dialog->optEcho[0]->isChecked());
    EXPECT_FALSE(dialog->EchoSetting);
    EXPECT_EQ(dialog->cboDevice->chosenPath(), com1.slavePath());
    EXPECT_TRUE(dialog->cboPort->isEnabled());
    for (QWidget* fixed :
         {static_cast<QWidget*>(dialog->cboSpeed), static_cast<QWidget*>(dialog->cboParity),
          static_cast<QWidget*>(dialog->optFlow[0]), static_cast<QWidget*>(dialog->optEcho[1])})
        EXPECT_FALSE(fixed->isEnabled());
    EXPECT_EQ(dialog->cboPort->count(), 16);
    EXPECT_EQ(dialog->cboPort->itemText(15), "Com16");
}

TEST_F(PropertiesDialogTest, ShowsEachParityLetter) {
    const std::pair<const char*, const char*> cases[] = {{"9600,o,8,1", "Odd"},
                                                         {"9600,m,8,1", "Mark"},
                                                         {"9600,n,8,1", "None"},
                                                         {"9600,s,8,2", "Space"}};
    for (const auto& [settings, parity] : cases) {
        ASSERT_TRUE(port.setSettings(settings));
        open();
        EXPECT_EQ(dialog->cboParity->currentText(), parity) << settings;
    }
}

TEST_F(PropertiesDialogTest, OkStoresWhatThePortReportsAndKeepsAnOpenPortOpen) {
    ASSERT_TRUE(port.setSettings("9600,o,8,1"));
    ASSERT_TRUE(port.setPortOpen(true));
    QSignalSpy reopened(&port, &SerialPort::PortOpenChanged);
    open();
    pressOK();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(port.PortOpen());
    EXPECT_TRUE(reopened.isEmpty());
    EXPECT_EQ(TestStore::setting(SettingsStore::settingsKey), "9600,o,8,1");
    EXPECT_EQ(TestStore::setting(SettingsStore::commPortKey), "1");
    EXPECT_EQ(TestStore::setting(SettingsStore::handshakingKey), "0");
    EXPECT_EQ(TestStore::setting(SettingsStore::echoKey), "false");
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(PropertiesDialogTest, AnotherPortIsOpenedByOk) {
    open();
    dialog->cboPort->setCurrentIndex(1);
    EXPECT_EQ(dialog->cboDevice->chosenPath(), com2.slavePath());
    pressOK();
    EXPECT_EQ(port.CommPort(), 2);
    EXPECT_TRUE(port.PortOpen());
}

TEST_F(PropertiesDialogTest, APortInUseGivesOneBoxAndTheOldNumberBack) {
    SerialPort holder;
    ASSERT_TRUE(holder.setCommPort(2));
    ASSERT_TRUE(holder.setPortOpen(true));
    ASSERT_TRUE(port.setPortOpen(true));
    open();
    dialog->cboPort->setCurrentIndex(1);
    pressOK();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].icon, QMessageBox::Warning);
    EXPECT_EQ(prompt.shown[0].title, "Quendal");
    EXPECT_TRUE(prompt.shown[0].text.contains("COM2"));
    EXPECT_EQ(port.CommPort(), 1);
    EXPECT_FALSE(port.PortOpen());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(TestStore::hasSetting(SettingsStore::commPortKey));
    dialog->findChild<QPushButton*>("cmdCancel")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(port.PortOpen());
}

TEST_F(PropertiesDialogTest, AParityTheListsCannotShowKeepsTheDialogOpen) {
    open();
    dialog->cboParity->setCurrentIndex(-1);
    pressOK();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown[0].text.contains("9600,,8,1"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(TestStore::hasSetting(SettingsStore::settingsKey));
}

TEST_F(PropertiesDialogTest, EnterPressesOkAndEscDoesNothing) {
    open();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

} // namespace
