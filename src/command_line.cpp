#include "command_line.h"

#include "quendal_version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace CommandLine {

namespace {

void describe(QCommandLineParser& parser) {
    // Qt's own options are single words after one dash (-platform, -reverse); read compacted,
    // -reverse would contain -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "ZR Test und Initialisierung: tests and programs a ZR text terminal on a serial port.\n"
        "Qt's own options, such as -platform NAME, -style NAME or -reverse, also apply.\n"
        "Settings: $XDG_CONFIG_HOME/Quendal/Quendal.conf (default ~/.config)."));
    parser.addHelpOption();
    parser.addVersionOption();
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
    // Qt's options are unknown here and stay for QApplication; only help and version count.
    parser.parse(toList(argc, argv));
    const bool help =
        parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    if (!help && !parser.isSet(QStringLiteral("version")))
        return std::nullopt;
    // Names the program in the usage line; a core application needs no display.
    QCoreApplication app(argc, argv);
    const QString text = help ? parser.helpText()
                              : QStringLiteral("quendal %1\n").arg(QStringLiteral(QUENDAL_VERSION));
    std::fputs(qPrintable(text), stdout);
    return 0;
}

bool onlyQtOptions(const QStringList& arguments) {
    if (arguments.size() <= 1)
        return true;
    std::fprintf(stderr, "quendal: unknown argument %s\nTry 'quendal --help'.\n",
                 qPrintable(arguments.at(1)));
    return false;
}

} // namespace CommandLine
