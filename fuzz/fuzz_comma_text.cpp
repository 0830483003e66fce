// Fuzzes the comma-text reader, and checks that writing the pieces reads back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/toolkit/comma_text.hpp"

using namespace corvana::toolkit;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const auto items = fromCommaText(line);
    bool plain = true;  // NUL, CR and LF cannot be kept by a one-line text
    for (const auto& s : items)
        if (s.find_first_of(std::string("\0\r\n", 3)) != std::string::npos) plain = false;
    if (plain && !items.empty() && !(items.size() == 1 && items[0].empty())) {
        if (fromCommaText(toCommaText(items)) != items) __builtin_trap();
    }
    return 0;
}
