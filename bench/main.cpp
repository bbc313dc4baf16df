// Compares complete test runs of Quendal with a bare poll() client, by turns against one
// zr-terminal-sim: once as fast as the pseudo-terminal goes, once with the line emulated at
// 9600 baud 8E1. With a display, Quendal's window is shown as an operator sees it, and the
// real program's start-up time and peak memory are measured too. `--scale` measures instead
// how `quendal --run` scales with the number of terminals at once, `--slots` the station
// window with eight slots at once against a lone one, `--record` and `--line-scale` the run
// record; `--write-record` only writes a generated one.
#include "batch_scale.h"
#include "comparison.h"
#include "figures.h"
#include "line_record_fill.h"
#include "line_scale_bench.h"
#include "operator_ui/event_dispatcher.h"
#include "operator_ui/operator_prompt.h"
#include "pulled_adapter.h"
#include "record_bench.h"
#include "record_generator.h"
#include "run_stream.h"
#include "sim_process.h"
#include "startup_probe.h"
#include "station_bench.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

// A passing run asks nothing; anything else is answered at once so the figures still come.
class SilentPrompt : public OperatorPrompt {
public:
    QMessageBox::StandardButton ask(const PromptMessage& message) override {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(message.text));
        return message.buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Cancel;
    }
    void dismiss() override {}
};

constexpr int startups = 5;
constexpr double bitsPerByte8E1 = 11;

Figure figure(const QString& name, const QString& unit, const std::vector<RunMeasure>& runs,
              double (*value)(const RunMeasure&)) {
    Figure f{name, unit, {}};
    for (const RunMeasure& run : runs)
        f.values.push_back(value(run));
    return f;
}

// Quendal's run time, the reference's, and their ratio run by run.
void addComparison(std::vector<Figure>& figures, const QString& prefix, const Comparison& c) {
    figures.push_back(figure(prefix + ".quendal_wall", "ms", c.quendal,
                             [](const RunMeasure& r) { return r.wallMs; }));
    figures.push_back({prefix + ".reference_wall", "ms", c.referenceMs});
    Figure ratio{prefix + ".quendal_over_reference", "x", {}};
    for (std::size_t i = 0; i < c.quendal.size() && i < c.referenceMs.size(); ++i)
        ratio.values.push_back(c.quendal[i].wallMs / c.referenceMs[i]);
    figures.push_back(ratio);
    figures.push_back(figure(prefix + ".quendal_processor", "ms", c.quendal,
                             [](const RunMeasure& r) { return r.processorMs; }));
    figures.push_back({prefix + ".reference_processor", "ms", c.referenceProcessorMs});
}

void addStartup(std::vector<Figure>& figures, QPoint closeButton, const QString& folder,
                bool& complete) {
    StartupProbe probe;
    const QString record = folder + "/startup-record.txt";
    SimProcess sim(QApplication::applicationDirPath() + "/zr-terminal-sim", {"--record", record});
    if (!probe.ready() || sim.slavePath().isEmpty()) {
        std::fprintf(stderr, "start-up not measured: no xev watcher or no simulator\n");
        complete = false;
        return;
    }
    Figure toWindow{"start.to_window", "ms", {}}, memory{"start.peak_rss", "MB", {}};
    for (int i = 0; i < startups; ++i) {
        const QString config = folder + QStringLiteral("/child-%1").arg(i);
        QDir().mkpath(config);
        const StartupMeasure m = probe.measure(QApplication::applicationDirPath() + "/quendal",
                                               config, sim.slavePath(), record, closeButton);
        toWindow.values.push_back(m.toWindowMs);
        memory.values.push_back(m.peakRssMb);
        complete = complete && m.complete;
    }
    figures.push_back(toWindow);
    figures.push_back(memory);
}

struct Options {
    bool json = false;
    bool scale = false;
    bool station = false;
    bool record = false;
    bool lineScale = false;
    bool writeRecord = false;
    QString recordFile;
    QString database;
    RecordShape shape;
    int runs = 10;
};

// A line's year, as --line-scale and a generated line database have it by default.
constexpr RecordShape lineYear{1'000'000, 365, 8};

struct ShapeOptions {
    QCommandLineOption terminalRuns{QStringLiteral("terminal-runs"),
                                    QStringLiteral("with --write-record or --line-scale: the "
                                                   "generated record's terminal runs"),
                                    QStringLiteral("N")};
    QCommandLineOption days{QStringLiteral("days"),
                            QStringLiteral("with --write-record or --line-scale: the days they "
                                           "are spread over"),
                            QStringLiteral("D")};
    QCommandLineOption stations{QStringLiteral("stations"),
                                QStringLiteral("with --write-record or --line-scale: the "
                                               "stations they take turns at"),
                                QStringLiteral("S")};
};

// Reads the generated record's size into `shape`, which holds the defaults; a mistake named.
QString readShape(const QCommandLineParser& parser, const ShapeOptions& given, RecordShape& shape) {
    for (auto [option, value] : {std::pair{&given.terminalRuns, &shape.terminalRuns},
                                 {&given.days, &shape.days},
                                 {&given.stations, &shape.stations}}) {
        if (!parser.isSet(*option))
            continue;
        bool number = false;
        *value = parser.value(*option).toInt(&number);
        if (!number || *value < 1)
            return QStringLiteral("invalid value for --%1: %2")
                .arg(option->names().first(), parser.value(*option));
    }
    return {};
}

// Which record --write-record writes, and its size; a mistake named.
QString readRecordTarget(const QCommandLineParser& parser, const ShapeOptions& shapeOptions,
                         Options& options) {
    const QStringList positional = parser.positionalArguments();
    const bool shaped = parser.isSet(shapeOptions.terminalRuns) ||
                        parser.isSet(shapeOptions.days) || parser.isSet(shapeOptions.stations);
    if (!options.writeRecord) {
        if (!positional.isEmpty())
            return QStringLiteral("unexpected argument ") + positional.first();
        if (!options.database.isEmpty())
            return QStringLiteral("--database goes only with --write-record");
        if (shaped && !options.lineScale)
            return QStringLiteral("--terminal-runs, --days and --stations go only with "
                                  "--write-record or --line-scale");
    } else if (positional.size() != (options.database.isEmpty() ? 1 : 0)) {
        return QStringLiteral("--write-record takes one FILE or --database URL");
    } else {
        options.recordFile = positional.value(0);
    }
    if (options.lineScale || !options.database.isEmpty())
        options.shape = lineYear;
    return readShape(parser, shapeOptions, options.shape);
}

// Reads the options QApplication left over into `options`. Returns the exit status when the
// program ends here: 0 after --help, 2 after a mistake, as in the other programs.
std::optional<int> parseOptions(const QStringList& arguments, Options& options) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Compares Quendal's complete test runs with a bare poll() client, both "
                       "against one zr-terminal-sim."));
    parser.addHelpOption();
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("print JSON"));
    const QCommandLineOption runs(
        QStringLiteral("runs"),
        QStringLiteral("runs per client and case, or rounds with --scale, --slots, --record and "
                       "--line-scale (default 10)"),
        QStringLiteral("N"), QStringLiteral("10"));
    const QCommandLineOption scale(
        QStringLiteral("scale"),
        QStringLiteral("measure quendal --run with 1, 8 and 16 terminals at once instead"));
    const QCommandLineOption station(
        QStringLiteral("slots"),
        QStringLiteral("measure the station window instead: eight slots at once against a lone "
                       "one, the key latency and processor time meanwhile"));
    const QCommandLineOption record(
        QStringLiteral("record"),
        QStringLiteral("measure the run record instead: its share of a 16-terminal batch, "
                       "--history, --yield and the yield page over 200,000 runs, forwarding "
                       "10,000, a line database that never answers"));
    const QCommandLineOption writeRecord(
        QStringLiteral("write-record"),
        QStringLiteral("only write a generated run record and end: to FILE, by default 20,000 "
                       "terminal runs as a quarter at eight stations, or with --database URL "
                       "into that empty line database, by default 1,000,000 as a year"));
    const QCommandLineOption database(
        QStringLiteral("database"),
        QStringLiteral("with --write-record: the line database to fill instead of a file"),
        QStringLiteral("URL"));
    const QCommandLineOption lineScale(
        QStringLiteral("line-scale"),
        QStringLiteral("measure the run record at a line's scale instead: --history, --yield "
                       "and the yield page over a year of 1,000,000 terminal runs in a "
                       "PostgreSQL line database, --yield over as many in a station file"));
    const ShapeOptions shapeOptions;
    parser.addOptions({json, runs, scale, station, record, lineScale, writeRecord, database,
                       shapeOptions.terminalRuns, shapeOptions.days, shapeOptions.stations});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("with --write-record: the station file to fill"),
                                 QStringLiteral("[FILE]"));
    QString mistake;
    if (!parser.parse(arguments)) {
        mistake = parser.errorText();
    } else if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    } else {
        options.writeRecord = parser.isSet(writeRecord);
        options.lineScale = parser.isSet(lineScale);
        options.database = parser.value(database);
        mistake = readRecordTarget(parser, shapeOptions, options);
        bool number = false;
        options.runs = parser.value(runs).toInt(&number);
        if (mistake.isEmpty() && (!number || options.runs < 1))
            mistake = QStringLiteral("invalid value for --runs: ") + parser.value(runs);
    }
    if (!mistake.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", qPrintable(mistake), qPrintable(parser.helpText()));
        return 2;
    }
    options.json = parser.isSet(json);
    options.scale = parser.isSet(scale);
    options.station = parser.isSet(station);
    options.record = parser.isSet(record);
    return std::nullopt;
}

// A record for pictures of the yield page, or one to measure a line's: a file or a line
// database.
int writeSampleRecord(const Options& options) {
    QString error;
    if (options.database.isEmpty() ? generateRecord(options.recordFile, options.shape, error)
                                   : generateLineRecord(options.database, options.shape, error))
        return 0;
    std::fprintf(stderr, "record not generated: %s\n", qPrintable(error));
    return 1;
}

bool passed(const Comparison& c) {
    return !c.quendal.empty() && c.referencePassed && c.sameBytes &&
           std::all_of(c.quendal.begin(), c.quendal.end(),
                       [](const RunMeasure& r) { return r.passed; });
}

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty() && qgetenv("DISPLAY").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    chooseEventDispatcher(); // Quendal's runs in here wait as the program's own do
    QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", folder.path().toLocal8Bit());
    qunsetenv("QUENDAL_DATABASE");
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    Options options;
    if (const auto status = parseOptions(app.arguments(), options))
        return *status;
    if (options.writeRecord)
        return writeSampleRecord(options);
    if (options.lineScale)
        return benchmarkLineScale(options.shape, options.runs, options.json, folder.path());
    if (options.scale)
        return benchmarkBatchScale(options.runs, options.json, folder.path());
    if (options.station)
        return benchmarkStation(options.runs, options.json);
    if (options.record)
        return benchmarkRecord(options.runs, options.json, folder.path());
    const bool shown = QGuiApplication::platformName() == QStringLiteral("xcb");
    std::fprintf(stderr, "Quendal measured in: %s\n",
                 shown ? "the shown main window with the progress window (xcb)"
                       : "offscreen windows (no display)");

    SilentPrompt prompt;
    const std::vector<StreamWrite> stream = passingRunStream();
    const int echoesPerRun = int(std::count_if(stream.begin(), stream.end(),
                                               [](const StreamWrite& w) { return w.awaited; }));
    const Comparison plain =
        compareRuns({}, options.runs, echoesPerRun, shown, prompt, folder.path());
    const Comparison line = compareRuns({"--baud", "9600", "--framing", "8E1"}, options.runs, 0,
                                        shown, prompt, folder.path());

    std::vector<Figure> figures;
    addComparison(figures, "plain", plain);
    figures.push_back(
        {"plain.round_trip_median", "us", {Figure{"", "", plain.roundTripsUs}.median()}});
    figures.push_back(
        {"plain.round_trip_p99", "us", {Figure{"", "", plain.roundTripsUs}.percentile(99)}});
    addComparison(figures, "9600", line);
    const double lineBytes = double(streamBytes(stream).size() + echoesPerRun);
    const double floorMs = lineBytes * bitsPerByte8E1 / 9600.0 * 1000.0;
    figures.push_back({"9600.line_floor", "ms", {floorMs}});
    Figure ratio{"9600.wall_over_floor", "x", {}};
    for (const RunMeasure& r : line.quendal)
        ratio.values.push_back(r.wallMs / floorMs);
    figures.push_back(ratio);
    Figure pulled{"pulled.loss_to_ok", "ms", {}};
    for (int i = 0; i < 5; ++i)
        pulled.values.push_back(pulledAdapterLossToOkMs());
    figures.push_back(pulled);
    bool startupComplete = true;
    if (shown)
        addStartup(figures, plain.closeButton, folder.path(), startupComplete);
    printFigures(figures, options.json);

    if (!passed(plain) || !passed(line)) {
        std::fprintf(stderr, "not every run passed, or the two clients sent different bytes: "
                             "the figures do not describe complete runs\n");
        return 1;
    }
    if (!startupComplete)
        std::fprintf(stderr, "a started quendal did not finish its run or end by itself\n");
    return startupComplete ? 0 : 1;
}
