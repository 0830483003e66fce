// Reading and repairing the date texts of the URV family.
#include "core/urv/urv_text.hpp"

#include "core/toolkit/error.hpp"

namespace corvana::urv {

std::string dateBoxLeft(std::string_view text) {
    const std::string digits = toolkit::RemoveCharDta(text);
    if (digits.size() != 8) return kEmptyDate;
    const std::string fixed = toolkit::validadata2(digits);
    if (fixed.size() != 10) return kEmptyDate;
    return fixed;
}

toolkit::Date readDate(std::string_view text) {
    const std::string fixed = toolkit::validadata(toolkit::ValidadataVariant::A, text);
    if (fixed.size() != 10) throw toolkit::ConversionError::notDate(std::string(text));
    return toolkit::StrToDate(fixed);
}

std::string monthOf(std::string_view dateText) {
    return toolkit::DateToMonth(readDate(dateText));
}

toolkit::Date firstDay(std::string_view monthText) {
    return toolkit::MonthToDate(monthText);
}

std::string dayOnMonth(std::string_view dateText, std::string_view monthText) {
    const toolkit::Date d = readDate(dateText);
    toolkit::Date m = firstDay(monthText);
    const int last = toolkit::daysInMonth(m.year, m.month);
    m.day = d.day > last ? last : d.day;
    return toolkit::DateToStr(m);
}

std::string quoted(std::string_view text) {
    // Cut on a character boundary of the UTF-8 text.
    size_t count = 0, i = 0;
    while (i < text.size() && count < 60) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        i += c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        ++count;
    }
    if (i >= text.size()) return std::string(text);
    return std::string(text.substr(0, i)) + "…";
}

OwedFigures owedFigures(Real owed, const OwedChoices& c) {
    OwedFigures o;
    o.owed = owed;
    if (c.interest) {
        if (c.monthByMonth) {
            o.interest = N(c.monthInterestSum);
        } else {
            const toolkit::Span span = toolkit::EntreDatas(readDate(c.citation), readDate(c.finalDate));
            o.months = span.years * 12 + span.months;
            o.rate = N(rate(o.months * N(c.monthlyRate)));
            o.interest = o.rate / 100 * o.owed;
        }
    }
    if (c.fees) o.fees = N(c.feePercent) / 100 * (o.owed + o.interest);
    o.total = c.fees || c.interest;
    return o;
}

std::string totalOwedText(const OwedFigures& o) {
    return "R$ " + money(o.total ? o.owed + o.interest + o.fees : o.owed);
}

}  // namespace corvana::urv
