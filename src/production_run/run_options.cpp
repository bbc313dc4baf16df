#include "run_options.h"

#include "device_link/port_directory.h"
#include "device_link/serial_devices.h"
#include "device_link/settings_store.h"
#include "test_sequence/captions.h"
#include "test_sequence/stored_port_settings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr int highestCommPort = 16;

const QString runOption = QStringLiteral("run");
const QString comOption = QStringLiteral("com");
const QString deviceOption = QStringLiteral("device");
const QString geometryOption = QStringLiteral("geometry");
const QString retriesOption = QStringLiteral("retries");
const QString reportOption = QStringLiteral("report");

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool readTerminals(const QCommandLineParser& parser, RunOptions& options, QString& error) {
    for (const QString& text : parser.values(comOption)) {
        const auto number = wholeNumber(text);
        if (!number || *number < 1 || *number > highestCommPort) {
            error = QCoreApplication::translate("CommandLine",
                                                "--com %1: the COM number must be 1 to %2")
                        .arg(text)
                        .arg(highestCommPort);
            return false;
        }
        options.terminals.append({QStringLiteral("COM%1").arg(*number), *number, {}});
    }
    for (const QString& path : parser.values(deviceOption)) {
        if (path.isEmpty()) {
            error = QCoreApplication::translate("CommandLine", "--device: the path is empty");
            return false;
        }
        options.terminals.append({path, 0, path});
    }
    return true;
}

// Only what the main window's lists offer: an unsupported pair among them still runs and
// gets the terminal's fallback, as in the window.
bool readGeometry(const QCommandLineParser& parser, RunOptions& options, QString& error) {
    if (!parser.isSet(geometryOption))
        return true;
    const QString text = parser.value(geometryOption);
    const auto match = QRegularExpression(QStringLiteral("^([0-9]+)[xX]([0-9]+)$")).match(text);
    if (!match.hasMatch() || !Captions::columnChoices.contains(match.captured(1)) ||
        !Captions::rowChoices.contains(match.captured(2))) {
        error = QCoreApplication::translate(
                    "CommandLine", "--geometry %1: columns must be one of %2 and rows one of %3, "
                                   "as in COLSxROWS")
                    .arg(text, Captions::columnChoices.join(QLatin1Char(',')),
                         Captions::rowChoices.join(QLatin1Char(',')));
        return false;
    }
    options.columns = match.captured(1).toInt();
    options.rows = match.captured(2).toInt();
    return true;
}

bool readRetries(const QCommandLineParser& parser, RunOptions& options, QString& error) {
    if (!parser.isSet(retriesOption))
        return true;
    const auto retries = wholeNumber(parser.value(retriesOption));
    if (!retries || *retries < 0) {
        error = QCoreApplication::translate("CommandLine",
                                            "--retries %1: must be a whole number of 0 or more")
                    .arg(parser.value(retriesOption));
        return false;
    }
    options.retries = *retries;
    return true;
}

// With no terminal named, the COM number the window would open; an unusable stored number
// leaves the window's start, COM1, and the run then says what it found. A store that cannot
// be read names no terminal at all: bytes go only to a port someone chose.
bool readStoredTerminal(RunOptions& options, QString& error) {
    StoredEntries stored;
    QString unreadable;
    if (!readStoredPortSettings(stored, unreadable)) {
        error = QCoreApplication::translate(
                    "CommandLine", "no terminal named, and the settings file cannot be used: %1")
                    .arg(Captions::oneLine(unreadable));
        return false;
    }
    const auto number = wholeNumber(stored.value(SettingsStore::commPortKey).trimmed());
    const int commPort = number && *number >= 1 && *number <= highestCommPort ? *number : 1;
    options.terminals.append({QStringLiteral("COM%1").arg(commPort), commPort, {}});
    return true;
}

QString deviceOf(const TerminalChoice& terminal) {
    return terminal.commPort > 0 ? devicePathForPort(terminal.commPort) : terminal.device;
}

// Two jobs on one device would fight over it, and the loser would blame "another program".
bool eachDeviceOnce(const RunOptions& options, QString& error) {
    const QList<TerminalChoice>& terminals = options.terminals;
    for (qsizetype i = 0; i < terminals.size(); ++i)
        for (qsizetype j = i + 1; j < terminals.size(); ++j)
            if (sameDevice(deviceOf(terminals[i]), deviceOf(terminals[j]))) {
                error = QCoreApplication::translate(
                            "CommandLine", "%1 and %2 name the same device; each terminal needs "
                                           "a port of its own")
                            .arg(terminals[i].name, terminals[j].name);
                return false;
            }
    return true;
}

// The report is written at the end: a folder it cannot go to is said before anything is sent.
bool reportWritable(const QString& report, QString& error) {
    const QFileInfo file(report);
    if (report.isEmpty() || report == QLatin1String("-") || file.exists() ||
        QFileInfo(file.absolutePath()).isWritable())
        return true;
    error = QCoreApplication::translate("CommandLine",
                                        "--report %1: the folder %2 cannot be written to")
                .arg(report, file.absolutePath());
    return false;
}

} // namespace

void RunCommandLine::addOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {runOption,
         QCoreApplication::translate("CommandLine",
                                     "Run the tests without a window, on every terminal named, all "
                                     "at once, then end with an exit status (see above).")},
        {comOption,
         QCoreApplication::translate(
             "CommandLine", "With --run: a terminal on COM number N (1 to 16), as the window maps "
                            "it. May be repeated. Default: the stored COM number."),
         QStringLiteral("N")},
        {deviceOption,
         QCoreApplication::translate("CommandLine",
                                     "With --run: a terminal on the device PATH. May be repeated."),
         QStringLiteral("PATH")},
        {geometryOption,
         QCoreApplication::translate(
             "CommandLine", "With --run: the display geometry, as the window's lists offer it "
                            "(default 20x4)."),
         QStringLiteral("COLSxROWS")},
        {retriesOption,
         QCoreApplication::translate(
             "CommandLine", "With --run: how often a silent terminal's interface test is retried "
                            "before it is cancelled (default 0)."),
         QStringLiteral("N")},
        {reportOption,
         QCoreApplication::translate(
             "CommandLine",
             "With --run: write a JSON report to FILE, or to standard output for -."),
         QStringLiteral("FILE")},
    });
}

bool RunCommandLine::requested(const QCommandLineParser& parser) {
    return parser.isSet(runOption);
}

std::optional<RunOptions> RunCommandLine::read(const QCommandLineParser& parser, QString& error) {
    RunOptions options;
    if (!readTerminals(parser, options, error) || !readGeometry(parser, options, error) ||
        !readRetries(parser, options, error))
        return std::nullopt;
    if (parser.isSet(reportOption))
        options.report = parser.value(reportOption);
    if (options.terminals.isEmpty() && !readStoredTerminal(options, error))
        return std::nullopt;
    if (!eachDeviceOnce(options, error) || !reportWritable(options.report, error))
        return std::nullopt;
    return options;
}
