#include "settings_store.h"

#include <QSettings>

namespace {

QSettings store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quendal"),
                     QStringLiteral("Quendal"));
}

QString path(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

} // namespace

QString SettingsStore::read(const QString& section, const QString& key) {
    const QVariant value = store().value(path(section, key));
    // A hand-edited list ("a, b") reads back as a string list; take it as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void SettingsStore::write(const QString& section, const QString& key, const QString& value) {
    store().setValue(path(section, key), value);
}
