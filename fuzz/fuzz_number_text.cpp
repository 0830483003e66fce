// Fuzzes the amount readers and the date repairs: they either convert or throw ConversionError.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/toolkit/dates.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/numbers.hpp"

using namespace corvana::toolkit;

template <typename F>
void guarded(F f) {
    try {
        f();
    } catch (const ConversionError&) {
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (auto v : {RemovePontoVariant::Shared, RemovePontoVariant::Strict, RemovePontoVariant::Lenient})
        guarded([&] {
            const long double x = RemovePonto(v, text);
            formatfloatx("#,##0.00", x);
            formatfloatx("#,##0.00##############", x);
        });
    guarded([&] { validadata(ValidadataVariant::A, text); });
    guarded([&] { validadata(ValidadataVariant::B, text); });
    guarded([&] { validadata2(text); });
    guarded([&] { validadataMA(text); });
    guarded([&] { StrToDate(text); });
    formatafloat("#,##0.00", text);
    return 0;
}
