#pragma once

#include <QByteArray>
#include <array>
#include <optional>

// Every byte sequence the program sends to the terminal, and how long it waits for echoes.
namespace TerminalCommands {

inline constexpr char ESC = 0x1B;
inline constexpr char CR = 0x0D;
inline constexpr char NUL = 0x00;

// Time-outs per awaited byte, in milliseconds.
inline constexpr qint16 probeTimeOut = 100;
inline constexpr qint16 recodingTableTimeOut = 500;
inline constexpr qint16 fixedTextDigitTimeOut = 1000;

QByteArray clearDisplay();          // ESC "&#"
QByteArray clearDisplayAndCursor(); // ESC "&#" ESC "C", one write
QByteArray recodingTableTransfer(); // ESC "&u", then 32 echoed data bytes
QByteArray displayFormat();         // ESC "&S", then the format code byte
QByteArray fixedTextTransfer();     // ESC "R", then the fixed texts
QByteArray demoClose();             // ESC "&C" ESC "[" NUL ";" NUL "H", one write
QByteArray byte(char value);        // a data byte in a write of its own

// The link probe and its 31 fillers make up the 32 data bytes after ESC "&u".
inline constexpr char probeByte = '.';
inline constexpr int probeFillers = 31;
// Entry k of the recoding table is 16 * (k div 8) + (k mod 8).
std::array<char, 32> recodingTable();
// Text i of the 128 fixed texts: its number as three digits; each text ends with a NUL,
// and one more NUL ends the block.
inline constexpr int fixedTextCount = 128;
QByteArray fixedText(int i);

// Display format code for columns x rows, none where the terminal has no such format.
std::optional<char> displayFormatCode(int cols, int rows);
inline constexpr char fallbackFormatCode = 0x02; // 16 x 4
inline constexpr int fallbackCols = 16;
inline constexpr int fallbackRows = 4;

// The step names the titles show.
inline constexpr const char* interfaceTestName = "Schnittstelle";
inline constexpr const char* recodingTableName = "Umkodiertabelle";
inline constexpr const char* displayGeometryName = "Aufloesung";

// Display texts. The fixed-text title fills a 16-column line exactly and wraps by itself.
QByteArray stepTitle(int stepNumber, const char* name); // "Test N:" CR name
QByteArray fixedTextsTitle(int stepNumber);             // "Test N:Speichere" "Festtext "
QByteArray bannerSpaces();                              // 16 spaces
QByteArray bannerGeometry(int cols, int rows);          // "20x4" CR
QByteArray bannerEnd();                                 // "Test-Ende"
QByteArray demoRow(int cols);

} // namespace TerminalCommands
