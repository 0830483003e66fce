// The strict calculation-file reader and report-text escaping.
#include "core/toolkit/layout_reader.hpp"

#include <gtest/gtest.h>

#include "core/toolkit/html_text.hpp"

namespace corvana::toolkit {
namespace {

TEST(LayoutReader, RefusesAFileThatEndsBeforeItsLayoutOrItsRows) {
    const std::vector<std::string> cut = {"Vers 1.2", "4", "a,b", "c,d"};
    LayoutReader in(cut);
    EXPECT_EQ(in.next(), "Vers 1.2");
    StringGrid g(2, 1);
    g.setCell(0, 0, "keep");
    EXPECT_THROW(in.readGrid(g), Error);  // three data rows announced, two lines left
    EXPECT_EQ(g.rowCount(), 1);           // the grid is as it was
    EXPECT_EQ(g.cell(0, 0), "keep");

    const std::vector<std::string> whole = {"2", "x,y", "true"};
    LayoutReader ok(whole);
    ok.readGrid(g);
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.cell(1, 1), "y");
    EXPECT_TRUE(ok.nextFlag());
    EXPECT_EQ(ok.nextOptional(), "");
    EXPECT_THROW(ok.next(), Error);
}

TEST(LayoutReader, CountLinesAreSmallWholeNumbers) {
    for (const char* bad : {"", "abc", "-1", "1234567", "0"}) {
        const std::vector<std::string> lines = {bad};
        LayoutReader in(lines);
        EXPECT_THROW(in.nextCount(1), Error) << bad;
    }
    const std::vector<std::string> lines = {" 12 "};
    LayoutReader in(lines);
    EXPECT_EQ(in.nextCount(1), 12);
}

TEST(HtmlText, EscapesMarkupOnly) {
    EXPECT_EQ(htmlText("<script>a&b</script> Verão"), "&lt;script&gt;a&amp;b&lt;/script&gt; Verão");
}

}  // namespace
}  // namespace corvana::toolkit
