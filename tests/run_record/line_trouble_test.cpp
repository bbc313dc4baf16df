#include "filled_station.h"
#include "pg_server.h"
#include "report_schema.h"
#include "run_record/local_record.h"
#include "run_record/record_connection.h"
#include "run_record/record_reader.h"
#include "run_record/record_writer.h"
#include "silent_server.h"
#include "sim/pty_terminal.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace {

QString local() {
    return LocalRecord::defaultPath();
}

// `quendal --run` on one simulated terminal for unit `unit`, its output read as it comes.
struct StationRun {
    zrsim::PtyTerminal sim;
    QTemporaryDir folder;
    QProcess process;
    QElapsedTimer clock;

    StationRun(const QString& database, const QString& unit, const QStringList& environment = {}) {
        const QString device = QString::fromStdString(sim.slavePath());
        QStringList arguments{
            "--run",  "--report",         folder.filePath("report.json"), "--device", device,
            "--unit", device + "=" + unit};
        if (!database.isEmpty())
            arguments << "--database" << database;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        for (const QString& pair : environment)
            env.insert(pair.section('=', 0, 0), pair.section('=', 1));
        process.setProcessEnvironment(env);
        clock.start();
        process.start(QStringLiteral(QUENDAL_PROGRAM), arguments);
    }

    // Waits until standard output holds `text`; false when the process ended first.
    bool printed(const QString& text) {
        while (!stdout_.contains(text)) {
            if (!process.waitForReadyRead(30'000))
                return false;
            stdout_ += QString::fromUtf8(process.readAllStandardOutput());
        }
        return true;
    }

    bool finished(int withinMs) {
        return process.waitForFinished(withinMs) && process.exitStatus() == QProcess::NormalExit;
    }

    QJsonObject terminal() {
        QFile file(folder.filePath("report.json"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        EXPECT_EQ(reportSchemaViolation(file.fileName()), "");
        return QJsonDocument::fromJson(file.readAll())
            .object()
            .value("terminals")
            .toArray()
            .first()
            .toObject();
    }

    QString err() { return QString::fromUtf8(process.readAllStandardError()); }

    QString stdout_;
};

// A line connection of the test's own that holds `terminal_run` locked until it goes.
std::unique_ptr<RecordConnection> lockedLine(const PgServer& server) {
    auto line = std::make_unique<RecordConnection>(RecordConnection::Line, server.uri());
    QString error;
    EXPECT_TRUE(line->open(error) && line->beginWriting(error)) << error.toStdString();
    EXPECT_TRUE(
        QSqlQuery(line->database()).exec("LOCK TABLE terminal_run IN ACCESS EXCLUSIVE MODE"));
    return line;
}

// A line database made by a first run, so that a later lock has its table to hold.
void madeBy(const PgServer& server) {
    StationRun first(server.uri(), "ZR-0");
    ASSERT_TRUE(first.finished(60'000));
    ASSERT_EQ(first.process.exitCode(), 0) << first.err().toStdString();
}

int waitingHere() {
    RecordConnection connection(RecordConnection::Local, local());
    QString error;
    int count = -1;
    EXPECT_TRUE(connection.open(error) && LocalRecord::waitingCount(connection, count, error))
        << error.toStdString();
    return count;
}

class LineTrouble : public ::testing::Test {
protected:
    void SetUp() override { QDir(QFileInfo(local()).path()).removeRecursively(); }
};

enum class Trouble { Refusing, Silent, SilentForEver, SilentByEnvironment, Locked, StationLocked };

// What a run meets: the line database's address, and whatever holds things up meanwhile.
struct Meets {
    SilentServer silent;
    std::unique_ptr<PgServer> server;
    std::unique_ptr<RecordConnection> lock;
    QString database;
    QStringList environment;

    explicit Meets(Trouble trouble) {
        switch (trouble) {
        case Trouble::Refusing:
            database = "postgresql://station@127.0.0.1:1/quendal";
            break;
        case Trouble::SilentByEnvironment:
            environment << "PGCONNECT_TIMEOUT=0";
            [[fallthrough]];
        case Trouble::Silent:
            database = silent.uri();
            break;
        case Trouble::SilentForEver:
            database = silent.uri("?connect_timeout=0");
            break;
        case Trouble::Locked:
            server = std::make_unique<PgServer>();
            madeBy(*server);
            lock = lockedLine(*server);
            database = server->uri();
            break;
        case Trouble::StationLocked:
            lock = std::make_unique<RecordConnection>(RecordConnection::Local, local());
            QString error;
            EXPECT_TRUE(lock->open(error) && LocalRecord::prepare(*lock, error) &&
                        lock->beginWriting(error))
                << error.toStdString();
            break;
        }
    }
};

} // namespace

// Generous bounds: a run held up by the line waited for ever, or 30 s, before.
TEST_F(LineTrouble, ALineThatRefusesOrHangsNeitherHoldsUpARunNorCostsItsRecord) {
    for (const auto& [name, trouble] :
         {std::pair{"nothing listens", Trouble::Refusing},
          {"accepts, never answers", Trouble::Silent},
          {"never answers, connect_timeout=0", Trouble::SilentForEver},
          {"never answers, PGCONNECT_TIMEOUT=0", Trouble::SilentByEnvironment},
          {"terminal_run locked by another session", Trouble::Locked}}) {
        SetUp();
        const Meets meets(trouble);
        StationRun run(meets.database, "ZR-1", meets.environment);
        ASSERT_TRUE(run.printed("Ergebnis: ")) << name;
        QElapsedTimer afterVerdict;
        afterVerdict.start();
        ASSERT_TRUE(run.finished(15'000)) << name;
        EXPECT_LT(afterVerdict.elapsed(), 10'000) << name;
        EXPECT_EQ(run.process.exitCode(), 0) << name;
        EXPECT_TRUE(run.err().contains("warten: 1 (")) << name;
        EXPECT_EQ(run.terminal().value("verdict").toString(), "passed") << name;
        EXPECT_EQ(waitingHere(), 1) << name;
        if (trouble != Trouble::SilentForEver)
            continue;
        // The next run does not wait for the line again.
        StationRun next(meets.database, "ZR-1");
        ASSERT_TRUE(next.finished(15'000));
        EXPECT_TRUE(next.err().contains("nach einer Minute")) << name;
        EXPECT_EQ(next.terminal().value("attempt").toInt(), 2);
    }
}

// A signal ends the wait for the station's lock, for a connect and for a statement.
TEST_F(LineTrouble, ASignalEndsEveryWaitForTheRecordWithStatusFour) {
    struct Case {
        const char* name;
        Trouble trouble;
        const char* signalAfter;
        const char* told;
    };
    for (const Case& c : {Case{"station's file locked", Trouble::StationLocked, "Festtext-Test",
                               "nicht geschrieben: durch ein Signal unterbrochen"},
                          Case{"line never answers", Trouble::SilentForEver,
                               "Ergebnis: ", "warten: 1 (durch ein Signal unterbrochen)"},
                          Case{"line statement waits for a lock", Trouble::Locked,
                               "Ergebnis: ", "warten: 1 (durch ein Signal unterbrochen)"}}) {
        SetUp();
        const Meets meets(c.trouble);
        StationRun run(meets.database, "ZR-2");
        ASSERT_TRUE(run.printed(c.signalAfter)) << c.name;
        QThread::msleep(200);
        ::kill(pid_t(run.process.processId()), SIGTERM);
        QElapsedTimer signalled;
        signalled.start();
        ASSERT_TRUE(run.finished(10'000)) << c.name;
        EXPECT_LT(signalled.elapsed(), 5'000) << c.name;
        EXPECT_EQ(run.process.exitCode(), 4) << c.name;
        EXPECT_TRUE(run.err().contains(c.told)) << c.name;
        const QJsonObject terminal = run.terminal();
        EXPECT_EQ(terminal.value("unit").toString(), "ZR-2") << c.name;
        EXPECT_EQ(terminal.value("attempt").isNull(), c.trouble == Trouble::StationLocked)
            << c.name;
    }
}

// A line that takes what it is given, only more slowly than a run waits, is not taken for away.
TEST_F(LineTrouble, ALineSlowerThanARunWaitsIsNotTakenForAway) {
    constexpr int filled = 20000;
    PgServer server;
    QString error;
    ASSERT_TRUE(fillStation(local(), filled, error)) << error.toStdString();
    for (int run = 0; run < 2; ++run) {
        StationRun station(server.uri(), "ZR-3");
        ASSERT_TRUE(station.finished(60'000));
        EXPECT_TRUE(station.err().contains("langsamer")) << run;
    }
    EXPECT_LT(server.runSql("SELECT count(*) FROM quendal.terminal_run").toInt(), filled);
}

// Two stations running one unit at once never give two runs one number, and leave no gap.
TEST_F(LineTrouble, AUnitsAttemptsAreUniqueAndWithoutGapsAcrossStations) {
    PgServer server;
    constexpr int rounds = 3;
    QList<int> reported;
    for (int round = 0; round < rounds; ++round) {
        StationRun a(server.uri(), "ZR-SHARED"), b(server.uri(), "ZR-SHARED");
        for (StationRun* run : {&a, &b}) {
            ASSERT_TRUE(run->finished(60'000));
            ASSERT_EQ(run->process.exitCode(), 0) << run->err().toStdString();
            reported << run->terminal().value("attempt").toInt();
        }
    }
    std::sort(reported.begin(), reported.end());
    EXPECT_EQ(reported, QList<int>({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(server.runSql("SELECT string_agg(attempt::text, ',' ORDER BY attempt) FROM "
                            "terminal_run WHERE unit = 'ZR-SHARED'"),
              "1,2,3,4,5,6");
}

// Rows the line refuses, or that this build cannot read, stay at the station; the rest go on,
// and a stored caption travels as it was stored.
TEST_F(LineTrouble, BadRowsAreSetAsideAndTheRestForwarded) {
    PgServer server;
    {
        RecordConnection station(RecordConnection::Local, local());
        QString error;
        ASSERT_TRUE(station.open(error) && LocalRecord::prepare(station, error) &&
                    station.beginWriting(error))
            << error.toStdString();
        RecordWriter writer(station.database());
        const RunIdentity run = RunIdentity::begin("run", "Platz 1", "Prüfer", "0");
        TerminalRun terminal;
        terminal.device = "/dev/null";
        terminal.lineSettings = "9600,8,E,1";
        terminal.verdict = TerminalRun::Passed;
        terminal.steps.append({9, "Zukunftsschritt", "OK", StepResult::Passed, 0, {}, {}});
        for (const QString port : {"COM1", "COM2", "COM3", "COM4"}) {
            terminal.port = port;
            ASSERT_EQ(writer.write(run, terminal, error), RecordWriter::Written::Added)
                << error.toStdString();
        }
        QSqlQuery spoil(station.database());
        ASSERT_TRUE(spoil.exec("UPDATE terminal_run SET message = 'a' || char(0) || 'b' WHERE "
                               "port = 'COM2'"));
        ASSERT_TRUE(spoil.exec("UPDATE terminal_run SET verdict = 'exploded' WHERE port = 'COM3'"));
        // Refused already by the lock of its unit, before any row is written.
        ASSERT_TRUE(spoil.exec("UPDATE terminal_run SET unit = 'SN-' || char(0) WHERE port = "
                               "'COM4'"));
        ASSERT_TRUE(station.commit(error)) << error.toStdString();
    }
    for (int time = 0; time < 2; ++time) {
        QProcess forward;
        forward.start(QStringLiteral(QUENDAL_PROGRAM), {"--forward", "--database", server.uri()});
        ASSERT_TRUE(forward.waitForFinished(30'000));
        const QString err = QString::fromUtf8(forward.readAllStandardError());
        EXPECT_EQ(forward.exitCode(), 1) << err.toStdString();
        EXPECT_EQ(QString::fromUtf8(forward.readAllStandardOutput()).trimmed(),
                  time == 0 ? "Wartende Läufe: 4, übertragen: 1"
                            : "Wartende Läufe: 0, übertragen: 0");
        EXPECT_EQ(err.count("beiseitegelegt"), 3) << err.toStdString();
        EXPECT_TRUE(err.contains("COM2") && err.contains("COM3") && err.contains("COM4") &&
                    err.contains("„exploded“"))
            << err.toStdString();
    }
    EXPECT_EQ(server.runSql("SELECT string_agg(t.port || ':' || x.caption, ',' ORDER BY t.port) "
                            "FROM terminal_run t JOIN step s ON s.terminal_run_id = t.id "
                            "JOIN step_text x ON x.id = s.text_id"),
              "COM1:Zukunftsschritt");
}
