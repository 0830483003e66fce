// The month-by-month interest walk.
#include "core/urv/month_interest.hpp"

#include "core/urv/urv_text.hpp"

namespace corvana::urv {

InterestTotals aplicarjuros(toolkit::StringGrid& g, const MonthInterest& in) {
    const toolkit::Date c = firstDay(monthOf(in.citation));
    const toolkit::Date f = firstDay(monthOf(in.finalDate));
    const toolkit::Date turn{2002, 1, 10};
    const Real eq = N(in.monthlyRate);
    Real running = c == f ? 0 : eq;
    Real sumAmounts = 0, sumInterest = 0;
    for (int r = g.rowCount() - 1; r >= 1; --r) {
        const std::string& month = g.cell(in.monthColumn, r);
        if (!has(month) || N(month) < 0) continue;
        const toolkit::Date m = firstDay(month);
        if (m > f) continue;
        g.setCell(in.rateColumn, r, money(running) + "%");
        const Real amount = N(g.cell(in.amountColumn, r));
        sumAmounts += amount;
        g.setCell(in.interestColumn, r, money(amount * running / 100));
        sumInterest += N(g.cell(in.interestColumn, r));
        if (m > c) running += in.halfBefore2002 ? (m > turn ? 1.0L : 0.5L) : eq;
    }
    return {money(sumAmounts), money(sumInterest)};
}

}  // namespace corvana::urv
