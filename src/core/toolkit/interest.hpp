// Interest and day-count routines of the savings and court-debt calculators.
#pragma once

#include <string>
#include <string_view>

#include "core/toolkit/numbers.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::toolkit {

// Simple interest of a period in percent ("#,##0.0000"): whole months × monthly rate, plus,
// with pro-rata, rate ÷ 30 × remaining days (every month counts as 30 days).
std::string juros(std::string_view valor, std::string_view datamenor, std::string_view datamaior,
                  bool prorata);

// base raised to expoente, as e^(expoente × ln base); base > 0.
Real Pot(Real expoente, Real base);

// Compound interest of a period: the percentage ("#,##0.00") and the interest on Totalz
// ("#,##0.00", computed from the rounded percentage). Remaining days are ignored.
struct CompoundInterest {
    std::string percent;
    std::string amount;
};
CompoundInterest JuroCompostox(std::string_view Totalz, std::string_view indicex,
                               std::string_view datamaior, std::string_view datamenor);

// Quarterly payment of capitalised interest: the rates of three matching months are paid
// together in the third. A calculation run starts from a fresh state.
struct QuarterlyState {
    Real accumulated = 0;
    int counter = 1;
    void reset() { *this = QuarterlyState{}; }
};

// The monthly rate in percent that the capitalised-interest grid Jmes (start date, end date,
// rate, "Sim"/"Não" quarterly) gives for the month starting at `data`, or 0.
Real devolvejuro(std::string_view data, const StringGrid& Jmes, QuarterlyState& state);

// The month list of the amortisation grid: every month after the first plan month
// (SPlanos row 1, column 1) up to the target month (SPlanos last row, column 1), in column 0
// from row 1; the row count follows. Columns 1 and 2 are left as they are.
void amortizarx(const StringGrid& SPlanos, StringGrid& amortizacao);

}  // namespace corvana::toolkit
