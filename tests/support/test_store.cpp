#include "test_store.h"

#include "device_link/settings_store.h"

#include <QSettings>

namespace {
QSettings store() {
    return QSettings(QStringLiteral("Quendal"), QStringLiteral("Quendal"));
}
} // namespace

void TestStore::clear() {
    store().clear();
}

void TestStore::mapPort(int commPort, const QString& device) {
    store().setValue(SettingsStore::portsSection + QStringLiteral("/COM%1").arg(commPort), device);
}

void TestStore::setSetting(const QString& key, const QString& value) {
    store().setValue(SettingsStore::settingsSection + QLatin1Char('/') + key, value);
}

QString TestStore::setting(const QString& key) {
    return SettingsStore::read(SettingsStore::settingsSection, key);
}

bool TestStore::hasSetting(const QString& key) {
    return store().contains(SettingsStore::settingsSection + QLatin1Char('/') + key);
}
