// Purge difference, interest table and the month-by-month run of the savings calculator.
#include <gtest/gtest.h>

#include "savings_fixture.hpp"

using namespace corvana;
using corvana::testing::SavingsFixture;
using corvana::testing::TableMonth;
using corvana::testing::writeIndexTable;

namespace {

const std::vector<std::string> kBresser = {"Plano Bresser", "06/1987", "8,04", "", "Cz$",
                                           "LBC", "18,02", "IPC", "26,06", ""};

TEST(Diferenca, BalanceTimesDifferenceDividedByCurrencyChange) {
    struct Case {
        std::string saldo, diferenca, mudanca, expected;
    };
    const Case cases[] = {
        {"10.000,00", "8,04", "", "804,00"},
        {"10.000,00", "8,04", "1000", "0,80"},
        {"10.000,00", "8,04", "1.000", "0,80"},
        {"0,00", "8,04", "", "0,00"},
        {"", "8,04", "", "0,00"},       // an empty balance counts as 0,00
        {"1.234,56", "", "", "0,00"},    // an empty difference counts as 0
        {"333,33", "20,37", "", "67,90"},  // 67,899321 rounds to cents
    };
    for (const Case& c : cases) {
        SavingsFixture f;
        writeIndexTable(f.dir.path(), "01/1987", 12);
        f.loadTable();
        auto plan = kBresser;
        plan[2] = c.diferenca;
        plan[3] = c.mudanca;
        f.setPlans({plan});
        f.choose({0});
        ASSERT_TRUE(f.nextTo(1));
        f.form2.SSaldo.setCell(4, 1, c.saldo);
        ASSERT_TRUE(f.nextTo(2));
        EXPECT_EQ(f.form2.SBase.cell(4, 1), c.expected) << c.saldo << " x " << c.diferenca;
    }
}

struct RunFixture : SavingsFixture {
    RunFixture() {
        writeIndexTable(dir.path(), "01/1987", 24);
        loadTable();
        auto plan = kBresser;
        plan[2] = "1";  // 1 % of 10.000,00 = 100,00
        setPlans({plan});
    }
    void runTo(const std::string& target) {
        choose({0}, target);
        ASSERT_TRUE(nextTo(1));
        form2.SSaldo.setCell(4, 1, "10.000,00");
        ASSERT_TRUE(nextTo(5));
        ASSERT_EQ(form2.SBase.cell(4, 1), "100,00");
    }
};

TEST(Calcular, OnePlanCorrectedMonthByMonth) {
    RunFixture f;
    f.runTo("09/1987");
    ASSERT_EQ(f.form2.planilha.rowCount(), 5);
    EXPECT_EQ(f.cell(4, 1), "07/1987");
    EXPECT_EQ(f.cell(4, 2), "08/1987");
    EXPECT_EQ(f.cell(4, 3), "09/1987");
    EXPECT_EQ(f.cell(5, 1), "100,00");
    EXPECT_EQ(f.cell(7, 1), "100,00");
    EXPECT_EQ(f.cell(5, 2), "101,00");
    EXPECT_EQ(f.cell(5, 3), "102,01");
    EXPECT_EQ(f.cell(5, 4), "103,03");
    // The closing row: yield month = target month, no crediting month, no interest.
    EXPECT_EQ(f.cell(1, 4), "09/1987");
    EXPECT_EQ(f.cell(4, 4), "");
    EXPECT_EQ(f.cell(6, 4), "");
    EXPECT_EQ(f.cell(7, 4), "");
    // Yield months trail the crediting months by one; currency of both from the table.
    EXPECT_EQ(f.cell(1, 2), "07/1987");
    EXPECT_EQ(f.cell(2, 2), "1");
    EXPECT_EQ(f.cell(0, 2), "Cz$");
    EXPECT_EQ(f.cell(3, 1), "Cz$");
    EXPECT_EQ(f.cell(6, 2), "0");
    EXPECT_EQ(f.cell(11, 2), "0");
}

TEST(Calcular, CapitalisedInterestOnTopOfEachMonth) {
    RunFixture f;
    f.form2.RComjurosClick();
    f.form2.Jmes.setRow(1, {"01/01/1987", "31/12/1988", "0,5", "Não"});
    f.runTo("09/1987");
    EXPECT_EQ(f.cell(6, 1), "");
    EXPECT_EQ(f.cell(7, 1), "100,00");
    EXPECT_EQ(f.cell(5, 2), "101,00");
    EXPECT_EQ(f.cell(6, 2), "0,50");
    EXPECT_EQ(f.cell(7, 2), "101,51");  // 101,505 rounds half away from zero
    EXPECT_EQ(f.cell(5, 3), "102,53");  // 101,51 x 1,01 = 102,5251
    EXPECT_EQ(f.cell(7, 3), "103,04");  // 102,53 x 1,005 = 103,04265
    EXPECT_EQ(f.cell(5, 4), "104,07");
    EXPECT_EQ(f.cell(6, 4), "");
    EXPECT_EQ(f.cell(7, 4), "");
}

TEST(Calcular, QuarterlyInterestIsPaidEveryThirdMonth) {
    RunFixture f;
    f.form2.RComjurosClick();
    f.form2.Jmes.setRow(1, {"01/01/1987", "31/12/1988", "1", "Sim"});
    f.runTo("12/1987");
    // Crediting months 08/1987 .. 12/1987 are the covered months after row 1.
    EXPECT_EQ(f.cell(6, 2), "0,00");
    EXPECT_EQ(f.cell(6, 3), "0,00");
    EXPECT_EQ(f.cell(6, 4), "3,00");
    EXPECT_EQ(f.cell(6, 5), "0,00");
    EXPECT_EQ(f.cell(5, 4), "103,03");
    EXPECT_EQ(f.cell(7, 4), "106,12");  // 103,03 x 1,03 = 106,1209
}

TEST(Calcular, AmortisationIsTakenOffInTheFollowingMonth) {
    RunFixture f;
    f.choose({0}, "09/1987");
    ASSERT_TRUE(f.nextTo(1));
    f.form2.SSaldo.setCell(4, 1, "10.000,00");
    // The month list runs from 07/1987 to 09/1987.
    ASSERT_EQ(f.form2.amortizacao.rowCount(), 4);
    EXPECT_EQ(f.form2.amortizacao.cell(0, 2), "08/1987");
    f.form2.amortizacao.setCell(1, 2, "Depósito judicial");
    f.form2.amortizacao.setCell(2, 2, "10");
    ASSERT_TRUE(f.nextTo(5));
    EXPECT_EQ(f.cell(5, 2), "101,00");
    EXPECT_EQ(f.cell(11, 3), "10,00");
    EXPECT_EQ(f.cell(8, 3), "Depósito judicial");
    EXPECT_EQ(f.cell(5, 3), "91,91");  // (101,00 - 10,00) x 1,01
    EXPECT_EQ(f.cell(5, 4), "92,83");
}

// Two plans: A in 06/1987 (100,00) and B in 09/1987 (balance 500,00 at 10 % = 50,00).
struct TwoPlans : SavingsFixture {
    explicit TwoPlans(const std::map<std::string, TableMonth>& special = {},
                      const std::string& mudancaB = "", const std::string& saldoB = "500,00") {
        writeIndexTable(dir.path(), "01/1987", 24, special);
        loadTable();
        setPlans({{"Plano A", "06/1987", "10", "", "Cz$", "", "", "", "", ""},
                  {"Plano B", "09/1987", "10", mudancaB, "Cz$", "", "", "", "", "NCz$"}});
        choose({0, 1}, "11/1987");
        EXPECT_TRUE(nextTo(1));
        form2.SSaldo.setCell(4, 1, "1.000,00");
        form2.SSaldo.setCell(4, 2, saldoB);
    }
};

TEST(Calcular, LaterPlanBlockAddsItsDifference) {
    TwoPlans f;
    ASSERT_TRUE(f.nextTo(5));
    ASSERT_EQ(f.form2.planilha.rowCount(), 7);
    const char* const credit[] = {"", "07/1987", "08/1987", "09/1987", "10/1987", "11/1987", ""};
    const char* const value[] = {"", "100,00", "101,00", "102,01", "103,03", "154,56", "156,11"};
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(f.cell(4, r), credit[r]) << r;
        EXPECT_EQ(f.cell(5, r), value[r]) << r;
    }
    // The addition row is the second row of plan B's block.
    EXPECT_EQ(f.cell(9, 5), "10");
    EXPECT_EQ(f.cell(10, 5), "500,00");
    EXPECT_EQ(f.cell(12, 5), "50,00");
    EXPECT_EQ(f.cell(13, 5), "102,01");  // carried into plan B's first row
    EXPECT_EQ(f.cell(14, 5), "152,01");
    EXPECT_EQ(f.cell(15, 5), "Plano B");
    EXPECT_EQ(f.cell(14, 4), "");
    EXPECT_EQ(f.cell(1, 6), "11/1987");
}

TEST(Calcular, CurrencyChangeDividesTheCarriedValueAndTheDifference) {
    TableMonth change;
    change.divisor = "1000";
    TwoPlans f({{"09/1987", change}}, "1000", "500.000,00");
    ASSERT_TRUE(f.nextTo(5));
    EXPECT_EQ(f.form2.SBase.cell(4, 2), "50,00");
    EXPECT_EQ(f.cell(5, 4), "0,10");  // 102,01 x 1,01 / 1000
    EXPECT_EQ(f.cell(13, 5), "0,10");  // 102,01 / 1000
    EXPECT_EQ(f.cell(14, 5), "50,10");
    EXPECT_EQ(f.cell(5, 5), "50,60");  // (0,10 + 50,00) x 1,01
    EXPECT_EQ(f.cell(5, 6), "51,11");
}

TEST(Calcular, AmortisationInALaterPlansFirstMonthIsTakenOffOnce) {
    TwoPlans f;
    // 10/1987 is the crediting month of plan B's first block row.
    int row = -1;
    for (int r = 1; r < f.form2.amortizacao.rowCount(); ++r)
        if (f.form2.amortizacao.cell(0, r) == "10/1987") row = r;
    ASSERT_GT(row, 0);
    f.form2.amortizacao.setCell(1, row, "Pagamento");
    f.form2.amortizacao.setCell(2, row, "10,00");
    ASSERT_TRUE(f.nextTo(5));
    EXPECT_EQ(f.cell(5, 4), "103,03");  // nothing taken off in plan B's first row
    EXPECT_EQ(f.cell(11, 4), "0");
    EXPECT_EQ(f.cell(11, 5), "10,00");
    EXPECT_EQ(f.cell(5, 5), "144,46");  // (103,03 - 10,00 + 50,00) x 1,01
    EXPECT_EQ(f.cell(5, 6), "145,90");
    ASSERT_TRUE(f.nextTo(6));
    f.form2.SpeedButton3Click();
    int amortisationLines = 0;
    for (const auto& line : f.form2.reportLines())
        if (line.find("Pagamento") != std::string::npos) ++amortisationLines;
    EXPECT_EQ(amortisationLines, 1);
}

TEST(Calcular, YieldOverrideMarkedSimReplacesTheTable) {
    RunFixture f;
    f.form4.SPlanosini.setRowCount(3);
    f.form4.SPlanosini.setRow(1, {"08/1987", "2", "Sim"});
    f.form4.SPlanosini.setRow(2, {"07/1987", "5", "Não"});
    f.runTo("09/1987");
    EXPECT_EQ(f.cell(2, 2), "1");
    EXPECT_EQ(f.cell(2, 3), "2");
    EXPECT_EQ(f.cell(5, 3), "103,02");  // 101,00 x 1,02
}

TEST(Calcular, RerunningFromPageFourRebuildsTheSpreadsheet) {
    RunFixture f;
    f.runTo("09/1987");
    f.form2.SpeedButton1Click();
    f.form2.SPlanos.setCell(1, 2, "08/1987");
    ASSERT_TRUE(f.nextTo(5));
    EXPECT_EQ(f.form2.planilha.rowCount(), 4);
    EXPECT_EQ(f.cell(5, 3), "102,01");
    EXPECT_EQ(f.cell(5, 4), "");
}

TEST(CalcularJuros, RowsAndTotal) {
    SavingsFixture f;
    auto& st = f.form2.STJuros;
    st.setRow(1, {"1/1/2000", "01/03/2000", "1"});
    st.setRow(2, {"01/03/2000", "01/05/2000", "1"});
    f.form2.calcularjuros();
    EXPECT_EQ(st.colCount(), 4);
    EXPECT_EQ(st.cell(0, 1), "01/01/2000");
    EXPECT_EQ(st.cell(3, 1), "2,0000");
    EXPECT_EQ(st.cell(3, 2), "2,0000");
    ASSERT_EQ(st.rowCount(), 4);
    EXPECT_EQ(st.cell(2, 3), "Total");
    EXPECT_EQ(st.cell(3, 3), "4,00");
    // Reaching the page again replaces the total row instead of adding another.
    f.form2.calcularjuros();
    ASSERT_EQ(st.rowCount(), 4);
    EXPECT_EQ(st.cell(3, 3), "4,00");
    // Pró-rata counts the remaining days at 30 a month.
    f.form2.Cprorata = true;
    st.setCell(1, 2, "16/05/2000");
    f.form2.calcularjuros();
    EXPECT_EQ(st.cell(3, 2), "2,5000");
    EXPECT_EQ(st.cell(3, 3), "4,50");
}

TEST(Trx, YieldSplitIntoIndexAndInterest) {
    SavingsFixture f;
    auto& p = f.form2.planilha;
    p.setRowCount(6);
    p.setCell(2, 2, "0,5");
    p.setCell(2, 3, "0");
    p.setCell(2, 4, "1,505");
    p.setCell(2, 5, "");
    p.setCell(5, 4, "123,45");
    f.form2.trx();
    const auto& t = f.form2.planilha2;
    EXPECT_EQ(t.colCount(), 18);
    EXPECT_EQ(t.cell(2, 2), "0,0000");
    EXPECT_EQ(t.cell(2, 3), "0,00");
    EXPECT_EQ(t.cell(2, 4), "1,0000");
    EXPECT_EQ(t.cell(2, 5), "0,00");
    EXPECT_EQ(t.cell(3, 4), "0,5%");
    EXPECT_EQ(t.cell(4, 4), "1,505");
    EXPECT_EQ(t.cell(7, 4), "123,45");
    EXPECT_EQ(t.cell(2, 0), "Indexador");
    EXPECT_EQ(t.cell(3, 0), "Juros Remuneratórios");
    EXPECT_EQ(t.cell(2, 1), "");
}

}  // namespace
