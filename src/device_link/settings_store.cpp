#include "settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSettings>
#include <QStandardPaths>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace {

using Problem = SettingsStore::Problem;

// Far beyond the few lines the program writes; a file this big is no store of ours, and
// reading it would hold the window for seconds.
constexpr qint64 largestStore = 1024 * 1024;

std::unique_ptr<QSettings> store() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Quendal"), QStringLiteral("Quendal"));
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

// Where QSettings keeps the user's store; known without creating a QSettings object, which
// would read the file at once.
QString storePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quendal/Quendal.conf");
}

// What stands at the path, seen through links without opening it: opening a FIFO blocks, and a
// device such as /dev/zero never ends.
std::optional<Problem::Cause> unusable(const QString& file) {
    struct stat node {};
    if (::stat(QFile::encodeName(file).constData(), &node) != 0)
        return std::nullopt;
    if (S_ISDIR(node.st_mode))
        return Problem::IsFolder;
    if (S_ISFIFO(node.st_mode))
        return Problem::IsFifo;
    if (S_ISSOCK(node.st_mode))
        return Problem::IsSocket;
    if (!S_ISREG(node.st_mode))
        return Problem::IsDevice;
    if (node.st_size > largestStore)
        return Problem::TooLarge;
    return std::nullopt;
}

Problem readProblem(const QFileInfo& file, QSettings::Status status) {
    if (file.isDir())
        return {Problem::Unreadable, Problem::IsFolder, file.filePath(), {}};
    if (status == QSettings::AccessError)
        return {Problem::Unreadable, Problem::NotReadable, file.filePath(), {}};
    return {Problem::Unreadable, Problem::Malformed, file.filePath(), {}};
}

// The cause a failed rewrite most likely had.
Problem writeProblem(const QFileInfo& file) {
    const QFileInfo folder(file.path());
    if (file.isDir())
        return {Problem::NotSaved, Problem::IsFolder, file.filePath(), {}};
    if (file.exists() && !file.isWritable())
        return {Problem::NotSaved, Problem::FileReadOnly, file.filePath(), {}};
    if (folder.isDir() && !folder.isWritable())
        return {Problem::NotSaved, Problem::FolderReadOnly, file.filePath(), folder.filePath()};
    return {Problem::NotSaved, Problem::WriteFailed, file.filePath(), {}};
}

// What identifies one state of the file: a rewrite gives it a new inode, an edit a new time.
struct FileState {
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    bool operator==(const FileState& other) const {
        return inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

std::optional<FileState> stateOf(const QString& file) {
    struct stat node {};
    if (::stat(QFile::encodeName(file).constData(), &node) != 0)
        return std::nullopt;
    return FileState{node.st_ino, node.st_size, node.st_mtim};
}

// QSettings tells a format error only to the first object that parses a changed file; later
// objects share that parse and report none. The state it was found in is kept, so that every
// reader sees the same malformed file as malformed.
QSettings::Status statusOf(const QSettings& settings) {
    static QMutex mutex;
    static std::optional<FileState> malformed;
    const QMutexLocker lock(&mutex);
    const auto now = stateOf(storePath());
    if (settings.status() == QSettings::FormatError) {
        malformed = now;
        return QSettings::FormatError;
    }
    if (malformed && now && *malformed == *now)
        return QSettings::FormatError;
    return settings.status();
}

// The store as one reading of the whole file, or nothing when it cannot be read: its path
// is looked at before any object opens it.
std::unique_ptr<QSettings> readable() {
    if (unusable(storePath()))
        return nullptr;
    auto settings = store();
    return statusOf(*settings) == QSettings::NoError ? std::move(settings) : nullptr;
}

// A fresh object reads the file anew: the save is checked against what is on disk.
bool readsBack(const QList<SettingsStore::Entry>& entries) {
    const auto settings = readable();
    if (!settings)
        return false;
    for (const SettingsStore::Entry& entry : entries)
        if (text(settings->value(path(entry.section, entry.key))) != entry.value)
            return false;
    return true;
}

// The store as one reading of the whole file, or nothing with the cause in `problem`.
std::unique_ptr<QSettings> readableOr(SettingsStore::Problem& problem) {
    if (const auto cause = unusable(storePath())) {
        problem = {SettingsStore::Problem::Unreadable, *cause, storePath(), {}};
        return nullptr;
    }
    auto settings = store();
    const QSettings::Status status = statusOf(*settings);
    if (status == QSettings::NoError)
        return settings;
    problem = readProblem(QFileInfo(storePath()), status);
    return nullptr;
}

} // namespace

QString SettingsStore::fileName() {
    return storePath();
}

QString SettingsStore::read(const QString& section, const QString& key) {
    const auto settings = readable();
    return settings ? text(settings->value(path(section, key))) : QString();
}

bool SettingsStore::readSection(const QString& section, QHash<QString, QString>& values,
                                Problem& problem) {
    const auto settings = readableOr(problem);
    if (!settings)
        return false;
    settings->beginGroup(section);
    for (const QString& key : settings->childKeys())
        values.insert(key, text(settings->value(key)));
    return true;
}

bool SettingsStore::readList(const QString& section, const QString& key, QStringList& items,
                             Problem& problem) {
    const auto settings = readableOr(problem);
    if (!settings)
        return false;
    const QVariant value = settings->value(path(section, key));
    if (value.typeId() == QMetaType::QStringList)
        items = value.toStringList();
    else if (!value.toString().isEmpty())
        items = {value.toString()};
    return true;
}

bool SettingsStore::write(const QList<Entry>& entries, Problem& problem) {
    if (const auto cause = unusable(storePath())) {
        problem = {Problem::NotSaved, *cause, storePath(), {}};
        return false;
    }
    const auto settings = store();
    for (const Entry& entry : entries)
        settings->setValue(path(entry.section, entry.key), entry.value);
    settings->sync();
    // A malformed file keeps its format error through a rewrite that succeeded: only reading
    // it back tells whether the entries are there now.
    if (settings->status() != QSettings::AccessError && readsBack(entries))
        return true;
    problem = writeProblem(QFileInfo(storePath()));
    return false;
}
