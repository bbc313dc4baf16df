#include "run_record/run_recorder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

using Runs = std::vector<std::pair<QString, const char*>>; // station and unit, UTC start

// `quendal` on the record under `dataHome`, in the time zone `zone`; its status and output.
std::pair<int, QString> quendal(const QString& dataHome, const QStringList& arguments,
                                const char* zone = "Europe/Berlin") {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", dataHome);
    environment.insert("TZ", zone);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUENDAL_PROGRAM), arguments);
    process.waitForFinished(60'000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

void record(const QString& dataHome, const Runs& runs) {
    RunRecorder recorder({dataHome + "/Quendal/records.sqlite", {}});
    for (const auto& [name, started] : runs) {
        TerminalRun terminal;
        terminal.port = terminal.device = "COM1";
        terminal.lineSettings = "9600 8E1";
        terminal.unit = name;
        const RunIdentity run{
            name, QDateTime::fromString(started, Qt::ISODate), name, "Eva", "host", "1", "run"};
        ASSERT_EQ(recorder.record(run, terminal).toStdString(), "");
    }
}

QStringList units(const QString& json) {
    QStringList found;
    for (const QJsonValue run : QJsonDocument::fromJson(json.toUtf8()).array())
        found << run["unit"].toString() + " " + run["started"].toString();
    return found;
}

} // namespace

// A day whose midnight a clock change skips starts at its first moment.
TEST(RecordText, DaysHoldAcrossClockChanges) {
    for (const auto& [zone, day, runs, inDay] :
         {std::tuple{"Africa/Cairo", "2026-04-24",
                     Runs{{"before", "2026-04-23T21:30:00Z"},
                          {"first", "2026-04-23T22:30:00Z"},
                          {"after", "2026-04-24T21:30:00Z"}},
                     QStringList{"first 2026-04-24T01:30:00+03:00"}},
          {"America/Santiago", "2026-09-06",
           Runs{{"before", "2026-09-06T03:30:00Z"},
                {"first", "2026-09-06T04:30:00Z"},
                {"after", "2026-09-07T03:30:00Z"}},
           QStringList{"first 2026-09-06T01:30:00-03:00"}},
          {"Europe/Berlin", "2026-03-29",
           Runs{{"before", "2026-03-28T22:30:00Z"},
                {"gap", "2026-03-29T02:30:00Z"},
                {"after", "2026-03-29T22:30:00Z"}},
           QStringList{"gap 2026-03-29T04:30:00+02:00"}}}) {
        QTemporaryDir dataHome;
        record(dataHome.path(), runs);
        const auto [status, out] =
            quendal(dataHome.path(),
                    {"--history", "--since", day, "--until", day, "--format", "json"}, zone);
        EXPECT_EQ(units(out), inDay) << zone << " " << status;
    }
}

TEST(RecordText, NamesMayHoldAnyVisibleCharacterUpToSixtyFourOfThem) {
    QTemporaryDir dataHome;
    const QString emoji = QString::fromUtf8("😀");
    for (const auto& [station, taken] : {std::pair{"Linie" + emoji, true},
                                         {emoji.repeated(64), true},
                                         {emoji.repeated(65), false},
                                         {"Platz\u20283", false},
                                         {"Platz\u200B3", false},
                                         {"Platz 3 ", false}}) {
        const QStringList run{"--run", "--device", "/dev/quendal-absent", "--station", station};
        EXPECT_EQ(quendal(dataHome.path(), run).first != 2, taken) << station.toStdString();
        const QStringList look{"--history", "--station", station, "--format", "json"};
        EXPECT_EQ(units(quendal(dataHome.path(), look).second).size(), taken ? 1 : 0);
    }
}

// Each name shows as a spreadsheet takes it as text, and in the text history as one column.
TEST(RecordText, FieldsAreWrittenSoThatNoSpreadsheetRunsThemAndColumnsStayApart) {
    const std::vector<std::pair<QString, QString>> names{
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+1", "'+1"},
        {"-1", "'-1"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tA", "'\tA"},
        {"\rA", "\"'\rA\""},
        {"Linie 1", "Linie 1"}};
    QTemporaryDir dataHome;
    Runs runs{{"Linie 1  Platz 3", "2026-12-01T10:00:00Z"}, {"\"Süd\"", "2026-12-01T10:00:00Z"}};
    for (const auto& [name, csv] : names)
        runs.push_back({name, "2026-12-01T10:00:00Z"});
    record(dataHome.path(), runs);
    const QString history = quendal(dataHome.path(), {"--history", "--format", "csv"}).second;
    const QString yield = quendal(dataHome.path(), {"--yield", "--format", "csv"}).second;
    for (const auto& [name, csv] : names) {
        EXPECT_TRUE(history.contains("," + csv + ",Eva,COM1," + csv + ",")) << csv.toStdString();
        EXPECT_TRUE(yield.contains("station," + csv + ",")) << csv.toStdString();
    }
    const QString text = quendal(dataHome.path(), {"--history"}).second;
    EXPECT_TRUE(text.contains("  \"Linie 1  Platz 3\"  COM1  \"Linie 1  Platz 3\"  1  "));
    EXPECT_TRUE(text.contains("  \"\"\"Süd\"\"\"  COM1  ")) << text.toStdString();
}
