// Recomputing the project's golden cases as "corvana-cli resumo" does: each case's total is the
// one its reviewed report states, a stopped case gives its message, the data folder is left as
// it was, and a second data folder gives the difference.
#include <gtest/gtest.h>

#include <map>

#include "core/app/case_summary.hpp"
#include "core/toolkit/text_file.hpp"
#include "test_support.hpp"

using namespace corvana;
using namespace corvana::testing;
namespace fs = std::filesystem;

namespace {

const fs::path kCases = CORVANA_TEST_DATA;

std::map<std::string, std::string> snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            files[e.path().lexically_relative(dir).string()] = readBytes(e.path());
    return files;
}

// The amount that ends the "TOTAL = …" line of a report.
std::string reportTotal(const fs::path& report) {
    std::string total;
    for (const auto& line : toolkit::readLines(report)) {
        const size_t at = line.find("<b>TOTAL = ");
        if (at == std::string::npos) continue;
        const size_t end = line.find("</b>", at);
        const size_t eq = line.rfind("= ", end);
        total = line.substr(eq + 2, end - eq - 2);
    }
    return total;
}

const app::Command* windowOf(const fs::path& caseDir) {
    if (!fs::exists(caseDir / "window")) return nullptr;
    const std::string name = toolkit::readLines(caseDir / "window").front();
    const app::Command* c = app::commandForWindowName(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}

}  // namespace

TEST(Resumo, EveryGoldenCaseComesToItsReportsTotal) {
    int computed = 0, stopped = 0;
    for (const auto& calculator : fs::directory_iterator(kCases)) {
        for (const auto& entry : fs::directory_iterator(calculator.path())) {
            const fs::path c = entry.path();
            if (!fs::exists(c / "calculo.e12")) continue;
            SCOPED_TRACE(c.string());
            TempDir data;
            fs::copy(c / "data", data.path(), fs::copy_options::recursive);
            const auto before = snapshot(data.path());
            const auto s = app::summarizeCalculation(c / "calculo.e12", data.path(), windowOf(c));
            EXPECT_EQ(snapshot(data.path()), before);  // nothing written into the data folder
            if (fs::exists(c / "esperado.html")) {
                ++computed;
                EXPECT_TRUE(s.ok()) << s.message;
                EXPECT_EQ(s.total, reportTotal(c / "esperado.html"));
                EXPECT_FALSE(s.calculator.empty());
                EXPECT_EQ(s.finalMonth.size(), 7u);
                ASSERT_EQ(s.tables.size(), 1u);
                EXPECT_EQ(s.tables[0].lastMonth.size(), 7u);
            } else {
                ++stopped;
                EXPECT_FALSE(s.ok());
                EXPECT_TRUE(s.total.empty());
            }
        }
    }
    EXPECT_GE(computed, 6);
    EXPECT_GE(stopped, 2);
}

TEST(Resumo, FileOpensInTheWindowItsFirstLineOrExtensionSays) {
    struct Case {
        const char* file;
        const char* firstLine;
        const char* window;
    } cases[] = {
        {"a.e12", "estados", "TForm5"},  {"a.E12", "Vers 1.21", "TForm2"},
        {"a.e12", "Vers 1.2", "TForm2"}, {"a.ejf", "Vers 1.2", "TForm_jf"},
        {"a.txt", "estados", "TForm5"},  {"a.txt", "Vers 1.2", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::windowForFile(c.file, c.firstLine), c.window) << c.file;

    TempDir dir;
    writeBytes(dir / "nota.txt", "qualquer coisa\r\n");
    const auto s = app::summarizeCalculation(dir / "nota.txt", dir.path());
    EXPECT_EQ(s.message, "Nenhuma janela deste programa abre este arquivo.");
}

TEST(Resumo, ComparedWithAnotherDataFolder) {
    const fs::path c = kCases / "estado" / "sao-paulo-official-table";
    TempDir now, before;
    fs::copy(c / "data", now.path(), fs::copy_options::recursive);
    fs::copy(c / "data", before.path(), fs::copy_options::recursive);
    // The earlier folder had a lower factor for the final month.
    auto lines = toolkit::readLines(before / "t0001.tab");
    for (auto& l : lines)
        if (l.rfind("01/2026\t", 0) == 0) l = "01/2026\t100,000000\tR$\t";
    toolkit::writeLines(before / "t0001.tab", lines);

    const auto a = app::summarizeCalculation(c / "calculo.e12", now.path());
    const auto b = app::summarizeCalculation(c / "calculo.e12", before.path());
    ASSERT_TRUE(a.ok() && b.ok()) << a.message << b.message;
    EXPECT_EQ(a.total, "R$ 11.536,05");
    EXPECT_FALSE(a.tables[0].sample);
    EXPECT_NE(b.total, a.total);
    EXPECT_EQ(app::totalDifference(a.total, a.total), "0,00");
    EXPECT_EQ(app::totalDifference("R$ 1.000,00", "R$ 1.234,56"), "-234,56");
    EXPECT_EQ(app::totalDifference("R$ 1,00", "erro"), "");
}
