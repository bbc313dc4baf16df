#include "terminal_commands.h"

namespace {

QByteArray escape(const char* command) {
    return QByteArray(1, TerminalCommands::ESC) + command;
}

const char* const demoAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

struct FormatCode {
    int cols, rows;
    char code;
};

// Numbered through the formats line by line; 24 x 4, 32 x 4 and 8 columns have none.
constexpr std::array<FormatCode, 13> formatCodes{{{16, 1, 0x00},
                                                  {16, 2, 0x01},
                                                  {16, 4, 0x02},
                                                  {20, 1, 0x03},
                                                  {20, 2, 0x04},
                                                  {20, 4, 0x05},
                                                  {24, 1, 0x06},
                                                  {24, 2, 0x07},
                                                  {32, 1, 0x08},
                                                  {32, 2, 0x09},
                                                  {40, 1, 0x0A},
                                                  {40, 2, 0x0B},
                                                  {40, 4, 0x0C}}};

} // namespace

namespace TerminalCommands {

QByteArray clearDisplay() {
    return escape("&#");
}
QByteArray clearDisplayAndCursor() {
    return clearDisplay() + escape("C");
}
QByteArray recodingTableTransfer() {
    return escape("&u");
}
QByteArray displayFormat() {
    return escape("&S");
}
QByteArray fixedTextTransfer() {
    return escape("R");
}
QByteArray byte(char value) {
    return QByteArray(1, value);
}

QByteArray demoClose() {
    QByteArray home = escape("[");
    home += NUL;
    home += ';';
    home += NUL;
    home += 'H';
    return escape("&C") + home;
}

std::array<char, 32> recodingTable() {
    std::array<char, 32> table{};
    for (int k = 0; k < 32; ++k)
        table[k] = static_cast<char>(16 * (k / 8) + k % 8);
    return table;
}

QByteArray fixedText(int i) {
    return QByteArray::number(i).rightJustified(3, '0');
}

std::optional<char> displayFormatCode(int cols, int rows) {
    for (const FormatCode& format : formatCodes)
        if (format.cols == cols && format.rows == rows)
            return format.code;
    return std::nullopt;
}

QByteArray stepTitle(int stepNumber, const char* name) {
    return "Test " + QByteArray::number(stepNumber) + ':' + CR + name;
}

QByteArray fixedTextsTitle(int stepNumber) {
    return "Test " + QByteArray::number(stepNumber) + ":Speichere" + "Festtext ";
}

QByteArray bannerSpaces() {
    return QByteArray(16, ' ');
}

QByteArray bannerGeometry(int cols, int rows) {
    return QByteArray::number(cols) + 'x' + QByteArray::number(rows) + CR;
}

QByteArray bannerEnd() {
    return "Test-Ende";
}

QByteArray demoRow(int cols) {
    return QByteArray(demoAlphabet).left(cols);
}

} // namespace TerminalCommands
