#include "run_record/run_recorder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Said {
    int status = -1;
    QString out;
};

// `quendal` on the record under `dataHome`, in the time zone `zone`.
Said quendal(const QString& dataHome, const QStringList& arguments,
             const QString& zone = QStringLiteral("Europe/Berlin")) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QUENDAL_DATABASE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert("XDG_DATA_HOME", dataHome);
    environment.insert("TZ", zone);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUENDAL_PROGRAM), arguments);
    if (!process.waitForFinished(60'000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

// One terminal run per station, each started at the UTC time given.
void record(const QString& dataHome, const std::vector<std::pair<QString, QString>>& runs) {
    RunRecorder recorder({dataHome + "/Quendal/records.sqlite", {}});
    int id = 0;
    for (const auto& [station, started] : runs) {
        TerminalRun terminal;
        terminal.port = terminal.device = "COM1";
        terminal.lineSettings = "9600 8E1";
        terminal.unit = station;
        terminal.verdict = TerminalRun::Passed;
        const RunIdentity run{QString::number(++id),
                              QDateTime::fromString(started, Qt::ISODate),
                              station,
                              "Eva",
                              "host",
                              "1",
                              "run"};
        ASSERT_EQ(recorder.record(run, terminal).toStdString(), "");
    }
}

} // namespace

// A day whose midnight a clock change skips starts at its first moment; a record's time whose
// UTC wall clock falls into a local gap reads back as the moment it was.
TEST(RecordText, DaysAndTimesHoldAcrossClockChanges) {
    const struct {
        const char* zone;
        const char* day;
        std::vector<std::pair<QString, QString>> runs; // unit, UTC start
        QStringList inDay;                             // newest first
    } zones[] = {
        {"Africa/Cairo",
         "2026-04-24",
         {{"before", "2026-04-23T21:30:00Z"},
          {"first", "2026-04-23T22:30:00Z"},
          {"gap", "2026-04-24T00:30:00Z"},
          {"after", "2026-04-24T21:30:00Z"}},
         {"gap", "first"}},
        {"America/Santiago",
         "2026-09-06",
         {{"gap", "2026-09-06T00:30:00Z"},
          {"before", "2026-09-06T03:30:00Z"},
          {"first", "2026-09-06T04:30:00Z"},
          {"after", "2026-09-07T03:30:00Z"}},
         {"first"}},
        {"Europe/Berlin",
         "2026-03-29",
         {{"before", "2026-03-28T22:30:00Z"},
          {"first", "2026-03-28T23:30:00Z"},
          {"gap", "2026-03-29T02:30:00Z"},
          {"after", "2026-03-29T22:30:00Z"}},
         {"gap", "first"}},
    };
    for (const auto& zone : zones) {
        QTemporaryDir dataHome;
        record(dataHome.path(), zone.runs);
        const Said day = quendal(
            dataHome.path(),
            {"--history", "--since", zone.day, "--until", zone.day, "--format", "json"}, zone.zone);
        EXPECT_EQ(day.status, 0) << zone.zone;
        QStringList units;
        for (const QJsonValue run : QJsonDocument::fromJson(day.out.toUtf8()).array())
            units << run["unit"].toString();
        EXPECT_EQ(units, zone.inDay) << zone.zone << " " << day.out.toStdString();
        const Said all = quendal(dataHome.path(), {"--history", "--format", "json"}, zone.zone);
        for (const QJsonValue run : QJsonDocument::fromJson(all.out.toUtf8()).array())
            for (const auto& [unit, started] : zone.runs)
                if (unit == run["unit"].toString()) {
                    EXPECT_EQ(QDateTime::fromString(run["started"].toString(), Qt::ISODate),
                              QDateTime::fromString(started, Qt::ISODate))
                        << zone.zone << " " << unit.toStdString();
                }
    }
}

TEST(RecordText, NamesMayHoldAnyVisibleCharacterUpToSixtyFourOfThem) {
    QTemporaryDir dataHome;
    const QString emoji = QString::fromUtf8("😀");
    const struct {
        QString station;
        bool taken;
    } cases[] = {
        {"Linie" + emoji, true},
        {emoji.repeated(64), true},
        {emoji.repeated(65), false},
        {"Platz 3 ✓ Süd", true},
        {QString::fromUtf8("Platz\u20283"), false},
        {QString::fromUtf8("Platz\u200B3"), false},
        {QString::fromUtf8("Platz\u00A03"), false},
        {"Platz 3 ", false},
    };
    for (const auto& c : cases) {
        const Said run = quendal(
            dataHome.path(), {"--run", "--device", "/dev/quendal-absent", "--station", c.station});
        EXPECT_EQ(run.status == 2, !c.taken) << c.station.toStdString();
        if (!c.taken)
            continue;
        const Said history =
            quendal(dataHome.path(), {"--history", "--station", c.station, "--format", "json"});
        EXPECT_EQ(QJsonDocument::fromJson(history.out.toUtf8())[0]["station"].toString(),
                  c.station);
    }
}

// Each station's name shows in the history and the yield as a spreadsheet takes it as text,
// and in the text history as one column.
TEST(RecordText, FieldsAreWrittenSoThatNoSpreadsheetRunsThemAndColumnsStayApart) {
    const std::vector<std::pair<QString, QString>> stations{
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+1", "'+1"},
        {"-1", "'-1"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tA", "'\tA"},
        {"\rA", "\"'\rA\""},
        {"Linie 1", "Linie 1"},
    };
    QTemporaryDir dataHome;
    std::vector<std::pair<QString, QString>> runs;
    for (const auto& [station, csv] : stations)
        runs.push_back({station, "2026-12-01T10:00:00Z"});
    runs.push_back({"Linie 1  Platz 3", "2026-12-01T10:00:00Z"});
    runs.push_back({"\"Süd\"", "2026-12-01T10:00:00Z"});
    record(dataHome.path(), runs);
    const QString history = quendal(dataHome.path(), {"--history", "--format", "csv"}).out;
    const QString yield = quendal(dataHome.path(), {"--yield", "--format", "csv"}).out;
    for (const auto& [station, csv] : stations) {
        EXPECT_TRUE(history.contains("," + csv + ",Eva,")) << csv.toStdString();
        EXPECT_TRUE(yield.contains("station," + csv + ",")) << csv.toStdString();
    }
    const QString text = quendal(dataHome.path(), {"--history"}).out;
    EXPECT_TRUE(text.contains("  \"Linie 1  Platz 3\"  COM1  \"Linie 1  Platz 3\"  1  "))
        << text.toStdString();
    EXPECT_TRUE(text.contains("  \"\"\"Süd\"\"\"  COM1  ")) << text.toStdString();
}
