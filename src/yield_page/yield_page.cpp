#include "yield_page.h"

#include "cause_chart.h"
#include "page_captions.h"
#include "svg_writer.h"

namespace {

// Long station names are cut in the tables, the whole name shown on pointing.
constexpr int longestStation = 32;

const QString style = QStringLiteral(
    "body{font-family:'DejaVu Sans',Arial,sans-serif;max-width:860px;margin:24px auto;"
    "padding:0 24px;color:#222}"
    "h1{font-size:22px;margin:0 0 4px}h2{font-size:16px;margin:24px 0 6px}"
    "dl#headline{display:grid;grid-template-columns:max-content auto;gap:2px 16px}"
    "dt{font-weight:bold}dd{margin:0}"
    "table{border-collapse:collapse}th,td{border:1px solid #bbb;padding:2px 8px;text-align:left}"
    "td.number{text-align:right}svg{max-width:100%;height:auto;font-size:11px}"
    "svg .bar{fill:#4a78b0}"
    "svg .line{fill:none;stroke-width:2}svg .line.first-pass{stroke:#4a78b0}"
    "svg .line.final{stroke:#5aa469}svg circle.first-pass{fill:#4a78b0}"
    "svg circle.final{fill:#5aa469}svg .axis-note{font-style:italic}"
    "svg .axis{stroke:#444}svg .grid{stroke:#ddd}"
    "svg .axis-gap{fill:#fff}svg .axis-break{stroke:#444;stroke-width:1.5}"
    "p.no-data{color:#555;font-style:italic}"
    "svg .cumulative{fill:none;stroke:#d0632a;stroke-width:2}"
    "svg .panel-title{font-weight:bold}"
    "@media print{@page{size:A4;margin:12mm}body{margin:0;padding:0}"
    "section{break-inside:avoid}}");

QString esc(const QString& text) {
    return text.toHtmlEscaped();
}

QString cutName(const QString& name) {
    const QString shown = SvgWriter::cut(name, longestStation);
    return shown == name
               ? esc(name)
               : QStringLiteral("<span title=\"%1\">%2</span>").arg(esc(name), esc(shown));
}

QString share(const std::optional<double>& value) {
    return value ? QString::number(*value * 100, 'f', 1) + QStringLiteral(" %")
                 : QStringLiteral("-");
}

QString localText(const QDateTime& time) {
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString rangeText(const PageData& data) {
    if (!data.from.isValid() && !data.until.isValid())
        return Captions::everything;
    return Captions::fromUntil(data.from.isValid() ? localText(data.from) : QStringLiteral("…"),
                               data.until.isValid() ? localText(data.until) : QStringLiteral("…"));
}

QString headline(const PageData& data) {
    const YieldFigures& figures = data.figures;
    const auto item = [](const char* key, const QString& term, const QString& value) {
        return QStringLiteral("<dt>%1</dt><dd data-key=\"%2\">%3</dd>")
            .arg(esc(term), QLatin1String(key), esc(value));
    };
    return QStringLiteral("<dl id=\"headline\">") +
           item("units", Captions::units, QString::number(figures.units)) +
           item("first-pass-yield", Captions::firstPassYield, share(figures.firstPassYield)) +
           item("final-yield", Captions::finalYield, share(figures.finalYield)) +
           item("terminal-runs", Captions::terminalRuns, QString::number(figures.terminalRuns)) +
           item("time-range", Captions::timeRange, rangeText(data)) + QStringLiteral("</dl>\n");
}

QString section(const char* id, const QString& heading, const QString& body) {
    return QStringLiteral("<section id=\"%1\"><h2>%2</h2>\n%3</section>\n")
        .arg(QLatin1String(id), esc(heading), body);
}

QString row(const QStringList& cells, const QString& tag = QStringLiteral("td")) {
    QString text = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        text += QStringLiteral("<%1>%2</%1>").arg(tag, cell);
    return text + QStringLiteral("</tr>\n");
}

QString stationsTable(const YieldFigures& figures) {
    QString table = QStringLiteral("<table id=\"stations\">\n") +
                    row({esc(Captions::station), esc(Captions::units),
                         esc(Captions::firstPassYield), esc(Captions::finalYield)},
                        QStringLiteral("th"));
    for (const YieldFigures::Station& station : figures.stations)
        table += row({cutName(station.name), QString::number(station.units),
                      share(station.firstPassYield), share(station.finalYield)});
    return table + QStringLiteral("</table>\n");
}

QString failedRowsText(const FailingUnit& unit) {
    if (!unit.failedSteps.isEmpty())
        return unit.failedSteps.join(QStringLiteral(", "));
    return unit.verdict == QLatin1String("not-opened") ? QString(Captions::portNotOpened)
                                                       : QStringLiteral("-");
}

QString failingTable(const PageData& data) {
    QString table = QStringLiteral("<table id=\"failing-units\">\n") +
                    row({esc(Captions::serial), esc(Captions::station), esc(Captions::attemptTime),
                         esc(Captions::failedRows)},
                        QStringLiteral("th"));
    for (const FailingUnit& unit : data.failing)
        table += row({esc(unit.unit), cutName(unit.station),
                      unit.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                      esc(failedRowsText(unit))});
    table += QStringLiteral("</table>\n");
    if (data.moreFailing > 0)
        table += QStringLiteral("<p class=\"more\">%1</p>\n")
                     .arg(esc(Captions::andMore(data.moreFailing)));
    return table;
}

QString charts(const PageData& data) {
    return section("daily-yield-section", Captions::dailyYield, DailyYieldChart::svg(data.days)) +
           section("step-pareto-section", Captions::stepPareto, StepParetoChart::svg(data.steps)) +
           section("causes-section", Captions::notOpened, CauseChart::svg(data.causes)) +
           section("stations-section", Captions::stations, stationsTable(data.figures)) +
           section("echo-histogram-section", Captions::slowestEcho,
                   EchoHistogramChart::svg(data.echoes)) +
           section("failing-units-section", Captions::failingUnits, failingTable(data));
}

} // namespace

QString YieldPage::html(const PageData& data) {
    const QString title = Captions::pageTitle(rangeText(data), localText(data.made));
    QString page = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n"
                                  "<meta charset=\"utf-8\">\n<title>%2</title>\n"
                                  "<style>%3</style>\n</head>\n<body>\n")
                       .arg(esc(Captions::pageLanguage), esc(title), style);
    page += QStringLiteral("<header id=\"title\"><h1>%1</h1><p>%2</p></header>\n")
                .arg(esc(Captions::yieldTitle), esc(title));
    page += headline(data);
    if (data.figures.units == 0)
        page += QStringLiteral("<p id=\"no-units\">%1</p>\n").arg(esc(Captions::noUnits));
    else
        page += charts(data);
    return page + QStringLiteral("</body>\n</html>\n");
}
