#include "unit_options.h"

#include "run_options.h"
#include "test_sequence/captions.h"
#include "test_sequence/single_option.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

constexpr int longestName = 64;

const QString unitOption = QStringLiteral("unit");
const QString stationOption = QStringLiteral("station");
const QString operatorOption = QStringLiteral("operator");
const QString databaseOption = QStringLiteral("database");

bool readName(const QCommandLineParser& parser, const QString& option, QString& value,
              QString& error) {
    QString given;
    if (!SingleOption::read(parser, option, given, error))
        return false;
    if (!parser.isSet(option))
        return true;
    const QString problem = UnitOptions::nameProblem(given);
    if (!problem.isEmpty()) {
        error = QStringLiteral("--%1 %2: %3").arg(option, Captions::oneLine(given), problem);
        return false;
    }
    value = given;
    return true;
}

// PORT=SERIAL, split at the last '=' so that a path may hold one.
bool readUnit(const QString& text, const RunOptions& options, QHash<QString, QString>& units,
              QString& error) {
    const qsizetype split = text.lastIndexOf(QLatin1Char('='));
    const QString port = split < 0 ? QString() : text.left(split);
    const QString serial = split < 0 ? QString() : text.mid(split + 1);
    const QString problem = split < 0
                                ? QCoreApplication::translate("CommandLine", "PORT=SERIAL erwartet")
                                : UnitOptions::nameProblem(serial);
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

// Any character that shows, emoji and other characters beyond 16 bits included; the plain
// space is the one separator a name may hold.
bool isNameCharacter(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    case QChar::Separator_Space:
        return c == U' ';
    default:
        return true;
    }
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
         QCoreApplication::translate("CommandLine",
                                     "Mit --run: wer prüft (Vorgabe: der Anmeldename)."),
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

QString UnitOptions::nameProblem(const QString& text) {
    const QList<uint> characters = text.toUcs4();
    if (characters.isEmpty() || characters.size() > longestName)
        return QCoreApplication::translate("CommandLine", "1 bis %1 Zeichen erwartet")
            .arg(longestName);
    if (!std::all_of(characters.begin(), characters.end(), isNameCharacter))
        return QCoreApplication::translate("CommandLine",
                                           "nur druckbare Zeichen, keine Steuerzeichen");
    if (characters.front() == U' ' || characters.back() == U' ')
        return QCoreApplication::translate("CommandLine", "kein Leerzeichen am Anfang oder Ende");
    return {};
}

bool UnitOptions::read(const QCommandLineParser& parser, RunOptions& options, QString& error) {
    for (const QString& unit : parser.values(unitOption))
        if (!readUnit(unit, options, options.units, error))
            return false;
    return readName(parser, stationOption, options.station, error) &&
           readName(parser, operatorOption, options.operatorName, error) &&
           SingleOption::read(parser, databaseOption, options.database, error);
}
