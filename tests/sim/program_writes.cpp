#include "program_writes.h"

namespace {
const std::string esc = "\x1b";

std::string threeDigits(int i) {
    const std::string n = std::to_string(i);
    return std::string(3 - n.size(), '0') + n;
}
} // namespace

std::string tableBytes() {
    std::string table;
    for (int k = 0; k < 32; ++k)
        table += static_cast<char>(16 * (k / 8) + k % 8);
    return table;
}

Writes interfaceTest() {
    Writes writes{{esc + "&#" + esc + "C"}, {"Test 1:\rSchnittstelle"}, {esc + "&u"}};
    for (int i = 0; i < 32; ++i)
        writes.push_back({".", true});
    return writes;
}

Writes recodingTable() {
    Writes writes{{esc + "&#"}, {"Test 2:\rUmkodiertabelle"}, {esc + "&u"}};
    for (const char b : tableBytes())
        writes.push_back({std::string(1, b), true});
    return writes;
}

Writes displayFormat(char code) {
    return {{esc + "&#"}, {"Test 3:\rAufloesung"}, {esc + "&S"}, {std::string(1, code)}};
}

Writes fixedTexts(int failingDigit) {
    const Write nul{std::string(1, '\0')};
    Writes writes{{esc + "&#"}, {"Test 4:SpeichereFesttext "}, {esc + "R"}};
    int sent = 0;
    for (int i = 0; i < 128; ++i) {
        for (const char d : threeDigits(i)) {
            writes.push_back({std::string(1, d), true});
            if (++sent == failingDigit) {
                writes.push_back(nul);
                return writes;
            }
        }
        writes.push_back(nul);
    }
    writes.push_back(nul);
    return writes;
}

Writes banner(int cols, int rows) {
    return {{std::string(16, ' ')},
            {esc + "&#"},
            {std::to_string(cols) + "x" + std::to_string(rows) + "\r"},
            {"Test-Ende"}};
}

Writes demoText(int cols, int rows) {
    const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    Writes writes{{esc + "&#"}};
    for (int r = 0; r < rows; ++r)
        writes.push_back({alphabet.substr(0, cols)});
    writes.push_back({esc + "&C" + esc + std::string("[\0;\0H", 5)});
    return writes;
}

std::string bytesOf(const Writes& writes) {
    std::string bytes;
    for (const Write& w : writes)
        bytes += w.bytes;
    return bytes;
}
