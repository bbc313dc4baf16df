#include "sim/command_line.h"

#include "quendal_version.h"

#include <QCommandLineParser>
#include <charconv>
#include <cstdint>
#include <functional>

namespace zrsim {

namespace {

bool toNumber(const std::string& text, std::int64_t low, std::int64_t high, std::int64_t& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= low && value <= high;
}

using Setter = std::function<bool(CommandLine&, const std::string&)>;

template <typename T> Setter number(T SimOptions::*field, std::int64_t low, std::int64_t high) {
    return [=](CommandLine& line, const std::string& text) {
        std::int64_t value = 0;
        if (!toNumber(text, low, high, value))
            return false;
        line.options.*field = static_cast<T>(value);
        return true;
    };
}

struct ValueOption {
    const char* name;
    const char* valueName;
    const char* description;
    Setter set;
};

struct Flag {
    const char* name;
    const char* description;
    std::function<void(CommandLine&)> set;
};

// Byte counts over a whole session: far beyond any run, and 64 bits wide even where long
// has only 32.
constexpr std::int64_t countLimit = std::int64_t{1} << 40;

const std::vector<ValueOption>& valueOptions() {
    static const std::vector<ValueOption> options = {
        {"rows", "N", "display rows (default 4)", number(&SimOptions::rows, 1, 255)},
        {"cols", "N", "display columns (default 20)", number(&SimOptions::cols, 1, 255)},
        {"baud", "B", "emulate the line's speed at B baud (default: no emulation)",
         number(&SimOptions::baud, 1, 4'000'000)},
        {"framing", "F", "bits of one byte on the emulated line, e.g. 8N1, 7E1 (default 8E1)",
         [](CommandLine& line, const std::string& text) {
             line.options.framing = text;
             return halfBitsPerByte(text).has_value();
         }},
        {"drop-echo", "K", "leave out the echo of the K-th awaited byte (the first is 1)",
         number(&SimOptions::dropEcho, 1, countLimit)},
        {"echo-delay", "MS", "answer each awaited byte MS milliseconds late",
         number(&SimOptions::echoDelayMs, 0, 600'000)},
        {"hangup-after", "N", "close the line after N received bytes",
         number(&SimOptions::hangupAfter, 1, countLimit)},
        {"record", "FILE", "write every received byte as hex, one line per read",
         [](CommandLine& line, const std::string& text) {
             line.options.recordFile = text;
             return !text.empty();
         }},
        {"link", "PATH", "keep a symlink PATH to the pseudo-terminal while running",
         [](CommandLine& line, const std::string& text) {
             line.link = text;
             return !text.empty();
         }}};
    return options;
}

const std::vector<Flag>& flags() {
    static const std::vector<Flag> flags = {
        {"silent", "answer nothing", [](CommandLine& line) { line.options.silent = true; }},
        {"noise", "send unsolicited bytes between the echoes",
         [](CommandLine& line) { line.options.noise = true; }},
        {"window", "show the display in a window", [](CommandLine& line) { line.window = true; }}};
    return flags;
}

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Serves a simulated ZR terminal on a fresh pseudo-terminal and prints its path."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const ValueOption& option : valueOptions())
        parser.addOption({QString::fromLatin1(option.name), QString::fromLatin1(option.description),
                          QString::fromLatin1(option.valueName)});
    for (const Flag& flag : flags())
        parser.addOption({QString::fromLatin1(flag.name), QString::fromLatin1(flag.description)});
}

// Fills the line from a parser that understood every argument; sets the error otherwise.
void take(const QCommandLineParser& parser, CommandLine& line) {
    if (!parser.positionalArguments().isEmpty()) {
        line.error = "unexpected argument " + parser.positionalArguments().first().toStdString();
        return;
    }
    line.help = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    line.version = parser.isSet(QStringLiteral("version"));
    for (const Flag& flag : flags())
        if (parser.isSet(QString::fromLatin1(flag.name)))
            flag.set(line);
    for (const ValueOption& option : valueOptions()) {
        const QString name = QString::fromLatin1(option.name);
        if (!parser.isSet(name))
            continue;
        const std::string value = parser.value(name).toStdString();
        if (!option.set(line, value)) {
            line.error = "invalid value for --" + std::string(option.name) + ": " + value;
            return;
        }
    }
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    QCommandLineParser parser;
    describe(parser);
    QStringList list{QStringLiteral("zr-terminal-sim")};
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    CommandLine line;
    if (parser.parse(list))
        take(parser, line);
    else
        line.error = parser.errorText().toStdString();
    return line;
}

std::string usageText() {
    QCommandLineParser parser;
    describe(parser);
    return parser.helpText().toStdString();
}

std::string versionText() {
    return std::string("zr-terminal-sim ") + QUENDAL_VERSION + "\n";
}

} // namespace zrsim
