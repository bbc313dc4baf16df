#include "history_command.h"

#include "record_output.h"
#include "run_record/record_places.h"
#include "test_sequence/captions.h"
#include "test_sequence/run_names.h"
#include "test_sequence/terminal_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

namespace {

// Without a serial, this many of the latest runs.
constexpr int latestRuns = 50;

QString orDash(const QString& text) {
    return text.isEmpty() ? QStringLiteral("-") : text;
}

QString attemptText(const TerminalRun& terminal) {
    return terminal.attempt ? QString::number(*terminal.attempt) : QString();
}

// The record keeps rows in German; the shown ones follow the language where a text is known.
QString shownCaption(const StepResult& step, bool translated) {
    if (!translated || step.index < 0 || step.index >= int(Captions::stepCaptions.size()))
        return step.caption;
    return Captions::stepCaptions.at(step.index);
}

QString shownResult(const QString& german, bool translated) {
    for (const Captions::Caption& result : Captions::rowResults)
        if (translated && result.untranslated() == german)
            return result;
    return Captions::oneLine(german);
}

// The rows that did not pass, or the message when the run ended before any row failed.
QStringList notPassed(const TerminalRun& terminal, bool translated) {
    QStringList rows;
    for (const StepResult& step : terminal.steps)
        if (step.outcome != StepResult::Passed)
            rows << Captions::rowLine(shownCaption(step, translated),
                                      shownResult(step.result, translated));
    if (rows.isEmpty() && terminal.verdict != TerminalRun::Passed && !terminal.message.isEmpty())
        rows << Captions::oneLine(terminal.message);
    return rows;
}

// Columns stand two spaces apart: a field that would read as two columns, or as none, is
// quoted, its quotes doubled.
QString column(const QString& text) {
    const bool plain = !text.isEmpty() && !text.contains(QLatin1String("  ")) &&
                       !text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' ')) &&
                       !text.startsWith(QLatin1Char('"'));
    return plain
               ? text
               : QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
                     QLatin1Char('"');
}

QString textLine(const RecordedRun& recorded) {
    const TerminalRun& terminal = recorded.terminal;
    QStringList fields{
        recorded.run.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
        recorded.run.station,
        terminal.port,
        orDash(terminal.unit),
        orDash(attemptText(terminal)),
        Captions::verdictWord(terminal.verdict)};
    fields << notPassed(terminal, true);
    std::transform(fields.begin(), fields.end(), fields.begin(), column);
    return fields.join(QStringLiteral("  ")) + QLatin1Char('\n');
}

QString csvText(const QList<RecordedRun>& runs) {
    QString text = RecordOutput::csvLine({"runId", "started", "station", "operator", "port", "unit",
                                          "attempt", "verdict", "notPassed"});
    for (const RecordedRun& recorded : runs) {
        const TerminalRun& terminal = recorded.terminal;
        text += RecordOutput::csvLine({recorded.run.runId, recorded.run.startedText(Qt::ISODate),
                                       recorded.run.station, recorded.run.operatorName,
                                       terminal.port, terminal.unit, attemptText(terminal),
                                       RunNames::verdict(terminal.verdict),
                                       notPassed(terminal, false).join(QStringLiteral("; "))});
    }
    return text;
}

QString jsonText(const QList<RecordedRun>& runs) {
    QJsonArray list;
    for (const RecordedRun& recorded : runs) {
        QJsonObject object = terminalObject(recorded.terminal);
        object.insert("runId", recorded.run.runId);
        object.insert("started", recorded.run.startedText(Qt::ISODate));
        object.insert("station", recorded.run.station);
        object.insert("operator", recorded.run.operatorName);
        object.insert("source", recorded.run.source);
        list.append(object);
    }
    return QString::fromUtf8(QJsonDocument(list).toJson());
}

} // namespace

int showHistory(const RecordQueryOptions& options) {
    RecordQuery record(RecordPlaces::resolve(options.database));
    QList<RecordedRun> runs;
    QString message;
    if (!record.open(message) ||
        !record.history(options.filter, options.filter.unit.isEmpty() ? latestRuns : 0, runs,
                        message)) {
        RecordOutput::printError(message);
        return 1;
    }
    QString text;
    switch (options.format) {
    case RecordQueryOptions::Text:
        for (const RecordedRun& recorded : runs)
            text += textLine(recorded);
        break;
    case RecordQueryOptions::Csv:
        text = csvText(runs);
        break;
    case RecordQueryOptions::Json:
        text = jsonText(runs);
        break;
    case RecordQueryOptions::Html: // only --yield takes it, which reading the options checks
        break;
    }
    RecordOutput::print(text);
    return 0;
}
