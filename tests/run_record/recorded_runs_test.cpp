#include "filled_station.h"
#include "pg_server.h"
#include "report_schema.h"
#include "run_record/line_database.h"
#include "run_record/local_record.h"
#include "run_record/record_connection.h"
#include "run_record/record_schema.h"
#include "run_record/record_writer.h"
#include "run_record/run_recorder.h"
#include "sim/pty_terminal.h"
#include "test_sequence/terminal_json.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Sims = std::vector<std::unique_ptr<zrsim::PtyTerminal>>;

struct Outcome {
    int status = -1;
    QString err;
    QJsonObject report;
};

QString path(const zrsim::PtyTerminal& sim) {
    return QString::fromStdString(sim.slavePath());
}

QByteArray contents(const QString& file) {
    QFile read(file);
    return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray("unreadable");
}

// `quendal --run` as a line script starts it, with the test's data folder unless `environment`
// ("NAME=VALUE") says otherwise, and behind `prefix` (such as setpriv) when one is given.
struct Quendal {
    QTemporaryDir folder;
    QProcess process;

    explicit Quendal(QStringList arguments, const QStringList& environment = {},
                     const QStringList& prefix = {}) {
        QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777));
        arguments = QStringList{"--run", "--report", folder.filePath("report.json")} + arguments;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        for (const QString& pair : environment)
            env.insert(pair.section('=', 0, 0), pair.section('=', 1));
        process.setProcessEnvironment(env);
        if (prefix.isEmpty())
            process.start(QStringLiteral(QUENDAL_PROGRAM), arguments);
        else
            process.start(prefix.first(), prefix.mid(1) << QUENDAL_PROGRAM << arguments);
    }

    Outcome finish() {
        if (!process.waitForFinished(100'000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        const QString report = folder.filePath("report.json");
        Outcome outcome{process.exitCode(), QString::fromUtf8(process.readAllStandardError()), {}};
        if (QFile::exists(report)) {
            EXPECT_EQ(reportSchemaViolation(report), "");
            outcome.report = QJsonDocument::fromJson(contents(report)).object();
        }
        return outcome;
    }
};

Outcome runQuendal(const QStringList& arguments) {
    return Quendal(arguments).finish();
}

// What `quendal --history` or `--yield` prints as JSON.
QJsonDocument asked(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QUENDAL_PROGRAM), arguments + QStringList{"--format", "json"});
    EXPECT_TRUE(process.waitForFinished(30'000) && process.exitCode() == 0)
        << process.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(process.readAllStandardOutput());
}

QList<RecordedRun> recorded(RecordConnection::Kind kind, const QString& place) {
    RecordConnection connection(kind, place);
    QString error;
    QList<RecordedRun> runs;
    EXPECT_TRUE(connection.open(error) &&
                RecordReader::read(connection.database(), {}, runs, error))
        << error.toStdString();
    return runs;
}

// Every terminal of the report as the record gives it back, and the run it belonged to.
void expectAsReported(const QList<RecordedRun>& runs, const Outcome& run) {
    const QJsonArray terminals = run.report.value("terminals").toArray();
    ASSERT_EQ(runs.size(), terminals.size());
    const QDateTime started =
        QDateTime::fromString(run.report.value("started").toString(), Qt::ISODate);
    for (const RecordedRun& one : runs) {
        const auto reported = std::find_if(terminals.begin(), terminals.end(), [&](const auto& t) {
            return t.toObject().value("port").toString() == one.terminal.port;
        });
        ASSERT_NE(reported, terminals.end()) << one.terminal.port.toStdString();
        EXPECT_EQ(one.run.runId, run.report.value("runId").toString());
        EXPECT_EQ(one.run.started.toMSecsSinceEpoch(), started.toMSecsSinceEpoch());
        EXPECT_EQ(one.run.station, run.report.value("station").toString());
        EXPECT_EQ(one.run.operatorName, run.report.value("operator").toString());
        EXPECT_EQ(QJsonDocument(terminalObject(one.terminal)).toJson().toStdString(),
                  QJsonDocument((*reported).toObject()).toJson().toStdString());
    }
}

QString local() {
    return LocalRecord::defaultPath();
}

// Each test starts without a station record, also when one process runs them all.
class RecordedRuns : public ::testing::Test {
protected:
    void SetUp() override { QDir(QFileInfo(local()).path()).removeRecursively(); }
};

} // namespace

TEST_F(RecordedRuns, ReadBackAsReportedFromTheStationAndTheLineWithQuotesStoredVerbatim) {
    PgServer server;
    const QString serial = R"(O'Brien"; DROP TABLE run;--)";
    zrsim::PtyTerminal passing, dropping({.dropEcho = 40});
    const Outcome run = runQuendal({"--device", path(passing), "--device", path(dropping), "--unit",
                                    path(passing) + "=ZR-0001", "--unit",
                                    path(dropping) + "=" + serial, "--station", "Prüfplatz 'Süd'",
                                    "--operator", "Zoë \\ Ölmann", "--database", server.uri()});
    ASSERT_EQ(run.status, 1) << run.err.toStdString();
    const QList<RecordedRun> station = recorded(RecordConnection::Local, local());
    const QList<RecordedRun> line = recorded(RecordConnection::Line, server.uri());
    expectAsReported(station, run);
    expectAsReported(line, run);
    ASSERT_EQ(line.size(), 2);
    EXPECT_EQ(line[0].run.started, station[0].run.started);
    EXPECT_TRUE(line[0].terminal.unit == serial || line[1].terminal.unit == serial);
    EXPECT_EQ(server.runSql("SELECT count(*) FROM quendal.failure"), "1");
    // The reading commands ask the line database, with the serial bound as it was written.
    const QJsonArray history = asked({"--history", serial, "--database", server.uri()}).array();
    ASSERT_EQ(history.size(), 1);
    EXPECT_EQ(history[0].toObject().value("unit").toString(), serial);
    const QJsonObject yield = asked({"--yield", "--database", server.uri()}).object();
    EXPECT_EQ(yield.value("units").toInt(), 2);
    EXPECT_EQ(yield.value("firstPassYield").toDouble(), 0.5);
}

// Sixteen terminal threads in two processes meet an empty record at once.
TEST_F(RecordedRuns, TwoProcessesOfEightTerminalsRecordEveryRunOnce) {
    Sims sims;
    std::vector<std::unique_ptr<Quendal>> processes;
    for (int p = 0; p < 2; ++p) {
        QStringList arguments;
        for (int t = 0; t < 8; ++t) {
            sims.push_back(std::make_unique<zrsim::PtyTerminal>());
            arguments << "--device" << path(*sims.back()) << "--unit"
                      << path(*sims.back()) + QStringLiteral("=P%1-%2").arg(p).arg(t);
        }
        processes.push_back(std::make_unique<Quendal>(arguments));
    }
    QSet<QString> runIds;
    for (auto& process : processes) {
        const Outcome run = process->finish();
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        runIds << run.report.value("runId").toString();
    }
    const QList<RecordedRun> runs = recorded(RecordConnection::Local, local());
    QSet<QString> keys;
    for (const RecordedRun& one : runs) {
        keys << one.run.runId + " " + one.terminal.port;
        EXPECT_TRUE(runIds.contains(one.run.runId));
        EXPECT_EQ(one.terminal.steps.size(), 7) << one.terminal.port.toStdString();
        EXPECT_EQ(one.terminal.verdict, TerminalRun::Passed);
        EXPECT_EQ(one.terminal.attempt, 1);
    }
    EXPECT_EQ(runs.size(), 16);
    EXPECT_EQ(keys.size(), 16);
}

// A new record still journals the old way until one connection switches it to WAL; another
// connection writing meanwhile is waited for, as every writer is.
TEST_F(RecordedRuns, ANewRecordIsPreparedWhileAnotherConnectionWritesToIt) {
    RecordConnection writer(RecordConnection::Local, local());
    QString error;
    ASSERT_TRUE(writer.open(error) && RecordSchema::prepare(writer, error) &&
                writer.beginWriting(error))
        << error.toStdString();
    QString preparing = "not done";
    std::thread other([&preparing] {
        RecordConnection connection(RecordConnection::Local, local());
        preparing.clear();
        if (!connection.open(preparing) || !LocalRecord::prepare(connection, preparing))
            preparing.prepend("failed: ");
    });
    QThread::msleep(300);
    EXPECT_TRUE(writer.commit(error)) << error.toStdString();
    other.join();
    EXPECT_EQ(preparing.toStdString(), "");
}

TEST_F(RecordedRuns, RunsWhileTheLineIsDownAreForwardedOnceWithTheirTimesWhenItIsBack) {
    PgServer server;
    zrsim::PtyTerminal sim;
    const QStringList arguments{"--device",          path(sim),    "--unit",
                                path(sim) + "=ZR-7", "--database", server.uri()};
    ASSERT_TRUE(server.stop());
    const Outcome first = runQuendal(arguments);
    EXPECT_EQ(first.status, 0);
    EXPECT_TRUE(first.err.contains("auf die Liniendatenbank")) << first.err.toStdString();
    EXPECT_TRUE(first.err.contains("warten: 1 (")) << first.err.toStdString();
    expectAsReported(recorded(RecordConnection::Local, local()), first);

    // Runs soon after leave the line alone; quendal --forward tries at once.
    ASSERT_TRUE(server.start());
    const Outcome second = runQuendal(arguments);
    EXPECT_EQ(second.status, 0);
    EXPECT_TRUE(second.err.contains("warten: 2 (") && second.err.contains("nach einer Minute"))
        << second.err.toStdString();
    QProcess forward;
    forward.start(QStringLiteral(QUENDAL_PROGRAM), {"--forward", "--database", server.uri()});
    ASSERT_TRUE(forward.waitForFinished(30'000));
    EXPECT_EQ(forward.exitCode(), 0) << forward.readAllStandardError().toStdString();
    const QList<RecordedRun> line = recorded(RecordConnection::Line, server.uri());
    ASSERT_EQ(line.size(), 2);
    expectAsReported({line[0]}, first);
    expectAsReported({line[1]}, second);
    EXPECT_EQ(line[0].run.started, recorded(RecordConnection::Local, local())[0].run.started);
    EXPECT_EQ(line[1].terminal.attempt, 2);
}

// A kill between batches leaves whole batches behind, and the next forward adds the rest.
TEST_F(RecordedRuns, AForwardKilledMidwayLeavesNoHalfRecordAndIsCompletedOnce) {
    constexpr int filled = 3000;
    PgServer server;
    QString filling;
    ASSERT_TRUE(fillStation(local(), filled, filling)) << filling.toStdString();
    zrsim::PtyTerminal sim;
    Quendal quendal({"--device", path(sim), "--database", server.uri()});
    RecordConnection line(RecordConnection::Line, server.uri());
    QString error;
    ASSERT_TRUE(line.open(error)) << error.toStdString();
    int there = 0;
    for (QDeadlineTimer deadline(60'000); there == 0 && !deadline.hasExpired();) {
        QSqlQuery count(line.database());
        there = count.exec("SELECT count(*) FROM terminal_run") && count.next()
                    ? count.value(0).toInt()
                    : 0;
        QThread::msleep(2);
    }
    // Into the middle of a later batch, on the way to the line or marked as forwarded.
    QThread::msleep(150);
    ::kill(pid_t(quendal.process.processId()), SIGKILL);
    quendal.process.waitForFinished();
    EXPECT_GT(there, 0);
    EXPECT_LT(server.runSql("SELECT count(*) FROM quendal.terminal_run").toInt(), filled);
    const QString halves =
        "SELECT (SELECT count(*) FROM quendal.terminal_run t WHERE (SELECT count(*) "
        "FROM quendal.step s WHERE s.terminal_run_id = t.id) <> 7) + (SELECT "
        "count(*) FROM quendal.run r WHERE NOT EXISTS (SELECT 1 FROM quendal.terminal_run t "
        "WHERE t.run_id = r.run_id))";
    EXPECT_EQ(server.runSql(halves), "0");

    EXPECT_EQ(RunRecorder({local(), server.uri()}).forwardAll().error, "");
    EXPECT_EQ(server.runSql(halves), "0");
    EXPECT_EQ(
        server.runSql("SELECT count(*), count(DISTINCT (run_id, port)) FROM quendal.terminal_run"),
        QStringLiteral("%1|%1").arg(filled + 1));
    EXPECT_EQ(server.runSql("SELECT count(*) FROM quendal.step"),
              QString::number(7 * (filled + 1)));
}

TEST_F(RecordedRuns, ANewerSchemaIsRefusedAndLeftAsItIs) {
    PgServer server;
    zrsim::PtyTerminal sim;
    const QString known = QStringLiteral("bis %1").arg(RecordSchema::knownVersion());
    {
        RecordConnection station(RecordConnection::Local, local());
        QString error;
        ASSERT_TRUE(station.open(error) && LocalRecord::prepare(station, error));
        ASSERT_TRUE(QSqlQuery(station.database()).exec("UPDATE quendal_schema SET version = 99"));
    }
    const QByteArray before = contents(local());
    const Outcome newerHere = runQuendal({"--device", path(sim)});
    EXPECT_GE(newerHere.status, 1);
    EXPECT_TRUE(newerHere.err.contains("Aufzeichnung " + local() + " nicht geschrieben"));
    EXPECT_TRUE(newerHere.err.contains("Schema-Version 99") && newerHere.err.contains(known))
        << newerHere.err.toStdString();
    EXPECT_EQ(contents(local()), before);

    // The line only gets copies: its refusal leaves the station's record and the run as they are.
    ASSERT_TRUE(QFile::remove(local()));
    {
        RecordConnection line(RecordConnection::Line, server.uri());
        QString error;
        ASSERT_TRUE(line.open(error) && LineDatabase::prepare(line, error));
    }
    server.runSql("UPDATE quendal.quendal_schema SET version = 99");
    const Outcome newerThere = runQuendal({"--device", path(sim), "--database", server.uri()});
    EXPECT_EQ(newerThere.status, 0);
    EXPECT_TRUE(newerThere.err.contains("warten: 1 (") &&
                newerThere.err.contains("Schema-Version 99") && newerThere.err.contains(known))
        << newerThere.err.toStdString();
    EXPECT_EQ(recorded(RecordConnection::Local, local()).size(), 1);
    EXPECT_EQ(server.runSql("SELECT count(*) FROM quendal.terminal_run"), "0");
}

// As root the run drops to nobody, in folders it may use, so that the file's mode counts.
TEST_F(RecordedRuns, ARecordThatIsNoDatabaseOrCannotBeReadIsToldAndKept) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QFileDevice::Permissions permissions;
    };
    QByteArray noise(8192, '\0');
    for (qsizetype i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 251);
    const QFileDevice::Permissions readWrite = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    for (const Case& c :
         {Case{"random bytes", noise, readWrite | QFileDevice::ReadOther | QFileDevice::WriteOther},
          Case{"no read right", "SQLite format 3", QFileDevice::WriteOwner}}) {
        QTemporaryDir home;
        const QString file = home.filePath("Quendal/records.sqlite");
        ASSERT_TRUE(QDir().mkpath(home.filePath("Quendal")));
        for (const QString& folder : {home.path(), home.filePath("Quendal")})
            QFile::setPermissions(folder, QFileDevice::Permissions(0x7777));
        QFile write(file);
        ASSERT_TRUE(write.open(QIODevice::WriteOnly) && write.write(c.bytes) == c.bytes.size());
        write.close();
        ASSERT_TRUE(QFile::setPermissions(file, c.permissions));
        zrsim::PtyTerminal sim;
        QFile::setPermissions(path(sim), QFileDevice::Permissions(0x6666));
        const QStringList nobody =
            ::geteuid() == 0
                ? QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"}
                : QStringList{};
        const Outcome run = Quendal({"--device", path(sim)},
                                    {"XDG_DATA_HOME=" + home.path(),
                                     "XDG_CONFIG_HOME=" + home.path(), "HOME=" + home.path()},
                                    nobody)
                                .finish();
        EXPECT_GE(run.status, 1) << c.name;
        EXPECT_TRUE(run.err.contains("Aufzeichnung " + file + " nicht geschrieben: "))
            << c.name << run.err.toStdString();
        QFile::setPermissions(file, readWrite);
        EXPECT_EQ(contents(file), c.bytes) << c.name;
        EXPECT_FALSE(QFile::exists(file + "-wal")) << c.name;
    }
}

TEST_F(RecordedRuns, BadUnitsStationsAndOperatorsAreUsageErrorsBeforeAnyByteIsSent) {
    zrsim::PtyTerminal sim;
    const QString port = path(sim);
    const QStringList cases[] = {
        {"--unit", port + "="},
        {"--unit", port + "=" + QString(65, 'S')},
        {"--unit", port + "=ZR\x01"
                          "7"},
        {"--unit", port + "= ZR7"},
        {"--unit", port + "=ZR7 "},
        {"--unit", "ZR7"},
        {"--unit", "/dev/quendal-other=ZR7"},
        {"--unit", port + "=ZR7", "--unit", port + "=ZR8"},
        {"--device", "/dev/quendal-absent", "--unit", port + "=ZR7", "--unit",
         "/dev/quendal-absent=ZR7"},
        {"--station", ""},
        {"--station", "Platz\t3"},
        {"--operator", QString(65, 'O')},
        {"--operator", " Ölmann"},
        {"--operator", "A", "--operator", "B"},
    };
    for (const QStringList& bad : cases) {
        const Outcome run = runQuendal(QStringList{"--device", port} + bad);
        EXPECT_EQ(run.status, 2) << bad.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << bad.join(' ').toStdString();
    }
    EXPECT_EQ(sim.received(), "");
    EXPECT_FALSE(QFile::exists(local()));
}
