#include "settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <sys/stat.h>

namespace {

QSettings store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quendal"),
                     QStringLiteral("Quendal"));
}

QString path(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

// An unquoted hand-written "9600,n,8,1" reads back as a list; take it as the text it was.
QString text(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

SettingsStore::Problem readProblem(const QFileInfo& file, QSettings::Status status) {
    using Problem = SettingsStore::Problem;
    if (file.isDir())
        return {Problem::Unreadable, Problem::IsFolder, file.filePath()};
    if (status == QSettings::AccessError)
        return {Problem::Unreadable, Problem::NotReadable, file.filePath()};
    return {Problem::Unreadable, Problem::Malformed, file.filePath()};
}

// The cause a failed rewrite most likely had.
SettingsStore::Problem writeProblem(const QFileInfo& file) {
    using Problem = SettingsStore::Problem;
    const QFileInfo folder(file.path());
    if (file.isDir())
        return {Problem::NotSaved, Problem::IsFolder, file.filePath()};
    if (file.exists() && !file.isWritable())
        return {Problem::NotSaved, Problem::FileReadOnly, file.filePath()};
    if (folder.isDir() && !folder.isWritable())
        return {Problem::NotSaved, Problem::FolderReadOnly, file.filePath(), folder.filePath()};
    return {Problem::NotSaved, Problem::WriteFailed, file.filePath()};
}

ino_t inode(const QString& fileName) {
    struct stat node {};
    return ::stat(QFile::encodeName(fileName).constData(), &node) == 0 ? node.st_ino : 0;
}

} // namespace

QString SettingsStore::fileName() {
    return store().fileName();
}

QString SettingsStore::read(const QString& section, const QString& key) {
    return text(store().value(path(section, key)));
}

bool SettingsStore::readSection(const QString& section, QHash<QString, QString>& values,
                                Problem& problem) {
    QSettings settings = store();
    if (settings.status() == QSettings::NoError) {
        settings.beginGroup(section);
        for (const QString& key : settings.childKeys())
            values.insert(key, text(settings.value(key)));
        return true;
    }
    problem = readProblem(QFileInfo(settings.fileName()), settings.status());
    return false;
}

bool SettingsStore::write(const QList<Entry>& entries, Problem& problem) {
    QSettings settings = store();
    for (const Entry& entry : entries)
        settings.setValue(path(entry.section, entry.key), entry.value);
    const ino_t before = inode(settings.fileName());
    settings.sync();
    // A malformed file keeps its format error through a rewrite that succeeded; a completed
    // rewrite shows in a new file in the old one's place.
    if (settings.status() == QSettings::NoError ||
        (settings.status() == QSettings::FormatError && inode(settings.fileName()) != before))
        return true;
    problem = writeProblem(QFileInfo(settings.fileName()));
    return false;
}
