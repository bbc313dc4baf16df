#include "sim/terminal_model.h"

namespace zrsim {

namespace {
constexpr char esc = 0x1b;
constexpr char cr = 0x0d;

bool printable(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 0x20 && u != 0x7f);
}

bool digit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

TerminalModel::TerminalModel(int rows, int cols)
    : display_(rows, cols), table_(tableSize, '\0'), texts_(fixedTextCount) {}

std::string TerminalModel::feed(std::string_view bytes) {
    std::string answer;
    for (const char c : bytes)
        take(c, answer);
    return answer;
}

int TerminalModel::tableBytesPending() const {
    return state_ == State::Table ? tableSize - tableIndex_ : 0;
}

void TerminalModel::take(char c, std::string& answer) {
    switch (state_) {
    case State::Text:
        return text(c);
    case State::Escape:
        return escape(c);
    case State::Ampersand:
        return ampersand(c);
    case State::Table:
        return tableByte(c, answer);
    case State::Format:
        formatCode_ = static_cast<unsigned char>(c);
        state_ = State::Text;
        return;
    case State::FixedTexts:
        return fixedText(c, answer);
    default:
        return cursorSequence(c);
    }
}

void TerminalModel::text(char c) {
    if (c == esc)
        state_ = State::Escape;
    else if (c == cr)
        display_.carriageReturn();
    else if (printable(c))
        display_.put(c);
    else
        ++unknown_;
}

void TerminalModel::escape(char c) {
    state_ = State::Text;
    if (c == '&') {
        state_ = State::Ampersand;
    } else if (c == 'C') {
        cursorCommands_.push_back("C");
    } else if (c == 'R') {
        state_ = State::FixedTexts;
        textIndex_ = 0;
        inText_ = false;
    } else if (c == '[') {
        state_ = State::Row;
    } else {
        unknownSequence(c, 1);
    }
}

void TerminalModel::ampersand(char c) {
    state_ = State::Text;
    if (c == '#') {
        display_.clear();
    } else if (c == 'u') {
        state_ = State::Table;
        tableIndex_ = 0;
    } else if (c == 'S') {
        state_ = State::Format;
    } else if (c == 'C') {
        cursorCommands_.push_back("&C");
    } else {
        unknownSequence(c, 2);
    }
}

// Every one of the 32 bytes is data, ESC and NUL included.
void TerminalModel::tableByte(char c, std::string& answer) {
    table_[tableIndex_] = c;
    echo(c, answer);
    if (++tableIndex_ == tableSize)
        state_ = State::Text;
}

void TerminalModel::fixedText(char c, std::string& answer) {
    if (c == esc) {
        state_ = State::Escape;
    } else if (c == '\0') {
        // A NUL ends the text in progress; where a text would start, it ends the block.
        if (!inText_)
            state_ = State::Text;
        else
            ++textIndex_;
        inText_ = false;
    } else if (digit(c) && textIndex_ < fixedTextCount) {
        if (!inText_)
            texts_[textIndex_].clear();
        inText_ = true;
        texts_[textIndex_] += c;
        echo(c, answer);
    } else {
        ++unknown_;
    }
}

void TerminalModel::cursorSequence(char c) {
    switch (state_) {
    case State::Row:
        row_ = static_cast<unsigned char>(c);
        state_ = State::Semicolon;
        return;
    case State::Semicolon:
        if (c != ';')
            return unknownSequence(c, 3);
        state_ = State::Col;
        return;
    case State::Col:
        col_ = static_cast<unsigned char>(c);
        state_ = State::H;
        return;
    default:
        if (c != 'H')
            return unknownSequence(c, 5);
        state_ = State::Text;
        display_.moveTo(row_, col_);
        cursorCommands_.push_back("[" + std::to_string(row_) + ";" + std::to_string(col_) + "H");
    }
}

// A sequence broken off by `c` counts as unknown; an ESC that breaks it starts a new command.
void TerminalModel::unknownSequence(char c, long length) {
    unknown_ += length;
    state_ = State::Text;
    if (c == esc)
        state_ = State::Escape;
    else
        ++unknown_;
}

void TerminalModel::echo(char c, std::string& answer) {
    answer += c;
    ++echoed_;
}

} // namespace zrsim
