// The strict line-by-line reader of calculation files.
#include "core/toolkit/layout_reader.hpp"

#include <algorithm>

#include "core/toolkit/comma_text.hpp"

namespace corvana::toolkit {

std::string LayoutReader::next() {
    if (pos_ >= lines_.size()) throw damaged();
    return lines_[pos_++];
}

std::string LayoutReader::nextOptional() {
    return pos_ < lines_.size() ? lines_[pos_++] : std::string();
}

int LayoutReader::nextCount(int minimum) {
    const std::string text = next();
    std::string digits;
    for (const char ch : text)
        if (ch != ' ') digits.push_back(ch);
    if (digits.empty() || digits.size() > 6 ||
        !std::all_of(digits.begin(), digits.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        throw damaged();
    const int n = std::stoi(digits);
    if (n < minimum) throw damaged();
    return n;
}

void LayoutReader::readGrid(StringGrid& g) {
    const int rows = nextCount(1);
    // Every announced row must be there before the grid changes.
    if (lines_.size() - pos_ < static_cast<size_t>(rows - 1)) throw damaged();
    g.setRowCount(rows);
    for (int r = 1; r < rows; ++r) rowFromCommaText(g, r, next());
}

Error LayoutReader::damaged() {
    return Error("O arquivo não é um cálculo válido: a leitura foi interrompida");
}

void addWholeGrid(std::vector<std::string>& lines, const StringGrid& g) {
    lines.push_back(std::to_string(g.rowCount()));
    for (int r = 0; r < g.rowCount(); ++r) lines.push_back(rowToCommaText(g, r));
}

}  // namespace corvana::toolkit
