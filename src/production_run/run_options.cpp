#include "run_options.h"

#include "device_link/port_directory.h"
#include "device_link/serial_devices.h"
#include "device_link/settings_store.h"
#include "report_target.h"
#include "test_sequence/captions.h"
#include "test_sequence/single_option.h"
#include "test_sequence/stored_port_settings.h"
#include "unit_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <limits>

namespace {

constexpr int highestCommPort = 16;

const QString runOption = QStringLiteral("run");
const QString comOption = QStringLiteral("com");
const QString deviceOption = QStringLiteral("device");
const QString geometryOption = QStringLiteral("geometry");
const QString retriesOption = QStringLiteral("retries");
const QString reportOption = QStringLiteral("report");

// Plain digits only: toInt() would also take " 3", "+3" and "03", which nobody means as a port.
std::optional<int> wholeNumber(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^(0|[1-9][0-9]*)$"));
    bool ok = false;
    const int value = digits.match(text).hasMatch() ? text.toInt(&ok) : 0;
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool readTerminals(const QCommandLineParser& parser, RunOptions& options, QString& error) {
    for (const QString& text : parser.values(comOption)) {
        const auto number = wholeNumber(text);
        if (!number || *number < 1 || *number > highestCommPort) {
            error = QCoreApplication::translate(
                        "CommandLine", "--com %1: die COM-Nummer muss 1 bis %2 sein, in Ziffern")
                        .arg(text)
                        .arg(highestCommPort);
            return false;
        }
        options.terminals.append({QStringLiteral("COM%1").arg(*number), *number, {}});
    }
    for (const QString& path : parser.values(deviceOption)) {
        if (path.isEmpty()) {
            error = QCoreApplication::translate("CommandLine", "--device: der Pfad ist leer");
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
                    "CommandLine", "--geometry %1: die Spalten müssen eine von %2 und die Zeilen "
                                   "eine von %3 sein, wie in COLSxROWS")
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
                                            "--retries %1: muss eine ganze Zahl von 0 bis %2 sein")
                    .arg(parser.value(retriesOption))
                    .arg(std::numeric_limits<int>::max());
        return false;
    }
    options.retries = *retries;
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
    // Read as the window reads it, where a hand-edited "03" still names COM3.
    bool isNumber = false;
    const int commPort = stored.value(SettingsStore::commPortKey).trimmed().toInt(&isNumber);
    if (!isNumber || commPort < 1 || commPort > highestCommPort) {
        error = QCoreApplication::translate("CommandLine",
                                            "kein Terminal genannt und keine COM-Nummer von 1 bis "
                                            "%1 gespeichert: --com N oder --device PATH angeben")
                    .arg(highestCommPort);
        return false;
    }
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
                error =
                    QCoreApplication::translate(
                        "CommandLine", "%1 und %2 nennen dasselbe Gerät; jedes Terminal braucht "
                                       "eine eigene Schnittstelle")
                        .arg(terminals[i].name, terminals[j].name);
                return false;
            }
    return true;
}

// A report written onto a terminal's own device would go to the terminal as bytes.
bool reportBesideTerminals(const RunOptions& options, QString& error) {
    for (const TerminalChoice& terminal : options.terminals)
        if (!options.report.isEmpty() && options.report != QLatin1String("-") &&
            sameDevice(options.report, deviceOf(terminal))) {
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
    parser.addOptions({
        {runOption,
         QCoreApplication::translate(
             "CommandLine", "Die Tests ohne Fenster ausführen, auf jedem genannten Terminal "
                            "gleichzeitig, dann mit einem Exit-Status enden (siehe oben).")},
        {comOption,
         QCoreApplication::translate(
             "CommandLine", "Mit --run: ein Terminal an der COM-Nummer N (1 bis 16), wie das "
                            "Fenster sie zuordnet. Wiederholbar. Vorgabe: die gespeicherte "
                            "COM-Nummer; ohne sie ist --com oder --device nötig."),
         QStringLiteral("N")},
        {deviceOption,
         QCoreApplication::translate("CommandLine",
                                     "Mit --run: ein Terminal am Gerät PATH. Wiederholbar."),
         QStringLiteral("PATH")},
        {geometryOption,
         QCoreApplication::translate(
             "CommandLine", "Mit --run: die Displaygeometrie, wie die Listen des Fensters sie "
                            "anbieten (Vorgabe 20x4)."),
         QStringLiteral("COLSxROWS")},
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
    if (!readTerminals(parser, options, error) || !readGeometry(parser, options, error) ||
        !readRetries(parser, options, error) || !readReport(parser, options, error))
        return std::nullopt;
    if (options.terminals.isEmpty() && !readStoredTerminal(options, error))
        return std::nullopt;
    if (!eachDeviceOnce(options, error) || !reportBesideTerminals(options, error) ||
        !UnitOptions::read(parser, options, error))
        return std::nullopt;
    return options;
}
