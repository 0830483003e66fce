// Small helpers of the savings family: reading and writing cells in the window's number forms.
#pragma once

#include <string>
#include <string_view>

#include "core/toolkit/numbers.hpp"

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
inline std::string money(Real v) { return toolkit::formatfloatx(kMoney, v); }
inline std::string rate(Real v) { return toolkit::formatfloatx(kRate, v); }

}  // namespace corvana::savings::detail
