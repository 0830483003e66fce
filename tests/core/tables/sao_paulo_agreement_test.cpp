// The São Paulo tables built from the official TJSP factors: the factor window reproduces the
// table's own worked example, and the month-by-month window brings the same debt to the same
// value over a period in reais.
#include <gtest/gtest.h>

#include <cmath>

#include "core/savings/court_fixture.hpp"
#include "core/tables/converter.hpp"
#include "core/toolkit/numbers.hpp"

using namespace corvana;
using namespace corvana::testing;

namespace {

const std::filesystem::path kOfficial =
    std::filesystem::path(CORVANA_SAMPLE_DATA).parent_path() / "oficial";

// The program on a data folder holding the tables converted from the official TJSP factors and
// one plan whose difference is the whole balance, so the purge difference is the balance itself.
struct SaoPaulo : CourtApp {
    explicit SaoPaulo(const std::string& planMonth, const std::string& currency) {
        tables::importSeries(dir.path(), "tjsp", kOfficial / "tjsp_tabela_pratica_ed2026-01.csv",
                             nullptr);
        writeCourtTable(dir.path(), "poupanca13.tab", "1");
        toolkit::StringGrid plans(10, 2);
        for (int c = 0; c < 10; ++c) plans.setCell(c, 0, "c" + std::to_string(c));
        plans.setRow(1, {"Débito", planMonth, "100", "", currency, "", "", "", "", ""});
        toolkit::SaveToFile(dir / "planos.ini", plans);
        start();
    }
    // The factor window: the value of the crediting month brought to `finalMonth`.
    std::string byFactors(const std::string& finalMonth, const std::string& amount) {
        EXPECT_TRUE(open(kFatores));
        auto& w = sp();
        EXPECT_TRUE(walk(w, {0}, finalMonth, {amount}));
        return w.planilha.cell(4, 1);
    }
    // The month-by-month window: the value after the yield of `lastMonth`, credited the month
    // after.
    std::string monthByMonth(const std::string& lastMonth, const std::string& amount) {
        EXPECT_TRUE(open(kSaoPaulo));
        auto& w = tjsp();
        EXPECT_TRUE(walk(w, {0}, lastMonth, {amount}));
        return w.planilha.cell(5, w.planilha.rowCount() - 1);
    }
};

toolkit::Real N(const std::string& t) {
    return toolkit::RemovePonto(toolkit::RemovePontoVariant::Strict, t);
}

TEST(SaoPauloTables, TheFactorWindowReproducesTheWorkedExampleOfTheTable) {
    // Cz$ 1.000,00 of 01/1988 brought to 01/2026: 1.000,00 ÷ 596,94 × 101,977695 = R$ 170,83.
    SaoPaulo f("12/1987", "Cz$");
    f.sp();
    EXPECT_EQ(f.byFactors("01/2026", "1.000,00"), "170,83");
    EXPECT_EQ(f.sp().planilha.cell(3, 1), ":596,94 X 101,977695");
    EXPECT_EQ(f.sp().planilha.cell(4, 2), "R$ 170,83");
}

TEST(SaoPauloTables, MonthByMonthAndFactorsAgreeOverAPeriodInReais) {
    // 07/1994 to 01/2026: 378 monthly steps, each rounded to cents. On a small amount the cents
    // rounding of every step adds up (R$ 1.000,00: 8.987,40 by factors, 8.987,22 month by month);
    // on a large one it vanishes in the value.
    const std::pair<const char*, double> cases[] = {{"1.000,00", 0.20}, {"123.456,78", 0.05}};
    for (const auto& [amount, tolerance] : cases) {
        SCOPED_TRACE(amount);
        SaoPaulo byFactors("06/1994", "R$");
        SaoPaulo monthly("06/1994", "R$");
        const toolkit::Real a = N(byFactors.byFactors("01/2026", amount));
        const toolkit::Real b = N(monthly.monthByMonth("12/2025", amount));
        EXPECT_NEAR(static_cast<double>(a), static_cast<double>(b), tolerance)
            << "fatores " << a << ", mês a mês " << b;
    }
}

TEST(SaoPauloTables, AcrossTheCurrencyChangesMonthByMonthStaysWithinCents) {
    // From 01/1988 the value passes three divisions by 1000 and one by 2750 (Cz$ 1.000,00 is
    // NCz$ 10,34 in 01/1989 and R$ 20,18 in 08/1994), so every rounding to cents weighs more:
    // the factors give R$ 170,83, month by month gives R$ 170,90.
    SaoPaulo byFactors("12/1987", "Cz$");
    SaoPaulo monthly("12/1987", "Cz$");
    EXPECT_EQ(byFactors.byFactors("01/2026", "1.000,00"), "170,83");
    const std::string stepwise = monthly.monthByMonth("12/2025", "1.000,00");
    EXPECT_NEAR(static_cast<double>(N(stepwise)), 170.83, 0.10) << stepwise;
}

}  // namespace
