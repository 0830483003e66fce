// A document assembled as a list of text lines, the way the report and file buffers are built.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvana::toolkit {

// Adds an item to a line buffer: a CR, an LF or a CR LF inside it also ends a line, so an
// item ending in a line break leaves an empty line after it.
inline void addLines(std::vector<std::string>& buffer, std::string_view item) {
    size_t start = 0;
    const size_t n = item.size();
    for (size_t i = 0; i < n; ++i) {
        const char ch = item[i];
        if (ch != '\r' && ch != '\n') continue;
        buffer.emplace_back(item.substr(start, i - start));
        if (ch == '\r' && i + 1 < n && item[i + 1] == '\n') ++i;
        start = i + 1;
    }
    buffer.emplace_back(item.substr(start));
}

}  // namespace corvana::toolkit
