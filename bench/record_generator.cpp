#include "record_generator.h"

#include "run_record/local_record.h"
#include "run_record/record_connection.h"
#include "run_record/record_error.h"
#include "run_record/record_writer.h"
#include "test_sequence/captions.h"

#include <QSqlQuery>
#include <QTimeZone>
#include <QUuid>

namespace {

constexpr qint64 dayMs = 24LL * 3600 * 1000;
constexpr qint64 firstRunMs = 1'796'000'000'000LL;

// Thirteen terminal runs test nine units: every third unit needs a second attempt, every ninth
// a third, right after the one before at the next station.
constexpr int cycleRuns = 13;
constexpr int cycleUnits = 9;
constexpr int unitInCycle[cycleRuns] = {0, 0, 0, 1, 2, 3, 3, 4, 5, 6, 6, 7, 8};
constexpr int attemptInCycle[cycleRuns] = {1, 2, 3, 1, 1, 1, 2, 1, 1, 1, 2, 1, 1};

// Run ids are UUIDs as a run makes them, but named by the index, so that a second generation
// gives the same ones.
QString runIdOf(int index) {
    static const QUuid generated(QStringLiteral("6f1c7a52-3c1e-4f0e-9d4b-2a7e5c9b8d10"));
    return QUuid::createUuidV5(generated, QByteArray::number(index)).toString(QUuid::WithoutBraces);
}

RunIdentity identityOf(const RecordShape& shape, int index) {
    const qint64 offsetMs = qint64(index) * shape.days * dayMs / shape.terminalRuns;
    return {runIdOf(index),
            QDateTime::fromMSecsSinceEpoch(firstRunMs + offsetMs, QTimeZone::utc()),
            QStringLiteral("Platz %1").arg(index % shape.stations),
            QStringLiteral("bench"),
            QStringLiteral("bench-host"),
            QStringLiteral("bench"),
            QStringLiteral("run")};
}

// The byte that went out unanswered, as a failed row's exchange records it.
ExchangeFailure missedEcho(int done) {
    const QByteArray sent(1, char(0x20 + done % 95));
    return {sent, sent, {}, 500};
}

// A line's usual troubles: one run in seven fails a row, more often the table than the texts;
// one in a hundred finds its port held or gone; echoes come slower now and then.
void shapeOutcome(TerminalRun& terminal, int done) {
    for (StepResult& step : terminal.steps)
        if (step.echoes.slowestMs)
            step.echoes.slowestMs =
                2 + (done * 7 + step.index * 13) % 23 + (done % 97 == 0 ? 60 : 0);
    if (done % 100 == 3) {
        terminal.verdict = TerminalRun::NotOpened;
        terminal.steps.clear();
        terminal.cause = PortProblem();
        terminal.cause->kind =
            done % 300 == 3 ? PortProblem::HeldExclusively : PortProblem::DeviceMissing;
        return;
    }
    if (done % 7 != 0)
        return;
    terminal.verdict = TerminalRun::Failed;
    StepResult& failed = terminal.steps[done % 3 == 0 ? 3 : 1];
    failed.outcome = StepResult::Failed;
    failed.result = failed.index == 1 ? Captions::recodingTableFailed : Captions::fixedTextsFailed;
    failed.failures = {missedEcho(done)};
}

} // namespace

GeneratedRun generatedRun(const RecordShape& shape, int index) {
    const int unit = index / cycleRuns * cycleUnits + unitInCycle[index % cycleRuns];
    GeneratedRun generated{
        identityOf(shape, index),
        typicalTerminalRun(QStringLiteral("COM1"),
                           QStringLiteral("SN-%1").arg(unit, 7, 10, QLatin1Char('0')))};
    shapeOutcome(generated.terminal, index);
    generated.terminal.attempt = attemptInCycle[index % cycleRuns];
    return generated;
}

TerminalRun typicalTerminalRun(const QString& port, const QString& unit) {
    TerminalRun terminal;
    terminal.port = port;
    terminal.device = QStringLiteral("/dev/ttyUSB0");
    terminal.lineSettings = QStringLiteral("9600,e,8,1");
    terminal.columns = 20;
    terminal.rows = 4;
    terminal.verdict = TerminalRun::Passed;
    terminal.durationMs = 4200;
    terminal.unit = unit;
    for (int i = 0; i < int(Captions::stepCaptions.size()); ++i) {
        StepResult step;
        step.index = i;
        step.caption = Captions::stepCaptions[i];
        step.result = Captions::ok;
        step.durationMs = 300;
        step.echoes = {i < 4 ? 128 : 0, i < 4 ? std::optional<qint64>(3) : std::nullopt};
        terminal.steps.append(step);
    }
    return terminal;
}

// A generated record goes into an empty one only: its run ids would meet those of the first.
bool recordIsEmpty(RecordConnection& connection, QString& error) {
    QSqlQuery query(connection.database());
    if (!exec(query, QStringLiteral("SELECT EXISTS (SELECT 1 FROM run)"), error))
        return false;
    if (query.next() && !query.value(0).toBool())
        return true;
    error = QStringLiteral("the record holds runs already; only an empty one is filled");
    return false;
}

// The writer counts each unit's attempts in the file, as a run does, and comes to the same.
bool generateRecord(const QString& path, const RecordShape& shape, QString& error) {
    RecordConnection connection(RecordConnection::Local, path);
    if (!connection.open(error) || !LocalRecord::prepare(connection, error) ||
        !recordIsEmpty(connection, error) || !connection.beginWriting(error))
        return false;
    {
        RecordWriter writer(connection.database());
        for (int index = 0; index < shape.terminalRuns; ++index) {
            const GeneratedRun generated = generatedRun(shape, index);
            if (writer.write(generated.run, generated.terminal, error) ==
                RecordWriter::Written::Failed) {
                connection.rollback();
                return false;
            }
        }
    }
    return connection.commit(error);
}
