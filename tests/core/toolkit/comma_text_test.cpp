// Comma text of calculation files: quoting on write, the platform's splitting on read.
#include "core/toolkit/comma_text.hpp"

#include <gtest/gtest.h>

using namespace corvana::toolkit;
using Items = std::vector<std::string>;

namespace {

TEST(CommaText, WritingQuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(toCommaText({"Plano Bresser", "06/1987", "10.000,00", "", "say \"hi\""}),
              "\"Plano Bresser\",06/1987,\"10.000,00\",,\"say \"\"hi\"\"\"");
    EXPECT_EQ(toCommaText({"a\tb"}), "\"a\tb\"");
    EXPECT_EQ(toCommaText({"", ""}), ",");
}

TEST(CommaText, ReadingFollowsThePlatformRules) {
    const std::pair<const char*, Items> cases[] = {
        {"a,b", {"a", "b"}},
        {"a b", {"a", "b"}},
        {"  a,  b", {"a", "b"}},
        {"a,,b", {"a", "", "b"}},
        {",a", {"", "a"}},
        {"a,", {"a", ""}},
        {"a, ", {"a"}},
        {"\"Plano Bresser\",06/1987", {"Plano Bresser", "06/1987"}},
        {"\"10.000,00\"", {"10.000,00"}},
        {"\"a\"\"b\"", {"a\"b"}},
        {"\"unterminated, with \"\"x", {"unterminated, with \"x"}},
        {"", {}},
    };
    for (const auto& [line, want] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(fromCommaText(line), want);
    }
}

TEST(CommaText, AwkwardCellsRoundTripThroughAGridRow) {
    StringGrid g(6, 2);
    g.setRow(1, {"Plano Verão", "", "\"quoted\"", "1.234,56", " lead", "x,y "});
    const std::string line = rowToCommaText(g, 1);
    StringGrid back(6, 2);
    back.setRow(1, {"old", "old", "old", "old", "old", "old"});
    rowFromCommaText(back, 1, line);
    EXPECT_EQ(back.row(1), g.row(1));

    rowFromCommaText(back, 1, "only");
    EXPECT_EQ(back.row(1), (Items{"only", "", "", "", "", ""}));
}

}  // namespace
