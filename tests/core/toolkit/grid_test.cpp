// Index-table loading and writing, and the shared grid operations.
#include <gtest/gtest.h>

#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/text_file.hpp"
#include "test_support.hpp"

using namespace corvana::toolkit;
using corvana::testing::readBytes;
using corvana::testing::TempDir;
using corvana::testing::writeBytes;

namespace {

StringGrid freshIndex() {
    StringGrid g(1, 2);
    return g;
}

void load(StringGrid& g, const std::string& bytes) { CSV2Contents(&bytes, '\t', g); }

TEST(Loader, LineTable) {
    // Each line over a row that held "old" in its first three cells.
    struct Case {
        const char* line;
        std::vector<std::string> want;  // cells 0..2 afterwards
    } cases[] = {
        {"a\tb", {"a", "b", "old"}},
        {"a\tb\t", {"a", "b", "old"}},
        {"a\tb\t\t", {"a", "b", ""}},
        {"a\t", {"a", "old", "old"}},
        {"\t", {"", "old", "old"}},
        {"", {"old", "old", "old"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        StringGrid g(3, 1);
        for (int col = 0; col < 3; ++col) g.setCell(col, 0, "old");
        load(g, std::string(c.line) + "\r\n");
        EXPECT_EQ(g.row(0), c.want);
        EXPECT_EQ(g.rowCount(), 1);
    }
}

TEST(Loader, GrowsOneStepNeverShrinksAndKeepsUnreachedCells) {
    StringGrid g = freshIndex();
    load(g, "mes\tindice\r\n");
    EXPECT_EQ(g.rowCount(), 2);  // header plus the empty row 1 it had
    EXPECT_EQ(g.colCount(), 2);

    StringGrid wide(8, 3);
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 3; ++r) wide.setCell(c, r, "x");
    load(wide, "a\tb\tc\r\n1\t2\t3\r\n");
    EXPECT_EQ(wide.colCount(), 8);
    EXPECT_EQ(wide.rowCount(), 3);
    EXPECT_EQ(wide.row(1), (std::vector<std::string>{"1", "2", "3", "x", "x", "x", "x", "x"}));
    EXPECT_EQ(wide.cell(0, 2), "x");  // a row beyond the file keeps its texts
}

TEST(Loader, LineEndsAndByteOrderMarks) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"\xEF\xBB\xBF" "Mar\xC3\xA7o\r\n", {"Março"}},
        {std::string("\xFF\xFEM\0a\0r\0\xE7\0o\0\r\0\n\0", 16), {"Março"}},
        {std::string("\xFE\xFF\0M\0a\0r\0\xE7\0o", 12), {"Março"}},
        {"Mar\xE7o \x80 \x81\r\n", {"Março € \xC2\x81"}},
    };
    for (const auto& [bytes, want] : cases) {
        StringGrid g(1, 1);
        load(g, bytes);
        ASSERT_EQ(g.rowCount(), static_cast<int>(want.size()));
        for (size_t r = 0; r < want.size(); ++r) EXPECT_EQ(g.cell(0, static_cast<int>(r)), want[r]);
    }
}

TEST(Writer, TrailingSeparatorAndRoundTripWithAccents) {
    StringGrid g(2, 2);
    g.setRow(0, {"a", "b"});
    g.setRow(1, {"1", "2"});
    EXPECT_EQ(Contents2CSV('\t', g), "a\tb\t\r\n1\t2\t\r\n");

    TempDir dir;
    StringGrid t(3, 3);
    t.setRow(0, {"Mês", "Índice", "Observação"});
    t.setRow(1, {"março/1990", "84,32", ""});
    t.setRow(2, {"Ação €", "", ""});
    SaveToFile(dir / "t.tab", t);
    EXPECT_EQ(readBytes(dir / "t.tab").substr(0, 4), "M\xEAs\t");  // Windows-1252 on disk
    StringGrid back(1, 2);
    LoadFromFile(dir / "t.tab", back);
    EXPECT_EQ(back, t);
}

TEST(Writer, UnrepresentableCharactersSurviveTheRoundTrip) {
    TempDir dir;
    StringGrid t(1, 1);
    t.setCell(0, 0, "Ω≠");
    SaveToFile(dir / "t.tab", t);
    StringGrid back(1, 1);
    LoadFromFile(dir / "t.tab", back);
    EXPECT_EQ(back.cell(0, 0), "Ω≠");
}

TEST(Files, MissingFileFailsAndLeavesGridAlone) {
    TempDir dir;
    StringGrid g(2, 2);
    g.setCell(1, 1, "keep");
    EXPECT_THROW(LoadFromFile(dir / "none.tab", g), FileError);
    EXPECT_EQ(g.cell(1, 1), "keep");
    EXPECT_THROW(SaveToFile(dir / "no" / "such" / "dir.tab", g), FileError);
}

TEST(Files, AtomicWriteReplacesWholeFileAndLeavesNoTemporary) {
    TempDir dir;
    writeBytes(dir / "x.ini", "old content that is longer");
    writeLines(dir / "x.ini", {"novo", "conteúdo"});
    EXPECT_EQ(readBytes(dir / "x.ini"), "novo\r\nconte\xFA" "do\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);
}

TEST(GridCounts, ShrinkingHidesAndGrowingShowsAgain) {
    StringGrid g(3, 5);
    g.setCell(1, 4, "kept");
    g.setRowCount(2);
    g.setColCount(1);
    EXPECT_EQ(g.row(1).size(), 1u);
    g.setRowCount(5);
    g.setColCount(3);
    EXPECT_EQ(g.cell(1, 4), "kept");
    g.clearRowsFrom(1);
    EXPECT_EQ(g.cell(1, 4), "");
}

TEST(Sortgrid, HeaderStaysAccentsSortWithTheirLetter) {
    StringGrid g(2, 6);
    g.setRow(0, {"Nome", "n"});
    g.setRow(1, {"bresser", "1"});
    g.setRow(2, {"Ágata", "2"});
    g.setRow(3, {"Zeta", "3"});
    g.setRow(4, {"abacate", "4"});
    g.setRow(5, {"10", "5"});
    Sortgrid(g, 0);
    EXPECT_EQ(g.cell(0, 0), "Nome");
    std::vector<std::string> order;
    for (int r = 1; r < 6; ++r) order.push_back(g.cell(0, r));
    EXPECT_EQ(order, (std::vector<std::string>{"10", "abacate", "Ágata", "bresser", "Zeta"}));
    EXPECT_EQ(g.cell(1, 2), "4");  // whole rows move

    StringGrid one(1, 2);
    one.setRow(0, {"z"});
    one.setRow(1, {"a"});
    Sortgrid(one, 0);
    EXPECT_EQ(one.cell(0, 0), "z");
    EXPECT_EQ(one.cell(0, 1), "a");
    EXPECT_LT(compareText("9", "10") * -1, 0);  // text, not numbers: "10" < "9"
    EXPECT_EQ(compareText("ÁGUA", "água"), 0);
    EXPECT_LT(compareText("agua", "água"), 0);
}

TEST(RemoveLinha, RowsMoveUpAndLastContentIsGone) {
    StringGrid g(2, 4);
    for (int r = 0; r < 4; ++r) g.setRow(r, {"r" + std::to_string(r), "x"});
    RemoveLinha(g, 1);
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.cell(0, 1), "r2");
    EXPECT_EQ(g.cell(0, 2), "r3");
    g.setRowCount(4);
    EXPECT_EQ(g.cell(0, 3), "");
    RemoveLinha(g, 9);  // not a row: nothing happens
    EXPECT_EQ(g.rowCount(), 4);
}

TEST(InsereCol, CopiesTheColumnAfterItself) {
    StringGrid g(3, 2);
    g.setRow(0, {"a", "b", "c"});
    g.setRow(1, {"1", "2", "3"});
    InsereCol(g, 0);
    EXPECT_EQ(g.colCount(), 4);
    EXPECT_EQ(g.row(0), (std::vector<std::string>{"a", "a", "b", "c"}));
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"1", "1", "2", "3"}));
}

}  // namespace
