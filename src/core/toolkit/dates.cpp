// Calendar arithmetic and the repair of typed dates.
#include "core/toolkit/dates.hpp"

#include <chrono>
#include <cstdio>

#include "core/toolkit/error.hpp"
#include "core/toolkit/numbers.hpp"

namespace corvana::toolkit {

namespace {

// Days from 1970-01-01 to the civil date (proleptic Gregorian).
long daysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

constexpr long kEpochShift = 25569;  // 30/12/1899 to 01/01/1970

int currentYear() {
    const auto now = std::chrono::system_clock::now();
    const std::chrono::year_month_day ymd{std::chrono::floor<std::chrono::days>(now)};
    return static_cast<int>(ymd.year());
}

// Characters `from`..`from + count - 1` (1-based) of s, as far as s reaches.
std::string_view chars(std::string_view s, size_t from, size_t count) {
    if (from - 1 >= s.size()) return {};
    return s.substr(from - 1, count);
}

int intOf(std::string_view s) { return static_cast<int>(StrToInt(s)); }

// A masked box leaves blanks where a digit was not typed ("1 /06/2009"): a one-digit part
// with blanks around it is that number, so it gets its leading zero. Parts without blanks are
// left to the repair as they stand.
std::string padBlankParts(std::string_view text) {
    if (text.find(' ') == std::string_view::npos) return std::string(text);
    std::string out;
    size_t start = 0;
    while (true) {
        const size_t slash = text.find('/', start);
        std::string_view part = text.substr(start, slash == std::string_view::npos ? slash : slash - start);
        std::string_view digits = part;
        while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
        while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
        const bool padded = digits.size() != part.size();
        if (padded && digits.size() == 1 && digits[0] >= '0' && digits[0] <= '9' && slash != std::string_view::npos)
            out += "0" + std::string(digits);
        else
            out += part;
        if (slash == std::string_view::npos) break;
        out += '/';
        start = slash + 1;
    }
    return out;
}

// Replaces characters `from`, `from + 1` (1-based) of s by `text`.
void putTwo(std::string& s, size_t from, const char* text) {
    if (from + 1 <= s.size()) s.replace(from - 1, 2, text);
}

}  // namespace

long Date::serial() const {
    return daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kEpochShift;
}

Date Date::fromSerial(long serial) {
    long z = serial - kEpochShift + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = static_cast<long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return Date{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

bool Bissexto(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && Bissexto(year) ? 29 : kDays[month - 1];
}

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

Date IncMonth(Date date, int months) {
    long total = static_cast<long>(date.year) * 12 + (date.month - 1) + months;
    const int y = static_cast<int>(total >= 0 ? total / 12 : (total - 11) / 12);
    const int m = static_cast<int>(total - static_cast<long>(y) * 12) + 1;
    const int last = daysInMonth(y, m);
    return Date{y, m, date.day > last ? last : date.day};
}

Date StrToDate(std::string_view text) {
    // Blanks may stand before each number and before each separator ("29 /06/1986").
    std::string compact;
    for (const char ch : text)
        if (ch != ' ') compact += ch;
    for (size_t i = 1; i + 1 < text.size(); ++i)  // but not inside a number ("2 9/06/1986")
        if (text[i] == ' ' && text[i - 1] >= '0' && text[i - 1] <= '9') {
            size_t j = i;
            while (j < text.size() && text[j] == ' ') ++j;
            if (j < text.size() && text[j] >= '0' && text[j] <= '9')
                throw ConversionError::notDate(std::string(text));
        }
    std::string_view s = compact;
    int parts[3] = {0, 0, 0};
    size_t lengths[3] = {0, 0, 0};
    int count = 0;
    size_t p = 0;
    while (count < 3) {
        size_t len = 0;
        long v = 0;
        while (p < s.size() && s[p] >= '0' && s[p] <= '9' && len < 9) v = v * 10 + (s[p++] - '0'), ++len;
        if (len == 0) throw ConversionError::notDate(std::string(text));
        parts[count] = static_cast<int>(v);
        lengths[count] = len;
        ++count;
        if (p == s.size()) break;
        if (s[p] != '/') throw ConversionError::notDate(std::string(text));
        ++p;
    }
    if (p != s.size() || count < 2) throw ConversionError::notDate(std::string(text));
    int year = count == 3 ? parts[2] : currentYear();
    if (count == 3 && lengths[2] <= 2) {
        const int cy = currentYear();
        const int windowStart = cy - 50;
        year += windowStart / 100 * 100;
        if (year < windowStart) year += 100;
    }
    if (!isValidDate(year, parts[1], parts[0])) throw ConversionError::notDate(std::string(text));
    return Date{year, parts[1], parts[0]};
}

Date MonthToDate(std::string_view text) {
    try {
        return StrToDate("01/" + std::string(text));
    } catch (const ConversionError&) {
        throw ConversionError::notDate(std::string(text));
    }
}

std::string DateToStr(const Date& date) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", date.day, date.month, date.year);
    return buf;
}

std::string DateToMonth(const Date& date) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%04d", date.month, date.year);
    return buf;
}

std::string validadata(ValidadataVariant variant, std::string_view text) {
    std::string s = RemoveChar(padBlankParts(text));
    if (s.size() < 8) return "";
    int d = intOf(chars(s, 1, 2));
    if (d == 0) return "";
    int m = intOf(chars(s, 4, 2));
    if (m == 0) return "";
    if (s.size() == 10 && intOf(chars(s, 7, 4)) == 0) return "";
    if (s.size() == 8) {
        const int yy = intOf(chars(s, 7, 2));
        if (yy > 30) s.insert(6, "19");
        if (yy < 30) s.insert(6, "20");
    }
    if (d > 31) putTwo(s, 1, "31"), d = 31;
    if (m > 12) putTwo(s, 4, "12"), m = 12;
    const int threshold = variant == ValidadataVariant::A ? 29 : 30;
    if (m == 2 && d >= threshold) {
        const bool leap = Bissexto(intOf(chars(s, 7, 4)));
        putTwo(s, 1, leap ? "29" : "28");
    }
    if ((m == 4 || m == 6 || m == 9 || m == 11) && d > 30) putTwo(s, 1, "30");
    return s;
}

std::string validadata2(std::string_view text) {
    std::string s = RemoveCharDta(text);
    if (s.size() < 6) return "";
    int d = intOf(chars(s, 1, 2));
    if (d == 0) return "";
    int m = intOf(chars(s, 3, 2));
    if (m == 0) return "";
    if (s.size() == 8 && intOf(chars(s, 5, 4)) == 0) return "";
    if (s.size() == 6) {
        const int yy = intOf(chars(s, 5, 2));
        if (yy > 30) s.insert(4, "19");
        if (yy < 30) s.insert(4, "20");
    }
    std::string day = std::string(chars(s, 1, 2));
    std::string month = std::string(chars(s, 3, 2));
    const std::string year = std::string(chars(s, 5, 4));
    if (d > 31) day = "31", d = 31;
    if (m > 12) month = "12", m = 12;
    if (m == 2 && d >= 29) day = Bissexto(intOf(year)) ? "29" : "28";
    if ((m == 4 || m == 6 || m == 9 || m == 11) && d > 30) day = "30";
    return day + "/" + month + "/" + year;
}

std::string validadataMA(std::string_view text) {
    std::string s = RemoveChar(padBlankParts(text));
    if (s.size() < 5) return "";
    const int m = intOf(chars(s, 1, 2));
    if (m == 0) return "";
    if (s.size() == 7 && intOf(chars(s, 4, 4)) == 0) return "";
    if (s.size() == 5) {
        const int yy = intOf(chars(s, 4, 2));
        if (yy > 30) s.insert(3, "19");
        if (yy < 30) s.insert(3, "20");
    }
    if (m > 12) putTwo(s, 1, "12");
    return s;
}

Span EntreDatas(const Date& start, const Date& end) {
    Span span;
    if (end <= start) return span;
    Date d = end;
    int count = 0;
    do {
        d = IncMonth(d, -12);
        ++count;
    } while (!(d < start));
    d = IncMonth(d, 12);
    span.years = count - 1;
    count = 0;
    do {
        d = IncMonth(d, -1);
        ++count;
    } while (!(d < start));
    d = IncMonth(d, 1);
    span.months = count - 1;
    span.days = d.serial() - start.serial();
    return span;
}


}  // namespace corvana::toolkit
