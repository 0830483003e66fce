// Date and month repair, calendar steps and spans between dates.
#include "core/toolkit/dates.hpp"

#include <gtest/gtest.h>

#include "core/toolkit/error.hpp"

using namespace corvana::toolkit;

namespace {

TEST(Validadata, RepairTable) {
    const struct {
        const char* text;
        const char* a;
        const char* b;
    } cases[] = {
        {"32/13/1989", "31/12/1989", "31/12/1989"},
        {"31/02/1988", "29/02/1988", "29/02/1988"},
        {"31/02/1989", "28/02/1989", "28/02/1989"},
        {"29/02/1989", "28/02/1989", "29/02/1989"},
        {"30/02/2000", "29/02/2000", "29/02/2000"},
        {"30/02/1900", "28/02/1900", "28/02/1900"},
        {"31/04/1990", "30/04/1990", "30/04/1990"},
        {"31/11/1990", "30/11/1990", "30/11/1990"},
        {"01/02/89", "01/02/1989", "01/02/1989"},
        {"01/02/15", "01/02/2015", "01/02/2015"},
        {"01/02/30", "01/02/30", "01/02/30"},
        {"00/02/1989", "", ""},
        {"01/00/1989", "", ""},
        {"01/02/0000", "", ""},
        {"  /  /    ", "", ""},
        {"1/2/", "", ""},
        // A masked box leaves blanks where a digit was not typed.
        {"29 /06/1986", "29/06/1986", "29/06/1986"},
        {"1 /06/2009", "01/06/2009", "01/06/2009"},
        {" 5/ 3/1990", "05/03/1990", "05/03/1990"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(validadata(ValidadataVariant::A, c.text), c.a);
        EXPECT_EQ(validadata(ValidadataVariant::B, c.text), c.b);
    }
    EXPECT_THROW(validadata(ValidadataVariant::A, "1/2/1989"), ConversionError);
}

TEST(Validadata, DigitsAndMonthForms) {
    EXPECT_EQ(validadata2("01021989"), "01/02/1989");
    EXPECT_EQ(validadata2("310289"), "28/02/1989");
    EXPECT_EQ(validadata2("290296"), "29/02/1996");
    EXPECT_EQ(validadata2("00021989"), "");
    EXPECT_EQ(validadata2("01020000"), "");
    EXPECT_EQ(validadata2("12345"), "");
    EXPECT_EQ(validadata2("010230"), "01/02/30");   // left open: must not read past the text
    EXPECT_EQ(validadata2("0102199"), "01/02/199");

    EXPECT_EQ(validadataMA("13/1990"), "12/1990");
    EXPECT_EQ(validadataMA("02/89"), "02/1989");
    EXPECT_EQ(validadataMA("02/15"), "02/2015");
    EXPECT_EQ(validadataMA("00/1990"), "");
    EXPECT_EQ(validadataMA("01/0000"), "");
    EXPECT_EQ(validadataMA("  /    "), "");
    EXPECT_EQ(validadataMA("6 /1987"), "06/1987");
}

TEST(Dates, LeapYearsMonthStepsAndText) {
    EXPECT_TRUE(Bissexto(2000));
    EXPECT_FALSE(Bissexto(1900));
    EXPECT_TRUE(Bissexto(1988));
    EXPECT_EQ(IncMonth(Date{2009, 1, 31}, 1), (Date{2009, 2, 28}));
    EXPECT_EQ(IncMonth(Date{2008, 2, 29}, -12), (Date{2007, 2, 28}));
    EXPECT_EQ(IncMonth(Date{1987, 12, 1}, 1), (Date{1988, 1, 1}));
    EXPECT_EQ(IncMonth(Date{1988, 1, 15}, -13), (Date{1986, 12, 15}));
    EXPECT_EQ(StrToDate("01/02/1989"), (Date{1989, 2, 1}));
    EXPECT_EQ(StrToDate("29 /06/1986"), (Date{1986, 6, 29}));
    EXPECT_EQ(StrToDate("1 /06/2009"), (Date{2009, 6, 1}));
    EXPECT_EQ(StrToDate(" 1/ 6/2009 "), (Date{2009, 6, 1}));
    EXPECT_EQ(MonthToDate("06/1987"), (Date{1987, 6, 1}));
    EXPECT_EQ(DateToStr(Date{1989, 2, 1}), "01/02/1989");
    EXPECT_EQ(DateToMonth(Date{1989, 2, 1}), "02/1989");
    EXPECT_EQ(Date::fromSerial(Date{2024, 2, 29}.serial()), (Date{2024, 2, 29}));
    EXPECT_EQ((Date{1900, 1, 1}).serial(), 2);
    for (const char* bad : {"31/02/1989", "  /  /    ", "aa/bb/cccc", "01-02-1989", "", "2 9/06/1986"})
        EXPECT_THROW(StrToDate(bad), ConversionError) << bad;
}

TEST(EntreDatas, YearsMonthsDays) {
    const struct {
        Date start, end;
        Span want;
    } cases[] = {
        {{2009, 1, 31}, {2009, 3, 1}, {0, 1, 1}},
        {{2008, 2, 29}, {2009, 2, 28}, {0, 11, 28}},
        {{2009, 1, 15}, {2010, 3, 31}, {1, 2, 13}},
        {{2000, 1, 10}, {2000, 3, 25}, {0, 2, 15}},
        {{1987, 6, 1}, {1988, 6, 1}, {1, 0, 0}},
        {{2000, 5, 5}, {2000, 5, 5}, {0, 0, 0}},
        {{2000, 5, 5}, {1999, 5, 5}, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(DateToStr(c.start) + " -> " + DateToStr(c.end));
        EXPECT_EQ(EntreDatas(c.start, c.end), c.want);
    }
}

}  // namespace
