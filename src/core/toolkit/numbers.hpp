// Brazilian number text: testing, reading, repairing and formatting amounts (1.234,56).
#pragma once

#include <string>
#include <string_view>

namespace corvana::toolkit {

using Real = long double;  // 80-bit extended on x86-64, the arithmetic of every calculation

// True when the text holds at least one digit: the system's test for a filled field.
bool checkinteiro(std::string_view text);

// The three readers of an amount text. All keep only digits, "," and "-" ("." and blanks
// vanish, so 1.5 reads as 15) and then convert.
enum class RemovePontoVariant {
    Shared,   // at most 8 characters after the decimal comma, cut without rounding; no digit = 0
    Strict,   // converted as kept; no digit is a conversion error (test with checkinteiro first)
    Lenient,  // converted as kept; no digit = 0
};
Real RemovePonto(RemovePontoVariant variant, std::string_view text);

// Only "/" and the digits, in order.
std::string RemoveChar(std::string_view text);
// Only the digits, in order.
std::string RemoveCharDta(std::string_view text);

// Reads a decimal text in Brazilian form ("-1234,5") correctly rounded; throws ConversionError.
Real StrToFloat(std::string_view text);
// Reads a whole number ("007" is 7); throws ConversionError.
long long StrToInt(std::string_view text);

// Formats with a mask such as "#,##0.00", "#,##0.0000", "##0.000000", "00" or
// "#,##0.00##############": "0" a digit always shown, "#" a digit shown when needed, "," in
// the integer part asks for thousands points. The value is first taken to 18 significant
// digits (ties to even), then rounded half away from zero at the mask's last decimal; a
// result whose digits are all zero has no minus sign.
std::string formatfloatx(std::string_view mask, Real value);

// Money entry: the new text of a money box after an edit (digits enter from the right).
std::string formatafloat(std::string_view mask, std::string_view boxText);

}  // namespace corvana::toolkit
