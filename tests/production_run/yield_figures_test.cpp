#include "run_record/local_record.h"
#include "run_record/record_connection.h"
#include "run_record/record_places.h"
#include "run_record/record_time.h"
#include "run_record/record_writer.h"
#include "yield_page/yield_figures.h"
#include "yield_page/yield_looks.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Attempt {
    QString unit;
    QString station;
    QString started;
    bool passed = false;
};

// A yield as "passed of units", or none.
struct Share {
    int passed = 0;
    int of = 0;
};

void expectShare(const std::optional<double>& actual, Share expected, const std::string& what) {
    if (expected.of == 0)
        EXPECT_FALSE(actual.has_value()) << what;
    else
        EXPECT_DOUBLE_EQ(actual.value_or(-1), double(expected.passed) / expected.of) << what;
}

Attempt at(const char* time, const char* unit, const char* station, bool passed) {
    return {unit, station, QStringLiteral("2026-12-01T%1:00.000Z").arg(time), passed};
}

struct StationCase {
    const char* name;
    int units;
    Share first;
    Share final;
};

struct YieldCase {
    const char* what;
    QList<Attempt> attempts;
    int units;
    int terminalRuns;
    Share first;
    Share final;
    std::vector<StationCase> stations;
};

// Each attempt a terminal run of its own, written in the order given.
void write(const QString& path, const QList<Attempt>& attempts) {
    QString error;
    RecordConnection record(RecordConnection::Local, path);
    ASSERT_TRUE(record.open(error) && LocalRecord::prepare(record, error) &&
                record.beginWriting(error))
        << error.toStdString();
    RecordWriter writer(record.database());
    for (const Attempt& attempt : attempts) {
        RunIdentity run = RunIdentity::begin("run", attempt.station, "Prüfer", "0");
        run.started = RecordTime::parse(attempt.started);
        TerminalRun terminal;
        terminal.port = "COM1";
        terminal.device = "/dev/null";
        terminal.lineSettings = "9600,8,E,1";
        terminal.unit = attempt.unit;
        terminal.verdict = attempt.passed ? TerminalRun::Passed : TerminalRun::Failed;
        ASSERT_EQ(writer.write(run, terminal, error), RecordWriter::Written::Added)
            << error.toStdString();
    }
    ASSERT_TRUE(record.commit(error)) << error.toStdString();
}

YieldFigures counted(const QList<Attempt>& attempts) {
    QTemporaryDir folder;
    const QString path = folder.filePath("records.sqlite");
    write(path, attempts);
    RecordQuery record(RecordPlaces{path, {}});
    YieldLooks looks;
    QString message;
    EXPECT_TRUE(YieldLooks::read(record, {}, YieldLooks::For::Figures, looks, message))
        << message.toStdString();
    return YieldFigures::of(looks.groups);
}

TEST(YieldFigures, CountsEachUnitsFirstAndLatestAttemptOverallAndPerStation) {
    const std::vector<YieldCase> cases{
        {"no units", {at("08:00", "", "A", true)}, 0, 0, {}, {}, {}},
        {"failed first, passed on retest; another passed at once",
         {at("08:00", "U1", "A", false), at("08:05", "U2", "A", true),
          at("08:10", "U1", "A", true)},
         2,
         3,
         {1, 2},
         {2, 2},
         {{"A", 2, {1, 2}, {2, 2}}}},
        {"written out of order: the time decides which attempt came first",
         {at("09:00", "U1", "A", true), at("08:00", "U1", "A", false)},
         1,
         2,
         {0, 1},
         {1, 1},
         {{"A", 1, {0, 1}, {1, 1}}}},
        {"passed first, failed last",
         {at("08:00", "U1", "A", true), at("08:30", "U1", "A", false)},
         1,
         2,
         {1, 1},
         {0, 1},
         {{"A", 1, {1, 1}, {0, 1}}}},
        {"retested at another station: each station counts its own attempts",
         {at("08:00", "U1", "A", false), at("08:01", "U1", "A", false),
          at("08:20", "U1", "B", true), at("08:30", "U2", "B", false)},
         2,
         4,
         {0, 2},
         {1, 2},
         {{"A", 1, {0, 1}, {0, 1}}, {"B", 2, {1, 2}, {1, 2}}}},
        {"the same time keeps the order written",
         {at("08:00", "U1", "A", false), at("08:00", "U1", "A", true)},
         1,
         2,
         {0, 1},
         {1, 1},
         {{"A", 1, {0, 1}, {1, 1}}}},
    };
    for (const YieldCase& test : cases) {
        const YieldFigures figures = counted(test.attempts);
        EXPECT_EQ(figures.units, test.units) << test.what;
        EXPECT_EQ(figures.terminalRuns, test.terminalRuns) << test.what;
        expectShare(figures.firstPassYield, test.first, test.what);
        expectShare(figures.finalYield, test.final, test.what);
        ASSERT_EQ(figures.stations.size(), qsizetype(test.stations.size())) << test.what;
        for (size_t i = 0; i < test.stations.size(); ++i) {
            const YieldFigures::Station& station = figures.stations[qsizetype(i)];
            EXPECT_EQ(station.name, QString::fromLatin1(test.stations[i].name)) << test.what;
            EXPECT_EQ(station.units, test.stations[i].units) << test.what;
            expectShare(station.firstPassYield, test.stations[i].first, test.what);
            expectShare(station.finalYield, test.stations[i].final, test.what);
        }
    }
}

} // namespace
