#pragma once

#include <string>
#include <vector>

namespace zrsim {

// The character display: a grid of cells and a cursor that is always on a cell.
class Display {
public:
    Display(int rows, int cols);

    void clear();
    void put(char c);
    void carriageReturn();
    void moveTo(int row, int col);

    const std::vector<std::string>& lines() const { return lines_; }
    int rows() const { return static_cast<int>(lines_.size()); }
    int cols() const { return cols_; }
    int cursorRow() const { return row_; }
    int cursorCol() const { return col_; }

private:
    void nextLine();

    int cols_;
    std::vector<std::string> lines_;
    int row_ = 0;
    int col_ = 0;
};

} // namespace zrsim
