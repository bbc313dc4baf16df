#include "as_nobody.h"
#include "pg_server.h"
#include "run_record/line_address.h"
#include "run_record/local_record.h"
#include "run_record/record_connection.h"
#include "sim/pty_terminal.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Everything a `quendal` run said or wrote: its output, its errors and the files it made in its
// own folders. The settings file, which holds the address by choice, is left out.
QByteArray everythingSaid(QStringList arguments, const QString& settings,
                          const QString& environment) {
    QTemporaryDir home;
    if (!settings.isEmpty()) {
        QDir().mkpath(home.filePath("config/Quendal"));
        QFile file(home.filePath("config/Quendal/Quendal.conf"));
        file.open(QIODevice::WriteOnly);
        file.write("[Aufzeichnung]\nDatenbank=\"" + settings.toUtf8() + "\"\n");
    }
    arguments.replaceInStrings("REPORT", home.filePath("data/report.json"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QUENDAL_DATABASE"})
        env.remove(QString::fromLatin1(name));
    if (!environment.isEmpty())
        env.insert("QUENDAL_DATABASE", environment);
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QUENDAL_PROGRAM), arguments);
    EXPECT_TRUE(process.waitForFinished(60'000));
    const QByteArray err = process.readAllStandardError();
    EXPECT_FALSE(err.isEmpty()) << arguments.join(' ').toStdString();
    QByteArray said = process.readAllStandardOutput() + err;
    for (QDirIterator files(home.filePath("data"), QDir::Files, QDirIterator::Subdirectories);
         files.hasNext();) {
        QFile file(files.next());
        file.open(QIODevice::ReadOnly);
        said += file.readAll();
    }
    return said;
}

QString modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0
               ? QString::number(info.st_mode & 0777, 8)
               : QStringLiteral("none");
}

} // namespace

TEST(RecordTrust, NoFormOfAPasswordInTheLineAddressIsEverShown) {
    const QStringList forms{
        "postgresql:///q?host=/nonexistent&PassWord=S3cr3tA",
        "postgresql:///q?host=/nonexistent&pass%77ord=S3cr3tA",
        "postgresql://station:S3cr%33tA@/q?host=/nonexistent",
        "postgresql:///q?host=/nonexistent&password=%zzS3cr3tA",
        "postgresql:///q?host=/nonexistent&sslpassword=S3cr3tA",
        "postgresql:///q?host=/nonexistent&PASSWORD='S3cr3tA'",
        "host=/nonexistent password=S3cr3tA dbname=q",
    };
    zrsim::PtyTerminal sim;
    const QString port = QString::fromStdString(sim.slavePath());
    const QStringList commands[] = {
        {"--history"},
        {"--yield", "--format", "csv"},
        {"--run", "--device", port, "--unit", port + "=U1", "--report", "REPORT"}};
    for (const QString& address : forms)
        for (const QStringList& command : commands)
            for (int place = 0; place < 3; ++place) {
                const QByteArray said = everythingSaid(
                    place == 0 ? command + QStringList{"--database", address} : command,
                    place == 2 ? address : QString(), place == 1 ? address : QString());
                for (const char* secret : {"S3cr3tA", "S3cr%33tA"})
                    EXPECT_FALSE(said.contains(secret))
                        << command.first().toStdString() << " place " << place << "\n"
                        << said.toStdString();
            }
}

TEST(RecordTrust, RecordingConnectionsBoundEveryStatementAndReadingOnesDoNot) {
    PgServer server;
    const QString own = "&options=-c%20work_mem%3D5MB%20-c%20statement_timeout%3D0";
    const struct {
        QString address;
        LineAddress::Use use;
        QString settings; // statement, lock, idle in transaction, work_mem
    } cases[] = {
        {server.uri(), LineAddress::Use::Recording, "1500ms 1s 5s 4MB"},
        {server.uri() + own, LineAddress::Use::Recording, "1500ms 1s 5s 5MB"},
        {server.uri(), LineAddress::Use::Reading, "0 0 0 4MB"},
        {server.uri() + own, LineAddress::Use::Reading, "0 0 0 5MB"},
    };
    for (const auto& c : cases) {
        RecordConnection connection(RecordConnection::Line, c.address, c.use);
        QString error;
        ASSERT_TRUE(connection.open(error)) << error.toStdString();
        QSqlQuery query(connection.database());
        ASSERT_TRUE(query.exec("SELECT concat_ws(' ', current_setting('statement_timeout'), "
                               "current_setting('lock_timeout'), "
                               "current_setting('idle_in_transaction_session_timeout'), "
                               "current_setting('work_mem'))") &&
                    query.next());
        EXPECT_EQ(query.value(0).toString().toStdString(), c.settings.toStdString())
            << c.address.toStdString();
    }
}

// libpq's own default applies where the address or PGCONNECT_TIMEOUT sets one, 0 included.
TEST(RecordTrust, AConnectTimeGivenByTheAddressOrTheEnvironmentIsLeftToLibpq) {
    const struct {
        const char* address;
        const char* environment;
        const char* given;
        const char* absent;
    } cases[] = {
        {"postgresql://db/q", nullptr, "connect_timeout=2", "xx"},
        {"postgresql://db/q?connect_timeout=0", nullptr, "connect_timeout='0'", "timeout=2"},
        {"postgresql://db/q", "0", "keepalives=1", "connect_timeout"},
        {"postgresql://db/q", "9", "tcp_user_timeout=1500", "connect_timeout"},
        {"postgresql://db/q?keepalives_idle=30", nullptr, "keepalives_idle='30'", "idle=5"},
    };
    for (const auto& c : cases) {
        if (c.environment)
            qputenv("PGCONNECT_TIMEOUT", c.environment);
        QString error;
        const QString options =
            LineAddress::connectOptions(c.address, LineAddress::Use::Reading, error);
        qunsetenv("PGCONNECT_TIMEOUT");
        EXPECT_TRUE(options.contains(c.given)) << c.address << " " << options.toStdString();
        EXPECT_FALSE(options.contains(c.absent)) << c.address << " " << options.toStdString();
    }
}

// Made by nobody under umask 022, while the connection is open and SQLite's files are there.
TEST(RecordTrust, TheStationsRecordIsItsOwnersAloneUnlessItWasThereBefore) {
    const struct {
        const char* name;
        int folderMode; // 0: not there
        int fileMode;   // 0: not there
        QString modes;  // data folder, Quendal folder, record, -wal, -shm
    } cases[] = {
        {"nothing there", 0, 0, "700 700 600 600 600"},
        {"folder there", 0755, 0, "755 755 600 600 600"},
        {"record there", 0755, 0644, "755 755 644 644 644"},
    };
    QTemporaryDir warm;
    RecordConnection loaded(RecordConnection::Local, warm.filePath("records.sqlite"));
    QString error;
    ASSERT_TRUE(loaded.open(error)) << error.toStdString();
    for (const auto& c : cases) {
        QTemporaryDir base;
        const QString data = base.filePath("data");
        const QString record = data + "/Quendal/records.sqlite";
        const auto prepare = [&] {
            const uid_t owner = ::geteuid() == 0 ? nobodyId : ::geteuid();
            bool made = ::chmod(QFile::encodeName(base.path()), 0777) == 0;
            for (const QString& folder : {data, data + "/Quendal"})
                made = made &&
                       (!c.folderMode || (QDir().mkdir(folder) &&
                                          ::chown(QFile::encodeName(folder), owner, owner) == 0 &&
                                          ::chmod(QFile::encodeName(folder), c.folderMode) == 0));
            QFile file(record);
            return made && (!c.fileMode || (file.open(QIODevice::WriteOnly) &&
                                            ::chown(QFile::encodeName(record), owner, owner) == 0 &&
                                            ::chmod(QFile::encodeName(record), c.fileMode) == 0));
        };
        const auto work = [&] {
            ::umask(022);
            RecordConnection connection(RecordConnection::Local, record);
            QString cause;
            if (!connection.open(cause) || !LocalRecord::prepare(connection, cause))
                return cause.toUtf8();
            QSqlQuery(connection.database()).exec("SELECT version FROM quendal_schema");
            QStringList modes;
            for (const QString& path :
                 {data, data + "/Quendal", record, record + "-wal", record + "-shm"})
                modes << modeOf(path);
            return modes.join(' ').toUtf8();
        };
        const QByteArray modes = ::geteuid() == 0 ? runAsNobody(prepare, work)
                                                  : (prepare() ? work() : "preparation failed");
        EXPECT_EQ(modes.toStdString(), c.modes.toStdString()) << c.name;
    }
}

// The yield's file is made as the report's is: as the umask says.
TEST(RecordTrust, TheYieldsOutputFileFollowsTheUmaskAsTheReportDoes) {
    for (const auto& [umask, mode] : {std::pair{"022", "644"}, {"077", "600"}}) {
        QTemporaryDir home;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", home.path());
        env.remove("QUENDAL_DATABASE");
        process.setProcessEnvironment(env);
        process.start("sh",
                      {"-c",
                       QStringLiteral("umask %1; \"$0\" --yield --output \"$1\" && \"$0\" "
                                      "--run --device /dev/quendal-absent --report \"$2\"")
                           .arg(umask),
                       QUENDAL_PROGRAM, home.filePath("yield.txt"), home.filePath("report.json")});
        ASSERT_TRUE(process.waitForFinished(60'000));
        EXPECT_EQ(modeOf(home.filePath("yield.txt")), mode) << umask;
        EXPECT_EQ(modeOf(home.filePath("report.json")), mode) << umask;
    }
}
