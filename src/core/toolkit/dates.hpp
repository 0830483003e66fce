// Brazilian date text: repairing typed dates and months, calendar steps and date spans.
#pragma once

#include <string>
#include <string_view>

namespace corvana::toolkit {

struct Date {
    int year = 1899;
    int month = 12;
    int day = 30;

    // Days since 30/12/1899, the serial day number of the platform's dates.
    long serial() const;
    static Date fromSerial(long serial);
    auto operator<=>(const Date&) const = default;
};

bool Bissexto(int year);
int daysInMonth(int year, int month);
bool isValidDate(int year, int month, int day);

// Moves a date by whole calendar months; a day past the end of the target month becomes
// its last day.
Date IncMonth(Date date, int months);

// "dd/mm/yyyy" (also d/m/yy; a year of one or two digits takes the century of the nearest
// fifty-year window around today); throws ConversionError.
Date StrToDate(std::string_view text);
// "mm/yyyy" read as the first day of that month; throws ConversionError.
Date MonthToDate(std::string_view text);
std::string DateToStr(const Date& date);     // "dd/mm/yyyy"
std::string DateToMonth(const Date& date);   // "mm/yyyy"

// Date-box repair. Variant A moves a February day from 29 on to the month's last day;
// variant B only from 30 (29/02 stays in any year). An empty result means no date.
enum class ValidadataVariant { A, B };
std::string validadata(ValidadataVariant variant, std::string_view text);
// The same on the digits alone ("ddmmyyyy" or "ddmmyy"), result "dd/mm/yyyy".
std::string validadata2(std::string_view text);
// Month-box repair ("mm/yyyy").
std::string validadataMA(std::string_view text);

// Whole years, whole months and remaining days from start to end.
struct Span {
    int years = 0;
    int months = 0;
    long days = 0;
    bool operator==(const Span&) const = default;
};
Span EntreDatas(const Date& start, const Date& end);

}  // namespace corvana::toolkit
