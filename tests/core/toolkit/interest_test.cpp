// Simple, compound and quarterly interest and the amortisation month list.
#include "core/toolkit/interest.hpp"

#include <gtest/gtest.h>

#include "core/toolkit/dates.hpp"
#include "core/toolkit/error.hpp"

using namespace corvana::toolkit;

namespace {

TEST(Juros, SimpleInterestWithAndWithoutProRata) {
    EXPECT_EQ(juros("1", "10/01/2000", "25/03/2000", false), "2,0000");
    EXPECT_EQ(juros("1", "10/01/2000", "25/03/2000", true), "2,5000");
    EXPECT_EQ(juros("1", "25/03/2000", "10/01/2000", true), "0,0000");
    EXPECT_EQ(juros("0,5", "01/06/1987", "01/06/1997", false), "60,0000");
    EXPECT_EQ(juros("1", "01/01/2000", "08/01/2000", true), "0,2333");
    EXPECT_THROW(juros("", "01/01/2000", "08/01/2000", true), ConversionError);
}

TEST(JuroCompostox, TwelveMonthsAtOnePercent) {
    const CompoundInterest c = JuroCompostox("100", "1", "01/01/2001", "01/01/2000");
    EXPECT_EQ(c.percent, "12,68");
    EXPECT_EQ(c.amount, "12,68");
    EXPECT_EQ(JuroCompostox("100", "1", "01/12/2000", "01/01/2000").percent, "11,57");
    EXPECT_EQ(JuroCompostox("2.000,00", "1", "15/01/2001", "01/01/2000").amount, "253,60");
    EXPECT_NEAR(static_cast<double>(Pot(2, 3)), 9.0, 1e-15);
}

StringGrid jmes(std::initializer_list<std::vector<std::string>> rows) {
    StringGrid g(4, 1);
    g.setRow(0, {"Data Inicial", "Data Final", "Juros %", "Juros Trimestrais"});
    for (const auto& r : rows) {
        g.setRowCount(g.rowCount() + 1);
        g.setRow(g.rowCount() - 1, r);
    }
    return g;
}

TEST(Devolvejuro, MonthlyAndQuarterly) {
    QuarterlyState state;
    const StringGrid two = jmes({{"01/01/1990", "31/12/1990", "1", "Não"},
                                 {"01/06/1990", "31/12/1990", "0,5", "Não"},
                                 {"", "", "", "Não"}});
    EXPECT_EQ(devolvejuro("01/03/1990", two, state), 1.0L);
    EXPECT_EQ(devolvejuro("01/07/1990", two, state), 0.5L);
    EXPECT_EQ(devolvejuro("01/01/1991", two, state), 0.0L);
    EXPECT_EQ(devolvejuro("31/12/1990", two, state), 0.5L);  // both ends included

    const StringGrid quarterly = jmes({{"01/01/2000", "31/12/2000", "1", "Sim"}});
    state.reset();
    std::vector<long double> got;
    for (int m = 1; m <= 12; ++m)
        got.push_back(devolvejuro(DateToStr(Date{2000, m, 1}), quarterly, state));
    EXPECT_EQ(got, (std::vector<long double>{0, 0, 3, 0, 0, 3, 0, 0, 3, 0, 0, 3}));
    // a month outside the table leaves the quarter as it was
    state.reset();
    devolvejuro("01/11/2000", quarterly, state);
    EXPECT_EQ(devolvejuro("01/05/2001", quarterly, state), 0.0L);
    EXPECT_EQ(state.counter, 2);
}

TEST(Amortizarx, MonthsAfterFirstPlanUpToTarget) {
    StringGrid planos(2, 3);
    planos.setRow(1, {"Plano Bresser", "06/1987"});
    planos.setRow(2, {"Atualizar até", "09/1987"});
    StringGrid amort(3, 5);
    amort.setRow(2, {"old", "desc", "10,00"});
    amort.setRow(4, {"05/2000", "", ""});
    amortizarx(planos, amort);
    EXPECT_EQ(amort.rowCount(), 4);
    EXPECT_EQ(amort.cell(0, 1), "07/1987");
    EXPECT_EQ(amort.cell(0, 2), "08/1987");
    EXPECT_EQ(amort.cell(0, 3), "09/1987");
    EXPECT_EQ(amort.cell(1, 2), "desc");  // description and amount stay

    planos.setRow(2, {"Atualizar até", "12/1988"});
    planos.setRow(1, {"Plano Bresser", "12/1987"});
    amortizarx(planos, amort);
    EXPECT_EQ(amort.rowCount(), 13);
    EXPECT_EQ(amort.cell(0, 12), "12/1988");
}

}  // namespace
