#include "pg_server.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// How long pg_ctl waits for the server to come up or go down; a loaded machine needs a while.
constexpr int pgCtlWaitSeconds = 60;
// The account the server runs as when the test runs as root: "nobody" on Debian.
constexpr uid_t serverId = 65534;
const QString superuser = QStringLiteral("quendal");

bool asRoot() {
    return ::geteuid() == 0;
}

// Debian keeps each major version's server programs apart; the newest one present is used.
QString newestBinFolder() {
    const QDir versions(QStringLiteral("/usr/lib/postgresql"));
    int newest = 0;
    for (const QString& name : versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (name.toInt() > newest && QFile::exists(versions.filePath(name + "/bin/pg_ctl")))
            newest = name.toInt();
    }
    return newest > 0 ? versions.filePath(QString::number(newest) + "/bin") : QString();
}

// A PGPORT or PGHOST of the caller would send the programs to some other server.
QProcessEnvironment serverEnvironment(const QString& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : environment.keys()) {
        if (name.startsWith(QLatin1String("PG")))
            environment.remove(name);
    }
    environment.insert(QStringLiteral("HOME"), home);
    return environment;
}

} // namespace

PgServer::PgServer() : bin_(newestBinFolder()) {
    if (bin_.isEmpty()) {
        ADD_FAILURE() << "no PostgreSQL server below /usr/lib/postgresql";
        return;
    }
    // Below /tmp, not TMPDIR: the socket's path must stay short of the 108-byte limit.
    QByteArray folder = "/tmp/quendal-pg.XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr ||
        (asRoot() && ::chown(folder.constData(), serverId, serverId) != 0)) {
        ADD_FAILURE() << "cannot make a folder for PostgreSQL: " << folder.constData();
        return;
    }
    folder_ = QString::fromLocal8Bit(folder);
    // UTF-8 whatever the environment's locale, for names with umlauts; no fsync for speed.
    if (run(QStringLiteral("initdb"), {"-D", folder_ + "/data", "-A", "trust", "-U", superuser,
                                       "-E", "UTF8", "--locale=C", "--no-sync"}) &&
        start())
        run(QStringLiteral("createdb"), {"-h", folder_, "-U", superuser, databaseName()});
}

PgServer::~PgServer() {
    if (folder_.isEmpty())
        return;
    if (QFile::exists(folder_ + "/data/postmaster.pid"))
        pgCtl({"stop", "-m", "immediate"});
    QDir(folder_).removeRecursively();
}

QString PgServer::uri(const QString& user) const {
    return QStringLiteral("postgresql:///%1?host=%2&user=%3").arg(databaseName(), folder_, user);
}

bool PgServer::start() {
    running_ = pgCtl({"start", "-l", folder_ + "/log", "-o",
                      "-k " + folder_ + " -c listen_addresses='' -c fsync=off"});
    return running_;
}

bool PgServer::stop() {
    const bool stopped = pgCtl({"stop", "-m", "fast"});
    running_ = !stopped;
    return stopped;
}

QString PgServer::runSql(const QString& sql) {
    QByteArray rows;
    run(QStringLiteral("psql"),
        {"-X", "-q", "-A", "-t", "-v", "ON_ERROR_STOP=1", "-d", uri(), "-c", sql}, &rows);
    if (rows.endsWith('\n'))
        rows.chop(1);
    return QString::fromUtf8(rows);
}

QString PgServer::addRoleWithoutCreate(const QString& name) {
    // Since PostgreSQL 15 only the database's owner may create in its schema "public".
    runSql(QStringLiteral("CREATE ROLE %1 LOGIN NOCREATEDB NOCREATEROLE").arg(name));
    return uri(name);
}

QString PgServer::log() const {
    QFile file(folder_ + "/log");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool PgServer::pgCtl(const QStringList& arguments) {
    return run(QStringLiteral("pg_ctl"),
               QStringList{"-D", folder_ + "/data", "-w", "-t", QString::number(pgCtlWaitSeconds)} +
                   arguments);
}

bool PgServer::run(const QString& program, const QStringList& arguments, QByteArray* output) {
    QProcess process;
    process.setWorkingDirectory(folder_);
    process.setProcessEnvironment(serverEnvironment(folder_));
    const QString path = bin_ + "/" + program;
    if (asRoot())
        process.start(QStringLiteral("setpriv"),
                      QStringList{QStringLiteral("--reuid=%1").arg(serverId),
                                  QStringLiteral("--regid=%1").arg(serverId), "--clear-groups",
                                  "--", path} +
                          arguments);
    else
        process.start(path, arguments);
    const bool finished = process.waitForFinished((pgCtlWaitSeconds + 10) * 1000);
    const QByteArray out = process.readAllStandardOutput();
    if (output != nullptr)
        *output = out;
    const bool exited = finished && process.exitStatus() == QProcess::NormalExit;
    if (exited && process.exitCode() == 0)
        return true;
    const QString why =
        exited ? QStringLiteral("exit status %1").arg(process.exitCode()) : process.errorString();
    ADD_FAILURE() << program.toStdString() << " " << arguments.join(' ').toStdString()
                  << " failed: " << why.toStdString() << "\n"
                  << out.constData() << process.readAllStandardError().constData()
                  << "\nServer log:\n"
                  << log().toStdString();
    return false;
}
