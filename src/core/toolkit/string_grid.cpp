// The string grid's cell store and row operations.
#include "core/toolkit/string_grid.hpp"

#include <algorithm>

namespace corvana::toolkit {

namespace {
const std::string kEmpty;
}

StringGrid::StringGrid(int cols, int rows, int fixedRows)
    : cols_(std::max(0, cols)), rows_(std::max(0, rows)), fixedRows_(std::max(0, fixedRows)) {}

void StringGrid::setColCount(int n) { cols_ = std::max(0, n); }
void StringGrid::setRowCount(int n) { rows_ = std::max(0, n); }

const std::string& StringGrid::cell(int col, int row) const {
    if (row < 0 || col < 0 || static_cast<size_t>(row) >= store_.size()) return kEmpty;
    const auto& r = store_[static_cast<size_t>(row)];
    if (static_cast<size_t>(col) >= r.size()) return kEmpty;
    return r[static_cast<size_t>(col)];
}

void StringGrid::setCell(int col, int row, std::string_view text) {
    if (row < 0 || col < 0) return;
    const auto ur = static_cast<size_t>(row);
    const auto uc = static_cast<size_t>(col);
    if (ur >= store_.size()) {
        if (text.empty()) return;
        store_.resize(ur + 1);
    }
    auto& r = store_[ur];
    if (uc >= r.size()) {
        if (text.empty()) return;
        if (r.capacity() <= uc) r.reserve(std::max(uc + 1, static_cast<size_t>(cols_)));
        r.resize(uc + 1);
    }
    r[uc].assign(text);
}

std::vector<std::string> StringGrid::row(int row) const {
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(cols_));
    for (int c = 0; c < cols_; ++c) out.push_back(cell(c, row));
    return out;
}

void StringGrid::setRow(int row, const std::vector<std::string>& texts) {
    const int n = std::max(cols_, static_cast<int>(texts.size()));
    for (int c = 0; c < n; ++c)
        setCell(c, row, static_cast<size_t>(c) < texts.size() ? texts[static_cast<size_t>(c)] : "");
}

void StringGrid::clearRow(int row) {
    if (row >= 0 && static_cast<size_t>(row) < store_.size()) store_[static_cast<size_t>(row)].clear();
}

void StringGrid::clearRowsFrom(int firstRow) {
    firstRow = std::max(0, firstRow);
    if (static_cast<size_t>(firstRow) < store_.size()) store_.resize(static_cast<size_t>(firstRow));
}

void StringGrid::clear() {
    // Keeps the storage: the shared index grid is cleared and refilled by every command.
    for (auto& r : store_)
        for (auto& cell : r) cell.clear();
}

std::vector<std::string>& StringGrid::rowCells(int row, int minCols) {
    const auto ur = static_cast<size_t>(std::max(0, row));
    if (ur >= store_.size()) store_.resize(ur + 1);
    auto& r = store_[ur];
    if (r.size() < static_cast<size_t>(std::max(0, minCols))) r.resize(static_cast<size_t>(minCols));
    return r;
}

void StringGrid::swapRows(int a, int b) {
    if (a < 0 || b < 0 || a == b) return;
    const auto need = static_cast<size_t>(std::max(a, b)) + 1;
    if (store_.size() < need) store_.resize(need);
    std::swap(store_[static_cast<size_t>(a)], store_[static_cast<size_t>(b)]);
}

void StringGrid::deleteRow(int row) {
    if (row < 0 || row >= rows_) return;
    for (int r = row; r + 1 < rows_; ++r) swapRows(r, r + 1);
    clearRow(rows_ - 1);
    --rows_;
}

bool StringGrid::operator==(const StringGrid& other) const {
    if (cols_ != other.cols_ || rows_ != other.rows_ || fixedRows_ != other.fixedRows_) return false;
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < cols_; ++c)
            if (cell(c, r) != other.cell(c, r)) return false;
    return true;
}

}  // namespace corvana::toolkit
