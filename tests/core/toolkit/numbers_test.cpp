// Amount text: reading variants, the mask formatter's rounding and money entry.
#include "core/toolkit/numbers.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <random>
#include <string>

#include "core/toolkit/error.hpp"

using namespace corvana::toolkit;

namespace {

struct ReadCase {
    const char* text;
    long double shared, strict, lenient;  // NAN: conversion error expected
};

bool fails(RemovePontoVariant v, const char* text) {
    try {
        RemovePonto(v, text);
        return false;
    } catch (const ConversionError&) {
        return true;
    }
}

TEST(RemovePonto, VariantsOnListedTexts) {
    const long double E = __builtin_nanl("");
    const ReadCase cases[] = {
        {"1.000", 1000, 1000, 1000},
        {"1,5", 1.5L, 1.5L, 1.5L},
        {"1.5", 15, 15, 15},
        {"-2,5", -2.5L, -2.5L, -2.5L},
        {"R$ 1.234,56", 1234.56L, 1234.56L, 1234.56L},
        {"", 0, E, 0},
        {"abc", 0, E, 0},
        {"-", 0, E, 0},
        {"0,123456789", 0.12345678L, 0.123456789L, 0.123456789L},
        {"2-5", E, E, E},
        {"1,2,3", 1.23L, E, E},
        {"1,,5", E, E, E},
        {"5,", 5, 5, 5},
        {",5", 0.5L, 0.5L, 0.5L},
        {"10.000,00", 10000, 10000, 10000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::pair<RemovePontoVariant, long double> vs[] = {
            {RemovePontoVariant::Shared, c.shared},
            {RemovePontoVariant::Strict, c.strict},
            {RemovePontoVariant::Lenient, c.lenient}};
        for (const auto& [v, want] : vs) {
            if (want != want) {
                EXPECT_TRUE(fails(v, c.text)) << "variant " << static_cast<int>(v);
            } else {
                EXPECT_EQ(RemovePonto(v, c.text), want) << "variant " << static_cast<int>(v);
            }
        }
    }
}

TEST(RemovePonto, ErrorNamesTheText) {
    try {
        RemovePonto(RemovePontoVariant::Strict, "abc");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' não é um número válido");
    }
}

TEST(RemovePonto, ParsesCorrectlyRounded) {
    // 0,1 must be the nearest extended value to 1/10, as strtold gives it.
    EXPECT_EQ(RemovePonto(RemovePontoVariant::Strict, "0,1"), 0.1L);
    EXPECT_EQ(RemovePonto(RemovePontoVariant::Strict, "8,04"), 8.04L);
    EXPECT_EQ(RemovePonto(RemovePontoVariant::Strict, "123456789,123456789"), 123456789.123456789L);
}

TEST(Checkinteiro, FilledMeansAtLeastOneDigit) {
    EXPECT_TRUE(checkinteiro("a1"));
    EXPECT_TRUE(checkinteiro("  /  /1   "));
    EXPECT_FALSE(checkinteiro("  /  /    "));
    EXPECT_FALSE(checkinteiro(""));
    EXPECT_EQ(RemoveChar("a1/2-b3 "), "1/23");
    EXPECT_EQ(RemoveCharDta("01/02/1989"), "01021989");
}

struct FormatCase {
    const char* mask;
    long double value;
    const char* want;
};

TEST(Formatfloatx, HardRoundingCases) {
    const FormatCase cases[] = {
        // ties and near-ties: the 18-digit expansion decides, then half away from zero
        {"#,##0.00", 1.005L, "1,01"},
        {"#,##0.00", 2.675L, "2,68"},
        {"#,##0.00", 0.125L, "0,13"},
        {"#,##0.00", -0.125L, "-0,13"},
        {"#,##0.00", 1.0049999999999999L, "1,00"},
        {"#,##0.00", 0.0049999999L, "0,00"},
        {"#,##0.00", 10000 * 8.04L / 100, "804,00"},
        {"#,##0.00", 100 * 0.8L / 100, "0,80"},
        {"#,##0.00", -0.004L, "0,00"},
        {"#,##0.00", -0.005L, "-0,01"},
        {"#,##0.00", 0, "0,00"},
        {"#,##0.00", 1234.5L, "1.234,50"},
        {"#,##0.00", 999.995L, "1.000,00"},
        {"#,##0.00", -1234567.891L, "-1.234.567,89"},
        {"#,##0.00", 123456789012.345L, "123.456.789.012,35"},
        {"#,##0.0000", 2.5L, "2,5000"},
        {"#,##0.0000", 1 + 1.0L / 30 * 15, "1,5000"},
        {"#,##0.0000", 12.68250L, "12,6825"},
        {"#,##0.000000", 1.0000005L, "1,000001"},
        {"##0.000000", 1234.5L, "1234,500000"},
        {"00", 0.5L, "01"},
        {"00", 2.5L, "03"},
        {"00", 7, "07"},
        {"00", 123, "123"},
        {"#,##0.00##############", 1.5L, "1,50"},
        {"#,##0.00##############", 0.1L, "0,10"},
        {"#,##0.00##############", 1.0L / 3, "0,3333333333333333"},
        {"#,##0.00##############", 1234.56789L, "1.234,56789"},
        // 18 significant digits: the expansion of 0.1L is 0.1000000000000000000013...
        {"#,##0.00##############", 2.0L / 3 * 1000, "666,666666666666667"},
        // a tie at the 19th digit goes to the even 18th, in the whole part too
        {"0", 1234567890123456785.0L, "1234567890123456780"},
        {"0", 1234567890123456775.0L, "1234567890123456780"},
        {"#,##0", 999999999999999999.5L, "1.000.000.000.000.000.000"},
        {"#,##0.00", 1e-30L, "0,00"},
        {"#,##0.00", -1e30L, "-1.000.000.000.000.000.000.000.000.000.000,00"},
        {"#,##0.00##############", 0.000123L, "0,000123"},
        {"#,##0.00##############", 1e-16L, "0,0000000000000001"},
        {"#,##0.00##############", 1e-17L, "0,00"},
        {"#,##0.00", 1e19L, "10.000.000.000.000.000.000,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mask);
        EXPECT_EQ(formatfloatx(c.mask, c.value), c.want) << static_cast<double>(c.value);
    }
}

TEST(Formatfloatx, EighteenDigitsDecideBeforeTheHalfRounding) {
    // Just below 0,125 the expansion is 0,124999999999999999993…; taken to 18 digits it is
    // 0,125000000000000000, which then rounds away from zero.
    EXPECT_EQ(formatfloatx("#,##0.00", std::nextafter(0.125L, 0.0L)), "0,13");
    EXPECT_EQ(formatfloatx("#,##0.00", -std::nextafter(0.125L, 0.0L)), "-0,13");
    // Further below, the 18 digits keep the 4 and the value rounds down.
    EXPECT_EQ(formatfloatx("#,##0.00", 0.124999999999999L), "0,12");
}

// The mask formatter as first written: the 18 digits from printf's "%.17Le", then the same
// rounding and layout with whole strings. The fast formatter must agree with it everywhere.
std::string printfFormat(std::string_view mask, long double value) {
    int minInt = 0, required = 0, optional = 0;
    bool thousands = false, afterPoint = false;
    for (const char ch : mask.substr(0, mask.find(';'))) {
        if (ch == '.') afterPoint = true;
        else if (!afterPoint) minInt += ch == '0', thousands = thousands || ch == ',';
        else if (ch == '0') required += 1 + optional, optional = 0;
        else if (ch == '#') ++optional;
    }
    const int maxDec = required + optional;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", std::fabs(value));
    std::string digits;
    const char* p = buf;
    for (; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits.push_back(*p);
    const int exponent = std::atoi(p + 1);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    const long keep = zero ? -1 : exponent + 1L + maxDec;
    std::string scaled = "0";
    if (keep >= static_cast<long>(digits.size())) {
        scaled = digits + std::string(static_cast<size_t>(keep) - digits.size(), '0');
    } else if (keep >= 0) {
        scaled = "0" + digits.substr(0, static_cast<size_t>(keep));
        if (digits[static_cast<size_t>(keep)] >= '5') {
            size_t k = scaled.size();
            while (scaled[--k] == '9') scaled[k] = '0';
            ++scaled[k];
        }
    }
    scaled.erase(0, std::min(scaled.find_first_not_of('0'), scaled.size()));
    const bool allZero = scaled.empty();
    if (scaled.size() < static_cast<size_t>(maxDec) + 1)
        scaled.insert(0, static_cast<size_t>(maxDec) + 1 - scaled.size(), '0');
    std::string whole = scaled.substr(0, scaled.size() - maxDec);
    std::string frac = scaled.substr(scaled.size() - maxDec);
    while (frac.size() > static_cast<size_t>(required) && frac.back() == '0') frac.pop_back();
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() < static_cast<size_t>(minInt)) whole.insert(0, minInt - whole.size(), '0');
    std::string out = value < 0 && !allZero ? "-" : "";
    for (size_t k = 0; k < whole.size(); ++k) {
        if (thousands && k > 0 && (whole.size() - k) % 3 == 0) out.push_back('.');
        out.push_back(whole[k]);
    }
    return frac.empty() ? out : out + "," + frac;
}

TEST(Formatfloatx, AgreesWithThePrintfExpansion) {
    std::mt19937_64 rng(20261211);
    const char* const masks[] = {"#,##0.00", "#,##0.0000", "##0.000000", "00",
                                 "#,##0.00##############"};
    auto near = [](long double v, int steps) {
        for (int s = 0; s < std::abs(steps); ++s) v = std::nextafter(v, steps > 0 ? 1e300L : 0.0L);
        return v;
    };
    for (int i = 0; i < 20000; ++i) {
        long double v = 0;
        switch (i % 6) {
            case 0:  // any 64 bits, from far below a cent to far above any amount
                v = std::ldexp(static_cast<long double>(rng() | 1ULL << 63), static_cast<int>(rng() % 300) - 190);
                break;
            case 1:  // amounts and ties in cents and hundredths of a cent
                v = near((static_cast<long double>(rng() % 10000000000ULL) + 0.5L) / ((rng() & 1) ? 100 : 10000),
                         static_cast<int>(rng() % 7) - 3);
                break;
            case 2:  // amounts times two rates, as a balance grows
                v = static_cast<long double>(rng() % 1000000000) / 100 *
                    (static_cast<long double>(rng() % 100000) / 1000000 + 1) *
                    (static_cast<long double>(rng() % 100000) / 10000000 + 1);
                break;
            case 3:  // 19-digit whole numbers ending in 5: ties at the 18th digit
                v = std::ldexp(static_cast<long double>((100000000000000000ULL + rng() % 900000000000000000ULL) * 10 + 5),
                               static_cast<int>(rng() % 3));
                break;
            case 4:  // powers of ten and of two, a few steps around, where the digit count changes
                v = near((rng() & 1) ? std::pow(10.0L, static_cast<int>(rng() % 26) - 4)
                                     : std::ldexp(1.0L, static_cast<int>(rng() % 90) - 12),
                         static_cast<int>(rng() % 9) - 4);
                break;
            default:  // the extremes of the extended range
                v = std::ldexp(static_cast<long double>(rng() | 1ULL << 63), (rng() & 1 ? 1 : -1) * static_cast<int>(rng() % 16300));
        }
        if (rng() & 1) v = -v;
        for (const char* mask : masks) ASSERT_EQ(formatfloatx(mask, v), printfFormat(mask, v)) << mask << " " << std::setprecision(21) << v;
    }
}

TEST(StrToFloat, AgreesWithStrtold) {
    // Short texts take a quick path; every text must read as strtold reads it.
    std::mt19937_64 rng(7);
    for (int i = 0; i < 40000; ++i) {
        std::string text = std::to_string(rng() >> (rng() % 64));
        if (const int decimals = static_cast<int>(rng() % 30); decimals > 0) {
            text.push_back(',');
            for (int d = 0; d < decimals; ++d) text.push_back(static_cast<char>('0' + rng() % 10));
            text.append(rng() % 4, '0');
        }
        if (rng() % 4 == 0) text = "0," + std::string(rng() % 25, '0') + std::to_string(rng() % 100000);
        if (rng() & 1) text.insert(0, "-");
        std::string c = text;
        std::replace(c.begin(), c.end(), ',', '.');
        const long double want = std::strtold(c.c_str(), nullptr), got = StrToFloat(text);
        ASSERT_TRUE(got == want && std::signbit(got) == std::signbit(want)) << text;
    }
}

TEST(Formatafloat, DigitsEnterFromTheRight) {
    EXPECT_EQ(formatafloat("#,##0.00", ""), "0,00");
    EXPECT_EQ(formatafloat("#,##0.00", "0,005"), "0,05");
    EXPECT_EQ(formatafloat("#,##0.00", "0,051"), "0,51");
    EXPECT_EQ(formatafloat("#,##0.00", "0,512"), "5,12");
    EXPECT_EQ(formatafloat("#,##0.00", "1.234,567"), "12.345,67");
    EXPECT_EQ(formatafloat("#,##0.00", "1.234,5"), "123,45");  // a backspace shifts right
}

}  // namespace
