#include "station_options.h"

#include "device_link/settings_store.h"
#include "terminal_job/name_rules.h"
#include "terminal_job/terminal_options.h"
#include "test_sequence/single_option.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace {

const QString slotsOption = QStringLiteral("slots");
const QString stationSection = QStringLiteral("Pruefplatz");
const QString slotsKey = QStringLiteral("Plaetze");

QString entryName() {
    return QStringLiteral("[%1] %2=").arg(stationSection, slotsKey);
}

// One item of the stored list: a COM number ("3" or "COM3"), else a device path.
std::optional<TerminalChoice> storedSlot(const QString& item, QString& error) {
    static const QRegularExpression commPort(QStringLiteral("^(?:COM)?([0-9]+)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QString text = item.trimmed();
    const auto match = commPort.match(text);
    if (!match.hasMatch())
        return TerminalChoice{text, 0, text};
    const int number = TerminalOptions::storedCommPort(match.captured(1));
    if (number == 0) {
        error =
            QCoreApplication::translate("CommandLine", "%1: %2 ist keine COM-Nummer von 1 bis %3")
                .arg(entryName(), text)
                .arg(TerminalOptions::highestCommPort);
        return std::nullopt;
    }
    return TerminalChoice{QStringLiteral("COM%1").arg(number), number, {}};
}

bool readStoredSlots(QList<TerminalChoice>& places, QString& error) {
    SettingsStore::Problem problem;
    QStringList items;
    if (!SettingsStore::readList(stationSection, slotsKey, items, problem)) {
        error = QCoreApplication::translate("CommandLine",
                                            "kein Platz genannt, und die Einstellungsdatei %1 ist "
                                            "nicht lesbar")
                    .arg(problem.file);
        return false;
    }
    for (const QString& item : items) {
        if (item.trimmed().isEmpty())
            continue;
        const auto slot = storedSlot(item, error);
        if (!slot)
            return false;
        places.append(*slot);
    }
    return true;
}

bool enoughSlots(const QList<TerminalChoice>& places, QString& error) {
    if (places.isEmpty())
        error = QCoreApplication::translate(
                    "CommandLine", "kein Platz genannt: --com N oder --device PATH angeben, "
                                   "oder die Plätze in %1 der Einstellungsdatei eintragen")
                    .arg(entryName());
    else if (places.size() > StationCommandLine::mostSlots)
        error = QCoreApplication::translate("CommandLine",
                                            "%1 Plätze genannt; ein Prüfplatz hat höchstens %2")
                    .arg(places.size())
                    .arg(StationCommandLine::mostSlots);
    return error.isEmpty();
}

} // namespace

void StationCommandLine::addOptions(QCommandLineParser& parser) {
    parser.addOption(
        {slotsOption,
         QCoreApplication::translate(
             "CommandLine", "Das Fenster des Prüfplatzes öffnen: ein Platz je Terminal (--com, "
                            "--device oder [Pruefplatz] Plaetze=), gestartet durch das Scannen "
                            "einer Seriennummer.")});
}

bool StationCommandLine::requested(const QCommandLineParser& parser) {
    return parser.isSet(slotsOption);
}

std::optional<StationOptions> StationCommandLine::read(const QCommandLineParser& parser,
                                                       QString& error) {
    StationOptions options;
    if (!TerminalOptions::readTerminals(parser, options.terminals, error) ||
        !TerminalOptions::readGeometry(parser, options.job, error))
        return std::nullopt;
    const bool named = !options.terminals.isEmpty();
    if ((!named && !readStoredSlots(options.terminals, error)) ||
        !enoughSlots(options.terminals, error) ||
        !TerminalOptions::eachDeviceOnce(options.terminals, error))
        return std::nullopt;
    if (!NameRules::readOption(parser, QStringLiteral("station"), options.station, error) ||
        !NameRules::readOption(parser, QStringLiteral("operator"), options.operatorName, error) ||
        !SingleOption::read(parser, QStringLiteral("database"), options.database, error))
        return std::nullopt;
    return options;
}
