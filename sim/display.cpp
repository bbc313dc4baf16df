#include "sim/display.h"

#include <algorithm>

namespace zrsim {

namespace {
// Cursor positions arrive as single bytes, so no display is ever addressed beyond 255.
constexpr int maxCells = 255;

int clampSize(int n) {
    return std::clamp(n, 1, maxCells);
}
} // namespace

Display::Display(int rows, int cols)
    : cols_(clampSize(cols)), lines_(clampSize(rows), std::string(cols_, ' ')) {}

void Display::clear() {
    for (std::string& line : lines_)
        line.assign(cols_, ' ');
    row_ = col_ = 0;
}

void Display::put(char c) {
    lines_[row_][col_] = c;
    if (++col_ == cols_)
        nextLine();
}

void Display::carriageReturn() {
    nextLine();
}

void Display::moveTo(int row, int col) {
    row_ = std::clamp(row, 0, rows() - 1);
    col_ = std::clamp(col, 0, cols_ - 1);
}

// The last line wraps to the first: the display never scrolls.
void Display::nextLine() {
    col_ = 0;
    row_ = (row_ + 1) % rows();
}

} // namespace zrsim
