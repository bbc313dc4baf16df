#include "station_backup.h"

#include "record_captions.h"
#include "record_connection.h"
#include "record_error.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// A dangling link counts as there: writing through it would make a file elsewhere.
bool taken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool checked(const QString& station, const QString& copy, QString& error) {
    if (!QFileInfo::exists(station)) {
        error = RecordCaptions::notRead(station, RecordCaptions::noSuchFile());
        return false;
    }
    if (taken(copy)) {
        error = RecordCaptions::backupNotWritten(copy, RecordCaptions::fileExists());
        return false;
    }
    const QString folder = QFileInfo(copy).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        error = RecordCaptions::backupNotWritten(copy, RecordCaptions::noSuchFolder(folder));
        return false;
    }
    return true;
}

// Any schema is copied as it is; a file that is no database at all is named as such.
bool isDatabase(RecordConnection& local, QString& error) {
    QSqlQuery query(local.database());
    return exec(query, QStringLiteral("SELECT COUNT(*) FROM sqlite_master"), error);
}

// SQLite copies the state of one moment, the write-ahead log included, while others write on;
// the name goes in as a bound value. It writes into an empty file, which keeps its mode.
bool copyInto(const QString& station, const QString& copy, const QString& target, QString& error) {
    RecordConnection local(RecordConnection::Local, station);
    QString cause;
    if (!local.open(cause) || !isDatabase(local, cause)) {
        error = RecordCaptions::notRead(station, cause);
        return false;
    }
    QSqlQuery query(local.database());
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    if (exec(query, cause, {target}))
        return true;
    error = RecordCaptions::backupNotWritten(copy, cause);
    return false;
}

} // namespace

bool StationBackup::write(const QString& station, const QString& copy, qint64& bytes,
                          QString& error) {
    if (!checked(station, copy, error))
        return false;
    // Made beside the copy with mode 0600 and linked to its name once whole; link() never
    // replaces a file, so one made there meanwhile is refused too.
    QTemporaryFile partial(copy + QStringLiteral(".XXXXXX"));
    if (!partial.open()) {
        error = RecordCaptions::backupNotWritten(copy, partial.errorString());
        return false;
    }
    partial.close();
    if (!copyInto(station, copy, partial.fileName(), error))
        return false;
    if (::link(QFile::encodeName(partial.fileName()).constData(),
               QFile::encodeName(copy).constData()) != 0) {
        const int cause = errno;
        error = RecordCaptions::backupNotWritten(
            copy, cause == EEXIST ? RecordCaptions::fileExists()
                                  : QString::fromLocal8Bit(std::strerror(cause)));
        return false;
    }
    bytes = QFileInfo(copy).size();
    return true;
}
