// How the URV family reads and writes its texts: amounts, rates, factors, date boxes and months.
#pragma once

#include <string>
#include <string_view>

#include "core/toolkit/dates.hpp"
#include "core/toolkit/numbers.hpp"

namespace corvana::urv {

using toolkit::Real;

inline constexpr const char* kMoney = "#,##0.00";
inline constexpr const char* kRate = "#,##0.0000";
inline constexpr const char* kFactor = "#,##0.000000";
// The text of a date box that holds no date.
inline constexpr const char* kEmptyDate = "__/__/____";

// The text-to-number reading of these windows: only the digits, "," and "-" are kept and read
// as a decimal-comma number; a text without any digit reads as 0 (a text such as "1,2,3" or
// "1-2" ends the command with a conversion error). The FGTS revision window reads the same way.
inline Real N(std::string_view text) {
    return toolkit::RemovePonto(toolkit::RemovePontoVariant::Lenient, text);
}
inline bool has(std::string_view text) {
    return toolkit::checkinteiro(text);
}
inline std::string money(Real v) {
    return toolkit::formatfloatx(kMoney, v);
}
inline std::string rate(Real v) {
    return toolkit::formatfloatx(kRate, v);
}

// The leaving rule of a date box: the text reduced to its digits and repaired; eight digits
// that make a date give "dd/mm/yyyy", anything else the empty mask.
std::string dateBoxLeft(std::string_view text);
// The entering rule: a box that holds the empty mask is cleared.
inline std::string dateBoxEntered(const std::string& text) {
    return text == kEmptyDate ? std::string() : text;
}

// "dd/mm/yyyy" read as a date (repaired by the date rule first); throws ConversionError.
toolkit::Date readDate(std::string_view text);
// The month "mm/yyyy" of a date text (repaired by the date rule); throws ConversionError.
std::string monthOf(std::string_view dateText);
// The first day of a month text "mm/yyyy"; throws ConversionError.
toolkit::Date firstDay(std::string_view monthText);
// The day part "dd" of a date text, put on another month: the day becomes that month's last
// day when the month is shorter ("31/" on 04/2000 gives 30/04/2000).
std::string dayOnMonth(std::string_view dateText, std::string_view monthText);

// The amounts a report of these windows closes with: the amount owed, its moratory interest
// (the month-by-month sum, or the simple rate from the citation to the final date) and the fees,
// and whether a "TOTAL" line adds them up (with fees or interest chosen).
struct OwedFigures {
    Real owed = 0, interest = 0, fees = 0;
    int months = 0;  // simple interest: whole months from the citation to the final date
    Real rate = 0;   // simple interest: months × monthly rate, as the report prints it
    bool total = false;
};
struct OwedChoices {
    bool interest = false, monthByMonth = false, fees = false;
    std::string monthInterestSum;  // the month-by-month interest total
    std::string citation, finalDate, monthlyRate, feePercent;
};
OwedFigures owedFigures(Real owed, const OwedChoices& choices);
// The grand total the report states, "R$ 47.708,03": its "TOTAL", else the amount owed.
std::string totalOwedText(const OwedFigures& o);

// Quotes at most 60 characters of a text in a message (then "…").
std::string quoted(std::string_view text);

}  // namespace corvana::urv
