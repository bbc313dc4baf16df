#include "pg_server.h"
#include "run_record/line_database.h"
#include "run_record/local_record.h"
#include "run_record/record_connection.h"
#include "run_record/record_writer.h"
#include "run_record/run_recorder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

struct Result {
    int status = -1;
    QString out, err;
};

Result quendal(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QUENDAL_PROGRAM), arguments);
    process.waitForFinished(60'000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// One value, or the rows joined by ',', of a look at a SQLite file.
QString askFile(const QString& file, const QString& sql) {
    RecordConnection connection(RecordConnection::Local, file);
    QString error;
    QSqlQuery query(connection.open(error) ? connection.database() : QSqlDatabase());
    QStringList rows;
    for (query.exec(sql); query.next();)
        rows << query.value(0).toString();
    return rows.join(',');
}

enum class State { Held, Waiting, SetAside, LostByTheLine };

struct Row {
    const char* run;
    const char* started;
    const char* port;
    State state;
};

TerminalRun terminal(const char* port) {
    TerminalRun terminal;
    terminal.port = terminal.device = port;
    terminal.lineSettings = "9600,8,E,1";
    terminal.steps.append(
        {0, "Schritt", "FEHLER", StepResult::Failed, 0, {{"a", "b", "c", 1}}, {}});
    return terminal;
}

bool write(RecordConnection& station, const Row& row, QString& error) {
    const RunIdentity run{
        row.run, QDateTime::fromString(row.started, Qt::ISODate), "A", "B", "h", "1", "run"};
    return station.beginWriting(error) &&
           RecordWriter(station.database()).write(run, terminal(row.port), error) ==
               RecordWriter::Written::Added &&
           station.commit(error);
}

// Held and lost rows go to the line first; the line then loses the lost ones' keys, as a
// line database restored from an older backup would.
void fill(PgServer& server, const std::vector<Row>& rows) {
    RecordConnection station(RecordConnection::Local, LocalRecord::defaultPath());
    RecordConnection line(RecordConnection::Line, server.uri());
    QString error;
    int forwarded = 0, setAside = 0;
    ASSERT_TRUE(station.open(error) && LocalRecord::prepare(station, error) && line.open(error) &&
                LineDatabase::prepare(line, error));
    const auto forwardedFirst = [](const Row& row) {
        return row.state == State::Held || row.state == State::LostByTheLine;
    };
    for (const Row& row : rows)
        ASSERT_TRUE(!forwardedFirst(row) || write(station, row, error)) << error.toStdString();
    ASSERT_TRUE(LineDatabase::forward(station, line, forwarded, setAside, error));
    for (const Row& row : rows) {
        const QString run = QString::fromLatin1(row.run);
        ASSERT_TRUE(forwardedFirst(row) || write(station, row, error)) << error.toStdString();
        if (row.state == State::SetAside)
            QSqlQuery(station.database())
                .exec("UPDATE terminal_run SET set_aside = 'x' WHERE run_id = '" + run + "'");
        if (row.state == State::LostByTheLine)
            server.runSql("UPDATE quendal.terminal_run SET port = 'elsewhere' WHERE run_id = '" +
                          run + "'");
    }
}

} // namespace

// Only what the line database really holds goes, and only before the date; a refusal or a
// line that is away removes nothing.
TEST(StationTending, PruneRemovesOnlyWhatTheLineHoldsBeforeTheDate) {
    ASSERT_TRUE(QDir(QFileInfo(LocalRecord::defaultPath()).path()).removeRecursively());
    PgServer server;
    fill(server, {{"r-old", "2026-10-01T08:00:00Z", "COM1", State::Held},
                  {"r-old", "2026-10-01T08:00:00Z", "COM2", State::Waiting},
                  {"r-gone", "2026-10-02T08:00:00Z", "COM1", State::Held},
                  {"r-aside", "2026-10-03T08:00:00Z", "COM1", State::SetAside},
                  {"r-lost", "2026-10-04T08:00:00Z", "COM1", State::LostByTheLine},
                  {"r-new", "2026-11-02T08:00:00Z", "COM1", State::Held}});
    const QString all = "r-aside:COM1,r-gone:COM1,r-lost:COM1,r-new:COM1,r-old:COM1,r-old:COM2";
    const QString keys = "SELECT run_id || ':' || port FROM terminal_run ORDER BY 1";
    const QStringList prune{"--prune", "--before", "2026-11-01"};
    const std::tuple<QStringList, int, const char*> refused[] = {
        {prune, 1, "keine Liniendatenbank"},
        {prune + QStringList{"--database", "postgresql://q@127.0.0.1:1/q"}, 1, "q@"},
        {{"--prune", "--database", server.uri()}, 2, "--before"},
        {{"--prune", "--before", "morgen", "--database", server.uri()}, 2, "morgen"},
        {prune + QStringList{"--since", "2026-01-01"}, 2, "--since"}};
    for (const auto& [arguments, status, told] : refused) {
        const Result result = quendal(arguments);
        EXPECT_EQ(result.status, status) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(told)) << result.err.toStdString();
        EXPECT_EQ(askFile(LocalRecord::defaultPath(), keys), all);
    }
    const Result result = quendal(prune + QStringList{"--database", server.uri()});
    EXPECT_EQ(result.status, 1) << result.err.toStdString();
    EXPECT_TRUE(result.out.startsWith("Entfernte Terminalläufe: 2 (Läufe: 1)\n"
                                      "Behalten, weil sie warten oder beiseitegelegt sind: 2\n"
                                      "Behalten, weil die Liniendatenbank sie nicht hat: 1\n"
                                      "Dateigröße: "))
        << result.out.toStdString();
    EXPECT_TRUE(result.err.contains("1 Terminalläufe sind als übertragen vermerkt"));
    EXPECT_EQ(askFile(LocalRecord::defaultPath(), keys),
              "r-aside:COM1,r-lost:COM1,r-new:COM1,r-old:COM2");
    EXPECT_EQ(askFile(LocalRecord::defaultPath(), "SELECT run_id FROM run ORDER BY 1"),
              "r-aside,r-lost,r-new,r-old");
    EXPECT_EQ(
        askFile(LocalRecord::defaultPath(),
                "SELECT (SELECT count(*) FROM step) || '/' || (SELECT count(*) FROM failure)"),
        "4/4");
}

// Each copy taken while a writer goes on is a whole record of mode 0600; a name already
// taken, or in a folder that is not there, is refused and left as it was, nothing beside it.
TEST(StationTending, ABackupTakenWhileRunsWriteIsWholeAndReplacesNothing) {
    ASSERT_TRUE(QDir(QFileInfo(LocalRecord::defaultPath()).path()).removeRecursively());
    std::atomic<bool> stop{false};
    std::atomic<int> written{0}, failed{0};
    std::thread writer([&] {
        RunRecorder recorder({LocalRecord::defaultPath(), {}});
        for (TerminalRun run = terminal("COM1"); !stop;)
            (recorder.record(RunIdentity::begin("run", "A", "B", "1"), run).isEmpty() ? written
                                                                                      : failed)++;
    });
    while (written < 20 && failed == 0)
        std::this_thread::yield();
    QTemporaryDir folder;
    for (const QString name : {"1.sqlite", "2.sqlite", "3.sqlite"}) {
        const Result result = quendal({"--backup", folder.filePath(name)});
        EXPECT_EQ(result.status, 0) << result.err.toStdString();
        EXPECT_EQ(askFile(folder.filePath(name), "PRAGMA integrity_check"), "ok");
        EXPECT_GE(askFile(folder.filePath(name), "SELECT count(*) FROM step").toInt(), 20);
        EXPECT_EQ(QFile::permissions(folder.filePath(name)),
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }
    stop = true;
    writer.join();
    EXPECT_EQ(failed, 0);
    ASSERT_TRUE(QFile::link(folder.filePath("nowhere"), folder.filePath("link.sqlite")));
    const qint64 size = QFileInfo(folder.filePath("1.sqlite")).size();
    for (const QString taken : {"1.sqlite", "link.sqlite", "missing/1.sqlite"})
        EXPECT_EQ(quendal({"--backup", folder.filePath(taken)}).status, 1) << taken.toStdString();
    EXPECT_EQ(QFileInfo(folder.filePath("1.sqlite")).size(), size);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::System).size(), 4);
}
