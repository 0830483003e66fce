// Simple and compound interest, quarterly capitalised interest and the amortisation months.
#include "core/toolkit/interest.hpp"

#include <cmath>

#include "core/toolkit/dates.hpp"

namespace corvana::toolkit {

namespace {
Real strict(std::string_view text) { return RemovePonto(RemovePontoVariant::Strict, text); }
}  // namespace

std::string juros(std::string_view valor, std::string_view datamenor, std::string_view datamaior,
                  bool prorata) {
    const Date from = StrToDate(datamenor);
    const Date to = StrToDate(datamaior);
    const Real rate = strict(valor);
    const Span span = EntreDatas(from, to);
    const Real months = static_cast<Real>(span.years) * 12 + span.months;
    const Real proRata = prorata ? rate / 30 * static_cast<Real>(span.days) : 0;
    return formatfloatx("#,##0.0000", months * rate + proRata);
}

Real Pot(Real expoente, Real base) { return std::exp(expoente * std::log(base)); }

CompoundInterest JuroCompostox(std::string_view Totalz, std::string_view indicex,
                               std::string_view datamaior, std::string_view datamenor) {
    const Span span = EntreDatas(StrToDate(datamenor), StrToDate(datamaior));
    const Real months = static_cast<Real>(span.years) * 12 + span.months;
    CompoundInterest out;
    out.percent = formatfloatx("#,##0.00", (Pot(months, 1 + strict(indicex) / 100) - 1) * 100);
    out.amount = formatfloatx("#,##0.00", strict(out.percent) * strict(Totalz) / 100);
    return out;
}

Real devolvejuro(std::string_view data, const StringGrid& Jmes, QuarterlyState& state) {
    Real result = 0;
    const Date month = StrToDate(data);
    for (int r = 1; r < Jmes.rowCount(); ++r) {
        if (!checkinteiro(Jmes.cell(0, r)) || !checkinteiro(Jmes.cell(1, r)) ||
            !checkinteiro(Jmes.cell(2, r)))
            continue;
        if (month < StrToDate(Jmes.cell(0, r)) || StrToDate(Jmes.cell(1, r)) < month) continue;
        const Real rate = strict(Jmes.cell(2, r));
        if (Jmes.cell(3, r) == "Não") {
            result = rate;
            continue;
        }
        state.accumulated += rate;
        if (state.counter == 3) {
            result = state.accumulated;
            state.accumulated = 0;
            state.counter = 1;
        } else {
            ++state.counter;
            result = 0;
        }
    }
    return result;
}

void amortizarx(const StringGrid& SPlanos, StringGrid& amortizacao) {
    const Date first = MonthToDate(SPlanos.cell(1, 1));
    const Date target = MonthToDate(SPlanos.cell(1, SPlanos.rowCount() - 1));
    for (int n = 1;; ++n) {
        const Date month = IncMonth(first, n);
        amortizacao.setCell(0, n, DateToMonth(month));
        amortizacao.setRowCount(n + 1);
        if (!(month < target)) break;
    }
}

}  // namespace corvana::toolkit
