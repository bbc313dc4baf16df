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

namespace {

QString uniqueName() {
    static QAtomicInt counter;
    return QStringLiteral("quendal-record-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

RecordConnection::RecordConnection(Kind kind, const QString& place)
    : kind_(kind), place_(place), name_(uniqueName()) {}

RecordConnection::~RecordConnection() {
    if (database_.isValid())
        database_.close();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}

bool RecordConnection::open(QString& error) {
    return kind_ == Local ? openLocal(error) : openLine(error);
}

// The folder is made when missing; the file itself only by SQLite, which never overwrites
// a file that is not a database of its own.
bool RecordConnection::openLocal(QString& error) {
    if (!QDir().mkpath(QFileInfo(place_).absolutePath())) {
        error = RecordCaptions::folderNotMade(QFileInfo(place_).absolutePath());
        return false;
    }
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
    const QString options = LineAddress::connectOptions(place_, error);
    if (options.isEmpty())
        return false;
    database_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
    if (!database_.isValid()) {
        error = RecordCaptions::driverMissing(QStringLiteral("QPSQL"));
        return false;
    }
    database_.setConnectOptions(options);
    if (!database_.open()) {
        error = causeOf(database_.lastError());
        return false;
    }
    // The statements are the station file's; the schema keeps them off other programs' tables.
    QSqlQuery path(database_);
    if (path.exec(QStringLiteral("SET search_path TO %1").arg(RecordSchema::lineSchema())))
        return true;
    error = causeOf(path.lastError());
    return false;
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
    if (commit.exec(QStringLiteral("COMMIT")))
        return true;
    error = causeOf(commit.lastError());
    rollback();
    return false;
}

void RecordConnection::rollback() {
    QSqlQuery(database_).exec(QStringLiteral("ROLLBACK"));
}
