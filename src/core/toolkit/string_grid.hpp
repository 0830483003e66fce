// The string grid: a table of text cells Cells[column, row] that every calculation lives in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvana::toolkit {

// A rectangular table of UTF-8 text cells addressed (column, row), both from 0.
// Like the platform grid it imitates, the row and column counts only say how much of the
// table is in use: making the grid smaller hides cells, growing it again shows their old
// texts. Only an explicit clear empties cells. A cell never written reads empty, and any
// non-negative address may be read or written, in use or not.
class StringGrid {
public:
    StringGrid() = default;
    StringGrid(int cols, int rows, int fixedRows = 1);

    int colCount() const { return cols_; }
    int rowCount() const { return rows_; }
    int fixedRows() const { return fixedRows_; }
    void setColCount(int n);
    void setRowCount(int n);
    void setFixedRows(int n) { fixedRows_ = n < 0 ? 0 : n; }

    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string_view text);

    // The cells of one row in use, column 0 first.
    std::vector<std::string> row(int row) const;
    // Writes texts into row `row` from column 0; cells beyond the list become empty
    // up to the column count.
    void setRow(int row, const std::vector<std::string>& texts);

    // Empties every cell of the row, in use or hidden.
    void clearRow(int row);
    // Empties every cell of the rows from `firstRow` on, in use or hidden.
    void clearRowsFrom(int firstRow);
    // Empties every cell of the table; the counts stay.
    void clear();

    // The stored cells of a row, at least `minCols` of them (for bulk loaders).
    std::vector<std::string>& rowCells(int row, int minCols);

    void swapRows(int a, int b);
    // Moves rows below `row` up one place; the last row's content is dropped for good.
    void deleteRow(int row);

    bool operator==(const StringGrid& other) const;

private:
    int cols_ = 5;
    int rows_ = 5;
    int fixedRows_ = 1;
    std::vector<std::vector<std::string>> store_;  // store_[row][col], grows on demand
};

}  // namespace corvana::toolkit
