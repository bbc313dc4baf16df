#include "command_line.h"

#include "operator_ui/qt_translation.h"
#include "production_run/production_run.h"
#include "production_run/run_options.h"
#include "quendal_version.h"
#include "record_commands/backup_command.h"
#include "record_commands/forward_command.h"
#include "record_commands/history_command.h"
#include "record_commands/prune_command.h"
#include "record_commands/record_command_line.h"
#include "record_commands/yield_command.h"
#include "station_window/station_options.h"
#include "test_sequence/captions.h"
#include "test_sequence/signal_exit.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <cstdio>

namespace CommandLine {

namespace {

// Qt's options for the window, as QGuiApplication, QApplication and the xcb plugin take them
// out of the arguments: these take the next argument as their value.
const QStringList qtOptionsWithValue{"platform",
                                     "platformpluginpath",
                                     "platformtheme",
                                     "plugin",
                                     "qwindowgeometry",
                                     "geometry",
                                     "qwindowtitle",
                                     "title",
                                     "qwindowicon",
                                     "icon",
                                     "session",
                                     "style",
                                     "stylesheet",
                                     "display",
                                     "name",
                                     "visual"};
const QStringList qtFlags{"reverse", "testability", "widgetcount", "nograb", "dograb", "sync"};
const QStringList qtOptionsWithEquals{"style=", "stylesheet=", "qmljsdebugger="};

// What the command line asks for, before anything needs a display.
enum class Request {
    Window,
    Help,
    Version,
    Run,
    Record,
    Slots,
    CommandsTogether,
    OptionMisplaced,
    Unknown,
    NoDisplay
};

// The commands that exclude one another, and the options that go with more than --run.
const QStringList commands{"run", "history", "yield", "forward", "prune", "backup", "slots"};
const QHash<QString, QStringList> sharedOptions{
    {"com", {"run", "slots"}},
    {"device", {"run", "slots"}},
    {"geometry", {"run", "slots"}},
    {"operator", {"run", "slots"}},
    {"station", {"run", "history", "yield", "slots"}},
    {"since", {"history", "yield"}},
    {"until", {"history", "yield"}},
    {"format", {"history", "yield"}},
    {"output", {"yield"}},
    {"before", {"prune"}},
    {"database", {"run", "history", "yield", "forward", "prune", "slots"}}};

void describe(QCommandLineParser& parser) {
    // Qt's own options are single words after one dash (-platform, -reverse); read compacted,
    // -reverse would contain -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "ZR Test und Initialisierung: testet und programmiert ein ZR-Textterminal an einer\n"
        "seriellen Schnittstelle. Qts eigene Optionen wie -platform NAME, -style NAME oder\n"
        "-reverse gelten ebenfalls.\n"
        "Einstellungen: $XDG_CONFIG_HOME/Quendal/Quendal.conf (sonst ~/.config).\n"
        "Mit --run bestimmt das schlechteste Terminal den Exit-Status: 0 alle Terminals\n"
        "bestanden, 1 eines fehlgeschlagen oder abgebrochen, 3 eine Schnittstelle nicht\n"
        "geöffnet, 4 unterbrochen (ein Signal oder eine verlorene Verbindung); 2 ist ein\n"
        "Aufruffehler, und dann wird nichts gesendet."));
    parser.addHelpOption();
    parser.addVersionOption();
    RunCommandLine::addOptions(parser);
    StationCommandLine::addOptions(parser);
    RecordCommandLine::addOptions(parser);
}

int usageError(const QString& message) {
    std::fprintf(stderr, "quendal: %s\n%s\n", qPrintable(message),
                 qPrintable(QCoreApplication::translate("CommandLine", "Hilfe: quendal --help")));
    return 2;
}

QString unknownArgument(const QString& argument) {
    return QCoreApplication::translate("CommandLine", "unbekanntes Argument %1").arg(argument);
}

// The first argument that is neither one of Qt's window options nor its value, or nothing.
QString notForTheWindow(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString name = arguments[i];
        if (!name.startsWith(QLatin1Char('-')))
            return arguments[i];
        name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
        const bool withEquals =
            std::any_of(qtOptionsWithEquals.begin(), qtOptionsWithEquals.end(),
                        [&name](const QString& o) { return name.startsWith(o); });
        if (qtOptionsWithValue.contains(name) && i + 1 < arguments.size())
            ++i;
        else if (!qtFlags.contains(name) && !withEquals)
            return arguments[i];
    }
    return {};
}

bool displayGiven(const QStringList& arguments) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    return arguments.contains(QLatin1String("-platform")) ||
           arguments.contains(QLatin1String("--platform"));
}

QStringList commandsGiven(const QCommandLineParser& parser) {
    QStringList given;
    for (const QString& command : commands)
        if (parser.optionNames().contains(command))
            given << command;
    return given;
}

QStringList commandsFor(const QString& option) {
    return sharedOptions.value(option, {QStringLiteral("run")});
}

// The first option given that does not go with `command`, which is empty when none was given.
QString misplacedOption(const QCommandLineParser& parser, const QString& command) {
    for (const QString& name : parser.optionNames())
        if (name != QLatin1String("help") && name != QLatin1String("version") &&
            !commands.contains(name) && !commandsFor(name).contains(command))
            return name;
    return {};
}

Request requestOf(const QCommandLineParser& parser, const QStringList& arguments) {
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        return Request::Help;
    if (parser.isSet(QStringLiteral("version")))
        return Request::Version;
    const QStringList given = commandsGiven(parser);
    if (given.size() > 1)
        return Request::CommandsTogether;
    if (!misplacedOption(parser, given.value(0)).isEmpty())
        return Request::OptionMisplaced;
    if (RunCommandLine::requested(parser))
        return Request::Run;
    if (RecordCommandLine::requested(parser) != RecordCommand::None)
        return Request::Record;
    if (StationCommandLine::requested(parser))
        return Request::Slots;
    if (!notForTheWindow(arguments).isEmpty())
        return Request::Unknown;
    return displayGiven(arguments) ? Request::Window : Request::NoDisplay;
}

// Qt's warnings, such as a seek on a pipe, are not the production line's business; the run's
// own lines never pass through Qt's message handler. Critical and fatal messages still do.
QtMessageHandler qtHandler = nullptr;

void onlyGraveQtMessages(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qtHandler(type, context, message);
}

// Under --run every argument is the run's: Qt's options and stray words are mistakes.
int runFromCommandLine(const QCommandLineParser& parser, bool parsed) {
    qtHandler = qInstallMessageHandler(onlyGraveQtMessages);
    if (!parsed)
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(unknownArgument(parser.positionalArguments()[0]));
    QString error;
    const auto options = RunCommandLine::read(parser, error);
    if (!options)
        return usageError(error);
    return runWithoutWindow(*options);
}

constexpr int interruptedStatus = 4;

// The record's commands print what they read; the arguments are theirs as under --run.
int recordCommandFromCommandLine(const QCommandLineParser& parser, bool parsed) {
    qtHandler = qInstallMessageHandler(onlyGraveQtMessages);
    // Reading leaves the record as it was, and a forward or a prune cut short leaves no half
    // record.
    SignalExit::exitAtOnce(interruptedStatus);
    if (!parsed)
        return usageError(parser.errorText());
    const RecordCommand command = RecordCommandLine::requested(parser);
    QString error;
    const auto options = RecordCommandLine::read(parser, command, error);
    if (!options)
        return usageError(error);
    if (command == RecordCommand::History)
        return showHistory(*options);
    if (command == RecordCommand::Yield)
        return showYield(*options);
    if (command == RecordCommand::Prune)
        return pruneRecords(options->database, options->filter.before);
    if (command == RecordCommand::Backup)
        return backUpRecord(options->backup);
    return forwardRecords(options->database);
}

// The station window's arguments are its own, as under --run; the window starts once they
// are read.
std::optional<int> slotsFromCommandLine(const QCommandLineParser& parser, bool parsed,
                                        const QStringList& arguments,
                                        std::optional<StationOptions>& station) {
    if (!parsed)
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(unknownArgument(parser.positionalArguments()[0]));
    QString error;
    station = StationCommandLine::read(parser, error);
    if (!station)
        return usageError(error);
    if (displayGiven(arguments))
        return std::nullopt;
    std::fprintf(stderr, "quendal: %s\n", qPrintable(QString(Captions::noDisplay)));
    return 1;
}

QString misplacedMessage(const QCommandLineParser& parser) {
    const QString option = misplacedOption(parser, commandsGiven(parser).value(0));
    QStringList names;
    for (const QString& command : commandsFor(option))
        names << QStringLiteral("--") + command;
    return QCoreApplication::translate("CommandLine", "--%1 geht nur mit %2")
        .arg(option, names.join(QStringLiteral(", ")));
}

std::optional<int> answerHere(Request request, const QCommandLineParser& parser, bool parsed,
                              const QStringList& arguments,
                              std::optional<StationOptions>& station) {
    switch (request) {
    case Request::Run:
        return runFromCommandLine(parser, parsed);
    case Request::Slots:
        return slotsFromCommandLine(parser, parsed, arguments, station);
    case Request::Record:
        return recordCommandFromCommandLine(parser, parsed);
    case Request::CommandsTogether:
        return usageError(QCoreApplication::translate(
            "CommandLine",
            "--run, --slots, --history, --yield, --forward, --prune und --backup schließen "
            "einander aus"));
    case Request::OptionMisplaced:
        return usageError(misplacedMessage(parser));
    case Request::Unknown:
        return usageError(unknownArgument(notForTheWindow(arguments)));
    case Request::NoDisplay:
        std::fprintf(stderr, "quendal: %s\n", qPrintable(QString(Captions::noDisplay)));
        return 1;
    case Request::Help:
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    case Request::Version:
        std::fputs(qPrintable(QStringLiteral("quendal %1\n").arg(QStringLiteral(QUENDAL_VERSION))),
                   stdout);
        return 0;
    case Request::Window:
        break;
    }
    return std::nullopt;
}

QStringList toList(int argc, char** argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

} // namespace

std::optional<int> answer(int argc, char** argv, std::optional<StationOptions>& station) {
    const QStringList arguments = toList(argc, argv);
    QCommandLineParser first;
    describe(first);
    first.parse(arguments);
    if (requestOf(first, arguments) == Request::Window)
        return std::nullopt;
    // Whatever ends here speaks the desktop's language, Qt's parser texts included, so the
    // texts are described and parsed again once the translation is in. A core application
    // names the program in the usage line and needs no display.
    QCoreApplication app(argc, argv);
    installTranslations(app);
    QCommandLineParser parser;
    describe(parser);
    const bool parsed = parser.parse(arguments);
    return answerHere(requestOf(parser, arguments), parser, parsed, arguments, station);
}

bool onlyQtOptions(const QStringList& arguments) {
    if (arguments.size() <= 1)
        return true;
    usageError(unknownArgument(arguments.at(1)));
    return false;
}

} // namespace CommandLine
