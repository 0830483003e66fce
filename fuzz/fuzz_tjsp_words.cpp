// Fuzzes the TJSP table reader on arbitrary words: each input line is one word "page x y text";
// the reader either gives ascending months without gaps or refuses with an ImportError.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "core/tables/official_series.hpp"

using namespace corvana;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<tables::TextBox> words;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream l(line);
        tables::TextBox w;
        if (!(l >> w.page >> w.x >> w.y)) continue;
        std::getline(l, w.text);
        w.width = 6.0 * static_cast<double>(w.text.size());
        w.height = 9;
        words.push_back(w);
    }
    try {
        const auto series = tables::readTjspTable(words, "f.pdf");
        for (size_t i = 1; i < series.size(); ++i)
            if (tables::monthIndex(series[i].key) != tables::monthIndex(series[i - 1].key) + 1)
                __builtin_trap();
    } catch (const tables::ImportError&) {
    }
    return 0;
}
