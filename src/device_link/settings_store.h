#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The per-user store: text values addressed by section and key under the application "Quendal".
namespace SettingsStore {

inline const QString settingsSection = QStringLiteral("Einstellungen");
inline const QString settingsKey = QStringLiteral("Einstellungen");
inline const QString commPortKey = QStringLiteral("COM-Anschluß");
inline const QString handshakingKey = QStringLiteral("Handshaking");
inline const QString echoKey = QStringLiteral("Echo");
// Maps "COM<n>" to a device path.
inline const QString portsSection = QStringLiteral("Anschluesse");

// Why the store's file could not be read or written, as data for the operator's message.
struct Problem {
    enum Kind { Unreadable, NotSaved };
    enum Cause {
        IsFolder,
        IsFifo,
        IsDevice,
        IsSocket,
        TooLarge,
        NotReadable,
        Malformed,
        FileReadOnly,
        FolderReadOnly,
        WriteFailed
    };
    Kind kind = Unreadable;
    Cause cause = WriteFailed;
    QString file;
    QString folder; // for FolderReadOnly
};

struct Entry {
    QString section;
    QString key;
    QString value;
};

// The file behind the store, as the operator finds it on disk.
QString fileName();

// An absent key and an empty value read alike: as the empty text. A file that cannot be read
// as a whole reads as empty too: nothing of an unreadable store is used.
QString read(const QString& section, const QString& key);

// Every key of `section` with its text, read from the file once. Returns false with the cause
// when the file cannot be read (a folder in its place, no right to read it, not in the
// store's format); `values` then stays as it was.
bool readSection(const QString& section, QHash<QString, QString>& values, Problem& problem);

// A comma-separated list, quoted items as the file quotes them: `"a,b",c` holds two items.
// An absent key reads as no item. False with the cause when the file cannot be read.
bool readList(const QString& section, const QString& key, QStringList& items, Problem& problem);

// Writes all entries in one rewrite of the file, which replaces the old file only once it is
// complete, and counts it as saved once the file reads back with them. Nothing is written
// where the store's path holds no plain file or one too large to be a store. Returns false
// with the file and the cause.
bool write(const QList<Entry>& entries, Problem& problem);

} // namespace SettingsStore
