#include "record_command_line.h"

#include "test_sequence/single_option.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace {

const QString historyOption = QStringLiteral("history");
const QString yieldOption = QStringLiteral("yield");
const QString forwardOption = QStringLiteral("forward");
const QString pruneOption = QStringLiteral("prune");
const QString backupOption = QStringLiteral("backup");
const QString beforeOption = QStringLiteral("before");
const QString sinceOption = QStringLiteral("since");
const QString untilOption = QStringLiteral("until");
const QString formatOption = QStringLiteral("format");
const QString outputOption = QStringLiteral("output");

bool readTime(const QCommandLineParser& parser, const QString& option, bool through,
              QDateTime& time, QString& error) {
    QString text;
    if (!SingleOption::read(parser, option, text, error))
        return false;
    if (text.isNull())
        return true;
    time = RecordCommandLine::parseTime(text, through);
    if (time.isValid())
        return true;
    error = QCoreApplication::translate("CommandLine",
                                        "--%1 %2: kein Datum nach ISO 8601, wie 2026-12-01, "
                                        "2026-12-01T08:00 oder 2026-12-01T08:00+01:00")
                .arg(option, text);
    return false;
}

bool readFormat(const QCommandLineParser& parser, RecordCommand command,
                RecordQueryOptions& options, QString& error) {
    const QStringList names{QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("json"),
                            QStringLiteral("html")};
    QString text;
    if (!SingleOption::read(parser, formatOption, text, error))
        return false;
    if (text.isNull())
        return true;
    if (!names.contains(text)) {
        error = QCoreApplication::translate("CommandLine",
                                            "--format %1: erlaubt sind text, csv, json und html")
                    .arg(text);
        return false;
    }
    if (text == names.last() && command != RecordCommand::Yield) {
        error = QCoreApplication::translate("CommandLine", "--format html geht nur mit --yield");
        return false;
    }
    options.format = RecordQueryOptions::Format(names.indexOf(text));
    return true;
}

bool readUnit(const QCommandLineParser& parser, RecordCommand command, RecordQueryOptions& options,
              QString& error) {
    const QStringList arguments = parser.positionalArguments();
    const qsizetype allowed = command == RecordCommand::History ? 1 : 0;
    if (arguments.size() > allowed || (allowed && !arguments.isEmpty() && arguments[0].isEmpty())) {
        error = QCoreApplication::translate("CommandLine", "unbekanntes Argument %1")
                    .arg(arguments.value(allowed, arguments.value(0)));
        return false;
    }
    options.filter.unit = arguments.value(0);
    return true;
}

// --prune removes nothing unless told up to when; --backup needs somewhere to write.
bool readTending(const QCommandLineParser& parser, RecordCommand command,
                 RecordQueryOptions& options, QString& error) {
    if (!readTime(parser, beforeOption, false, options.filter.before, error) ||
        !SingleOption::read(parser, backupOption, options.backup, error))
        return false;
    if (command == RecordCommand::Prune && !options.filter.before.isValid())
        error = QCoreApplication::translate("CommandLine", "--prune braucht --before DATE");
    if (command == RecordCommand::Backup && options.backup.isEmpty())
        error = QCoreApplication::translate("CommandLine", "--backup braucht einen Dateinamen");
    return error.isEmpty();
}

} // namespace

void RecordCommandLine::addOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {historyOption,
         QCoreApplication::translate(
             "CommandLine", "Die aufgezeichneten Läufe der Einheit mit der Seriennummer, die "
                            "als Argument folgt, ausgeben, die neuesten zuerst; ohne sie die "
                            "letzten 50 Läufe. Liest die Liniendatenbank, wenn eine gesetzt ist, "
                            "sonst die Aufzeichnung dieser Station.")},
        {yieldOption,
         QCoreApplication::translate(
             "CommandLine",
             "Die Ausbeute ausgeben, gezählt über die Einheiten (Läufe mit Seriennummer): "
             "Erstausbeute ist der Anteil der Einheiten, deren erster Versuch bestand, "
             "Endausbeute der Anteil, deren letzter Versuch bestand; dazu die fehlgeschlagenen "
             "Zeilen je Schritt, die Ursachen nicht geöffneter Schnittstellen und dasselbe je "
             "Station. Mit --since und --until zählen nur die Versuche im Zeitraum: der erste "
             "Versuch ist der erste darin.")},
        {forwardOption,
         QCoreApplication::translate(
             "CommandLine", "Die Läufe, die in der Aufzeichnung dieser Station auf die "
                            "Liniendatenbank warten, jetzt übertragen; Exit-Status 1, wenn danach "
                            "noch welche warten.")},
        {pruneOption,
         QCoreApplication::translate(
             "CommandLine", "Aus der Aufzeichnung dieser Station die Terminalläufe entfernen, "
                            "die vor --before DATE begannen und nachweislich in der "
                            "Liniendatenbank sind, und den Platz freigeben; wartende und "
                            "beiseitegelegte bleiben.")},
        {beforeOption,
         QCoreApplication::translate("CommandLine",
                                     "Mit --prune: Läufe, die vor DATE begannen, nach ISO 8601 "
                                     "wie bei --since."),
         QStringLiteral("DATE")},
        {backupOption,
         QCoreApplication::translate(
             "CommandLine", "Eine stimmige Kopie der Aufzeichnung dieser Station nach FILE "
                            "schreiben, auch während Läufe in sie schreiben; FILE darf es noch "
                            "nicht geben."),
         QStringLiteral("FILE")},
        {sinceOption,
         QCoreApplication::translate(
             "CommandLine", "Mit --history oder --yield: nur Läufe ab DATE, nach ISO 8601 "
                            "(2026-12-01, 2026-12-01T08:00 oder 2026-12-01T08:00+01:00); ein "
                            "Datum allein gilt ab seiner Mitternacht in Ortszeit."),
         QStringLiteral("DATE")},
        {untilOption,
         QCoreApplication::translate("CommandLine",
                                     "Mit --history oder --yield: nur Läufe bis DATE; ein Datum "
                                     "allein schließt den ganzen Tag ein."),
         QStringLiteral("DATE")},
        {formatOption,
         QCoreApplication::translate(
             "CommandLine", "Mit --history oder --yield: die Ausgabe als text (Vorgabe), csv "
                            "oder json; mit --yield auch html, eine Seite mit Diagrammen."),
         QStringLiteral("FORMAT")},
        {outputOption,
         QCoreApplication::translate("CommandLine",
                                     "Mit --yield: die Ausgabe in FILE schreiben, als Ganzes, "
                                     "statt auf die Standardausgabe."),
         QStringLiteral("FILE")},
    });
}

RecordCommand RecordCommandLine::requested(const QCommandLineParser& parser) {
    for (const RecordCommand command :
         {RecordCommand::History, RecordCommand::Yield, RecordCommand::Forward,
          RecordCommand::Prune, RecordCommand::Backup})
        if (parser.optionNames().contains(optionName(command)))
            return command;
    return RecordCommand::None;
}

QString RecordCommandLine::optionName(RecordCommand command) {
    switch (command) {
    case RecordCommand::History:
        return historyOption;
    case RecordCommand::Yield:
        return yieldOption;
    case RecordCommand::Forward:
        return forwardOption;
    case RecordCommand::Prune:
        return pruneOption;
    case RecordCommand::Backup:
        return backupOption;
    case RecordCommand::None:
        break;
    }
    return {};
}

QDateTime RecordCommandLine::parseTime(const QString& text, bool through) {
    static const QRegularExpression dateAlone(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    if (dateAlone.match(text).hasMatch()) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        // A day whose midnight a clock change skips starts at its first moment that exists.
        return date.isValid() ? (through ? date.addDays(1) : date).startOfDay() : QDateTime();
    }
    const QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    // The record keeps milliseconds.
    return time.isValid() && through ? time.addMSecs(1) : time;
}

std::optional<RecordQueryOptions> RecordCommandLine::read(const QCommandLineParser& parser,
                                                          RecordCommand command, QString& error) {
    RecordQueryOptions options;
    if (!SingleOption::read(parser, QStringLiteral("database"), options.database, error) ||
        !SingleOption::read(parser, QStringLiteral("station"), options.filter.station, error) ||
        !SingleOption::read(parser, outputOption, options.output, error) ||
        !readUnit(parser, command, options, error) ||
        !readTime(parser, sinceOption, false, options.filter.since, error) ||
        !readTime(parser, untilOption, true, options.filter.before, error) ||
        !readFormat(parser, command, options, error) ||
        !readTending(parser, command, options, error))
        return std::nullopt;
    return options;
}
