// Amount text: reading variants, the mask formatter's rounding and money entry.
#include "core/toolkit/numbers.hpp"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(Formatafloat, DigitsEnterFromTheRight) {
    EXPECT_EQ(formatafloat("#,##0.00", ""), "0,00");
    EXPECT_EQ(formatafloat("#,##0.00", "0,005"), "0,05");
    EXPECT_EQ(formatafloat("#,##0.00", "0,051"), "0,51");
    EXPECT_EQ(formatafloat("#,##0.00", "0,512"), "5,12");
    EXPECT_EQ(formatafloat("#,##0.00", "1.234,567"), "12.345,67");
    EXPECT_EQ(formatafloat("#,##0.00", "1.234,5"), "123,45");  // a backspace shifts right
}

}  // namespace
