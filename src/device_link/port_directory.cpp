#include "port_directory.h"

#include "settings_store.h"

QString devicePathForPort(int commPort) {
    const QString mapped =
        SettingsStore::read(SettingsStore::portsSection, QStringLiteral("COM%1").arg(commPort));
    if (!mapped.isEmpty())
        return mapped;
    return QStringLiteral("/dev/ttyS%1").arg(commPort - 1);
}
