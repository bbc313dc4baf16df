#include "unit_options.h"

#include "run_options.h"
#include "terminal_job/name_rules.h"
#include "test_sequence/captions.h"
#include "test_sequence/single_option.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const QString unitOption = QStringLiteral("unit");
const QString stationOption = QStringLiteral("station");
const QString operatorOption = QStringLiteral("operator");
const QString databaseOption = QStringLiteral("database");

// PORT=SERIAL, split at the last '=' so that a path may hold one.
bool readUnit(const QString& text, const RunOptions& options, QHash<QString, QString>& units,
              QString& error) {
    const qsizetype split = text.lastIndexOf(QLatin1Char('='));
    const QString port = split < 0 ? QString() : text.left(split);
    const QString serial = split < 0 ? QString() : text.mid(split + 1);
    const QString problem = split < 0
                                ? QCoreApplication::translate("CommandLine", "PORT=SERIAL erwartet")
                                : NameRules::problem(serial);
    const bool named = std::any_of(options.terminals.begin(), options.terminals.end(),
                                   [&port](const TerminalChoice& t) { return t.name == port; });
    if (!problem.isEmpty())
        error = QStringLiteral("--unit %1: %2").arg(Captions::oneLine(text), problem);
    else if (!named)
        error =
            QCoreApplication::translate("CommandLine", "--unit %1: der Lauf nennt kein Terminal %2")
                .arg(text, port);
    else if (units.contains(port))
        error =
            QCoreApplication::translate("CommandLine", "--unit %1: %2 hat schon eine Seriennummer")
                .arg(text, port);
    else if (!units.key(serial).isEmpty())
        error = QCoreApplication::translate("CommandLine",
                                            "--unit %1: die Seriennummer steht schon an %2")
                    .arg(text, units.key(serial));
    else
        units.insert(port, serial);
    return error.isEmpty();
}

} // namespace

void UnitOptions::addOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {unitOption,
         QCoreApplication::translate(
             "CommandLine",
             "Mit --run: die Seriennummer SERIAL des Geräts an PORT (COM3 für --com 3, "
             "sonst der Pfad wie bei --device). Wiederholbar."),
         QStringLiteral("PORT=SERIAL")},
        {stationOption,
         QCoreApplication::translate("CommandLine",
                                     "Der Name des Prüfplatzes (Vorgabe: der Rechnername)."),
         QStringLiteral("NAME")},
        {operatorOption,
         QCoreApplication::translate(
             "CommandLine", "Mit --run oder --slots: wer prüft (Vorgabe: der Anmeldename)."),
         QStringLiteral("NAME")},
        {databaseOption,
         QCoreApplication::translate(
             "CommandLine",
             "Die Liniendatenbank als postgresql://-Adresse (Vorgabe: QUENDAL_DATABASE, "
             "sonst [Aufzeichnung] Datenbank= der Einstellungsdatei). Passwörter nur "
             "über ~/.pgpass oder PGPASSWORD."),
         QStringLiteral("URL")},
    });
}

bool UnitOptions::read(const QCommandLineParser& parser, RunOptions& options, QString& error) {
    for (const QString& unit : parser.values(unitOption))
        if (!readUnit(unit, options, options.units, error))
            return false;
    return NameRules::readOption(parser, stationOption, options.station, error) &&
           NameRules::readOption(parser, operatorOption, options.operatorName, error) &&
           SingleOption::read(parser, databaseOption, options.database, error);
}
