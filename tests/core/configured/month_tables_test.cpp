// The bundled month tables hold the rows the three windows compute on.
#include <gtest/gtest.h>

#include <map>

#include "core/configured/configured_variant.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"

namespace corvana::testing {
namespace {

TEST(ConfiguredMonthTables, StatementRowsAndCurrencyRowsWhereTheWindowsLookForThem) {
    for (const auto& v : {configured::statementVariant(), configured::collorVariant(),
                          configured::collor1991Variant()}) {
        toolkit::StringGrid t(8, 2);
        toolkit::LoadFromFile(std::filesystem::path(CORVANA_SAMPLE_DATA) / v.tableFile, t);
        ASSERT_GE(t.rowCount(), v.minRows()) << v.tableFile;
        for (const auto& m : v.months) {
            EXPECT_EQ(t.cell(0, m.tableRow), "Extrato " + m.caption) << v.tableFile;
            EXPECT_FALSE(t.cell(3, m.tableRow).empty()) << v.tableFile << " " << m.caption;
        }
        // JAN/89 between the first two statement rows; JUL/93 and JUN/94 after the last one.
        EXPECT_EQ(t.cell(0, 2), "JUL/87") << v.tableFile;
        EXPECT_EQ(t.cell(0, 20), "JAN/89") << v.tableFile;
        const std::map<std::string, std::string> firstAfterLast = {
            {"mes.tab", "JUN/90"}, {"mes2.tab", "MAR/91"}, {"mes3.tab", "FEV/91"}};
        EXPECT_EQ(t.cell(0, v.months.back().tableRow + 1), firstAfterLast.at(v.tableFile));
        int jul93 = 0, jun94 = 0;
        for (int r = v.minRows(); r < t.rowCount(); ++r) {
            if (t.cell(0, r) == "JUL/93") jul93 = r;
            if (t.cell(0, r) == "JUN/94") jun94 = r;
            EXPECT_TRUE(toolkit::checkinteiro(t.cell(1, r))) << v.tableFile << " row " << r;
        }
        EXPECT_GT(jul93, 0) << v.tableFile;
        EXPECT_EQ(jun94, jul93 + 11) << v.tableFile;
        EXPECT_EQ(t.cell(7, jun94), "R$");
    }
}

}  // namespace
}  // namespace corvana::testing
