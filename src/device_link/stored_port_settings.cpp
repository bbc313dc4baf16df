#include "stored_port_settings.h"

#include "serial_port.h"
#include "settings_store.h"

#include <limits>

namespace {

QString stored(const QString& key) {
    return SettingsStore::read(SettingsStore::settingsSection, key);
}

// The stored number must be a whole number that fits `Integer`'s range.
template <typename Integer>
bool toNumber(const QString& key, const QString& text, int& value, QString& error) {
    bool isNumber = false;
    const qlonglong number = text.trimmed().toLongLong(&isNumber);
    if (!isNumber) {
        error = QStringLiteral("Der gespeicherte Wert „%1“ unter „%2“ ist keine ganze Zahl.")
                    .arg(text.left(60), key);
        return false;
    }
    if (number < std::numeric_limits<Integer>::min() ||
        number > std::numeric_limits<Integer>::max()) {
        error = QStringLiteral("Der gespeicherte Wert „%1“ unter „%2“ liegt außerhalb des "
                               "Zahlenbereichs.")
                    .arg(text.left(60), key);
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool failed(const SerialPort& port, QString& error) {
    error = port.errorText();
    return false;
}

// A stored number that is absent or empty leaves the port as it is.
template <typename Integer>
bool applyNumber(SerialPort& port, const QString& key, bool (SerialPort::*apply)(int),
                 QString& error) {
    const QString text = stored(key);
    if (text.isEmpty())
        return true;
    int number = 0;
    if (!toNumber<Integer>(key, text, number, error))
        return false;
    return (port.*apply)(number) || failed(port, error);
}

} // namespace

bool applyStoredPortSettings(SerialPort& port, QString& error) {
    const QString settings = stored(SettingsStore::settingsKey);
    if (!settings.isEmpty() && !port.setSettings(settings))
        return failed(port, error);
    return applyNumber<qint16>(port, SettingsStore::commPortKey, &SerialPort::setCommPort, error) &&
           applyNumber<qint32>(port, SettingsStore::handshakingKey, &SerialPort::setHandshaking,
                               error);
}

void saveStoredPortSettings(const SerialPort& port, bool echo) {
    using namespace SettingsStore;
    write(settingsSection, settingsKey, port.Settings());
    write(settingsSection, commPortKey, QString::number(port.CommPort()));
    write(settingsSection, handshakingKey, QString::number(port.Handshaking()));
    write(settingsSection, echoKey, echo ? QStringLiteral("true") : QStringLiteral("false"));
}

void saveDeviceMapping(int commPort, const QString& device) {
    SettingsStore::write(SettingsStore::portsSection, QStringLiteral("COM%1").arg(commPort),
                         device);
}
