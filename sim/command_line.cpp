#include "sim/command_line.h"

#include <charconv>
#include <functional>
#include <map>

namespace zrsim {

const char* const usageText =
    "Usage: zr-terminal-sim [options]\n"
    "Serves a simulated ZR terminal on a fresh pseudo-terminal and prints its path.\n"
    "\n"
    "  --rows N           display rows (default 4)\n"
    "  --cols N           display columns (default 20)\n"
    "  --baud B           emulate the line's speed at B baud (default: no emulation)\n"
    "  --framing F        bits of one byte on the emulated line, e.g. 8N1, 7E1 (default 8E1)\n"
    "  --silent           answer nothing\n"
    "  --drop-echo K      leave out the echo of the K-th awaited byte, counted from 1\n"
    "  --echo-delay MS    answer each awaited byte MS milliseconds late\n"
    "  --noise            send unsolicited bytes between the echoes\n"
    "  --hangup-after N   close the line after N received bytes\n"
    "  --record FILE      write every received byte as hex, one line per read\n"
    "  --link PATH        keep a symlink PATH to the pseudo-terminal while running\n"
    "  --window           show the display in a window\n"
    "  --help             show this text\n";

namespace {

bool toNumber(const std::string& text, long low, long high, long& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= low && value <= high;
}

using Setter = std::function<bool(CommandLine&, const std::string&)>;

template <typename T> Setter number(T SimOptions::*field, long low, long high) {
    return [=](CommandLine& line, const std::string& text) {
        long value = 0;
        if (!toNumber(text, low, high, value))
            return false;
        line.options.*field = static_cast<T>(value);
        return true;
    };
}

const std::map<std::string, Setter>& valueOptions() {
    static const std::map<std::string, Setter> options = {
        {"--rows", number(&SimOptions::rows, 1, 255)},
        {"--cols", number(&SimOptions::cols, 1, 255)},
        {"--baud", number(&SimOptions::baud, 1, 4'000'000)},
        {"--drop-echo", number(&SimOptions::dropEcho, 1, 1L << 40)},
        {"--echo-delay", number(&SimOptions::echoDelayMs, 0, 600'000)},
        {"--hangup-after", number(&SimOptions::hangupAfter, 1, 1L << 40)},
        {"--framing",
         [](CommandLine& line, const std::string& text) {
             line.options.framing = text;
             return halfBitsPerByte(text).has_value();
         }},
        {"--record",
         [](CommandLine& line, const std::string& text) {
             line.options.recordFile = text;
             return !text.empty();
         }},
        {"--link", [](CommandLine& line, const std::string& text) {
             line.link = text;
             return !text.empty();
         }}};
    return options;
}

bool flag(CommandLine& line, const std::string& name) {
    if (name == "--silent")
        line.options.silent = true;
    else if (name == "--noise")
        line.options.noise = true;
    else if (name == "--window")
        line.window = true;
    else if (name == "--help")
        line.help = true;
    else
        return false;
    return true;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size() && line.error.empty(); ++i) {
        const std::string& name = arguments[i];
        if (flag(line, name))
            continue;
        const auto option = valueOptions().find(name);
        if (option == valueOptions().end())
            line.error = "unknown option " + name;
        else if (i + 1 == arguments.size())
            line.error = name + " needs a value";
        else if (!option->second(line, arguments[++i]))
            line.error = "invalid value for " + name + ": " + arguments[i];
    }
    return line;
}

} // namespace zrsim
