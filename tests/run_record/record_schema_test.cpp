#include "pg_server.h"
#include "run_record/line_database.h"
#include "run_record/local_record.h"
#include "run_record/record_connection.h"
#include "sim/pty_terminal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

namespace {

struct Ran {
    int status = -1;
    QString out, err;
};

Ran quendal(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QUENDAL_PROGRAM), arguments);
    process.waitForFinished(60'000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString text(const QString& file) {
    QFile read(file);
    return read.open(QIODevice::ReadOnly) ? QString::fromUtf8(read.readAll()) : QString();
}

// Statements one at a time, as Qt's SQLite driver takes them; the last one's first column.
QString station(const QString& sql) {
    RecordConnection connection(RecordConnection::Local, LocalRecord::defaultPath());
    QString error;
    connection.open(error);
    QSqlQuery query(connection.database());
    QStringList rows{error};
    for (const QString& statement : sql.split(";\n", Qt::SkipEmptyParts))
        if (!query.exec(statement))
            return query.lastError().text();
    while (query.next())
        rows << query.value(0).toString();
    return rows.join(' ').trimmed();
}

class RecordSchemaTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(QFileInfo(LocalRecord::defaultPath()).path()).removeRecursively();
    }
    PgServer server;
    zrsim::PtyTerminal sim;
    QString device = QString::fromStdString(sim.slavePath());
};

} // namespace

TEST_F(RecordSchemaTest, ALineDatabaseThatCannotBeMadeWholeIsNotMadeAtAll) {
    server.runSql("CREATE FUNCTION refuse() RETURNS event_trigger LANGUAGE plpgsql AS $$ BEGIN "
                  "RAISE 'refused'; END $$; CREATE EVENT TRIGGER refuse ON ddl_command_start "
                  "WHEN TAG IN ('CREATE INDEX') EXECUTE FUNCTION refuse()");
    RecordConnection line(RecordConnection::Line, server.uri());
    QString error;
    EXPECT_FALSE(line.open(error) && LineDatabase::prepare(line, error));
    EXPECT_TRUE(error.contains("refused")) << error.toStdString();
    EXPECT_EQ(server.runSql("SELECT count(*) FROM pg_namespace WHERE nspname = 'quendal'"), "0");
    server.runSql("DROP EVENT TRIGGER refuse");
    EXPECT_TRUE(LineDatabase::prepare(line, error)) << error.toStdString();
    EXPECT_EQ(server.runSql("SELECT version FROM quendal.quendal_schema"), "3");
}

// The rows a migration rewrites, as they read: steps with their caption and result.
QStringList readable(int version) {
    return {"SELECT * FROM run ORDER BY run_id",
            "SELECT id, run_id, unit, attempt, verdict FROM terminal_run ORDER BY id",
            QStringLiteral("SELECT s.terminal_run_id, s.step_index, %1, s.outcome, s.duration_ms, "
                           "s.echoes, s.slowest_echo_ms FROM %2 ORDER BY 1, 2")
                .arg(version < 3 ? "caption, result" : "x.caption, x.result",
                     version < 3 ? "step s" : "step s JOIN step_text x ON x.id = s.text_id"),
            "SELECT * FROM failure ORDER BY 1, 2, 3"};
}

QString stationRows(int version) {
    RecordConnection connection(RecordConnection::Local, LocalRecord::defaultPath());
    QString rows;
    connection.open(rows);
    for (const QString& statement : readable(version)) {
        QSqlQuery query(connection.database());
        rows += query.exec(statement) ? "\n" : query.lastError().text();
        while (query.next())
            for (int i = 0; i < query.record().count(); ++i)
                rows += (query.isNull(i) ? "-" : query.value(i).toString()) + '|';
    }
    return rows;
}

QString lineRows(PgServer& server, int version, const QString& schema) {
    QString rows;
    for (const QString& statement : readable(version))
        rows += server.runSql("SET search_path TO " + schema + "; " + statement) + '\n';
    return rows;
}

// `moved`: a line database once moved out of "public" left its version there.
struct Older {
    int version;
    QString station, line, lineSchema, moved;
    int runs, lineYieldStatus, forwardStatus;
    QString lineAfter, stationAfter;
};

const Older olders[] = {
    {1, "schema1_station.sql", "schema1_line.sql", "public", "", 4, 1, 0,
     "3|3|4|quendal.terminal_run_id_seq|t", "34040"},
    {2, "schema2_station.sql", "schema2_line.sql", "quendal",
     "CREATE TABLE public.quendal_schema (version INTEGER); INSERT INTO public.quendal_schema "
     "VALUES (2);",
     6, 0, 1, "3|3|5|quendal.terminal_run_id_seq|t", "36150"}};

// Both records as older versions left them; only a command that writes migrates them.
TEST_F(RecordSchemaTest, OlderSchemasAreReadAsTheyAreAndMigratedWithEveryRowByAWriter) {
    for (const Older& older : olders) {
        SetUp();
        server.runSql("DROP SCHEMA IF EXISTS quendal CASCADE; DROP TABLE IF EXISTS "
                      "public.quendal_schema");
        ASSERT_EQ(station(text(QUENDAL_FIXTURES "/" + older.station)), "");
        server.runSql(text(QUENDAL_FIXTURES "/" + older.line) + older.moved);
        const QString lineBefore = lineRows(server, older.version, older.lineSchema);
        const QString stationBefore = stationRows(older.version);
        const QString history = quendal({"--history", "--format", "json"}).out;
        EXPECT_EQ(QJsonDocument::fromJson(history.toUtf8()).array().size(), older.runs);
        EXPECT_EQ(station("SELECT version FROM quendal_schema"), QString::number(older.version));
        const Ran yield = quendal({"--yield", "--database", server.uri()});
        EXPECT_EQ(yield.status, older.lineYieldStatus) << yield.err.toStdString();
        EXPECT_EQ(quendal({"--yield"}).status, 0);

        // What --forward does first, before it adds the waiting run.
        RecordConnection line(RecordConnection::Line, server.uri());
        RecordConnection local(RecordConnection::Local, LocalRecord::defaultPath());
        QString error;
        EXPECT_TRUE(line.open(error) && LineDatabase::prepare(line, error)) << error.toStdString();
        EXPECT_TRUE(local.open(error) && LocalRecord::prepare(local, error)) << error.toStdString();
        EXPECT_EQ(lineRows(server, 3, "quendal"), lineBefore);
        EXPECT_EQ(stationRows(3), stationBefore);
        EXPECT_EQ(quendal({"--forward", "--database", server.uri()}).status, older.forwardStatus);
        EXPECT_EQ(server.runSql("SELECT (SELECT version FROM quendal.quendal_schema), (SELECT "
                                "version FROM public.quendal_schema), (SELECT max(id) FROM "
                                "quendal.terminal_run), pg_get_serial_sequence("
                                "'quendal.terminal_run', 'id'), to_regclass('public.terminal_run') "
                                "IS NULL"),
                  older.lineAfter);
        EXPECT_EQ(station("SELECT (SELECT version FROM quendal_schema) || count(*) || "
                          "count(set_aside) || sum(forwarded) || (SELECT count(*) FROM "
                          "line_state) FROM terminal_run"),
                  older.stationAfter);
        EXPECT_EQ(quendal({"--history", "--format", "json"}).out, history);
    }
}

// A migration refused halfway, after the old step table is gone, leaves the record as it was.
TEST_F(RecordSchemaTest, AMigrationThatFailsHalfwayLeavesTheRecordAsItWas) {
    const QString blockers[] = {
        "CREATE TABLE run_new (x INTEGER)",
        "CREATE FUNCTION refuse() RETURNS event_trigger LANGUAGE plpgsql AS $$ BEGIN RAISE "
        "'refused'; END $$; CREATE EVENT TRIGGER refuse ON ddl_command_start WHEN TAG IN ('ALTER "
        "INDEX') EXECUTE FUNCTION refuse()"};
    for (const bool line : {false, true}) {
        SetUp();
        ASSERT_EQ(station(text(QUENDAL_FIXTURES "/schema2_station.sql")), "");
        server.runSql("DROP SCHEMA IF EXISTS quendal CASCADE; " +
                      text(QUENDAL_FIXTURES "/schema2_line.sql"));
        ASSERT_EQ(line ? server.runSql(blockers[1]) : station(blockers[0]), "");
        const QString before = line ? lineRows(server, 2, "quendal") : stationRows(2);
        RecordConnection record(line ? RecordConnection::Line : RecordConnection::Local,
                                line ? server.uri() : LocalRecord::defaultPath());
        QString error;
        ASSERT_TRUE(record.open(error));
        EXPECT_FALSE(line ? LineDatabase::prepare(record, error)
                          : LocalRecord::prepare(record, error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(line ? lineRows(server, 2, "quendal") : stationRows(2), before);
    }
}

TEST_F(RecordSchemaTest, TablesThatAreNotOursAreRefusedByEveryCommand) {
    struct Case {
        bool line;
        QString damage, told;
    };
    const Case cases[] = {
        {false, "DELETE FROM quendal_schema", "keine gültige Schema-Version"},
        {false, "DROP TABLE failure", "fehlt die Tabelle failure"},
        {false, "ALTER TABLE run RENAME COLUMN host TO hostname", "fehlt die Spalte host"},
        {true, "DELETE FROM quendal.quendal_schema", "keine gültige Schema-Version"},
        {true, "ALTER TABLE quendal.step DROP COLUMN echoes", "fehlt die Spalte echoes"},
        {true, "DROP SCHEMA quendal CASCADE; CREATE TABLE quendal_schema (version int)",
         "keine gültige Schema-Version"},
        {true, "DROP SCHEMA quendal CASCADE; CREATE SCHEMA quendal; CREATE TABLE quendal.t (i int)",
         "enthält Tabellen, aber keine Aufzeichnung"}};
    for (const Case& c : cases) {
        SetUp();
        server.runSql(
            "DROP SCHEMA IF EXISTS quendal CASCADE; DROP TABLE IF EXISTS public.quendal_schema");
        ASSERT_EQ(quendal({"--run", "--device", device, "--database", server.uri()}).status, 0);
        if (c.line)
            server.runSql(c.damage);
        else
            ASSERT_EQ(station(c.damage), "");
        const QStringList db{"--database", server.uri()}, read = c.line ? db : QStringList{};
        for (const QStringList& arguments :
             {QStringList{"--run", "--device", device} + db, QStringList{"--forward"} + db,
              QStringList{"--history"} + read, QStringList{"--yield"} + read,
              QStringList{"--yield", "--format", "html"} + read}) {
            const Ran ran = quendal(arguments);
            // A run on a refused line database waits for it, as on one that is away.
            EXPECT_EQ(ran.status, c.line && arguments[0] == "--run" ? 0 : 1)
                << c.damage.toStdString();
            EXPECT_TRUE(ran.err.contains(c.told)) << ran.err.toStdString();
        }
    }
}

// A station and a reader with exactly the grants the run record's guide gives.
TEST_F(RecordSchemaTest, AStationAndAReaderNeedOnlyTheGrantsTheGuideGives) {
    const QString guide = text(QUENDAL_RECORD_GUIDE);
    const qsizetype start = guide.indexOf("```sql\n") + 7;
    // Beside another program's run, which never meets ours.
    server.runSql("CREATE TABLE public.run (what text); CREATE ROLE station3 LOGIN; "
                  "CREATE ROLE yieldpage LOGIN; " +
                  guide.mid(start, guide.indexOf("```", start) - start));
    RecordConnection owner(RecordConnection::Line, server.uri());
    QString error;
    ASSERT_TRUE(owner.open(error) && LineDatabase::prepare(owner, error)) << error.toStdString();
    ASSERT_EQ(quendal({"--run", "--device", device, "--unit", device + "=SN-1"}).status, 0);
    const Ran forward = quendal({"--forward", "--database", server.uri("station3")});
    EXPECT_EQ(forward.status, 0) << forward.err.toStdString();
    const QStringList run{"--run", "--device", device, "--unit", device + "=SN-1"};
    EXPECT_EQ(quendal(run + QStringList{"--database", server.uri("station3")}).err, "");
    const QStringList reader{"--database", server.uri("yieldpage"), "--format", "json"};
    const Ran history = quendal(QStringList{"--history", "SN-1"} + reader);
    EXPECT_EQ(QJsonDocument::fromJson(history.out.toUtf8()).array().size(), 2)
        << history.err.toStdString();
    EXPECT_EQ(quendal({"--yield", "--format", "html", "--database", reader[1]}).status, 0);
    EXPECT_EQ(server.runSql("SELECT count(*) FROM public.run"), "0");
}
