#include "record_connection.h"

#include "line_address.h"
#include "record_captions.h"
#include "record_error.h"
#include "record_limits.h"
#include "record_schema.h"
#include "record_wait.h"
#include "test_sequence/signal_exit.h"

#include <QAtomicInt>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr QFileDevice::Permissions ownerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// The folders made for the record are its owner's alone; those already there stay as they are.
bool makeFolder(const QString& folder) {
    if (QFileInfo(folder).isDir())
        return true;
    const QString parent = QFileInfo(folder).absolutePath();
    return parent != folder && makeFolder(parent) &&
           (QDir().mkdir(folder, ownerOnly) || QFileInfo(folder).isDir());
}

// SQLite gives the -wal and -shm files the record's mode, so a record made empty here first
// keeps all three from others. A file already there keeps its mode; one that cannot be made
// is left to SQLite, which names the cause.
void makeOwnersFile(const QString& file) {
    const int fd = ::open(QFile::encodeName(file).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
}

QString uniqueName() {
    static QAtomicInt counter;
    return QStringLiteral("quendal-record-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

RecordConnection::RecordConnection(Kind kind, const QString& place, LineAddress::Use use)
    : kind_(kind), place_(place), use_(use), name_(uniqueName()) {}

RecordConnection::~RecordConnection() {
    if (database_.isValid())
        database_.close();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}

bool RecordConnection::open(QString& error) {
    return kind_ == Local ? openLocal(error) : openLine(error);
}

// The folder and an empty file are made when missing; SQLite never overwrites a file that
// is not a database of its own.
bool RecordConnection::openLocal(QString& error) {
    if (!makeFolder(QFileInfo(place_).absolutePath())) {
        error = RecordCaptions::folderNotMade(QFileInfo(place_).absolutePath());
        return false;
    }
    makeOwnersFile(place_);
    database_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    if (!database_.isValid()) {
        error = RecordCaptions::driverMissing(QStringLiteral("QSQLITE"));
        return false;
    }
    database_.setDatabaseName(place_);
    database_.setConnectOptions(
        QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(RecordLimits::busySliceMs));
    if (!database_.open()) {
        error = causeOf(database_.lastError());
        return false;
    }
    return true;
}

bool RecordConnection::openLine(QString& error) {
    const QString options = LineAddress::connectOptions(place_, use_, error);
    if (options.isEmpty())
        return false;
    database_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
    if (!database_.isValid()) {
        error = RecordCaptions::driverMissing(QStringLiteral("QPSQL"));
        return false;
    }
    database_.setConnectOptions(options);
    if (!database_.open()) {
        error = LineAddress::masked(causeOf(database_.lastError()), place_);
        return false;
    }
    // The statements are the station file's; the schema keeps them off other programs' tables.
    QSqlQuery path(database_);
    return exec(path, QStringLiteral("SET search_path TO %1").arg(RecordSchema::lineSchema()),
                error);
}

// Another writer is waited for slice by slice, so that an ending signal is heard in between.
bool RecordConnection::beginWriting(QString& error) {
    const QDeadlineTimer deadline(RecordLimits::busyTimeOutMs);
    for (;;) {
        QSqlQuery begin(database_);
        if (begin.exec(kind_ == Local ? QStringLiteral("BEGIN IMMEDIATE")
                                      : QStringLiteral("BEGIN")))
            return true;
        if (kind_ != Local || !RecordWait::busy(begin.lastError()) || deadline.hasExpired()) {
            error = causeOf(begin.lastError());
            return false;
        }
        if (SignalExit::received()) {
            error = RecordCaptions::interrupted();
            return false;
        }
    }
}

bool RecordConnection::commit(QString& error) {
    QSqlQuery commit(database_);
    if (exec(commit, QStringLiteral("COMMIT"), error))
        return true;
    rollback();
    return false;
}

void RecordConnection::rollback() {
    QSqlQuery(database_).exec(QStringLiteral("ROLLBACK"));
}
