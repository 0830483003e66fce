// Loader, writer, sort, row removal and column insertion of string grids.
#include "core/toolkit/grid_ops.hpp"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "core/toolkit/text_file.hpp"

namespace corvana::toolkit {

void CSV2Contents(const std::string* stream, char separator, StringGrid& grid, GridRange range) {
    if (stream == nullptr) return;
    const int left = range.left < 0 ? 0 : range.left;
    const int top = range.top < 0 ? 0 : range.top;
    const bool colBound = range.right >= left;
    const bool rowBound = range.bottom >= top;
    // Plain ASCII needs no decoding (the usual index table).
    std::string decoded;
    std::string_view text = *stream;
    if (!isPlainAscii(text)) {
        decoded = decodeText(text);
        text = decoded;
    }
    const char* const begin = text.data();
    const char* const stop = begin + text.size();
    // Next CR and next LF, each found with one forward scan over the whole text.
    const char* nextCr = nullptr;
    const char* nextLf = nullptr;
    auto findFrom = [stop](const char* from, char ch) {
        const void* hit = std::memchr(from, ch, static_cast<size_t>(stop - from));
        return hit != nullptr ? static_cast<const char*>(hit) : stop;
    };
    const char* lineStart = begin;
    std::vector<std::string_view> cells;
    for (int i = top; lineStart < stop; ++i) {
        if (nextCr == nullptr || nextCr < lineStart) nextCr = findFrom(lineStart, '\r');
        if (nextLf == nullptr || nextLf < lineStart) nextLf = findFrom(lineStart, '\n');
        const char* lineEnd = std::min(nextCr, nextLf);
        const std::string_view line(lineStart, static_cast<size_t>(lineEnd - lineStart));
        lineStart = lineEnd;
        if (lineStart < stop) lineStart += (*lineStart == '\r' && lineStart + 1 < stop && lineStart[1] == '\n') ? 2 : 1;
        if (rowBound && i > range.bottom) break;
        if (i >= grid.rowCount()) grid.setRowCount(grid.rowCount() + 1);
        // The line gets one separator appended; cells are cut while more than that
        // separator remains, so a trailing separator is absorbed.
        cells.clear();
        size_t pos = 0;
        int c = left;
        while ((!colBound || c <= range.right) && pos < line.size()) {
            if (c >= grid.colCount()) grid.setColCount(grid.colCount() + 1);
            size_t cut = line.find(separator, pos);
            if (cut == std::string_view::npos) cut = line.size();
            cells.push_back(line.substr(pos, cut - pos));
            pos = cut + 1;
            ++c;
        }
        if (cells.empty()) continue;
        auto& row = grid.rowCells(i, left + static_cast<int>(cells.size()));
        for (size_t k = 0; k < cells.size(); ++k) row[static_cast<size_t>(left) + k].assign(cells[k]);
    }
}

std::string Contents2CSV(char separator, const StringGrid& grid, GridRange range) {
    const int left = range.left < 0 ? 0 : range.left;
    const int top = range.top < 0 ? 0 : range.top;
    const int right = (range.right < left || range.right < 0) ? grid.colCount() - 1 : range.right;
    const int bottom = (range.bottom < top || range.bottom < 0) ? grid.rowCount() - 1 : range.bottom;
    size_t size = 0;
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) size += grid.cell(c, r).size() + 1;
        size += 2;
    }
    std::string text(size, '\0');
    char* out = text.data();
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) {
            const std::string& cell = grid.cell(c, r);
            std::memcpy(out, cell.data(), cell.size());
            out += cell.size();
            *out++ = separator;
        }
        *out++ = '\r';
        *out++ = '\n';
    }
    if (isPlainAscii(text)) return text;
    return encodeText(text);
}

void LoadFromFile(const std::filesystem::path& filename, StringGrid& grid) {
    const std::string bytes = readFileBytes(filename);
    CSV2Contents(&bytes, '\t', grid);
}

void SaveToFile(const std::filesystem::path& filename, const StringGrid& grid) {
    writeFileAtomic(filename, Contents2CSV('\t', grid));
}

namespace {

struct Weight {
    char32_t primary;
    int accent;
};

// Folds a code point to its base letter (case and accent removed) and an accent rank.
Weight weigh(char32_t cp) {
    if (cp >= 'A' && cp <= 'Z') return {cp + 32, 0};
    if (cp < 0xC0 || cp > 0xFF) return {cp, 0};
    if (cp == 0xFF) return {'y', 5};
    // Latin-1 letters: base letter and accent rank (grave, acute, circumflex, tilde, diaeresis...)
    static constexpr const char* kBase = "aaaaaaaceeeeiiiidnooooo*ouuuuyts";
    static constexpr int kAccent[32] = {1, 2, 3, 4, 5, 6, 7, 2, 1, 2, 3, 5, 1, 2, 3, 5,
                                        1, 4, 1, 2, 3, 4, 5, 0, 6, 1, 2, 3, 5, 2, 1, 1};
    const unsigned idx = static_cast<unsigned>(cp - (cp >= 0xE0 ? 0xE0 : 0xC0));
    if (kBase[idx] == '*') return {cp, 0};  // × and ÷
    return {static_cast<char32_t>(kBase[idx]), kAccent[idx]};
}

std::vector<char32_t> codePoints(const std::string& s) {
    std::vector<char32_t> out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        size_t len = 1;
        char32_t cp = b0;
        if (b0 >= 0xC0 && b0 < 0xE0 && i + 1 < s.size()) {
            len = 2, cp = ((b0 & 0x1Fu) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3Fu);
        } else if (b0 >= 0xE0 && b0 < 0xF0 && i + 2 < s.size()) {
            len = 3, cp = ((b0 & 0x0Fu) << 12) | ((static_cast<unsigned char>(s[i + 1]) & 0x3Fu) << 6) |
                         (static_cast<unsigned char>(s[i + 2]) & 0x3Fu);
        } else if (b0 >= 0xF0 && i + 3 < s.size()) {
            len = 4, cp = ((b0 & 0x07u) << 18) | ((static_cast<unsigned char>(s[i + 1]) & 0x3Fu) << 12) |
                         ((static_cast<unsigned char>(s[i + 2]) & 0x3Fu) << 6) |
                         (static_cast<unsigned char>(s[i + 3]) & 0x3Fu);
        }
        out.push_back(cp);
        i += len;
    }
    return out;
}

}  // namespace

int compareText(const std::string& a, const std::string& b) {
    if (a == b) return 0;
    const auto ca = codePoints(a);
    const auto cb = codePoints(b);
    int accentOrder = 0;
    const size_t n = std::min(ca.size(), cb.size());
    for (size_t k = 0; k < n; ++k) {
        const Weight wa = weigh(ca[k]);
        const Weight wb = weigh(cb[k]);
        if (wa.primary != wb.primary) return wa.primary < wb.primary ? -1 : 1;
        if (accentOrder == 0 && wa.accent != wb.accent) accentOrder = wa.accent < wb.accent ? -1 : 1;
    }
    if (ca.size() != cb.size()) return ca.size() < cb.size() ? -1 : 1;
    return accentOrder;
}

void Sortgrid(StringGrid& grid, int column) {
    const int first = grid.fixedRows();
    const int last = grid.rowCount() - 1;
    if (last - first + 1 < 2) return;
    for (int p = first; p < last; ++p)
        for (int q = p + 1; q <= last; ++q)
            if (compareText(grid.cell(column, p), grid.cell(column, q)) > 0) grid.swapRows(p, q);
}

void RemoveLinha(StringGrid& grid, int row) { grid.deleteRow(row); }

void InsereCol(StringGrid& grid, int column) {
    if (column < 0) return;
    const int oldCols = grid.colCount();
    grid.setColCount(oldCols + 1);
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = oldCols - 1; c > column; --c) {
            const std::string moved = grid.cell(c, r);
            grid.setCell(c + 1, r, moved);
        }
        const std::string copy = grid.cell(column, r);
        grid.setCell(column + 1, r, copy);
    }
}

}  // namespace corvana::toolkit
