#include "device_link/port_lock.h"
#include "device_link/serial_port.h"
#include "device_link/settings_store.h"
#include "device_link/terminal_commands.h"
#include "run_driver.h"
#include "sim/pty_terminal.h"
#include "sim_fixture.h"
#include "test_store.h"

#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
    QJsonObject report;
};

QString path(const zrsim::PtyTerminal& sim) {
    return QString::fromStdString(sim.slavePath());
}

QJsonArray terminals(const Outcome& outcome) {
    return outcome.report.value("terminals").toArray();
}

QJsonObject terminal(const Outcome& outcome, int index) {
    return terminals(outcome).at(index).toObject();
}

// Runs `quendal --run` as a line script would: no display, the test's own settings store.
// `during` gets the running process, for example to signal it.
Outcome runQuendal(QStringList arguments, const std::function<void(QProcess&)>& during = {}) {
    QTemporaryDir folder;
    const QString report = folder.filePath("report.json");
    arguments.prepend("--run");
    arguments << "--report" << report;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUENDAL_PROGRAM), arguments);
    if (!process.waitForStarted())
        return {};
    if (during)
        during(process);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    QFile file(report);
    file.open(QIODevice::ReadOnly);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()),
            QJsonDocument::fromJson(file.readAll()).object()};
}

class ProductionRunTest : public ::testing::Test {
protected:
    void SetUp() override { TestStore::clear(); }
};

TEST_F(ProductionRunTest, EveryRowPassesAndTheReportSaysSo) {
    zrsim::PtyTerminal sim;
    const Outcome run = runQuendal({"--device", path(sim)});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    for (const char* row : {"Schnittstellentest", "Umkodiertabelle", "Displaygeometrie",
                            "Festtextprogrammierung", "Festtext-Test"})
        EXPECT_TRUE(run.out.contains(QString("%1: OK\n").arg(row))) << row;
    EXPECT_TRUE(run.out.contains(QRegularExpression("Ergebnis: bestanden \\(\\d+ ms\\)\n$")));
    EXPECT_EQ(run.report.value("program").toString(), "quendal");
    const QJsonObject one = terminal(run, 0);
    EXPECT_EQ(one.value("verdict").toString(), "passed");
    EXPECT_EQ(one.value("steps").toArray().size(), 7);
    EXPECT_TRUE(one.value("cause").isNull());
    EXPECT_TRUE(QByteArray::fromStdString(sim.received()).contains("Test-Ende"));
}

TEST_F(ProductionRunTest, ADroppedEchoFailsTheTableAndTheReportNamesTheByte) {
    // Echoes 1 to 32 belong to the interface test; the 40th awaits the table's eighth byte.
    zrsim::PtyTerminal sim({.dropEcho = 40});
    const Outcome run = runQuendal({"--device", path(sim)});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.contains("Umkodiertabelle: FEHLER BEIM SPEICHERN DER UMKODIERTABELLE"));
    const QJsonObject table = terminal(run, 0).value("steps").toArray().at(1).toObject();
    EXPECT_EQ(table.value("outcome").toString(), "failed");
    const QJsonArray failures = table.value("failures").toArray();
    ASSERT_EQ(failures.size(), 1);
    const QString missing =
        QString::fromLatin1(QByteArray(1, TerminalCommands::recodingTable()[7]).toHex());
    EXPECT_EQ(failures[0].toObject().value("sent").toString(), missing);
    EXPECT_EQ(failures[0].toObject().value("awaited").toString(), missing);
    EXPECT_EQ(failures[0].toObject().value("received").toString(), "");
}

TEST_F(ProductionRunTest, ASilentTerminalIsRetriedAsOftenAsAskedThenCancelled) {
    for (const int retries : {0, 2}) {
        zrsim::PtyTerminal sim({.silent = true});
        const Outcome run =
            runQuendal({"--device", path(sim), "--retries", QString::number(retries)});
        EXPECT_EQ(run.status, 1) << retries;
        EXPECT_EQ(terminal(run, 0).value("verdict").toString(), "cancelled") << retries;
        EXPECT_EQ(run.err.count(QRegularExpression("Wiederholung \\d")), retries);
        EXPECT_EQ(terminal(run, 0).value("notices").toArray().size(), retries + 1);
        const QByteArray received = QByteArray::fromStdString(sim.received());
        EXPECT_EQ(received.count(TerminalCommands::interfaceTestName), retries + 1);
        EXPECT_FALSE(received.contains("Test-Ende"));
    }
}

TEST_F(ProductionRunTest, AMissingDeviceFailsOnlyItselfWithItsCause) {
    zrsim::PtyTerminal first, last;
    const Outcome run = runQuendal(
        {"--device", path(first), "--device", "/dev/quendal-absent", "--device", path(last)});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(terminal(run, 0).value("verdict").toString(), "passed");
    EXPECT_EQ(terminal(run, 2).value("verdict").toString(), "passed");
    const QJsonObject missing = terminal(run, 1);
    EXPECT_EQ(missing.value("verdict").toString(), "not-opened");
    EXPECT_EQ(missing.value("cause").toObject().value("kind").toString(), "missing");
    EXPECT_TRUE(missing.value("message").toString().startsWith(
        "Gerät /dev/quendal-absent: Das Gerät gibt es nicht."));
    EXPECT_TRUE(missing.value("message").toString().contains("mit --device"));
    EXPECT_TRUE(run.out.contains("/dev/quendal-absent: Ergebnis: nicht geöffnet"));
}

// Seen by an ordinary user too: the holder's lock file names it before any second opening
// could meet its exclusive hold.
TEST_F(ProductionRunTest, APortHeldByAnotherQuendalNamesItAndItsProcess) {
    zrsim::PtyTerminal sim;
    SerialPort holder;
    holder.setDevicePath(path(sim));
    ASSERT_TRUE(holder.setPortOpen(true));
    const Outcome run = runQuendal({"--device", path(sim)});
    EXPECT_EQ(run.status, 3);
    const QJsonObject cause = terminal(run, 0).value("cause").toObject();
    EXPECT_EQ(cause.value("kind").toString(), "in-use-by-program");
    EXPECT_EQ(cause.value("pid").toInteger(), ::getpid());
    const QString node = QFileInfo(path(sim)).canonicalFilePath();
    EXPECT_EQ(cause.value("node").toString(), node);
    EXPECT_EQ(cause.value("lockFile").toString(), lockFilePath(node));
    const QString message = terminal(run, 0).value("message").toString();
    EXPECT_TRUE(message.contains(QString("Prozess %1").arg(::getpid()))) << message.toStdString();
    EXPECT_FALSE(message.contains("ModemManager")) << message.toStdString();
}

// Every echo waits, so the signal lands mid-run; nothing of the banner may follow.
TEST_F(ProductionRunTest, SigtermInterruptsWritesTheReportAndLeavesNoLock) {
    zrsim::PtyTerminal sim({.echoDelayMs = 20});
    const Outcome run = runQuendal({"--device", path(sim)}, [&sim](QProcess& process) {
        sim.waitForReceived(200, std::chrono::seconds(10));
        ::kill(pid_t(process.processId()), SIGTERM);
    });
    EXPECT_EQ(run.status, 4);
    const QJsonObject one = terminal(run, 0);
    EXPECT_EQ(one.value("verdict").toString(), "interrupted");
    EXPECT_EQ(one.value("steps").toArray().last().toObject().value("outcome").toString(),
              "cancelled");
    EXPECT_FALSE(QByteArray::fromStdString(sim.received()).contains("Test-Ende"));
    const QString node = QFileInfo(path(sim)).canonicalFilePath().mid(5).replace('/', '_');
    EXPECT_FALSE(QFile::exists("/run/lock/LCK.." + node));
    EXPECT_FALSE(QFile::exists("/var/lock/LCK.." + node));
}

TEST_F(ProductionRunTest, ALostLineInterruptsAndIsToldOnALineAndInTheReport) {
    zrsim::PtyTerminal sim({.hangupAfter = 100});
    const Outcome run = runQuendal({"--device", path(sim)});
    EXPECT_EQ(run.status, 4);
    const QJsonObject one = terminal(run, 0);
    EXPECT_EQ(one.value("verdict").toString(), "interrupted");
    EXPECT_TRUE(one.value("message").toString().startsWith("Verbindung zu COM1"));
    EXPECT_EQ(one.value("notices").toArray().size(), 1);
    EXPECT_TRUE(run.err.contains("Der Testlauf wurde abgebrochen.")) << run.err.toStdString();
}

TEST_F(ProductionRunTest, ABadArgumentIsNamedAndNothingIsSent) {
    const std::vector<std::pair<QStringList, QString>> cases{
        {{"--colour"}, "colour"},           {{"--com", "0"}, "--com 0"},
        {{"--com", "17"}, "--com 17"},      {{"--geometry", "10x4"}, "--geometry 10x4"},
        {{"--geometry", "20x3"}, "20x3"},   {{"--retries", "-1"}, "--retries -1"},
        {{"--retries", "x"}, "--retries x"}};
    for (const auto& [arguments, named] : cases) {
        zrsim::PtyTerminal sim;
        const Outcome run = runQuendal(QStringList{"--device", path(sim)} + arguments);
        EXPECT_EQ(run.status, 2) << named.toStdString();
        EXPECT_TRUE(run.err.contains(named)) << run.err.toStdString();
        QTest::qWait(20);
        EXPECT_EQ(sim.received(), "") << named.toStdString();
    }
}

// Two jobs on one device, or a store that names none: nothing is sent, the status is 2.
TEST_F(ProductionRunTest, NoTerminalOnAPortNamedTwiceOrByAnUnusableStore) {
    zrsim::PtyTerminal sim;
    TestStore::mapPort(3, path(sim));
    const Outcome twice = runQuendal({"--com", "3", "--device", path(sim)});
    EXPECT_EQ(twice.status, 2);
    EXPECT_TRUE(twice.err.contains("COM3 and " + path(sim))) << twice.err.toStdString();
    QFile store(SettingsStore::fileName());
    ASSERT_TRUE(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
    store.write("[Einstellungen\nCOM-Anschlu%DF=3\n");
    store.close();
    const Outcome unnamed = runQuendal({});
    EXPECT_EQ(unnamed.status, 2);
    EXPECT_TRUE(unnamed.err.contains("no terminal named")) << unnamed.err.toStdString();
    EXPECT_EQ(sim.received(), "");
}

// A reader's pipe stays a pipe: the report goes into it instead of replacing it.
TEST_F(ProductionRunTest, AReportIntoAPipeIsWrittenIntoIt) {
    zrsim::PtyTerminal sim;
    const QTemporaryDir folder;
    const QByteArray fifo = QFile::encodeName(folder.filePath("report"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    QProcess process;
    process.start(QStringLiteral(QUENDAL_PROGRAM),
                  {"--run", "--device", path(sim), "--report", QString::fromLocal8Bit(fifo)});
    ASSERT_TRUE(process.waitForFinished(60'000));
    EXPECT_EQ(process.exitCode(), 0);
    char buffer[65536];
    const ssize_t length = ::read(reader, buffer, sizeof buffer);
    ::close(reader);
    const QJsonObject report =
        QJsonDocument::fromJson(QByteArray(buffer, int(std::max<ssize_t>(0, length)))).object();
    EXPECT_EQ(report.value("program").toString(), "quendal");
    struct stat node {};
    ASSERT_EQ(::lstat(fifo.constData(), &node), 0);
    EXPECT_TRUE(S_ISFIFO(node.st_mode));
}

// A silent terminal that retries and a slow one run beside two good ones: the good ones end
// first, and every answering terminal gets the bytes of a terminal run alone.
TEST_F(ProductionRunTest, FourTerminalsAtOnceDoNotWaitForEachOther) {
    zrsim::PtyTerminal alone;
    ASSERT_EQ(runQuendal({"--device", path(alone)}).status, 0);
    zrsim::PtyTerminal good1, silent({.silent = true}), slow({.echoDelayMs = 5}), good2;
    const Outcome run = runQuendal({"--device", path(good1), "--device", path(silent), "--device",
                                    path(slow), "--device", path(good2), "--retries", "3"});
    EXPECT_EQ(run.status, 1);
    const QStringList verdicts = run.out.split('\n').filter("Ergebnis");
    ASSERT_EQ(verdicts.size(), 4);
    EXPECT_TRUE(verdicts[0].contains("bestanden") && verdicts[1].contains("bestanden"));
    for (const auto* sim : {&good1, &slow, &good2})
        EXPECT_EQ(sim->received(), alone.received());
    EXPECT_TRUE(run.out.contains(path(good1) + ": Schnittstellentest: OK"));
}

class SameBytesTest : public SimFixture {};

// Both roads to a run share one loop: the terminal cannot tell them apart, also where the
// geometry needs the terminal's fallback.
TEST_F(SameBytesTest, TheWindowAndTheProductionRunSendTheSameBytes) {
    for (const auto& [cols, rows] : std::vector<std::pair<int, int>>{{20, 4}, {8, 4}}) {
        start({});
        window->cmbZRCols->setCurrentText(QString::number(cols));
        window->cmbZRRows->setCurrentText(QString::number(rows));
        ASSERT_EQ(runTests(*window).results.size(), 7);
        const QByteArray fromWindow = settled();
        window.reset();
        zrsim::PtyTerminal headless;
        const Outcome run = runQuendal(
            {"--device", path(headless), "--geometry", QString("%1x%2").arg(cols).arg(rows)});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(QByteArray::fromStdString(headless.received()), fromWindow)
            << cols << "x" << rows;
        EXPECT_EQ(run.err.contains("ACHTUNG!"), cols == 8);
    }
}

} // namespace
