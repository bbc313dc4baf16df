#include "yield_command.h"

#include "record_output.h"
#include "run_record/record_places.h"
#include "test_sequence/captions.h"
#include "yield_page/page_data.h"
#include "yield_page/yield_figures.h"
#include "yield_page/yield_looks.h"
#include "yield_page/yield_page.h"
#include "yield_page/yield_rows.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Yield {
    YieldFigures figures;
    QList<StepFailures> steps;
    QList<CauseCount> causes;
};

QJsonValue share(std::optional<double> value) {
    return value ? QJsonValue(*value) : QJsonValue();
}

QString shareText(std::optional<double> value) {
    return value ? QString::number(*value * 100, 'f', 1) + QStringLiteral(" %")
                 : QStringLiteral("-");
}

QString numberText(std::optional<double> value) {
    return value ? QString::number(*value, 'g', 6) : QString();
}

QString shownCaption(const StepFailures& step) {
    if (step.index < 0 || step.index >= int(Captions::stepCaptions.size()))
        return step.caption;
    return Captions::stepCaptions.at(step.index);
}

QString jsonText(const Yield& yield) {
    const YieldFigures& figures = yield.figures;
    QJsonArray steps;
    for (const StepFailures& step : yield.steps)
        steps.append(
            QJsonObject{{"index", step.index}, {"caption", step.caption}, {"failed", step.failed}});
    QJsonArray causes;
    for (const CauseCount& cause : yield.causes)
        causes.append(QJsonObject{{"kind", cause.kind}, {"count", cause.count}});
    QJsonArray stations;
    for (const YieldFigures::Station& station : figures.stations)
        stations.append(QJsonObject{{"station", station.name},
                                    {"units", station.units},
                                    {"firstPassYield", share(station.firstPassYield)},
                                    {"finalYield", share(station.finalYield)}});
    const QJsonObject object{{"units", figures.units},
                             {"firstPassYield", share(figures.firstPassYield)},
                             {"finalYield", share(figures.finalYield)},
                             {"terminalRuns", figures.terminalRuns},
                             {"steps", steps},
                             {"causes", causes},
                             {"stations", stations}};
    return QString::fromUtf8(QJsonDocument(object).toJson());
}

// One table: the whole selection, then each station, step and cause on a line of its own.
QString csvText(const Yield& yield) {
    const YieldFigures& figures = yield.figures;
    QString text = RecordOutput::csvLine(
        {"section", "name", "units", "firstPassYield", "finalYield", "count"});
    text += RecordOutput::csvLine(
        {"all", QString(), QString::number(figures.units), numberText(figures.firstPassYield),
         numberText(figures.finalYield), QString::number(figures.terminalRuns)});
    for (const YieldFigures::Station& station : figures.stations)
        text += RecordOutput::csvLine({"station", station.name, QString::number(station.units),
                                       numberText(station.firstPassYield),
                                       numberText(station.finalYield), QString()});
    for (const StepFailures& step : yield.steps)
        text += RecordOutput::csvLine(
            {"step", step.caption, QString(), QString(), QString(), QString::number(step.failed)});
    for (const CauseCount& cause : yield.causes)
        text += RecordOutput::csvLine(
            {"cause", cause.kind, QString(), QString(), QString(), QString::number(cause.count)});
    return text;
}

QString textBlock(const Yield& yield) {
    const YieldFigures& figures = yield.figures;
    QString text =
        QCoreApplication::translate(
            "CommandLine", "Einheiten: %1\nErstausbeute: %2\nEndausbeute: %3\nTerminalläufe: %4\n")
            .arg(figures.units)
            .arg(shareText(figures.firstPassYield), shareText(figures.finalYield))
            .arg(figures.terminalRuns);
    if (!yield.steps.isEmpty())
        text += QCoreApplication::translate("CommandLine", "Fehlgeschlagene Zeilen je Schritt:\n");
    for (const StepFailures& step : yield.steps)
        text += QStringLiteral("  %1: %2\n").arg(shownCaption(step)).arg(step.failed);
    if (!yield.causes.isEmpty())
        text += QCoreApplication::translate("CommandLine", "Nicht geöffnete Schnittstellen:\n");
    for (const CauseCount& cause : yield.causes)
        text += QStringLiteral("  %1: %2\n").arg(cause.kind).arg(cause.count);
    for (const YieldFigures::Station& station : figures.stations)
        text += QCoreApplication::translate(
                    "CommandLine", "Station %1: %2 Einheiten, Erstausbeute %3, Endausbeute %4\n")
                    .arg(station.name)
                    .arg(station.units)
                    .arg(shareText(station.firstPassYield), shareText(station.finalYield));
    return text;
}

bool figuresText(RecordQuery& record, const RecordQueryOptions& options, QString& text,
                 QString& message) {
    YieldLooks looks;
    if (!YieldLooks::read(record, options.filter, YieldLooks::For::Figures, looks, message))
        return false;
    const Yield yield{YieldFigures::of(looks.groups), looks.steps, looks.causes};
    text = options.format == RecordQueryOptions::Csv    ? csvText(yield)
           : options.format == RecordQueryOptions::Json ? jsonText(yield)
                                                        : textBlock(yield);
    return true;
}

bool pageText(RecordQuery& record, const RecordQueryOptions& options, QString& text,
              QString& message) {
    PageData data;
    if (!PageData::gather(record, options.filter, data, message))
        return false;
    text = YieldPage::html(data);
    return true;
}

} // namespace

int showYield(const RecordQueryOptions& options) {
    RecordQuery record(RecordPlaces::resolve(options.database));
    QString text;
    QString message;
    const bool read = options.format == RecordQueryOptions::Html
                          ? pageText(record, options, text, message)
                          : figuresText(record, options, text, message);
    if (!read ||
        (!options.output.isEmpty() && !RecordOutput::save(options.output, text, message))) {
        RecordOutput::printError(message);
        return 1;
    }
    if (options.output.isEmpty())
        RecordOutput::print(text);
    return 0;
}
