#include "command_line.h"

#include "production_run/production_run.h"
#include "production_run/run_options.h"
#include "quendal_version.h"
#include "test_sequence/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace CommandLine {

namespace {

void describe(QCommandLineParser& parser) {
    // Qt's own options are single words after one dash (-platform, -reverse); read compacted,
    // -reverse would contain -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "ZR Test und Initialisierung: tests and programs a ZR text terminal on a serial port.\n"
        "Qt's own options, such as -platform NAME, -style NAME or -reverse, also apply.\n"
        "Settings: $XDG_CONFIG_HOME/Quendal/Quendal.conf (default ~/.config).\n"
        "With --run, the worst terminal sets the exit status: 0 every terminal passed, 1 one\n"
        "failed or was cancelled, 3 a port did not open, 4 interrupted (a signal or a lost\n"
        "line); 2 is a usage error, and then nothing is sent."));
    parser.addHelpOption();
    parser.addVersionOption();
    RunCommandLine::addOptions(parser);
}

int usageError(const QString& message) {
    std::fprintf(stderr, "quendal: %s\n%s\n", qPrintable(message),
                 qPrintable(QCoreApplication::translate("CommandLine", "Try 'quendal --help'.")));
    return 2;
}

QString unknownArgument(const QString& argument) {
    return QCoreApplication::translate("CommandLine", "unknown argument %1").arg(argument);
}

// Under --run every argument is the run's: Qt's options and stray words are mistakes.
int runFromCommandLine(int argc, char** argv, const QCommandLineParser& parser, bool parsed) {
    QCoreApplication app(argc, argv);
    installTranslation(app);
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

bool anyRunOption(const QCommandLineParser& parser) {
    for (const QString& name : parser.optionNames())
        if (name != QLatin1String("help") && name != QLatin1String("version"))
            return true;
    return false;
}

QStringList toList(int argc, char** argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

} // namespace

std::optional<int> answer(int argc, char** argv) {
    QCommandLineParser parser;
    describe(parser);
    // Qt's options are unknown here and stay for QApplication, unless the run is asked for.
    const bool parsed = parser.parse(toList(argc, argv));
    const bool help =
        parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    if (!help && !parser.isSet(QStringLiteral("version"))) {
        if (RunCommandLine::requested(parser))
            return runFromCommandLine(argc, argv, parser, parsed);
        if (anyRunOption(parser))
            return usageError(QCoreApplication::translate("CommandLine", "--%1 needs --run")
                                  .arg(parser.optionNames()[0]));
        return std::nullopt;
    }
    // Names the program in the usage line; a core application needs no display. The texts
    // above were read before there was a translator: the help is described again.
    QCoreApplication app(argc, argv);
    installTranslation(app);
    QCommandLineParser translated;
    describe(translated);
    const QString text = help ? translated.helpText()
                              : QStringLiteral("quendal %1\n").arg(QStringLiteral(QUENDAL_VERSION));
    std::fputs(qPrintable(text), stdout);
    return 0;
}

bool onlyQtOptions(const QStringList& arguments) {
    if (arguments.size() <= 1)
        return true;
    usageError(unknownArgument(arguments.at(1)));
    return false;
}

} // namespace CommandLine
