#include "device_link/port_lock.h"
#include "device_link/serial_port.h"
#include "device_link/settings_store.h"
#include "device_link/terminal_commands.h"
#include "report_schema.h"
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
#include <tuple>
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
    if (!arguments.contains("--report"))
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
    if (file.open(QIODevice::ReadOnly)) {
        EXPECT_EQ(reportSchemaViolation(report), "") << arguments.join(' ').toStdString();
    }
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
    EXPECT_TRUE(one.value("message").toString().startsWith("Verbindung zu " + path(sim) + " "));
    EXPECT_EQ(one.value("notices").toArray().size(), 1);
    EXPECT_TRUE(run.err.contains("Der Testlauf wurde abgebrochen.")) << run.err.toStdString();
}

// The store's COM1 is not the terminal's port: a lost line, stalled output and a store that
// is not valid all name the device the terminal was named by.
TEST_F(ProductionRunTest, ATerminalNamedByItsDeviceIsNamedByItsPathEverywhere) {
    struct Case {
        zrsim::SimOptions sim;
        QString key, value, told;
    };
    const std::vector<Case> cases{
        {{.hangupAfter = 100}, SettingsStore::handshakingKey, "0", "Verbindung zu %1 "},
        {{}, SettingsStore::handshakingKey, "1", "Die Ausgabe an %1 "},
        {{}, SettingsStore::settingsKey, "9601,n,8,1", "Baudrate „9601“"}};
    for (const Case& each : cases) {
        TestStore::clear();
        TestStore::setSetting(each.key, each.value);
        zrsim::PtyTerminal sim(each.sim);
        const Outcome run = runQuendal({"--device", path(sim)});
        const QJsonObject one = terminal(run, 0);
        const QString told = QString(each.told).replace("%1", path(sim));
        const QString notices = one.value("notices").toVariant().toStringList().join('\n');
        EXPECT_TRUE(notices.contains(told)) << notices.toStdString();
        EXPECT_TRUE(run.err.contains(told)) << run.err.toStdString();
        EXPECT_FALSE((notices + run.err).contains("COM1")) << run.err.toStdString();
        EXPECT_EQ(one.value("device").toString(), path(sim));
        if (!one.value("cause").isNull()) {
            EXPECT_EQ(one.value("cause").toObject().value("node").toString(), path(sim));
        }
    }
}

// A pseudo-terminal's multiplexer opens but refuses the stored parity, as an adapter might.
TEST_F(ProductionRunTest, ARefusedSettingIsNamedAndNoNoticeIsEmpty) {
    const Outcome run = runQuendal({"--device", "/dev/ptmx"});
    EXPECT_EQ(run.status, 3);
    const QJsonObject one = terminal(run, 0);
    EXPECT_EQ(one.value("cause").toObject().value("kind").toString(), "settings-refused");
    EXPECT_TRUE(one.value("message").toString().contains("/dev/ptmx übernimmt die Parität „e“"))
        << one.value("message").toString().toStdString();
    for (const QJsonValue& notice : one.value("notices").toArray())
        EXPECT_FALSE(notice.toString().trimmed().isEmpty());
    EXPECT_TRUE(!run.err.isEmpty() && !run.err.startsWith('\n') && !run.err.contains("\n\n"))
        << run.err.toStdString();
}

// SIM stands for the simulated terminal's device, which COM1 and COM3 stand for as well: a
// run that went ahead anyway would send it the probe.
TEST_F(ProductionRunTest, ABadArgumentIsNamedAndNothingIsSent) {
    const QTemporaryDir folder;
    const std::vector<std::tuple<QStringList, QString, QString>> cases{
        {{"--device", "SIM", "--colour"}, "", "colour"},
        {{"--device", "SIM", "--com", "0"}, "", "--com 0"},
        {{"--device", "SIM", "--com", "17"}, "", "--com 17"},
        {{"--com", " 3"}, "", "--com  3"},
        {{"--com", "03"}, "", "--com 03"},
        {{"--com", "+3"}, "", "--com +3"},
        {{"--device", "SIM", "--geometry", "10x4"}, "", "--geometry 10x4"},
        {{"--device", "SIM", "--geometry", "20x3"}, "", "20x3"},
        {{"--device", "SIM", "--retries", "-1"}, "", "--retries -1"},
        {{"--device", "SIM", "--retries", "x"}, "", "--retries x"},
        {{"--device", "SIM", "--retries", "2147483648"}, "", "0 bis 2147483647"},
        {{}, "", "--com N oder --device PATH"},
        {{}, "17", "--com N oder --device PATH"},
        {{"--device", "SIM", "--report", ""}, "", "--report:"},
        {{"--device", "SIM", "--report", "-", "--report", "-"}, "", "--report ist mehrmals"},
        {{"--device", "SIM", "--report", folder.path()}, "", "--report " + folder.path()},
        {{"--device", "SIM", "--report", "SIM"}, "", "--report SIM: das ist das Gerät von SIM"},
        {{"--com", "3", "--report", "SIM"}, "", "das ist das Gerät von COM3"}};
    for (auto [arguments, storedComm, named] : cases) {
        zrsim::PtyTerminal sim;
        TestStore::clear();
        TestStore::mapPort(1, path(sim));
        TestStore::mapPort(3, path(sim));
        if (!storedComm.isEmpty())
            TestStore::setSetting(SettingsStore::commPortKey, storedComm);
        arguments.replaceInStrings(QRegularExpression("^SIM$"), path(sim));
        named.replace("SIM", path(sim));
        const Outcome run = runQuendal(arguments);
        EXPECT_EQ(run.status, 2) << named.toStdString();
        EXPECT_TRUE(run.err.contains(named)) << run.err.toStdString();
        QTest::qWait(20);
        EXPECT_EQ(sim.received(), "") << named.toStdString();
    }
}

// Root may write anywhere: a report the operator may not write shows only for another user.
TEST_F(ProductionRunTest, AReportTheOperatorMayNotWriteIsAUsageError) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    const QTemporaryDir folder, config;
    const QString locked = folder.filePath("locked.json");
    QFile(locked).open(QIODevice::WriteOnly);
    for (const QString& path : {folder.path(), config.path()})
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadOther | QFile::ExeOther);
    for (const QString& report : {locked, folder.filePath("new.json")}) {
        zrsim::PtyTerminal sim;
        ::chmod(sim.slavePath().c_str(), 0666);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config.path());
        process.setProcessEnvironment(environment);
        process.start("setpriv",
                      {"--reuid=65534", "--regid=65534", "--clear-groups", QUENDAL_PROGRAM, "--run",
                       "--device", path(sim), "--report", report});
        ASSERT_TRUE(process.waitForFinished(60'000));
        EXPECT_EQ(process.exitCode(), 2) << report.toStdString();
        EXPECT_TRUE(process.readAllStandardError().contains(report.toUtf8()));
        EXPECT_EQ(sim.received(), "") << report.toStdString();
    }
}

// Two jobs on one device, or a store that names none: nothing is sent, the status is 2.
TEST_F(ProductionRunTest, NoTerminalOnAPortNamedTwiceOrByAnUnusableStore) {
    zrsim::PtyTerminal sim;
    TestStore::mapPort(3, path(sim));
    const Outcome twice = runQuendal({"--com", "3", "--device", path(sim)});
    EXPECT_EQ(twice.status, 2);
    EXPECT_TRUE(twice.err.contains("COM3 und " + path(sim))) << twice.err.toStdString();
    QFile store(SettingsStore::fileName());
    ASSERT_TRUE(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
    store.write("[Einstellungen\nCOM-Anschlu%DF=3\n");
    store.close();
    const Outcome unnamed = runQuendal({});
    EXPECT_EQ(unnamed.status, 2);
    EXPECT_TRUE(unnamed.err.contains("kein Terminal genannt")) << unnamed.err.toStdString();
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

// Qt warns about seeking when the report goes into a device or a pipe; its warnings are not
// the line's business, and only the run's own lines may reach standard error.
TEST_F(ProductionRunTest, QtsWarningsStayOffStandardError) {
    for (const char* report : {"/dev/null", "/dev/stdout"}) {
        zrsim::PtyTerminal sim;
        const Outcome run = runQuendal({"--device", path(sim), "--report", report});
        EXPECT_EQ(run.status, 0) << report;
        EXPECT_FALSE(run.err.contains("QFile") || run.err.contains("QIODevice"))
            << run.err.toStdString();
    }
}

// A silent terminal that retries and a slow one run beside two good ones: the good ones end
// first, and every answering terminal gets the bytes of a terminal run alone. Ten retries keep
// the silent one busy for about a second, longer than a good run under a sanitizer and load.
TEST_F(ProductionRunTest, FourTerminalsAtOnceDoNotWaitForEachOther) {
    zrsim::PtyTerminal alone;
    ASSERT_EQ(runQuendal({"--device", path(alone)}).status, 0);
    zrsim::PtyTerminal good1, silent({.silent = true}), slow({.echoDelayMs = 5}), good2;
    const Outcome run = runQuendal({"--device", path(good1), "--device", path(silent), "--device",
                                    path(slow), "--device", path(good2), "--retries", "10"});
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
