// Fuzzes the .tab loader and writer: any bytes load, and what is written loads back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/toolkit/grid_ops.hpp"

using namespace corvana::toolkit;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    StringGrid g(1, 2);
    CSV2Contents(&bytes, '\t', g);
    const std::string written = Contents2CSV('\t', g);
    StringGrid back(1, 2);
    CSV2Contents(&written, '\t', back);
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.colCount(); ++c)
            if (g.cell(c, r) != back.cell(c, r)) __builtin_trap();
    return 0;
}
