// The computations of the savings family: purge difference, interest table, the month-by-month
// run and the split of each yield into index and 0,5 % interest. Every value is written with
// its mask and read back from the cell by the next step.
#include "core/savings/savings_wizard.hpp"

#include <unordered_map>

#include "core/savings/text_helpers.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/interest.hpp"

namespace corvana::savings {

using namespace detail;
using toolkit::StringGrid;

namespace {

// The currency-change divisor of a plan: column 3 of the last plan-table row with its name,
// 1 when that cell holds no digit; a plan the table no longer holds stops the run.
Real planDivisor(const StringGrid& plans, const std::string& name) {
    const std::string cell = plans.cell(kPlanMudanca, planRow(plans, name));
    if (!has(cell)) return 1;
    const Real v = N(cell);
    if (v == 0)
        throw toolkit::Error("O plano " + toolkit::quoteText(name) + " tem mudança de moeda igual a zero");
    return v;
}

std::string nextMonth(const std::string& m) {
    return toolkit::DateToMonth(toolkit::IncMonth(toolkit::MonthToDate(m), 1));
}

}  // namespace

void SavingsWizard::diferenca() {
    for (int r = 1; r < SSaldo.rowCount(); ++r) {
        if (!has(SSaldo.cell(3, r))) SSaldo.setCell(3, r, "1");
        if (!has(SSaldo.cell(4, r))) SSaldo.setCell(4, r, "0,00");
    }
    for (int k = 1; k < SSaldo.rowCount(); ++k) {
        if (!has(SSaldo.cell(4, k))) SSaldo.setCell(4, k, "0");
        if (!has(SBase.cell(2, k))) SBase.setCell(2, k, "0");
        const Real divisor = planDivisor(form3_->SPlanosini, SBase.cell(0, k));
        SBase.setCell(4, k, money(N(SBase.cell(2, k)) * N(SSaldo.cell(4, k)) / 100 / divisor));
    }
}

void SavingsWizard::calcularjuros() {
    if (!has(STJuros.cell(0, 1))) return;
    STJuros.setColCount(4);
    STJuros.setCell(0, 1, toolkit::DateToStr(toolkit::StrToDate(STJuros.cell(0, 1))));
    for (int r = 1; r < STJuros.rowCount(); ++r)
        if (has(STJuros.cell(0, r)) && has(STJuros.cell(1, r)) && has(STJuros.cell(2, r)))
            STJuros.setCell(3, r, interestOfRow(r));
    for (int r = 1; r < STJuros.rowCount();) {
        if (!has(STJuros.cell(0, r)) && !has(STJuros.cell(1, r)))
            toolkit::RemoveLinha(STJuros, r);
        else
            ++r;
    }
    const int total = STJuros.rowCount();
    STJuros.setRowCount(total + 1);
    STJuros.clearRow(total);
    Real sum = 0;
    for (int r = 1; r < total; ++r)
        if (has(STJuros.cell(3, r))) sum += N(STJuros.cell(3, r));
    STJuros.setCell(2, total, "Total");
    STJuros.setCell(3, total, money(sum));
}

std::string SavingsWizard::interestOfRow(int r) const {
    return toolkit::juros(STJuros.cell(2, r), STJuros.cell(0, r), STJuros.cell(1, r), Cprorata);
}

void SavingsWizard::calcular() {
    StringGrid& p = planilha;
    const StringGrid& indice = ctx_.indice;
    const StringGrid& plans = form3_->SPlanosini;
    const StringGrid& overrides = form4_->SPlanosini;

    p.clearRowsFrom(1);
    p.setRowCount(2);
    quarterly.reset();

    // First amortisation row of each month whose amount holds a digit.
    std::unordered_map<std::string, int> firstAmortisation;
    for (int a = 1; a < amortizacao.rowCount(); ++a)
        if (has(amortizacao.cell(2, a))) firstAmortisation.emplace(amortizacao.cell(0, a), a);
    auto amortisationOf = [&firstAmortisation](const std::string& month) {
        const auto it = firstAmortisation.find(month);
        return it == firstAmortisation.end() ? -1 : it->second;
    };
    // Column 5 of row r: the carried value less the amortisation, plus an addition, earning
    // the month's yield and divided by the currency divisor.
    auto correct = [&p](int r, Real s) {
        if (!has(p.cell(7, r - 1))) return;
        Real R = N(p.cell(7, r - 1)) - N(p.cell(11, r));
        if (has(p.cell(12, r))) R += N(p.cell(12, r));
        p.setCell(5, r, money((N(p.cell(2, r)) * R / 100 + R) / s));
    };
    // Column 7 of row r: capitalised interest on top.
    auto addInterest = [&p](int r) {
        if (has(p.cell(6, r))) p.setCell(7, r, money(N(p.cell(6, r)) * N(p.cell(5, r)) / 100 + N(p.cell(5, r))));
    };

    const int plansChosen = SSaldo.rowCount() - 1;
    const std::string target = SPlanos.cell(1, SPlanos.rowCount() - 1);
    Real s = 1;  // the currency divisor last used
    for (int k = 1; k <= plansChosen; ++k) {
        const std::string& diaText = SSaldo.cell(3, k);
        const long long d = has(diaText) ? wholePart(diaText) : 0;
        if (d < 1 || d > 31)
            throw toolkit::Error("Dia base inválido para o plano " + toolkit::quoteText(SSaldo.cell(0, k)) +
                                 ": '" + toolkit::quoteText(diaText) + "' (use um dia de 1 a 28)");
        const int B = p.rowCount() - 1;
        const std::string planMonth = SSaldo.cell(1, k);
        const std::string next = k < plansChosen ? SSaldo.cell(1, k + 1) : target;
        const toolkit::Date planDate = toolkit::MonthToDate(planMonth);
        const toolkit::Date nextDate = toolkit::MonthToDate(next);

        // Month rows: the crediting months up to the next plan's month or the target month.
        for (int n = 1;; ++n) {
            const toolkit::Date m = toolkit::IncMonth(planDate, n);
            const int row = B + n - 1;
            p.setCell(4, row, toolkit::DateToMonth(m));
            if (!RComjuros)
                p.setCell(6, row, "0");
            else if (p.rowCount() != 2)
                p.setCell(6, row, money(toolkit::devolvejuro(toolkit::DateToStr(m), Jmes, quarterly)));
            p.setRowCount(p.rowCount() + 1);
            if (!(m < nextDate)) break;
        }

        p.setCell(5, B, SBase.cell(4, k));
        p.setCell(7, B, SBase.cell(4, k));

        if (k > 1) {
            if (!has(p.cell(11, B))) p.setCell(11, B, "0");
            correct(B, s);
            addInterest(B);
            // An amortisation of row B's own crediting month is taken off in the next row,
            // by the walk below, as in every other month: never twice.
            if (!has(p.cell(11, B))) p.setCell(11, B, "0");
            const Real v = variant_.additionUsesPlanDivisor ? planDivisor(plans, SSaldo.cell(0, k)) : 1;
            p.setCell(10, B + 1, money(N(SSaldo.cell(4, k))));
            p.setCell(9, B + 1, SBase.cell(2, k));
            p.setCell(12, B + 1, SBase.cell(4, k));
            const Real carried = has(p.cell(7, B - 1)) ? N(p.cell(7, B - 1)) : 0;
            p.setCell(13, B + 1, money((carried - N(p.cell(11, B))) / v));
            p.setCell(14, B + 1, money(N(p.cell(13, B + 1)) + N(p.cell(12, B + 1))));
            p.setCell(15, B + 1, SSaldo.cell(0, k));
        }

        int g = 1;
        for (int i = 1; i < indice.rowCount(); ++i)
            if (indice.cell(0, i) == SBase.cell(3, k)) g = i;

        for (int r = std::max(B, 2); r < p.rowCount(); ++r) {
            const int j = k == 1 ? g : g - 1;
            p.setCell(0, r, indice.cell(32, j));
            p.setCell(1, r, indice.cell(0, j));
            p.setCell(2, r, indice.cell(static_cast<int>(d), j));
            if (variant_.appliesYieldOverrides)
                for (int h = 1; h < overrides.rowCount(); ++h)
                    if (overrides.cell(2, h) == "Sim" && overrides.cell(0, h) == p.cell(1, r))
                        p.setCell(2, r, overrides.cell(1, h));
            s = has(indice.cell(33, j)) ? N(indice.cell(33, j)) : 1;
            if (s == 0) s = 1;
            if (k == 1) p.setCell(3, r - 1, indice.cell(32, g));
            p.setCell(3, r, indice.cell(32, g));
            const int a = amortisationOf(p.cell(4, r - 1));
            if (a >= 0) {
                p.setCell(8, r, amortizacao.cell(1, a));
                p.setCell(11, r, money(N(amortizacao.cell(2, a))));
            }
            if (!has(p.cell(11, r))) p.setCell(11, r, "0");
            if (k > 1) {
                if (!has(p.cell(2, r))) break;  // the table has no further month
                if (!has(p.cell(7, r - 1))) p.setCell(7, r - 1, "0");
            } else if (!has(p.cell(2, r))) {
                throw toolkit::Error("A tabela não tem o rendimento do dia " + std::to_string(d) +
                                     " para " + (has(p.cell(1, r)) ? p.cell(1, r) : nextMonth(planMonth)) +
                                     ", atualize o índice");
            }
            correct(r, s);
            addInterest(r);
            if (k > 1 && has(p.cell(14, r))) {
                correct(r, s);
                if (!has(p.cell(6, r))) p.setCell(6, r, "0");
                addInterest(r);
            }
            ++g;
        }
    }
}

void SavingsWizard::trx() {
    StringGrid& t = planilha2;
    t.clear();
    t.setColCount(planilha.colCount() + 2);
    t.setRowCount(planilha.rowCount());
    for (int r = 0; r < planilha.rowCount(); ++r)
        for (int c = 0; c < planilha.colCount(); ++c)
            t.setCell(c < 2 ? c : c + 2, r, planilha.cell(c, r));
    for (int r = 2; r < planilha.rowCount(); ++r) {
        t.setCell(3, r, "0,5%");
        const std::string& y = planilha.cell(2, r);
        const Real yield = has(y) ? N(y) : 0;
        t.setCell(2, r, yield != 0 ? rate((yield - 0.5L) / 1.005L) : std::string("0,00"));
    }
    t.setCell(2, 0, "Indexador");
    t.setCell(3, 0, "Juros Remuneratórios");
}

}  // namespace corvana::savings
