#include "pg_server.h"
#include "run_record/run_recorder.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Output {
    int status = -1;
    QByteArray out;
    QString err;
};

// Each program reads and writes under `dataHome` only, never the user's record.
Output start(const char* program, const QString& dataHome, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QUENDAL_DATABASE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert("XDG_DATA_HOME", dataHome);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QString::fromLocal8Bit(program), arguments);
    if (!process.waitForFinished(120'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// The same shape into a station file and into a line database: every reading of the two
// agrees, and the line goes on numbering attempts and terminal runs after the generated ones.
TEST(RecordGenerator, LineDatabaseReadsAsTheFileOfTheSameShape) {
    PgServer server;
    ASSERT_TRUE(server.running());
    QTemporaryDir data;
    const QStringList shape{"--terminal-runs", "1300", "--days", "20", "--stations", "3"};
    const QString file = data.path() + "/Quendal/records.sqlite";
    const Output toFile =
        start(BENCH_PROGRAM, data.path(), QStringList{"--write-record", file} + shape);
    ASSERT_EQ(toFile.status, 0) << toFile.err.toStdString();
    const QStringList line{"--database", server.uri()};
    const Output toLine =
        start(BENCH_PROGRAM, data.path(), QStringList{"--write-record"} + line + shape);
    ASSERT_EQ(toLine.status, 0) << toLine.err.toStdString();

    const std::vector<QStringList> readings{
        {"--yield", "--format", "json"},
        {"--yield", "--since", "2026-12-10", "--station", "Platz 2", "--format", "json"},
        {"--history", "SN-0000009", "--format", "json"},
        {"--history", "--format", "json"}};
    for (const QStringList& reading : readings) {
        const Output fromFile = start(QUENDAL_PROGRAM, data.path(), reading);
        const Output fromLine = start(QUENDAL_PROGRAM, data.path(), reading + line);
        EXPECT_EQ(fromFile.status, 0) << fromFile.err.toStdString();
        EXPECT_GT(fromFile.out.size(), 200) << reading.join(' ').toStdString();
        EXPECT_EQ(fromFile.out, fromLine.out) << reading.join(' ').toStdString();
    }
    EXPECT_EQ(start(QUENDAL_PROGRAM, data.path(), {"--history", "SN-0000009"}).out.count('\n'), 3);

    EXPECT_EQ(
        start(BENCH_PROGRAM, data.path(), QStringList{"--write-record"} + line + shape).status, 1)
        << "a second generation into a filled line database";
    QTemporaryDir station;
    RunRecorder recorder({station.path() + "/records.sqlite", server.uri()});
    TerminalRun retest;
    retest.port = retest.device = QStringLiteral("COM1");
    retest.lineSettings = QStringLiteral("9600 8E1");
    retest.verdict = TerminalRun::Passed;
    retest.unit = QStringLiteral("SN-0000009");
    const RunIdentity run = RunIdentity::begin("run", "Platz 9", "Eva", "1");
    ASSERT_EQ(recorder.record(run, retest).toStdString(), "");
    EXPECT_EQ(recorder.forwardAll().error.toStdString(), "");
    EXPECT_EQ(recorder.attempts(run.runId).value("COM1"), 4);
    EXPECT_EQ(server.runSql("SELECT MAX(id) FROM quendal.terminal_run"), "1301");
}

} // namespace
