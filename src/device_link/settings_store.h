#pragma once

#include <QString>

// The per-user store: text values addressed by section and key under the application "Quendal".
namespace SettingsStore {

inline const QString settingsSection = QStringLiteral("Einstellungen");
inline const QString settingsKey = QStringLiteral("Einstellungen");
inline const QString commPortKey = QStringLiteral("COM-Anschluß");
inline const QString handshakingKey = QStringLiteral("Handshaking");
inline const QString echoKey = QStringLiteral("Echo");
// Maps "COM<n>" to a device path; only read by the program, written by the technician.
inline const QString portsSection = QStringLiteral("Anschluesse");

// An absent key and an empty value read alike: as the empty text.
QString read(const QString& section, const QString& key);
// A failing write is ignored: the store is a convenience, never a reason to stop.
void write(const QString& section, const QString& key, const QString& value);

} // namespace SettingsStore
