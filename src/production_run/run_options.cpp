#include "run_options.h"

#include "device_link/serial_devices.h"
#include "device_link/settings_store.h"
#include "report_target.h"
#include "terminal_job/terminal_options.h"
#include "test_sequence/captions.h"
#include "test_sequence/single_option.h"
#include "test_sequence/stored_port_settings.h"
#include "unit_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <limits>

namespace {

const QString runOption = QStringLiteral("run");
const QString retriesOption = QStringLiteral("retries");
const QString reportOption = QStringLiteral("report");

bool readRetries(const QCommandLineParser& parser, RunOptions& options, QString& error) {
    if (!parser.isSet(retriesOption))
        return true;
    const auto retries = TerminalOptions::wholeNumber(parser.value(retriesOption));
    if (!retries || *retries < 0) {
        error = QCoreApplication::translate("CommandLine",
                                            "--retries %1: muss eine ganze Zahl von 0 bis %2 sein")
                    .arg(parser.value(retriesOption))
                    .arg(std::numeric_limits<int>::max());
        return false;
    }
    options.job.retries = *retries;
    return true;
}

// With no terminal named, the COM number the window would open. Bytes go only to a port
// someone chose: a store that cannot be read, or holds no usable number, names none.
bool readStoredTerminal(RunOptions& options, QString& error) {
    StoredEntries stored;
    QString unreadable;
    if (!readStoredPortSettings(stored, unreadable)) {
        error = QCoreApplication::translate(
                    "CommandLine",
                    "kein Terminal genannt, und die Einstellungsdatei ist nicht verwendbar: %1")
                    .arg(Captions::oneLine(unreadable));
        return false;
    }
    const int commPort = TerminalOptions::storedCommPort(stored.value(SettingsStore::commPortKey));
    if (commPort == 0) {
        error = QCoreApplication::translate("CommandLine",
                                            "kein Terminal genannt und keine COM-Nummer von 1 bis "
                                            "%1 gespeichert: --com N oder --device PATH angeben")
                    .arg(TerminalOptions::highestCommPort);
        return false;
    }
    options.terminals.append({QStringLiteral("COM%1").arg(commPort), commPort, {}});
    return true;
}

// A report written onto a terminal's own device would go to the terminal as bytes.
bool reportBesideTerminals(const RunOptions& options, QString& error) {
    for (const TerminalChoice& terminal : options.terminals)
        if (!options.report.isEmpty() && options.report != QLatin1String("-") &&
            sameDevice(options.report, TerminalOptions::deviceOf(terminal))) {
            error =
                QCoreApplication::translate("CommandLine", "--report %1: das ist das Gerät von %2")
                    .arg(options.report, terminal.name);
            return false;
        }
    return true;
}

bool readReport(const QCommandLineParser& parser, RunOptions& options, QString& error) {
    if (!SingleOption::read(parser, reportOption, options.report, error)) {
        error = QCoreApplication::translate(
            "CommandLine", "--report ist mehrmals angegeben; es gibt einen Bericht");
        return false;
    }
    if (parser.isSet(reportOption) && options.report != QLatin1String("-"))
        error = ReportTarget::problem(options.report);
    return error.isEmpty();
}

} // namespace

void RunCommandLine::addOptions(QCommandLineParser& parser) {
    TerminalOptions::addOptions(parser);
    parser.addOptions({
        {runOption,
         QCoreApplication::translate(
             "CommandLine", "Die Tests ohne Fenster ausführen, auf jedem genannten Terminal "
                            "gleichzeitig, dann mit einem Exit-Status enden (siehe oben).")},
        {retriesOption,
         QCoreApplication::translate(
             "CommandLine", "Mit --run: wie oft der Schnittstellentest eines stummen Terminals "
                            "wiederholt wird, bevor er abgebrochen wird (Vorgabe 0)."),
         QStringLiteral("N")},
        {reportOption,
         QCoreApplication::translate(
             "CommandLine",
             "Mit --run: einen JSON-Bericht in FILE schreiben, mit - auf die Standardausgabe."),
         QStringLiteral("FILE")},
    });
    UnitOptions::addOptions(parser);
}

bool RunCommandLine::requested(const QCommandLineParser& parser) {
    return parser.isSet(runOption);
}

std::optional<RunOptions> RunCommandLine::read(const QCommandLineParser& parser, QString& error) {
    RunOptions options;
    if (!TerminalOptions::readTerminals(parser, options.terminals, error) ||
        !TerminalOptions::readGeometry(parser, options.job, error) ||
        !readRetries(parser, options, error) || !readReport(parser, options, error))
        return std::nullopt;
    if (options.terminals.isEmpty() && !readStoredTerminal(options, error))
        return std::nullopt;
    if (!TerminalOptions::eachDeviceOnce(options.terminals, error) ||
        !reportBesideTerminals(options, error) || !UnitOptions::read(parser, options, error))
        return std::nullopt;
    return options;
}
