// The configured-savings computation and report: the month table, final figures, the view.
#include <gtest/gtest.h>

#include "configured_fixture.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::testing {
namespace {

using configured::TForm7;
using configured::TForm_conftodos;
using configured::TForm_conftodosII;

template <class W>
std::vector<std::string> column(const W& w, int c) {
    std::vector<std::string> out;
    for (int r = 0; r < w.st.rowCount(); ++r) out.push_back(w.st.cell(c, r));
    return out;
}

TEST(ConfiguredRun, WorkedExampleAndTheRemunerativeView) {
    ConfiguredFixture<TForm7> f;
    f.table(60, {{1, {"0,266903", "0,186106", "Cz$"}}, {2, {"0,0123", "", "Cz$"}}});
    f.w.Dateate = "15/07/1987";  // the update row is the monthly JUL/87
    f.type("ESAjun87", "100000");
    f.compute();
    ASSERT_TRUE(f.w.finalizarEnabled);
    ASSERT_EQ(f.w.st.rowCount(), 3);
    EXPECT_EQ(f.w.st.row(1), (std::vector<std::string>{"Extrato Jul/87", "0,266903", "266,90",
                                                       "0,186106", "186,11", "80,79", "80,79", "Cz$"}));
    EXPECT_EQ(f.w.st.cell(0, 2), "JUL/87");
    EXPECT_EQ(f.w.st.cell(2, 2), "0,99");
    EXPECT_EQ(f.w.st.cell(6, 2), "81,78");
    // The statement grid holds the four months' figures.
    EXPECT_EQ(f.w.st2.cell(1, 1), "1.000,00");
    EXPECT_EQ(f.w.st2.cell(1, 4), "1.186,11");
    EXPECT_EQ(f.w.st2.cell(2, 0), "<b>Fev/89</b>");

    f.w.Cjc = true;
    const auto fig = f.w.finalFigures();  // before the view: column 6
    f.w.jurosRemuneratorios();
    EXPECT_EQ(f.w.st.colCount(), 11);
    EXPECT_EQ(f.w.st.row(1)[1], "26,060000");
    EXPECT_EQ(f.w.st.row(1)[2], "0,5%");
    EXPECT_EQ(f.w.st.row(1)[3], "26,690300");
    EXPECT_EQ(f.w.st.row(1)[4], "0,266903");
    EXPECT_EQ(f.w.st.cell(9, 2), "81,78");
    EXPECT_EQ(f.w.st.cell(10, 2), "Cz$");
    EXPECT_EQ(f.w.st.cell(1, 0), "<b>Índice Correto</b>");
    (void)fig;
}

TEST(ConfiguredRun, OnlyFev89StartsTheTableAtItsStatementRow) {
    ConfiguredFixture<TForm7> f;
    f.table(60, {{21, {"0,434336", "0,229708", "NCz$"}}});
    f.w.Dateate = "01/03/1989";
    f.type("ESAfev89", "100000");
    f.compute();
    EXPECT_EQ(f.w.st.cell(0, 1), "Extrato Fev/89");
    EXPECT_EQ(f.w.st.cell(6, 1), "204,63");  // 434,34 - 229,71, nothing before it
    EXPECT_EQ(f.w.st.cell(0, 2), "FEV/89");
    EXPECT_EQ(f.w.st.cell(0, f.w.st.rowCount() - 1), "MAR/89");
}

TEST(ConfiguredRun, CurrencyChangesDivideTheDifference) {
    ConfiguredFixture<TForm7> f;
    // Every monthly factor 0: the difference only changes by the currency divisions.
    f.table(100, {{1, {"10000", "0", "Cz$"}}}, "0");
    f.w.Dateate = "15/12/1994";
    f.type("ESAjun87", "2750000");
    f.compute();
    auto valueOf = [&](const std::string& label) {
        for (int r = 1; r < f.w.st.rowCount(); ++r)
            if (f.w.st.cell(0, r) == label) return f.w.st.cell(6, r);
        return std::string("missing");
    };
    EXPECT_EQ(valueOf("Extrato Jul/87"), "275.000.000,00");
    EXPECT_EQ(valueOf("DEZ/88"), "275.000.000,00");
    EXPECT_EQ(valueOf("JAN/89"), "275.000,00");
    EXPECT_EQ(valueOf("Extrato Fev/89"), "missing");  // no balance: the statement row goes
    EXPECT_EQ(valueOf("JUN/93"), "275.000,00");
    EXPECT_EQ(valueOf("JUL/93"), "275,00");
    EXPECT_EQ(valueOf("JUN/94"), "0,10");
    EXPECT_EQ(f.w.st.cell(0, f.w.st.rowCount() - 1), "DEZ/94");
}

TEST(ConfiguredRun, UpdateMonthWithoutRowKeepsEveryRow) {
    ConfiguredFixture<TForm7> f;
    f.table(60);
    f.w.Dateate = "15/03/2030";
    f.type("ESAjun87", "100000");
    f.compute();
    EXPECT_EQ(f.w.st.rowCount(), 1 + 60 + 1);  // Jul/87 statement row, 60 monthly rows
}

TEST(ConfiguredRun, CollorOnlyAbril90StartsAtRow36) {
    ConfiguredFixture<TForm_conftodos> f;
    f.table(60, {{36, {"0,852416", "0,419865", "Cr$"}}});
    f.w.Dateate = "01/05/1990";
    f.type("ESAmarco90", "100000");
    f.compute();
    EXPECT_EQ(column(f.w, 0),
              (std::vector<std::string>{"Mês", "Extrato Abr/90", "ABR/90", "MAI/90"}));
    EXPECT_EQ(f.w.st.cell(6, 1), "432,55");
}

TEST(ConfiguredRun, Fev91CreditedFactorFollowsTheAnniversaryDay) {
    ConfiguredFixture<TForm_conftodosII> f;
    f.table(60, {{49, {"0,224793", "0,9999", "Cr$"}}});
    f.w.Dateate = "01/02/1991";
    f.w.Edia = "13";
    f.type("ESAfev91", "100000");
    f.compute();
    ASSERT_TRUE(f.w.finalizarEnabled);
    EXPECT_EQ(f.w.st.cell(0, 1), "Extrato Fev/91");
    EXPECT_EQ(f.w.st.cell(3, 1), "0,1612");
    EXPECT_EQ(f.w.st.cell(4, 1), "161,20");
    EXPECT_EQ(f.w.st.cell(6, 1), "63,59");
}

TEST(ConfiguredRun, TableProblemsStopOnTheLastPage) {
    ConfiguredFixture<TForm7> f;
    f.w.Dateate = "01/01/1995";
    f.w.page = 8;
    f.w.Chonorarios = true;
    f.w.SpeedButton2Click();
    EXPECT_EQ(f.w.page, 9);
    EXPECT_EQ(f.ui.messages.back(), "A tabela de atualização não foi localizada");
    EXPECT_FALSE(f.w.finalizarEnabled);
    EXPECT_FALSE(std::filesystem::exists(f.w.backupPath()));

    // A table that ends before the last statement row names itself and the rows needed.
    toolkit::writeLines(f.dir / "mes.tab", {"Mês\tÍndice", "Extrato Jul/87\t0,1", "JUL/87\t0,1"});
    f.w.SpeedButton2Click();
    EXPECT_EQ(f.ui.messages.back(),
              "A tabela de atualização mes.tab tem 3 linhas; o cálculo precisa de pelo menos 40 "
              "(a linha de títulos e as linhas 1 a 39). Atualize as tabelas.");
    EXPECT_FALSE(f.w.finalizarEnabled);
    EXPECT_FALSE(std::filesystem::exists(f.w.backupPath()));
}

TEST(ConfiguredRun, ConversionErrorLeavesTheWindowAsItWas) {
    ConfiguredFixture<TForm7> f;
    f.table(60, {{2, {"abc", "", "Cz$"}}});
    f.w.Dateate = "01/01/1995";
    f.type("ESAjun87", "100000");
    f.w.page = 1;
    f.w.Rjsi = false;  // straight to the last page
    const auto before = f.w.st;
    EXPECT_FALSE(app::runCommand(f.ui, [&] { f.w.SpeedButton2Click(); }));
    EXPECT_EQ(f.w.page, 1);
    EXPECT_FALSE(f.w.finalizarEnabled);
    EXPECT_TRUE(f.w.st == before);
    EXPECT_FALSE(std::filesystem::exists(f.w.backupPath()));
    EXPECT_EQ(f.ui.messages.size(), 1u);
}

// The report's lines after the figures, from "Valor atualizado até" (the table-provenance line
// before the closing line is left out: its own tests are the golden reports).
std::vector<std::string> tail(const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find("Valor atualizado") != std::string::npos) {
            std::vector<std::string> out(lines.begin() + static_cast<long>(i), lines.end());
            std::erase_if(out, [](const std::string& l) { return l.rfind("<p class=\"fontes\">", 0) == 0; });
            return out;
        }
    return {};
}

struct Figures {
    const char* what;
    bool cjm;
    const char* morStart;
    const char* morEnd;
    const char* rate;
    bool fees, percent;
    const char* fee;
    std::vector<std::string> expected;  // the lines after "Valor atualizado até"
};

TEST(ConfiguredReport, FinalFigures) {
    const std::string upd = "<p align=\"center\"><b>Valor atualizado até: 15/07/1987 = R$ 1.000,00</b></p>";
    const Figures cases[] = {
        {"nothing", false, "", "", "", false, false, "",
         {upd, "<p align=\"center\"><b>VALOR CORRIGIDO  = 1.000,00</b></p>", "</body></html>"}},
        {"12 months", true, "01/01/2000", "01/01/2001", "1,00", false, false, "",
         {upd,
          "<p align=\"center\"><b>Juros Moratórios de:  01/01/2000 a 01/01/2001 de 1,00% x "
          "12(meses) = 12,00</b></p><p align=\"center\"><b>Valor dos Juros: 1.000,00 x 12,00% = "
          "120,00</b></p>",
          "<p align=\"center\"><b>VALOR CORRIGIDO + JUROS MORATÓRIOS  = 1.120,00</b></p>",
          "</body></html>"}},
        {"one month", true, "01/01/2000", "01/02/2000", "1", false, false, "",
         {upd, "", "<p align=\"center\"><b>VALOR CORRIGIDO + JUROS MORATÓRIOS  = 1.010,00</b></p>",
          "</body></html>"}},
        {"wrong order", true, "01/01/2001", "01/01/2000", "1", false, false, "",
         {upd, "", "<p align=\"center\"><b>VALOR CORRIGIDO + JUROS MORATÓRIOS  = 1.000,00</b></p>",
          "</body></html>"}},
        {"no start date", true, "  /  /    ", "01/01/2001", "1", false, false, "",
         {upd, "", "<p align=\"center\"><b>VALOR CORRIGIDO + JUROS MORATÓRIOS  = 1.000,00</b></p>",
          "</body></html>"}},
        {"fees 10 %", false, "", "", "", true, true, "10",
         {upd, "<p align=\"center\"><b>VALOR CORRIGIDO  = 1.000,00</b></p>",
          "<p align=\"center\"><b>Valor dos Honorários de 10% =100,00</b></p>", "</body></html>"}},
        {"fixed fee", false, "", "", "", true, false, "1.500,5",
         {upd, "<p align=\"center\"><b>VALOR CORRIGIDO  = 1.000,00</b></p>",
          "<p align=\"center\"><b>Valor dos Honorários = 1.500,50</b></p>", "</body></html>"}},
    };
    for (const auto& c : cases) {
        ConfiguredFixture<TForm7> f;
        f.table(60, {{1, {"1", "0", "R$"}}, {2, {"0", "", "R$"}}});
        f.w.Dateate = "15/07/1987";
        f.type("ESAjun87", "100000");
        f.compute();
        f.w.Cjm = c.cjm;
        f.w.Datejurmorinicial = c.morStart;
        f.w.Datejurmorfinal = c.morEnd;
        f.w.Ejurmor = c.rate;
        f.w.Chonorarios = c.fees;
        f.w.checkOption(c.percent ? "Rhonporcentagem" : "Rhonvalor");
        f.w.Ehonvalor = c.fee;
        EXPECT_EQ(tail(f.w.reportLines()), c.expected) << c.what;
    }
}

TEST(ConfiguredReport, DocumentShapeEscapingAndTheElevenColumnView) {
    ConfiguredFixture<TForm7> f;
    f.table(60, {{1, {"0,266903", "0,186106", "Cz$"}}});
    f.w.Dateate = "15/07/1987";
    f.w.Enome = "Ana <b>& Cia";
    f.type("ESAjun87", "100000");
    f.compute();
    f.w.Cjc = true;
    f.w.SpeedButton3Click();
    const auto lines = toolkit::readLines(f.w.reportPath());
    ASSERT_GE(lines.size(), 12u);
    EXPECT_EQ(lines[0], "<html><head>");
    EXPECT_EQ(lines[3], "<span align = center style=\"font-size:8.0pt;font-family:Arial\">");
    EXPECT_EQ(lines[4], "<p align=\"center\"><b>Nome: </b>Ana &lt;b&gt;&amp; Cia</p>");
    EXPECT_EQ(lines[9], "<body>");
    EXPECT_EQ(lines[11], "");
    EXPECT_EQ(lines[12], "<tr>");
    EXPECT_EQ(lines[13].rfind("<td><div align=Right><b>Extrato:</b></div></td>", 0), 0u);
    // Second table: eleven cells a row, "0,5%" under the interest caption.
    int rows = 0;
    for (const auto& l : lines)
        if (l.find("<td><div align=Right>0,5%</div></td>") != std::string::npos) {
            ++rows;
            size_t cells = 0;
            for (size_t p = l.find("<td>"); p != std::string::npos; p = l.find("<td>", p + 1)) ++cells;
            EXPECT_EQ(cells, 11u);
        }
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(f.ui.reportsShown.back(), f.w.reportPath());
    EXPECT_EQ(f.ui.windowsClosed.back(), "TForm7");
}

TEST(ConfiguredReport, FeeWithoutDigitStopsTheReportAndKeepsTheWindow) {
    ConfiguredFixture<TForm7> f;
    f.table(60);
    f.w.Dateate = "15/07/1987";
    f.type("ESAjun87", "100000");
    f.compute();
    f.w.Chonorarios = true;
    f.w.Ehonvalor = "";
    f.w.Cjc = true;
    EXPECT_FALSE(app::runCommand(f.ui, [&] { f.w.SpeedButton3Click(); }));
    EXPECT_FALSE(std::filesystem::exists(f.w.reportPath()));
    EXPECT_EQ(f.w.st.colCount(), 8);  // the view is undone with the failed report
    EXPECT_TRUE(f.ui.windowsClosed.empty() || f.ui.windowsClosed.back() != "TForm7");
}

}  // namespace
}  // namespace corvana::testing
