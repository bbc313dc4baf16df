#include "stored_port_settings.h"

#include "captions.h"
#include "device_link/serial_port.h"
#include "device_link/settings_store.h"

#include <QRegularExpression>
#include <limits>

namespace {

// The stored number must be a whole number that fits `Integer`'s range.
template <typename Integer>
bool toNumber(const QString& key, const QString& text, int& value, QString& error) {
    bool isNumber = false;
    const QString digits = text.trimmed();
    const qlonglong number = digits.toLongLong(&isNumber);
    // Digits too many for any integer are a number all the same, just out of range.
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    if (!isNumber && wholeNumber.match(digits).hasMatch()) {
        error = Captions::storedOutOfRange(text, key);
        return false;
    }
    if (!isNumber) {
        error = Captions::storedNotANumber(text, key);
        return false;
    }
    if (number < std::numeric_limits<Integer>::min() ||
        number > std::numeric_limits<Integer>::max()) {
        error = Captions::storedOutOfRange(text, key);
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool failed(const SerialPort& port, QString& error) {
    error = Captions::describe(port.problem());
    return false;
}

// A stored number that is absent or empty leaves the port as it is.
template <typename Integer>
bool applyNumber(SerialPort& port, const StoredEntries& entries, const QString& key,
                 bool (SerialPort::*apply)(int), QString& error) {
    const QString text = entries.value(key);
    if (text.isEmpty())
        return true;
    int number = 0;
    if (!toNumber<Integer>(key, text, number, error))
        return false;
    return (port.*apply)(number) || failed(port, error);
}

} // namespace

bool readStoredPortSettings(StoredEntries& entries, QString& error) {
    SettingsStore::Problem problem;
    if (SettingsStore::readSection(SettingsStore::settingsSection, entries, problem))
        return true;
    error = Captions::describe(problem);
    return false;
}

bool applyStoredPortSettings(SerialPort& port, const StoredEntries& entries, QString& error) {
    using namespace SettingsStore;
    const QString settings = entries.value(settingsKey);
    if (!settings.isEmpty() && !port.setSettings(settings))
        return failed(port, error);
    return applyNumber<qint16>(port, entries, commPortKey, &SerialPort::setCommPort, error) &&
           applyNumber<qint32>(port, entries, handshakingKey, &SerialPort::setHandshaking, error);
}

bool saveStoredPortSettings(const SerialPort& port, bool echo, const QString& changedDevice,
                            QString& error) {
    using namespace SettingsStore;
    QList<Entry> entries{
        {settingsSection, settingsKey, port.Settings()},
        {settingsSection, commPortKey, QString::number(port.CommPort())},
        {settingsSection, handshakingKey, QString::number(port.Handshaking())},
        {settingsSection, echoKey, echo ? QStringLiteral("true") : QStringLiteral("false")}};
    if (!changedDevice.isEmpty())
        entries.append({portsSection, QStringLiteral("COM%1").arg(port.CommPort()), changedDevice});
    SettingsStore::Problem problem;
    if (write(entries, problem))
        return true;
    error = Captions::describe(problem);
    return false;
}
