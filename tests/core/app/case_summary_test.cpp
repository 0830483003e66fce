// Recomputing the project's golden cases as "corvana-cli resumo" does: each case's total is the
// one its reviewed report states, a stopped case gives its message, the data folder is left as
// it was, and a second data folder gives the difference.
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "core/app/calculation_files.hpp"
#include "core/app/case_summary.hpp"
#include "core/tables/provenance.hpp"
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

// The grand total a report states: the last amount of the last line holding the first of these
// captions the report has (the savings, URV, revision, FGTS and configured-savings reports).
std::string reportTotal(const std::vector<std::string>& report) {
    static const char* const kCaptions[] = {
        "TOTAL GERAL", "Total devido em", "TOTAL = ", "VALOR TOTAL DEVIDO EM", "VALOR CORRIGIDO",
        "VALOR DEVIDO EM"};
    static const std::regex kAmount(R"(-?\d{1,3}(\.\d{3})*,\d\d)");
    for (const char* caption : kCaptions) {
        std::string found;
        for (const auto& line : report) {
            if (line.find(caption) == std::string::npos) continue;
            for (std::sregex_iterator it(line.begin(), line.end(), kAmount), e; it != e; ++it)
                found = it->str();
        }
        if (!found.empty()) return found;
    }
    return {};
}

// The report's provenance line; empty when it has none.
std::string reportSources(const std::vector<std::string>& report) {
    for (const auto& line : report)
        if (line.rfind("<p class=\"fontes\">", 0) == 0) return line;
    return {};
}

fs::path calculationOf(const fs::path& caseDir) {
    for (const auto& e : fs::directory_iterator(caseDir))
        if (e.path().stem() == "calculo") return e.path();
    return {};
}

const app::Command* windowOf(const fs::path& caseDir) {
    if (!fs::exists(caseDir / "window")) return nullptr;
    const std::string name = toolkit::readLines(caseDir / "window").front();
    const app::Command* c = app::commandForWindowName(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}

}  // namespace

// Every golden case of every calculator: the total, the final month and the tables are those
// its reviewed report states; a stopped case gives its message; the data folder is untouched.
TEST(Resumo, EveryGoldenCaseComesToItsReportsTotal) {
    std::map<std::string, int> computed, stopped;
    for (const auto& calculator : fs::directory_iterator(kCases)) {
        if (!calculator.is_directory()) continue;
        for (const auto& entry : fs::directory_iterator(calculator.path())) {
            const fs::path c = entry.path();
            const fs::path file = fs::is_directory(c) ? calculationOf(c) : fs::path();
            if (file.empty()) continue;
            SCOPED_TRACE(c.string());
            TempDir data;
            fs::copy(c / "data", data.path(), fs::copy_options::recursive);
            const auto before = snapshot(data.path());
            const auto s = app::summarizeCalculation(file, data.path(), windowOf(c));
            EXPECT_EQ(snapshot(data.path()), before);  // nothing written into the data folder
            EXPECT_FALSE(s.calculator.empty());
            const std::string family = calculator.path().filename().string();
            if (fs::exists(c / "esperado.html")) {
                ++computed[family];
                ASSERT_TRUE(s.ok()) << s.message;
                const auto report = toolkit::readLines(c / "esperado.html");
                const std::string stated = reportTotal(report);
                ASSERT_FALSE(stated.empty());
                // The amount as the report prints it, after the currency when it has one.
                EXPECT_TRUE(s.total == stated || s.total.ends_with(" " + stated)) << s.total;
                EXPECT_TRUE(std::regex_match(s.finalMonth, std::regex(R"((0[1-9]|1[0-2])/(19|20)\d\d)")))
                    << s.finalMonth;
                // The tables are those the report names, with the same provenance.
                const std::string sources = reportSources(report);
                if (s.tableNames.empty()) {
                    // A saved grid carries its indices: the report names no table either.
                    EXPECT_EQ(sources.find(".tab"), std::string::npos) << sources;
                } else if (!sources.empty()) {
                    EXPECT_EQ(tables::sourcesLine(data.path(), s.tableNames), sources);
                } else if (file.extension() == ".fg") {
                    EXPECT_EQ(s.tableNames, std::vector<std::string>{"fgts.tab"});
                }
                ASSERT_EQ(s.tables.size(), s.tableNames.size());
                for (const auto& t : s.tables) EXPECT_EQ(t.lastMonth.size(), 7u) << t.file;
            } else {
                ++stopped[family];
                EXPECT_FALSE(s.ok());
                EXPECT_FALSE(s.message.empty());
                EXPECT_TRUE(s.total.empty());
                for (const char* name : {"message", "mensagem"}) {
                    if (fs::exists(c / name)) {
                        EXPECT_TRUE(s.message.starts_with(toolkit::readLines(c / name).front()))
                            << s.message;
                    }
                }
            }
        }
    }
    for (const char* family : {"savings", "tjsp", "jf", "estado", "urv", "fgts", "configured"})
        EXPECT_GE(computed[family], 1) << family;
    EXPECT_GE(stopped["fgts"] + stopped["urv"] + stopped["configured"], 5);
}

TEST(Resumo, FileOpensInTheWindowTheProgramOpensItIn) {
    struct Case {
        const char* file;
        bool found;
    } cases[] = {
        {"a.E12", true},       {"a.ejf", true},  {"b.urv", true},        {"c.fgtsd", true},
        {"d.jfgts", true},     {"e.fg", true},   {"f.ex21", true},       {"temp_urv.back", true},
        {"fgts.back", true},   {"a.txt", false}, {"outro.back", false},
    };
    for (const auto& c : cases) EXPECT_EQ(app::isCalculationFile(c.file), c.found) << c.file;

    TempDir dir;
    writeBytes(dir / "nota.txt", "qualquer coisa\r\n");
    const auto s = app::summarizeCalculation(dir / "nota.txt", dir.path());
    EXPECT_EQ(s.message, std::string(app::kNoWindowOpens) + "\"nota.txt\"");
    for (const char* name : {"tjsp", "tjpre", "sp", "conf", "conftodosII", "urv", "fgts", "juros",
                             "revisao"})
        EXPECT_NE(app::commandForWindowName(name), nullptr) << name;
    EXPECT_EQ(app::commandForWindowName("outra"), nullptr);
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
