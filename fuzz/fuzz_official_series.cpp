// Fuzzes the readers of official exports: any bytes either read as an ascending series of valid
// periods and numbers or are refused with an ImportError.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/tables/official_series.hpp"
#include "core/toolkit/numbers.hpp"

using namespace corvana;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const tables::ExportShape shapes[] = {{tables::Period::Monthly, false},
                                          {tables::Period::Monthly, true},
                                          {tables::Period::Daily, false}};
    for (const auto& shape : shapes) {
        try {
            const auto series = tables::readExport(bytes, shape, "f.csv");
            int last = -1;
            for (const auto& p : series) {
                const int m = tables::monthIndex(p.key);
                if (m < 0 || (shape.period == tables::Period::Monthly && m <= last))
                    __builtin_trap();
                last = m;
                (void)toolkit::StrToFloat(p.value);  // every value is a number
            }
        } catch (const tables::ImportError&) {
        }
    }
    return 0;
}
