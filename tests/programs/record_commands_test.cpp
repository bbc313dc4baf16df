#include "headless_browser.h"
#include "run_record/record_places.h"
#include "run_record/run_recorder.h"
#include "test_sequence/captions.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Result {
    int status = -1;
    QByteArray out;
    QString err;
};

// The program reads the record under its own data folder, never the user's.
Result quendal(const QString& dataHome, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QUENDAL_DATABASE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert("XDG_DATA_HOME", dataHome);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUENDAL_PROGRAM), arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TerminalRun terminal(const char* port, const char* unit, TerminalRun::Verdict verdict) {
    TerminalRun run;
    run.port = run.device = QString::fromLatin1(port);
    run.lineSettings = QStringLiteral("9600 8E1");
    run.verdict = verdict;
    run.unit = QString::fromLatin1(unit);
    if (verdict == TerminalRun::NotOpened) {
        run.cause = PortProblem();
        run.cause->kind = PortProblem::DeviceMissing;
        return run;
    }
    for (int index = 0; index < 2; ++index) {
        const bool failed = index == 1 && verdict == TerminalRun::Failed;
        StepResult step;
        step.index = index;
        step.result = failed ? Captions::recodingTableFailed : Captions::ok;
        step.outcome = failed ? StepResult::Failed : StepResult::Passed;
        run.steps.append(step);
    }
    return run;
}

// U1 fails at station A on 30 November and passes at B on 1 December; U2 passes at A; U3's
// port does not open at B; one terminal at B names no unit.
void fill(const QString& dataHome) {
    RunRecorder recorder({dataHome + "/Quendal/records.sqlite", {}});
    const auto run = [](const char* id, const char* when, const char* station) {
        return RunIdentity{
            id, QDateTime::fromString(when, Qt::ISODate), station, "Eva", "host", "1", "run"};
    };
    const RunIdentity first = run("run-1", "2026-11-30T10:00:00", "A");
    const RunIdentity second = run("run-2", "2026-12-01T10:00:00", "B");
    for (auto [identity, terminal] : {std::pair{first, terminal("COM1", "U1", TerminalRun::Failed)},
                                      {first, terminal("COM2", "U2", TerminalRun::Passed)},
                                      {second, terminal("COM1", "U1", TerminalRun::Passed)},
                                      {second, terminal("COM2", "U3", TerminalRun::NotOpened)},
                                      {second, terminal("COM3", "", TerminalRun::Passed)}})
        ASSERT_EQ(recorder.record(identity, terminal), QString());
}

QJsonValue at(const QByteArray& json, const QString& path) {
    const QJsonDocument document = QJsonDocument::fromJson(json);
    QJsonValue value = document.isArray() ? QJsonValue(document.array()) : document.object();
    for (const QString& key : path.split('/', Qt::SkipEmptyParts)) {
        bool isIndex = false;
        const int index = key.toInt(&isIndex);
        value = isIndex ? value.toArray().at(index) : value.toObject().value(key);
    }
    return value;
}

const QJsonValue absent(QJsonValue::Undefined);

struct Case {
    QStringList arguments;
    int status;
    std::vector<std::pair<QString, QJsonValue>> expected; // path in the JSON output, value
};

TEST(RecordCommands, AnswerFromTheStationsRecordAndRefuseBadArguments) {
    QTemporaryDir dataHome;
    fill(dataHome.path());
    const std::vector<Case> cases{
        {{"--history", "U1", "--format", "json"},
         0,
         {{"0/station", "B"},
          {"0/attempt", 2},
          {"0/verdict", "passed"},
          {"0/runId", "run-2"},
          {"1/attempt", 1},
          {"1/operator", "Eva"},
          {"1/source", "run"},
          {"1/steps/1/result", "FEHLER BEIM SPEICHERN DER UMKODIERTABELLE"},
          {"2", absent}}},
        {{"--history", "--until", "2026-11-30", "--format", "json"},
         0,
         {{"0/unit", "U2"}, {"1/unit", "U1"}, {"2", absent}}},
        {{"--yield", "--format", "json"},
         0,
         {{"units", 3},
          {"terminalRuns", 4},
          {"firstPassYield", 1.0 / 3},
          {"finalYield", 2.0 / 3},
          {"steps/0/index", 1},
          {"steps/0/failed", 1},
          {"steps/1", absent},
          {"steps/0/caption", "Umkodiertabelle"},
          {"causes/0/kind", "missing"},
          {"causes/0/count", 1},
          {"stations/0/station", "A"},
          {"stations/0/firstPassYield", 0.5},
          {"stations/1/units", 2},
          {"stations/1/finalYield", 0.5}}},
        // The window leaves U1's failure out: its first attempt in it passed.
        {{"--yield", "--since", "2026-12-01", "--format", "json"},
         0,
         {{"units", 2}, {"firstPassYield", 0.5}, {"finalYield", 0.5}}},
        {{"--yield", "--until", "2026-11-30T09:59:59", "--since", "2026-11-29", "--format", "json"},
         0,
         {{"units", 0}, {"firstPassYield", {}}}},
        {{"--history", "--since", "notadate"}, 2, {}},
        {{"--yield", "--format", "xml"}, 2, {}},
        {{"--run", "--history"}, 2, {}},
        {{"--since", "2026-12-01"}, 2, {}},
        {{"--history", "U1", "U2"}, 2, {}},
        {{"--forward"}, 2, {}},
        {{"--history", "--format", "html"}, 2, {}},
        {{"--history", "--output", "out.txt"}, 2, {}},
        // A second filter would otherwise go unheard.
        {{"--history", "--since", "2026-12-01", "--since", "2026-11-01"}, 2, {}},
        {{"--yield", "--station", "A", "--station", "B"}, 2, {}},
        {{"--yield", "--format", "json", "--format", "csv"}, 2, {}},
        {{"--yield", "--output", dataHome.path() + "/missing/out.html"}, 1, {}},
    };
    for (const Case& test : cases) {
        const Result result = quendal(dataHome.path(), test.arguments);
        const std::string what = test.arguments.join(' ').toStdString();
        EXPECT_EQ(result.status, test.status) << what << ": " << result.err.toStdString();
        for (const auto& [path, value] : test.expected)
            EXPECT_EQ(at(result.out, path), value) << what << " " << path.toStdString() << "\n"
                                                   << result.out.toStdString();
    }
}

// The page is written whole to the file named, with the record's texts as text.
TEST(RecordCommands, WriteTheYieldPageWithTheRecordsTextsEscaped) {
    QTemporaryDir dataHome;
    fill(dataHome.path());
    RunRecorder recorder({dataHome.path() + "/Quendal/records.sqlite", {}});
    const RunIdentity run{"run-3",    QDateTime::fromString("2026-12-02T10:00:00", Qt::ISODate),
                          "<b>C</b>", "Eva",
                          "host",     "1",
                          "run"};
    TerminalRun failing = terminal("COM1", "<script>alert(1)</script>", TerminalRun::Failed);
    ASSERT_EQ(recorder.record(run, failing), QString());
    const QString page = dataHome.path() + "/yield.html";
    const Result result =
        quendal(dataHome.path(), {"--yield", "--format", "html", "--output", page});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray html = file.readAll();
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(html.contains("&lt;script&gt;alert(1)&lt;/script&gt;")) << html.toStdString();
    EXPECT_TRUE(html.contains("&lt;b&gt;C&lt;/b&gt;"));
    EXPECT_FALSE(html.contains("<script"));
    EXPECT_FALSE(html.contains("<b>"));
    EXPECT_TRUE(html.contains("<dd data-key=\"units\">4</dd>"));
    // As a browser shows it: the figures of the record, a point per series and day, nothing run.
    const QString dom = HeadlessBrowser::dumpDom(page);
    const auto bars = [&dom](const QString& chart) {
        const QRegularExpression svg(QStringLiteral(R"(<svg[^>]*id="%1".*?</svg>)").arg(chart),
                                     QRegularExpression::DotMatchesEverythingOption);
        return svg.match(dom).captured().count(
            QRegularExpression(R"(<(rect|circle)[^>]*class="(bar|point)\b)"));
    };
    EXPECT_TRUE(dom.contains("<dd data-key=\"units\">4</dd>")) << dom.toStdString();
    EXPECT_EQ(bars("daily-yield"), 2 * 3); // first attempts on 30 November, 1 and 2 December
    EXPECT_EQ(bars("step-pareto"), 1);     // only the recoding table failed
    EXPECT_EQ(bars("causes"), 1);
    EXPECT_FALSE(dom.contains(QRegularExpression(R"(<script\b)")));
    EXPECT_TRUE(dom.contains("&lt;script&gt;alert(1)&lt;/script&gt;"));
}

// A record not there yet reads as empty and is not made; one that is no database is named.
TEST(RecordCommands, ReadAMissingRecordAsEmptyAndNameOneThatCannotBeRead) {
    QTemporaryDir dataHome;
    const Result history = quendal(dataHome.path(), {"--history"});
    EXPECT_EQ(history.status, 0) << history.err.toStdString();
    EXPECT_EQ(history.out, "");
    EXPECT_FALSE(QDir(dataHome.path() + "/Quendal").exists());
    const Result yield = quendal(dataHome.path(), {"--yield", "--format", "json"});
    EXPECT_EQ(at(yield.out, "units"), 0);
    EXPECT_EQ(at(yield.out, "finalYield"), QJsonValue());
    ASSERT_TRUE(QDir(dataHome.path()).mkpath("Quendal"));
    QFile garbage(dataHome.path() + "/Quendal/records.sqlite");
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    const Result broken = quendal(dataHome.path(), {"--history"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.err.contains(garbage.fileName())) << broken.err.toStdString();
}

} // namespace
