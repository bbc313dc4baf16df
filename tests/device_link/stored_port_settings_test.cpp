#include "device_link/port_directory.h"
#include "device_link/serial_port.h"
#include "device_link/settings_store.h"
#include "test_sequence/stored_port_settings.h"
#include "test_store.h"

#include <gtest/gtest.h>

namespace {

using SettingsStore::commPortKey;
using SettingsStore::echoKey;
using SettingsStore::handshakingKey;
using SettingsStore::settingsKey;

class StoredPortSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { TestStore::clear(); }
    bool apply() {
        StoredEntries entries;
        return readStoredPortSettings(entries, error) &&
               applyStoredPortSettings(port, entries, error);
    }
    SerialPort port;
    QString error;
};

TEST_F(StoredPortSettingsTest, NothingStoredLeavesTheInitialConfiguration) {
    TestStore::setSetting(echoKey, "whatever");
    EXPECT_TRUE(apply());
    EXPECT_EQ(port.Settings(), "9600,e,8,1");
    EXPECT_EQ(port.CommPort(), 1);
    EXPECT_EQ(port.Handshaking(), 0);
}

TEST_F(StoredPortSettingsTest, StoredValuesAreApplied) {
    TestStore::setSetting(settingsKey, "115200,e,7,1.5");
    TestStore::setSetting(commPortKey, "3");
    TestStore::setSetting(handshakingKey, "2");
    ASSERT_TRUE(apply()) << error.toStdString();
    EXPECT_EQ(port.Settings(), "115200,e,7,1.5");
    EXPECT_EQ(port.CommPort(), 3);
    EXPECT_EQ(port.Handshaking(), 2);
}

TEST_F(StoredPortSettingsTest, ARejectedFormatStopsBeforePortNumberAndHandshaking) {
    TestStore::setSetting(commPortKey, "3");
    TestStore::setSetting(handshakingKey, "2");
    for (const char* settings : {"abc", "9600,x,8,1", "9600,n,9,1", "9600,n,8,3", "9600,,8,1"}) {
        TestStore::setSetting(settingsKey, settings);
        EXPECT_FALSE(apply()) << settings;
        EXPECT_TRUE(error.contains(settings)) << error.toStdString();
        EXPECT_EQ(port.CommPort(), 1);
        EXPECT_EQ(port.Handshaking(), 0);
    }
}

TEST_F(StoredPortSettingsTest, ABadPortNumberIsReportedAtOnceAndStopsBeforeHandshaking) {
    TestStore::setSetting(handshakingKey, "2");
    for (const char* number : {"abc", "0", "-1", "17", "70000", "2.5"}) {
        TestStore::setSetting(commPortKey, number);
        EXPECT_FALSE(apply()) << number;
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(port.CommPort(), 1);
        EXPECT_EQ(port.Handshaking(), 0);
    }
}

// Too many digits for any integer is still a number: out of range, not "keine ganze Zahl".
TEST_F(StoredPortSettingsTest, ANumberOfTooManyDigitsIsOutOfRange) {
    for (const char* number : {"99999999999999999999", "-99999999999999999999", "70000"}) {
        TestStore::setSetting(commPortKey, number);
        EXPECT_FALSE(apply()) << number;
        EXPECT_TRUE(error.contains("außerhalb des Zahlenbereichs")) << error.toStdString();
    }
}

TEST_F(StoredPortSettingsTest, ABadHandshakingValueIsReported) {
    for (const char* code : {"abc", "-1", "4", "70000", "99999999999"}) {
        TestStore::setSetting(handshakingKey, code);
        EXPECT_FALSE(apply()) << code;
        EXPECT_EQ(port.Handshaking(), 0);
    }
}

TEST_F(StoredPortSettingsTest, SavingStoresWhatThePortReportsAndAChangedDevice) {
    TestStore::mapPort(2, "/dev/ttyUSB0");
    ASSERT_TRUE(port.setSettings("9600,O,8,1"));
    ASSERT_TRUE(port.setCommPort(2));
    ASSERT_TRUE(port.setHandshaking(3));
    ASSERT_TRUE(saveStoredPortSettings(port, true, QString(), error)) << error.toStdString();
    EXPECT_EQ(TestStore::setting(settingsKey), "9600,o,8,1");
    EXPECT_EQ(TestStore::setting(commPortKey), "2");
    EXPECT_EQ(TestStore::setting(handshakingKey), "3");
    EXPECT_EQ(TestStore::setting(echoKey), "true");
    EXPECT_EQ(devicePathForPort(2), "/dev/ttyUSB0");
    ASSERT_TRUE(saveStoredPortSettings(port, false, "/dev/serial/by-id/a,b;c", error));
    EXPECT_EQ(TestStore::setting(echoKey), "false");
    EXPECT_EQ(devicePathForPort(2), "/dev/serial/by-id/a,b;c");
}

} // namespace
