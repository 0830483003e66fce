// Reading, testing and formatting Brazilian number text.
#include "core/toolkit/numbers.hpp"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include <locale.h>

#include "core/toolkit/error.hpp"

namespace corvana::toolkit {

namespace {

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool isBlank(char ch) { return ch == ' ' || ch == '\t'; }

locale_t cLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// Keeps, in order, the digits, "," and "-" of the text.
std::string keepNumberChars(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (const char ch : text)
        if (isDigit(ch) || ch == ',' || ch == '-') kept.push_back(ch);
    return kept;
}

// Adds one to a text of decimal digits.
void incrementDigits(std::string& digits) {
    for (size_t k = digits.size(); k-- > 0;) {
        if (digits[k] != '9') {
            ++digits[k];
            return;
        }
        digits[k] = '0';
    }
    digits.insert(digits.begin(), '1');
}

struct Mask {
    int minInt = 0;
    int required = 0;
    int optional = 0;
    bool thousands = false;
};

Mask parseMask(std::string_view mask) {
    if (const size_t semi = mask.find(';'); semi != std::string_view::npos) mask = mask.substr(0, semi);
    Mask m;
    bool afterPoint = false;
    for (const char ch : mask) {
        if (ch == '.') {
            afterPoint = true;
        } else if (!afterPoint) {
            if (ch == '0') ++m.minInt;
            if (ch == ',') m.thousands = true;
        } else {
            if (ch == '0') m.required += 1 + m.optional, m.optional = 0;
            if (ch == '#') ++m.optional;
        }
    }
    return m;
}

}  // namespace

bool checkinteiro(std::string_view text) {
    for (const char ch : text)
        if (isDigit(ch)) return true;
    return false;
}

std::string RemoveChar(std::string_view text) {
    std::string out;
    for (const char ch : text)
        if (isDigit(ch) || ch == '/') out.push_back(ch);
    return out;
}

std::string RemoveCharDta(std::string_view text) {
    std::string out;
    for (const char ch : text)
        if (isDigit(ch)) out.push_back(ch);
    return out;
}

Real StrToFloat(std::string_view text) {
    size_t p = 0;
    const size_t n = text.size();
    while (p < n && isBlank(text[p])) ++p;
    std::string c;  // the number in C form
    if (p < n && (text[p] == '-' || text[p] == '+')) c.push_back(text[p++]);
    size_t digits = 0;
    while (p < n && isDigit(text[p])) c.push_back(text[p++]), ++digits;
    if (p < n && text[p] == ',') {
        c.push_back('.');
        ++p;
        while (p < n && isDigit(text[p])) c.push_back(text[p++]), ++digits;
    }
    if (digits == 0) throw ConversionError::notNumber(std::string(text));
    if (p < n && (text[p] == 'e' || text[p] == 'E')) {
        c.push_back('e');
        ++p;
        if (p < n && (text[p] == '-' || text[p] == '+')) c.push_back(text[p++]);
        size_t expDigits = 0;
        while (p < n && isDigit(text[p])) c.push_back(text[p++]), ++expDigits;
        if (expDigits == 0) throw ConversionError::notNumber(std::string(text));
    }
    while (p < n && isBlank(text[p])) ++p;
    if (p != n) throw ConversionError::notNumber(std::string(text));
    errno = 0;
    const Real value = strtold_l(c.c_str(), nullptr, cLocale());
    if (std::isinf(value)) throw ConversionError::notNumber(std::string(text));
    return value;
}

long long StrToInt(std::string_view text) {
    size_t p = 0;
    const size_t n = text.size();
    while (p < n && isBlank(text[p])) ++p;
    bool negative = false;
    if (p < n && (text[p] == '-' || text[p] == '+')) negative = text[p++] == '-';
    if (p == n) throw ConversionError::notInteger(std::string(text));
    unsigned long long value = 0;
    for (; p < n; ++p) {
        if (!isDigit(text[p])) throw ConversionError::notInteger(std::string(text));
        value = value * 10 + static_cast<unsigned>(text[p] - '0');
        if (value > static_cast<unsigned long long>(std::numeric_limits<long long>::max()))
            throw ConversionError::notInteger(std::string(text));
    }
    return negative ? -static_cast<long long>(value) : static_cast<long long>(value);
}

Real RemovePonto(RemovePontoVariant variant, std::string_view text) {
    std::string kept = keepNumberChars(text);
    try {
        switch (variant) {
            case RemovePontoVariant::Shared: {
                // Characters after the first comma are numbered from 1: from number 9 on they
                // are cut, and a later comma only survives as number 1.
                std::string cut;
                int number = 0;
                bool afterComma = false;
                for (const char ch : kept) {
                    if (!afterComma) {
                        cut.push_back(ch);
                        afterComma = ch == ',';
                        continue;
                    }
                    ++number;
                    if (number >= 9) continue;
                    if (ch == ',' && number != 1) continue;
                    cut.push_back(ch);
                }
                if (!checkinteiro(cut)) return 0;
                return StrToFloat(cut);
            }
            case RemovePontoVariant::Strict:
                return StrToFloat(kept);
            case RemovePontoVariant::Lenient:
                if (!checkinteiro(kept)) return 0;
                return StrToFloat(kept);
        }
    } catch (const ConversionError&) {
        throw ConversionError::notNumber(std::string(text));
    }
    return 0;
}

std::string formatfloatx(std::string_view mask, Real value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    const Mask m = parseMask(mask);
    const int maxDec = m.required + m.optional;

    // The 18 significant digits of |value|, correctly rounded (ties to even), and the
    // decimal exponent of the first one.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", std::fabs(value));
    std::string digits;
    int exponent = 0;
    {
        const char* p = buf;
        for (; *p != '\0' && *p != 'e'; ++p)
            if (isDigit(*p)) digits.push_back(*p);
        if (*p == 'e') exponent = std::atoi(p + 1);
    }
    const bool zero = digits.find_first_not_of('0') == std::string::npos;

    // value × 10^maxDec as a whole number, rounded half away from zero.
    std::string scaled;
    const long keep = zero ? -1 : static_cast<long>(exponent) + 1 + maxDec;
    if (keep < 0) {
        scaled = "0";
    } else if (keep >= static_cast<long>(digits.size())) {
        scaled = digits + std::string(static_cast<size_t>(keep) - digits.size(), '0');
    } else {
        scaled = digits.substr(0, static_cast<size_t>(keep));
        if (scaled.empty()) scaled = "0";
        if (digits[static_cast<size_t>(keep)] >= '5') incrementDigits(scaled);
    }
    const size_t lead = scaled.find_first_not_of('0');
    scaled = lead == std::string::npos ? "0" : scaled.substr(lead);
    if (scaled.size() < static_cast<size_t>(maxDec) + 1)
        scaled.insert(0, static_cast<size_t>(maxDec) + 1 - scaled.size(), '0');

    std::string intPart = scaled.substr(0, scaled.size() - static_cast<size_t>(maxDec));
    std::string frac = scaled.substr(scaled.size() - static_cast<size_t>(maxDec));
    while (frac.size() > static_cast<size_t>(m.required) && frac.back() == '0') frac.pop_back();
    const bool allZero = scaled.find_first_not_of('0') == std::string::npos;

    const size_t intLead = intPart.find_first_not_of('0');
    intPart = intLead == std::string::npos ? "" : intPart.substr(intLead);
    if (intPart.size() < static_cast<size_t>(m.minInt))
        intPart.insert(0, static_cast<size_t>(m.minInt) - intPart.size(), '0');

    std::string out;
    if (value < 0 && !allZero) out.push_back('-');
    if (m.thousands) {
        for (size_t k = 0; k < intPart.size(); ++k) {
            if (k > 0 && (intPart.size() - k) % 3 == 0) out.push_back('.');
            out.push_back(intPart[k]);
        }
    } else {
        out += intPart;
    }
    if (!frac.empty()) {
        out.push_back(',');
        out += frac;
    }
    return out;
}

std::string formatafloat(std::string_view mask, std::string_view boxText) {
    const std::string digits = RemoveCharDta(boxText.empty() ? std::string_view("0,00") : boxText);
    Real whole = 0;
    if (!digits.empty()) whole = strtold_l(digits.c_str(), nullptr, cLocale());
    return formatfloatx(mask, whole / 100);
}

}  // namespace corvana::toolkit
