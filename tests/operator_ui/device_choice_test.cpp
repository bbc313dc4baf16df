#include "device_link/serial_port.h"
#include "device_link/settings_store.h"
#include "modal_driver.h"
#include "operator_ui/device_list.h"
#include "operator_ui/properties_dialog.h"
#include "pty_pair.h"
#include "scripted_prompt.h"
#include "test_store.h"

#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class FixedDevices : public SerialDeviceSource {
public:
    QList<SerialDevice> devices() const override { return list; }
    QList<SerialDevice> list;
};

QString mapping(int commPort) {
    return SettingsStore::read(SettingsStore::portsSection, QString("COM%1").arg(commPort));
}

class DeviceChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestStore::clear();
        TestStore::mapPort(1, com1.slavePath());
        devices.list = {{"/dev/serial/by-id/usb-FTDI_FT232R_A10K-if00-port0",
                         "FT232R, FTDI, A10K, /dev/serial/by-id/usb-FTDI", "FT232R", "FTDI",
                         "A10K"}};
    }
    PropertiesDialog& open() {
        dialog = std::make_unique<PropertiesDialog>(port, prompt, nullptr, devices);
        dialog->show();
        return *dialog;
    }
    // The whole path of each entry, or its text where it stands for no path.
    QStringList entries() const {
        QStringList texts;
        for (int i = 0; i < dialog->cboDevice->count(); ++i) {
            const QString path = dialog->cboDevice->itemData(i).toString();
            texts << (path.isEmpty() ? dialog->cboDevice->itemText(i) : path);
        }
        return texts;
    }
    // Chooses "Anderes Gerät …" and types `path` into the box it opens.
    void typePath(const QString& path) {
        whenModalShown([path](QWidget* box) {
            box->findChild<QLineEdit*>()->setText(path);
            QMetaObject::invokeMethod(box, "accept");
        });
        DeviceList* list = dialog->cboDevice;
        list->setCurrentIndex(list->count() - 1);
        emit list->activated(list->count() - 1);
    }
    void pressOK() { dialog->findChild<QPushButton*>("cmdOK")->click(); }

    PtyPair com1, com2;
    FixedDevices devices;
    SerialPort port;
    ScriptedPrompt prompt;
    std::unique_ptr<PropertiesDialog> dialog;
};

TEST_F(DeviceChoiceTest, ListsFoundDevicesTheDefaultNodeTheMappingAndOther) {
    TestStore::mapPort(3, "/dev/serial/by-id/usb-gone");
    open();
    EXPECT_EQ(dialog->cboDevice->chosenPath(), com1.slavePath());
    EXPECT_EQ(entries(), QStringList({devices.list[0].path, "/dev/ttyS0", com1.slavePath(),
                                      "Anderes Gerät …"}));
    EXPECT_EQ(dialog->cboDevice->itemText(0), devices.list[0].label);
    dialog->cboPort->setCurrentIndex(2);
    EXPECT_EQ(dialog->cboDevice->chosenPath(), "/dev/serial/by-id/usb-gone");
    EXPECT_EQ(dialog->cboDevice->currentText(), "/dev/serial/by-id/usb-gone (nicht angeschlossen)");
}

TEST_F(DeviceChoiceTest, ReadsTheDevicesAgainWhenOpenedAndSaysWhenThereAreNone) {
    devices.list.clear();
    open();
    const auto* model = qobject_cast<QStandardItemModel*>(dialog->cboDevice->model());
    EXPECT_EQ(dialog->cboDevice->itemText(0), "Kein serielles Gerät gefunden");
    EXPECT_FALSE(model->item(0)->isEnabled());
    devices.list = {{"/dev/ttyUSB0", "CP2102, /dev/ttyUSB0", "CP2102", {}, {}}};
    dialog->cboDevice->showPopup();
    EXPECT_EQ(entries().first(), "/dev/ttyUSB0");
    EXPECT_EQ(dialog->cboDevice->chosenPath(), com1.slavePath()) << "the choice stays";
    dialog->cboDevice->hidePopup();
}

TEST_F(DeviceChoiceTest, ATypedDeviceIsOpenedByOkAndStoredForThePort) {
    ASSERT_TRUE(port.setPortOpen(true));
    open();
    typePath(com2.slavePath());
    EXPECT_EQ(dialog->cboDevice->chosenPath(), com2.slavePath());
    pressOK();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(port.PortOpen());
    EXPECT_EQ(port.devicePath(), com2.slavePath());
    EXPECT_EQ(mapping(1), com2.slavePath());
    EXPECT_FALSE(com1.slaveLocked()) << "the old device was let go";
    EXPECT_TRUE(com2.slaveLocked());
}

TEST_F(DeviceChoiceTest, ADeviceThatDoesNotOpenBringsTheOldOneBackAndStoresNothing) {
    ASSERT_TRUE(port.setPortOpen(true));
    open();
    typePath("/dev/serial/by-id/usb-not-plugged-in");
    pressOK();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown[0].text.contains("gibt es nicht"))
        << prompt.shown[0].text.toStdString();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(port.PortOpen());
    EXPECT_EQ(port.devicePath(), com1.slavePath());
    EXPECT_EQ(mapping(1), com1.slavePath());
    EXPECT_FALSE(TestStore::hasSetting(SettingsStore::settingsKey));
}

TEST_F(DeviceChoiceTest, AFoundDeviceUnderAnotherNameIsTheMappedOneAndOkKeepsIt) {
    QTemporaryDir byId;
    const QString link = byId.filePath("usb-FTDI_FT232R-if00-port0");
    ASSERT_TRUE(QFile::link(com1.slavePath(), link));
    devices.list = {{link, "FT232R, " + link, "FT232R", {}, {}}};
    ASSERT_TRUE(port.setPortOpen(true));
    QSignalSpy reopened(&port, &SerialPort::PortOpenChanged);
    open();
    EXPECT_EQ(entries(), QStringList({link, "/dev/ttyS0", "Anderes Gerät …"}));
    EXPECT_EQ(dialog->cboDevice->chosenPath(), link);
    pressOK();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(reopened.isEmpty());
    EXPECT_EQ(mapping(1), com1.slavePath());
}

TEST_F(DeviceChoiceTest, IsCentredWithAFixedWidthWhateverThePath) {
    open();
    const QRect normal = dialog->geometry();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Within the window frame, which the window system adds after the move.
    EXPECT_LE(std::abs(normal.center().x() - screen.center().x()), 4);
    EXPECT_LE(std::abs(normal.center().y() - screen.center().y()), 4);
    const QString longPath = "/dev/serial/by-id/" + QString(10000, 'x');
    TestStore::mapPort(1, longPath);
    open();
    EXPECT_EQ(dialog->width(), normal.width());
    EXPECT_TRUE(screen.contains(dialog->geometry()));
    EXPECT_EQ(dialog->cboDevice->toolTip(), longPath);
    EXPECT_TRUE(dialog->cboDevice->currentText().contains("…"));
}

} // namespace
