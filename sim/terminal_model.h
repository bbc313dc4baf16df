#pragma once

#include "sim/display.h"

#include <string>
#include <string_view>
#include <vector>

namespace zrsim {

// The terminal's side of the line: takes the bytes the program sends and answers with the
// echo of every data byte that the program awaits back.
class TerminalModel {
public:
    static constexpr int tableSize = 32;
    static constexpr int fixedTextCount = 128;

    TerminalModel(int rows, int cols);

    // Returns the bytes the terminal answers.
    std::string feed(std::string_view bytes);

    std::vector<std::string> displayLines() const { return display_.lines(); }
    int rows() const { return display_.rows(); }
    int cols() const { return display_.cols(); }
    int cursorRow() const { return display_.cursorRow(); }
    int cursorCol() const { return display_.cursorCol(); }
    // All zero bytes until the first table transfer.
    std::string recodingTable() const { return table_; }
    // Empty where a text was never set.
    std::vector<std::string> fixedTexts() const { return texts_; }
    // -1 until the display format is set.
    int formatCode() const { return formatCode_; }
    // "C", "&C" and "[p;qH" (p, q in decimal), in the order received.
    std::vector<std::string> cursorCommands() const { return cursorCommands_; }
    long unknownBytes() const { return unknown_; }
    // Every byte echoed so far.
    long echoedBytes() const { return echoed_; }
    // Bytes of the table transfer still to come; 0 when none is running.
    int tableBytesPending() const;
    bool inFixedTextBlock() const { return state_ == State::FixedTexts; }

private:
    enum class State { Text, Escape, Ampersand, Table, Format, FixedTexts, Row, Semicolon, Col, H };

    void take(char c, std::string& answer);
    void text(char c);
    void escape(char c);
    void ampersand(char c);
    void tableByte(char c, std::string& answer);
    void fixedText(char c, std::string& answer);
    void cursorSequence(char c);
    void unknownSequence(char c, long length);
    void echo(char c, std::string& answer);

    Display display_;
    State state_ = State::Text;
    std::string table_;
    int tableIndex_ = 0;
    std::vector<std::string> texts_;
    int textIndex_ = 0;
    bool inText_ = false;
    int formatCode_ = -1;
    unsigned char row_ = 0;
    unsigned char col_ = 0;
    std::vector<std::string> cursorCommands_;
    long unknown_ = 0;
    long echoed_ = 0;
};

} // namespace zrsim
