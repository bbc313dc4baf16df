#include "as_nobody.h"
#include "pg_server.h"
#include "run_record/local_record.h"
#include "run_record/record_connection.h"
#include "sim/pty_terminal.h"

#include <QDirIterator>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// What a `quendal` run printed and wrote in its data folder; the address is given in `place`:
// 0 --database, 1 QUENDAL_DATABASE, 2 the settings file.
QByteArray everythingSaid(QStringList arguments, const QString& address, int place) {
    QTemporaryDir home;
    QDir().mkpath(home.filePath("Quendal"));
    QDir().mkpath(home.filePath("data"));
    QFile settings(home.filePath("Quendal/Quendal.conf"));
    if (place == 2 && settings.open(QIODevice::WriteOnly))
        settings.write("[Aufzeichnung]\nDatenbank=\"" + address.toUtf8() + "\"\n");
    settings.close();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CONFIG_HOME", home.path());
    env.insert("QUENDAL_DATABASE", place == 1 ? address : QString());
    process.setProcessEnvironment(env);
    arguments.replaceInStrings("REPORT", home.filePath("data/report.json"));
    process.start(QUENDAL_PROGRAM, place == 0 ? arguments << "--database" << address : arguments);
    process.waitForFinished(60'000);
    QByteArray said = process.readAllStandardOutput() + process.readAllStandardError();
    for (QDirIterator files(home.filePath("data"), QDir::Files, QDirIterator::Subdirectories);
         files.hasNext();) {
        QFile file(files.next());
        said += file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    return said;
}

QString modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path), &info) == 0 ? QString::number(info.st_mode & 0777, 8)
                                                       : QStringLiteral("none");
}

} // namespace

TEST(RecordTrust, NoFormOfAPasswordInTheLineAddressIsEverShown) {
    zrsim::PtyTerminal sim;
    const QString port = QString::fromStdString(sim.slavePath());
    const QStringList commands[] = {
        {"--history"}, {"--run", "--device", port, "--unit", port + "=U1", "--report", "REPORT"}};
    for (const char* address :
         {"postgresql:///q?host=/none&PassWord=S3cr3tA",
          "postgresql:///q?host=/none&pass%77ord=S3cr3tA",
          "postgresql://station:S3cr%33tA@/q?host=/none",
          "postgresql:///q?host=/none&password=%zzS3cr3tA",
          "postgresql:///q?host=/none&sslpassword=S3cr3tA",
          "postgresql:///q?host=/none&PASSWORD='S3cr3tA'", "host=/none password=S3cr3tA dbname=q"})
        for (const QStringList& command : commands)
            for (int place = 0; place < 3; ++place) {
                const QByteArray said = everythingSaid(command, address, place);
                EXPECT_TRUE(said.contains("***")) << address << " " << place;
                EXPECT_FALSE(said.contains("S3cr3tA") || said.contains("S3cr%33tA"))
                    << place << " " << said.toStdString();
            }
}

TEST(RecordTrust, RecordingConnectionsBoundEveryStatementAndReadingOnesDoNot) {
    PgServer server;
    const QString own = server.uri() + "&options=-c%20work_mem%3D5MB%20-c%20statement_timeout%3D0";
    for (const auto& [address, use, settings] :
         {std::tuple{server.uri(), LineAddress::Use::Recording, "1500ms 1s 5s 4MB"},
          {own, LineAddress::Use::Recording, "1500ms 1s 5s 5MB"},
          {server.uri(), LineAddress::Use::Reading, "0 0 0 64MB"},
          {own, LineAddress::Use::Reading, "0 0 0 5MB"}}) {
        RecordConnection connection(RecordConnection::Line, address, use);
        QString error;
        ASSERT_TRUE(connection.open(error)) << error.toStdString();
        QSqlQuery show(connection.database());
        ASSERT_TRUE(
            show.exec("SELECT concat_ws(' ', current_setting('statement_timeout'), "
                      "current_setting('lock_timeout'), current_setting("
                      "'idle_in_transaction_session_timeout'), current_setting('work_mem'))") &&
            show.next());
        EXPECT_EQ(show.value(0).toString().toStdString(), settings) << address.toStdString();
    }
    // A time the address or PGCONNECT_TIMEOUT gives is libpq's to apply, 0 included.
    for (const auto& [address, environment, given, absent] :
         {std::tuple{"postgresql://db/q", "", "connect_timeout=2", "xx"},
          {"postgresql://db/q?connect_timeout=0", "", "connect_timeout='0'", "timeout=2"},
          {"postgresql://db/q", "0", "keepalives=1", "connect_timeout"},
          {"postgresql://db/q?keepalives_idle=30", "", "keepalives_idle='30'", "idle=5"}}) {
        if (*environment)
            qputenv("PGCONNECT_TIMEOUT", environment);
        QString error;
        const QString options =
            LineAddress::connectOptions(address, LineAddress::Use::Reading, error);
        qunsetenv("PGCONNECT_TIMEOUT");
        EXPECT_TRUE(options.contains(given) && !options.contains(absent)) << options.toStdString();
    }
}

// Made by nobody under umask 022, while the connection is open and SQLite's files are there.
TEST(RecordTrust, TheStationsRecordIsItsOwnersAloneUnlessItWasThereBefore) {
    QTemporaryDir warm; // SQLite's driver loaded before the fork
    RecordConnection loaded(RecordConnection::Local, warm.filePath("records.sqlite"));
    QString error;
    ASSERT_TRUE(loaded.open(error)) << error.toStdString();
    // data folder, Quendal folder, record, -wal, -shm
    for (const auto& [folderMode, fileMode, modes] : {std::tuple{0, 0, "700 700 600 600 600"},
                                                      {0755, 0, "755 755 600 600 600"},
                                                      {0755, 0644, "755 755 644 644 644"}}) {
        QTemporaryDir base;
        const QStringList paths{base.filePath("data"), base.filePath("data/Quendal"),
                                base.filePath("data/Quendal/records.sqlite")};
        const auto give = [](const QString& path, int mode) {
            // An ordinary user keeps the file's group: it may not give one it is not in.
            const bool root = ::geteuid() == 0;
            return ::chown(QFile::encodeName(path), root ? nobodyId : ::geteuid(),
                           root ? nobodyId : gid_t(-1)) == 0 &&
                   ::chmod(QFile::encodeName(path), mode) == 0;
        };
        const auto prepare = [&] {
            QFile file(paths[2]);
            return ::chmod(QFile::encodeName(base.path()), 0777) == 0 &&
                   (!folderMode || (QDir().mkpath(paths[1]) && give(paths[0], folderMode) &&
                                    give(paths[1], folderMode))) &&
                   (!fileMode || (file.open(QIODevice::WriteOnly) && give(paths[2], fileMode)));
        };
        const auto work = [&] {
            ::umask(022);
            RecordConnection connection(RecordConnection::Local, paths[2]);
            QString cause;
            if (!connection.open(cause) || !LocalRecord::prepare(connection, cause))
                return cause.toUtf8();
            QSqlQuery(connection.database()).exec("SELECT version FROM quendal_schema");
            QStringList found;
            for (const QString& path : paths + QStringList{paths[2] + "-wal", paths[2] + "-shm"})
                found << modeOf(path);
            return found.join(' ').toUtf8();
        };
        EXPECT_EQ((::geteuid() == 0 ? runAsNobody(prepare, work)
                   : prepare()      ? work()
                                    : "failed"),
                  modes);
    }
}
