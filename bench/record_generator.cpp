#include "record_generator.h"

#include "run_record/local_record.h"
#include "run_record/record_connection.h"
#include "run_record/record_writer.h"
#include "test_sequence/captions.h"

#include <QTimeZone>
#include <QUuid>

namespace {

constexpr int runsPerTransaction = 10000;
constexpr qint64 dayMs = 24LL * 3600 * 1000;

RunIdentity identityAt(qint64 offsetMs, int station) {
    return {QUuid::createUuid().toString(QUuid::WithoutBraces),
            QDateTime::fromMSecsSinceEpoch(1'796'000'000'000LL + offsetMs, QTimeZone::utc()),
            QStringLiteral("Platz %1").arg(station),
            QStringLiteral("bench"),
            QStringLiteral("bench-host"),
            QStringLiteral("bench"),
            QStringLiteral("run")};
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
}

} // namespace

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

bool generateRecord(const QString& path, int terminalRuns, QString& error, int days, int stations) {
    RecordConnection connection(RecordConnection::Local, path);
    if (!connection.open(error) || !LocalRecord::prepare(connection, error))
        return false;
    for (int done = 0; done < terminalRuns;) {
        if (!connection.beginWriting(error))
            return false;
        RecordWriter writer(connection.database());
        for (int i = 0; i < runsPerTransaction && done < terminalRuns; ++i, ++done) {
            // Every third unit needs a second attempt, every ninth a third.
            const int unit = done * 9 / 13;
            TerminalRun terminal = typicalTerminalRun(
                QStringLiteral("COM1"), QStringLiteral("SN-%1").arg(unit, 7, 10, QLatin1Char('0')));
            shapeOutcome(terminal, done);
            terminal.attempt = 1;
            const RunIdentity run =
                identityAt(qint64(done) * days * dayMs / terminalRuns, done % stations);
            if (writer.write(run, terminal, error) == RecordWriter::Written::Failed)
                return false;
        }
        if (!connection.commit(error))
            return false;
    }
    return true;
}
