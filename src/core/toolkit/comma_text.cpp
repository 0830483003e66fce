// Writer and reader of comma text lines.
#include "core/toolkit/comma_text.hpp"

namespace corvana::toolkit {

namespace {
bool isBlank(char ch) { return ch >= 1 && ch <= ' '; }
}  // namespace

std::string toCommaText(const std::vector<std::string>& items) {
    std::string out;
    for (size_t k = 0; k < items.size(); ++k) {
        if (k > 0) out += ',';
        const std::string& s = items[k];
        bool quote = false;
        for (const char ch : s)
            if (static_cast<unsigned char>(ch) <= ' ' || ch == '"' || ch == ',') quote = true;
        if (!quote) {
            out += s;
            continue;
        }
        out += '"';
        for (const char ch : s) {
            if (ch == '"') out += '"';
            out += ch;
        }
        out += '"';
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
                item += line[p++];
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

std::string rowToCommaText(const StringGrid& grid, int row) { return toCommaText(grid.row(row)); }

void rowFromCommaText(StringGrid& grid, int row, std::string_view line) {
    grid.setRow(row, fromCommaText(line));
}

}  // namespace corvana::toolkit
