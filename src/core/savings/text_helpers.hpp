// Small helpers of the savings family: reading and writing cells in the window's number forms.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/toolkit/numbers.hpp"
#include "core/toolkit/text_lines.hpp"

namespace corvana::savings::detail {

using toolkit::Real;

inline constexpr const char* kMoney = "#,##0.00";
inline constexpr const char* kRate = "#,##0.0000";

// These windows read amounts with the strict reader: a cell is read only after checkinteiro
// found a digit in it.
inline Real N(std::string_view text) {
    return toolkit::RemovePonto(toolkit::RemovePontoVariant::Strict, text);
}
inline bool has(std::string_view text) { return toolkit::checkinteiro(text); }
// The whole part of an amount text, kept within ±1e9 so that no cast can overflow.
inline long long wholePart(std::string_view text) {
    const Real v = N(text);
    if (!(v < 1e9L)) return 1000000000LL;
    if (!(v > -1e9L)) return -1000000000LL;
    return static_cast<long long>(v);
}
inline std::string money(Real v) { return toolkit::formatfloatx(kMoney, v); }
inline std::string rate(Real v) { return toolkit::formatfloatx(kRate, v); }

// Adds a fragment to a report buffer: a CR, an LF or a CR LF inside it also ends a line, so
// a fragment ending in a line break leaves an empty line after it.
inline void addFragment(std::vector<std::string>& re, const std::string& fragment) {
    toolkit::addLines(re, fragment);
}

}  // namespace corvana::savings::detail
