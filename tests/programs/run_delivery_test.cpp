#include "production_run/output_writer.h"
#include "production_run/production_run.h"
#include "report_schema.h"
#include "sim/pty_terminal.h"
#include "test_store.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// What happens to a production run's output and report when its readers misbehave: a full
// disk, a reader that goes away or never comes, and signals at the edges of the run.
namespace {

QString path(const zrsim::PtyTerminal& sim) {
    return QString::fromStdString(sim.slavePath());
}

QString lockFileOf(const zrsim::PtyTerminal& sim) {
    return "/run/lock/LCK.." + QFileInfo(path(sim)).canonicalFilePath().mid(5).replace('/', '_');
}

QJsonObject readReport(const QString& file) {
    QFile in(file);
    in.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(in.readAll()).object();
}

QString verdictIn(const QJsonObject& report) {
    return report.value("terminals").toArray().at(0).toObject().value("verdict").toString();
}

// Until the program holds SIGTERM back or catches it, the signal's default action would end
// it while the dynamic loader still runs, which no program can prevent.
void waitUntilSigtermIsTaken(qint64 pid) {
    const quint64 bit = quint64(1) << (SIGTERM - 1);
    for (int i = 0; i < 5000; ++i) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        status.open(QIODevice::ReadOnly);
        for (const QByteArray& line : status.readAll().split('\n'))
            if ((line.startsWith("SigBlk:") || line.startsWith("SigCgt:")) &&
                (line.mid(7).trimmed().toULongLong(nullptr, 16) & bit))
                return;
        QThread::usleep(200);
    }
}

// A `quendal --run` whose child end the test shapes before it starts.
class QuendalRun {
public:
    QuendalRun(const QStringList& arguments, const std::function<void()>& inChild = {}) {
        if (inChild)
            process.setChildProcessModifier(inChild);
        process.start(QStringLiteral(QUENDAL_PROGRAM), QStringList{"--run"} + arguments);
        process.waitForStarted();
    }
    // The exit status, or -1 when it was killed or did not end in time.
    int status() {
        if (!process.waitForFinished(60'000)) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    // Never kill(0, …): that would signal the test's own process group.
    void signal(int number) {
        if (process.processId() > 0)
            ::kill(pid_t(process.processId()), number);
    }
    QString err() { return QString::fromUtf8(process.readAllStandardError()); }

    QProcess process;
};

class RunDeliveryTest : public ::testing::Test {
protected:
    void SetUp() override { TestStore::clear(); }
    QTemporaryDir folder;
    QString report = folder.filePath("report.json");
};

// The old report stays whole when the new one does not fit, and the status says so.
TEST_F(RunDeliveryTest, AFullDiskKeepsTheOldReportAndFailsTheRun) {
    struct Case {
        QString target;
        bool limitFileSize;
    };
    for (const Case& c : {Case{report, true}, Case{"/dev/full", false}}) {
        zrsim::PtyTerminal sim;
        QFile old(report);
        old.open(QIODevice::WriteOnly | QIODevice::Truncate);
        old.write("old report\n");
        old.close();
        QuendalRun run({"--device", path(sim), "--report", c.target}, [limit = c.limitFileSize] {
            if (!limit)
                return;
            const rlimit small{1024, 1024};
            ::setrlimit(RLIMIT_FSIZE, &small);
            std::signal(SIGXFSZ, SIG_IGN);
        });
        EXPECT_EQ(run.status(), 1) << c.target.toStdString();
        const QString err = run.err();
        EXPECT_TRUE(err.contains("Bericht " + c.target + " nicht geschrieben"))
            << err.toStdString();
        QFile kept(report);
        kept.open(QIODevice::ReadOnly);
        EXPECT_EQ(kept.readAll(), "old report\n");
    }
}

// head -1 and friends: the run goes on, the report is written, the lock goes.
TEST_F(RunDeliveryTest, AReaderThatGoesAwayCostsTheRunNothing) {
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        zrsim::PtyTerminal sim({.silent = stream == STDERR_FILENO});
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        ::close(ends[0]);
        QuendalRun run({"--device", path(sim), "--report", report},
                       [stream, writer = ends[1]] { ::dup2(writer, stream); });
        ::close(ends[1]);
        const int expected = stream == STDERR_FILENO ? 1 : 0;
        EXPECT_EQ(run.status(), expected) << stream;
        EXPECT_EQ(verdictIn(readReport(report)), expected ? "cancelled" : "passed") << stream;
        EXPECT_FALSE(QFile::exists(lockFileOf(sim))) << stream;
    }
}

// Nobody reads standard error: the terminal still runs to its end and a signal still counts.
TEST_F(RunDeliveryTest, AStandardErrorNobodyReadsStallsNothing) {
    zrsim::PtyTerminal sim({.silent = true});
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_NONBLOCK), 0);
    while (::write(ends[1], "x", 1) == 1) {
    }
    ::fcntl(ends[1], F_SETFL, 0); // full, and blocking for the writer as a real pipe is
    QuendalRun run({"--device", path(sim), "--retries", "2", "--report", report},
                   [writer = ends[1]] { ::dup2(writer, STDERR_FILENO); });
    for (int i = 0; i < 300 && verdictIn(readReport(report)).isEmpty(); ++i)
        QTest::qWait(100);
    EXPECT_EQ(verdictIn(readReport(report)), "cancelled");
    run.signal(SIGTERM);
    EXPECT_EQ(run.status(), 1);
    ::close(ends[0]);
    ::close(ends[1]);
}

// A report FIFO nobody opens is waited for only until a signal; the report reached no one.
TEST_F(RunDeliveryTest, AReportFifoWithoutAReaderEndsOnASignal) {
    zrsim::PtyTerminal sim;
    ASSERT_EQ(::mkfifo(QFile::encodeName(report).constData(), 0600), 0);
    QuendalRun run({"--device", path(sim), "--report", report});
    sim.waitForReceived(1, std::chrono::seconds(10));
    for (int i = 0; i < 100 && !QByteArray::fromStdString(sim.received()).contains("Test-Ende");
         ++i)
        QTest::qWait(100);
    QTest::qWait(300);
    run.signal(SIGTERM);
    EXPECT_EQ(run.status(), 4);
    EXPECT_TRUE(run.err().contains("Signal"));
}

// A run has ended once its banner is on the wire; a signal before that interrupts it, and
// one that comes before the terminals start keeps them from being touched at all.
TEST_F(RunDeliveryTest, ASignalBeforeTheRunHasEndedInterruptsIt) {
    {
        zrsim::PtyTerminal sim;
        QuendalRun run({"--device", path(sim), "--report", report});
        waitUntilSigtermIsTaken(run.process.processId());
        run.signal(SIGTERM);
        EXPECT_EQ(run.status(), 4);
        EXPECT_EQ(verdictIn(readReport(report)), "interrupted");
        EXPECT_FALSE(QByteArray::fromStdString(sim.received()).contains("Test-Ende"));
    }
    {
        zrsim::PtyTerminal sim;
        TestStore::setSetting("Einstellungen", "1200,n,8,1"); // the banner takes long enough
        QuendalRun run({"--device", path(sim), "--report", report});
        while (run.process.waitForReadyRead(10'000))
            if (run.process.readAllStandardOutput().contains("Festtext-Test: OK"))
                break;
        run.signal(SIGTERM);
        EXPECT_EQ(run.status(), 4);
        EXPECT_EQ(verdictIn(readReport(report)), "interrupted");
    }
}

// Every report the runs above wrote is one the schema accepts, including a refused format.
TEST_F(RunDeliveryTest, AStoredFormatOrPortThatCannotBeUsedIsReportedAsItStands) {
    zrsim::PtyTerminal sim;
    TestStore::mapPort(1, path(sim));
    TestStore::setSetting("COM-Anschluß", "17");
    QuendalRun named({"--com", "1", "--report", report});
    EXPECT_EQ(named.status(), 0) << named.err().toStdString();
    EXPECT_EQ(reportSchemaViolation(report), "");
    TestStore::setSetting("Einstellungen", "12345,e,8,1");
    QuendalRun refused({"--com", "1", "--report", report});
    EXPECT_EQ(refused.status(), 3);
    const QJsonObject terminal = readReport(report).value("terminals").toArray().at(0).toObject();
    EXPECT_EQ(terminal.value("lineSettings").toString(), "12345,e,8,1");
    EXPECT_EQ(reportSchemaViolation(report), "");
}

} // namespace

namespace {

// A run torn down while a terminal still retries is interrupted first: waiting alone would
// last as long as its retries.
TEST_F(RunDeliveryTest, ARunTornDownEarlyEndsItsTerminals) {
    zrsim::PtyTerminal sim({.silent = true});
    RunOptions options;
    options.terminals.append({path(sim), 0, path(sim)});
    options.job.retries = 1'000'000;
    OutputWriter output;
    {
        ProductionRun run(options, output);
        run.start();
        sim.waitForReceived(1, std::chrono::seconds(10));
    }
    EXPECT_FALSE(QFile::exists(lockFileOf(sim)));
}

} // namespace
