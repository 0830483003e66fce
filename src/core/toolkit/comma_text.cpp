// Writer and reader of comma text lines.
#include "core/toolkit/comma_text.hpp"

#include <algorithm>

namespace corvana::toolkit {

namespace {
bool isBlank(char ch) { return ch >= 1 && ch <= ' '; }

// One item of a comma text: as it is, or in double quotes (inner quotes doubled) when it holds
// a blank, a control character, a quote or a comma.
void appendItem(std::string& out, std::string_view s) {
    bool quote = false;
    for (const char ch : s)
        if (static_cast<unsigned char>(ch) <= ' ' || ch == '"' || ch == ',') quote = true;
    if (!quote) {
        out += s;
        return;
    }
    out += '"';
    for (const char ch : s) {
        if (ch == '"') out += '"';
        out += ch;
    }
    out += '"';
}
}  // namespace

std::string toCommaText(const std::vector<std::string>& items) {
    std::string out;
    for (size_t k = 0; k < items.size(); ++k) {
        if (k > 0) out += ',';
        appendItem(out, items[k]);
    }
    return out;
}

std::vector<std::string> fromCommaText(std::string_view line) {
    std::vector<std::string> items;
    // A NUL ends the text, as it does for the platform's strings.
    if (const size_t nul = line.find('\0'); nul != std::string_view::npos) line = line.substr(0, nul);
    size_t p = 0;
    const size_t n = line.size();
    while (p < n && isBlank(line[p])) ++p;
    while (p < n) {
        std::string item;
        if (line[p] == '"') {
            ++p;
            while (p < n) {
                if (line[p] == '"') {
                    if (p + 1 < n && line[p + 1] == '"') {
                        item += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                // Everything up to the next quote belongs to the item as it stands.
                const size_t quote = std::min(line.find('"', p), n);
                item.append(line.substr(p, quote - p));
                p = quote;
            }
        } else {
            const size_t start = p;
            while (p < n && !isBlank(line[p]) && line[p] != ',') ++p;
            item.assign(line.substr(start, p - start));
        }
        items.push_back(std::move(item));
        while (p < n && isBlank(line[p])) ++p;
        if (p < n && line[p] == ',') {
            if (p + 1 == n) items.emplace_back();
            do {
                ++p;
            } while (p < n && isBlank(line[p]));
        }
    }
    return items;
}

std::string rowToCommaText(const StringGrid& grid, int row) {
    // toCommaText(grid.row(row)) without copying the cells first.
    std::string out;
    for (int c = 0; c < grid.colCount(); ++c) {
        if (c > 0) out += ',';
        appendItem(out, grid.cell(c, row));
    }
    return out;
}

void rowFromCommaText(StringGrid& grid, int row, std::string_view line) {
    // grid.setRow(row, fromCommaText(line)), with the items moved into their cells.
    if (row < 0) return;
    std::vector<std::string> items = fromCommaText(line);
    const size_t n = std::max(static_cast<size_t>(std::max(grid.colCount(), 0)), items.size());
    std::vector<std::string>& cells = grid.rowCells(row, static_cast<int>(n));
    for (size_t c = 0; c < n; ++c) {
        if (c < items.size())
            cells[c] = std::move(items[c]);
        else
            cells[c].clear();
    }
}

}  // namespace corvana::toolkit
