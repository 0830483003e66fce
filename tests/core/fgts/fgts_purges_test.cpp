// The FGTS purge window: wizard skipping, JAM lookups, both ways of computing, files.
#include <gtest/gtest.h>

#include "core/app/scripted_ui.hpp"
#include "core/fgts/fgts_purges.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/text_file.hpp"
#include "test_support.hpp"

using namespace corvana;
using corvana::fgts::TFormFGTS;

namespace {

// A window over a small JAM table: 01/1989 .. 08/2014, index doubling every month from 1.
struct Purges {
    corvana::testing::TempDir dir;
    app::ScriptedUi ui;
    app::SharedContext ctx{ui};
    TFormFGTS form{ctx};

    explicit Purges(const std::string& firstMonth = "01/1989") {
        ctx.meudir = dir.path();
        toolkit::StringGrid& g = ctx.indice;
        g = toolkit::StringGrid(9, 1);
        auto add = [&](const std::string& month, const std::string& i3, const std::string& i6,
                       const std::string& moeda) {
            const int r = g.rowCount();
            g.setRowCount(r + 1);
            g.setRow(r, {month, "", "", "", "", "", i3, i6, moeda});
        };
        if (firstMonth == "none") return;
        if (firstMonth == "01/1989") {
            add("01/1989", "1,0", "1,0", "NCz$");
            add("03/1989", "2,0", "4,0", "NCz$");
            add("05/1990", "10,0", "20,0", "Cr$");
        }
        add("06/2014", "40,0", "80,0", "R$");
        add("07/2014", "50,0", "100,0", "R$");
        add("08/2014", "60,0", "120,0", "R$");
    }
};

}  // namespace

TEST(FgtsWizard, SkipsThePagesOfOptionsThatAreOffBothWays) {
    struct Case {
        bool juros, hono, custas;
        std::vector<int> forward, back;
    };
    const Case cases[] = {
        {false, false, false, {4, 5}, {0}},
        {true, false, false, {1, 4, 5}, {1, 0}},
        {false, true, true, {2, 3, 4, 5}, {3, 2, 0}},
        {true, true, false, {1, 2, 4, 5}, {2, 1, 0}},
    };
    for (const auto& c : cases) {
        Purges p;
        auto& f = p.form;
        f.Dataini = "01/06/2014";
        f.Datajuros = "01/01/2010";
        f.Cjuros = c.juros;
        f.Chonorarios = c.hono;
        f.Ccustas = c.custas;
        std::vector<int> pages;
        while (f.page < 5) {
            f.ProximoClick();
            pages.push_back(f.page);
        }
        EXPECT_EQ(pages, c.forward);
        EXPECT_TRUE(f.finalizarEnabled);
        f.page = 4;
        pages.clear();
        while (f.page > 0) {
            f.AnteriorClick();
            pages.push_back(f.page);
        }
        EXPECT_EQ(pages, c.back);
    }
}

TEST(FgtsWizard, MissingDatesStopOnTheirPageWithTheirMessage) {
    Purges p;
    auto& f = p.form;
    f.Cjuros = true;
    f.focused = "Dataini";
    f.Dataini = "  /  /    ";
    f.ProximoClick();
    EXPECT_EQ(f.page, 0);
    f.Dataini = "1/06/2014";  // the exit repair of the focused box runs first
    f.focused = "Dataini";
    EXPECT_THROW(f.ProximoClick(), toolkit::Error);  // a day that is not a number
    EXPECT_EQ(f.Dataini, "1/06/2014");
    f.Dataini = "01/06/14";
    f.focused = "Dataini";
    f.ProximoClick();
    EXPECT_EQ(f.Dataini, "01/06/2014");
    EXPECT_EQ(f.page, 1);
    f.ProximoClick();
    EXPECT_EQ(f.page, 1);
    EXPECT_EQ(p.ui.messages,
              (std::vector<std::string>{"Preencha a data de atualização",
                                        "Preencha a Data de início  - juros de mora"}));
    EXPECT_EQ(f.focused, "Datajuros");
}

TEST(FgtsJam, IndexOfADateAndCurrencyOfItsMonth) {
    Purges p;
    auto& f = p.form;
    EXPECT_EQ(f.devolvevalor({2014, 6, 1}), 40);   // the first of a month: that month
    EXPECT_EQ(f.devolvevalor({2014, 6, 15}), 50);  // later days: the next month
    EXPECT_EQ(f.devolvevalor({1989, 2, 10}), 2);   // a month the table lacks: the next one
    EXPECT_EQ(f.devolvevalor({2014, 9, 1}), 0);
    f.JR6 = true;
    f.JR3 = false;
    EXPECT_EQ(f.devolvevalor({2014, 6, 1}), 80);
    EXPECT_EQ(f.devolvemoeda("15/06/2014"), "R$ ");
    EXPECT_EQ(f.devolvemoeda("05/1990"), "Cr$ ");
    EXPECT_EQ(f.devolvemoeda("15/12/2030"), "");
}

TEST(FgtsJam, InterestMonthsDropTheRemainingDays) {
    Purges p;
    p.form.Datajuros = "15/01/2009";
    p.form.Dataini = "31/03/2010";
    EXPECT_EQ(p.form.monthsOfInterest(), 14);
}

TEST(FgtsYieldWay, DifferencesCorrectionInterestAndTotals) {
    struct Case {
        bool jr6;
        std::string verao, collor;
    };
    for (const Case& c : {Case{false, "35,57", "1.821,18"}, Case{true, "35,27", "924,96"}}) {
        Purges p;
        auto& f = p.form;
        f.JR3 = !c.jr6;
        f.JR6 = c.jr6;
        f.Dataini = "01/06/2014";
        f.JCsaldos = "100,00";
        f.JCollor = "10,00";
        f.calcularPlanilha();
        EXPECT_EQ(f.planilha.cell(2, 1), c.verao);
        EXPECT_EQ(f.planilha.cell(2, 2), c.collor);
    }
    Purges p;
    auto& f = p.form;
    f.Dataini = "01/06/2014";
    f.Datajuros = "15/01/2009";
    f.Cjuros = f.Chonorarios = f.Ccustas = true;
    f.Txjur = "12,00";
    f.hono = "10,00";
    f.cust = "150,00";
    f.JCsaldos = "100,00";
    f.Ccollor = false;
    f.calcularPlanilha();
    const auto& g = f.planilha;
    // 35,57 x (40 / 2) = 711,40; 64 months at 1% = 64% = 455,30
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"03/89", "100,00", "35,57", "20,000000", "711,40",
                                                  "455,30", "1.166,70"}));
    for (int r : {2, 3}) EXPECT_EQ(g.row(r), std::vector<std::string>(7));
    EXPECT_EQ(g.cell(6, 4), "<b>R$ 1.166,70</b>");
    EXPECT_EQ(g.cell(6, 5), "R$ 116,67");
    EXPECT_EQ(g.cell(6, 6), "R$ 150,00");
    EXPECT_EQ(g.cell(2, 7), "<b>TOTAL GERAL</b>");
    EXPECT_EQ(g.cell(6, 7), "<b>R$ 1.433,37</b>");
    EXPECT_EQ(g.cell(6, 10), "<b>12,00%</b>");
    EXPECT_EQ(g.cell(2, g.rowCount() - 1), "<b>Indexador aplicado: </b>");
    EXPECT_EQ(g.rowCount(), 12);
}

TEST(FgtsYieldWay, APlanMonthWithoutJamIndexIsNamedInsteadOfDividingByZero) {
    Purges p("none");  // the table ends before the Collor month
    p.ctx.indice.setRowCount(2);
    p.ctx.indice.setRow(1, {"01/1989", "", "", "", "", "", "1,0", "1,0", "NCz$"});
    auto& f = p.form;
    f.Dataini = "01/01/1989";
    f.Cverao = false;
    f.JCollor = "10,00";
    f.JCsaldos = "100,00";
    f.page = 5;
    f.finalizarEnabled = true;
    const auto before = f.planilha;
    EXPECT_FALSE(app::runCommand(p.ui, [&] { f.BfimClick(); }));
    ASSERT_EQ(p.ui.messages.size(), 1u);
    EXPECT_NE(p.ui.messages[0].find("05/1990"), std::string::npos);
    EXPECT_EQ(f.planilha, before);
    EXPECT_EQ(f.page, 5);
    EXPECT_FALSE(std::filesystem::exists(f.backupPath()));
}

TEST(FgtsBalanceWay, MonthTableRunsBothDifferencesAndTotals) {
    for (const bool jr6 : {false, true}) {
        Purges p;
        auto& f = p.form;
        f.JR3 = !jr6;
        f.JR6 = jr6;
        f.Rsaldo = true;
        f.Rrendimento = false;
        f.Dataini = "10/08/1993";
        f.JCsaldos = f.JCollor = "1.000,00";
        // Rows 1 and 10 carry the fixed plan factors; row 9 is the Collor date of the Verão
        // difference; 10/08/1993 is the currency change and the update date itself.
        auto& m = f.mes;
        m = toolkit::StringGrid(8, 14);
        m.setRow(0, {"Data", "", "", "Taxa"});
        const char* dates[] = {"01/03/1989", "01/06/1989", "01/09/1989", "01/12/1989", "01/01/1990",
                               "01/02/1990", "01/03/1990", "01/04/1990", "02/05/1990", "10/06/1990",
                               "10/07/1990", "10/07/1993", "10/08/1993"};
        for (int r = 1; r <= 13; ++r) m.setRow(r, {dates[r - 1], "", "", "0,1"});
        m.setCell(3, 1, jr6 ? "0,893071" : "0,879083");
        m.setCell(3, 10, jr6 ? "0,004867" : "0,002466");
        f.mesx();
        EXPECT_EQ(m.rowCount(), 13);  // the row of the update date went
        EXPECT_EQ(m.cell(0, 0), "<b>Data</b>");
        EXPECT_EQ(m.cell(6, 1), jr6 ? "0,32" : "0,31");
        EXPECT_EQ(m.cell(7, 10), jr6 ? "450,18" : "449,10");
        EXPECT_EQ(m.cell(6, 9), jr6 ? "1,00" : "0,97");  // rounded at each month, then x 1,448
        EXPECT_EQ(f.Sfimes.cell(0, 0), "<b>Total Plano Verão:</b>");
        EXPECT_EQ(f.Sfimes.cell(0, 2), "<b>Total devido em 10/08/1993:</b>");
        EXPECT_EQ(f.Sfimes.rowCount(), 3);
    }
}

TEST(FgtsBalanceWay, TotalsWithInterestFeesAndCostsAddTheWrittenAmounts) {
    Purges p;
    auto& f = p.form;
    f.Dataini = "01/06/2014";
    f.Datajuros = "15/01/2009";
    f.Cjuros = f.Chonorarios = f.Ccustas = true;
    f.Txjur = "6,00";
    f.hono = "10,00";
    f.cust = "0,01";
    f.Cverao = false;
    f.JCollor = "100,00";
    f.mes = toolkit::StringGrid(8, 11);
    for (int r = 1; r <= 10; ++r) f.mes.setRow(r, {"01/01/1990", "", "", "0"});
    f.mesx();
    const auto& s = f.Sfimes;
    EXPECT_EQ(s.row(0), (std::vector<std::string>{"<b>Total Plano Collor:</b>", "44,80"}));
    EXPECT_EQ(s.row(1),
              (std::vector<std::string>{
                  "<b>Juros Moratórios de 0,50% ao mês de 15/01/2009 a 01/06/2014 = 32,00%</b>",
                  "14,34"}));
    EXPECT_EQ(s.row(2), (std::vector<std::string>{"<b>Honorários de: 10,00%:</b>", "5,91"}));
    EXPECT_EQ(s.row(3), (std::vector<std::string>{"<b>Custas:</b>", "0,01"}));
    EXPECT_EQ(s.row(4), (std::vector<std::string>{"<b>Total devido em 01/06/2014:</b>", "65,06"}));
    EXPECT_EQ(s.rowCount(), 5);
}

TEST(FgtsFiles, WriteReadBackAndTheFlagsOfAFile) {
    Purges p;
    auto& f = p.form;
    f.Dataini = "01/06/2014";
    f.JCsaldos = "1.234,56";
    f.Rsaldo = true;
    f.Rrendimento = false;
    f.JR3 = false;
    f.JR6 = true;
    f.salvarx();
    const auto lines = toolkit::readLines(f.backupPath());
    EXPECT_EQ(lines.size(), 16u);  // no header lines: "0" and 15 fields
    EXPECT_EQ(lines[0], "0");
    EXPECT_EQ(toolkit::readFileBytes(f.backupPath()).substr(0, 3), "0\r\n");
    TFormFGTS other(p.ctx);
    other.page = 3;
    other.SpeedButton8Click();
    EXPECT_EQ(other.fileLines(), f.fileLines());
    EXPECT_EQ(other.page, 0);

    // "True" is not "true"; Rsaldo "false" chooses the yield way; a money line is money-entered.
    std::vector<std::string> l = f.fileLines();
    l[9] = "True";
    l[10] = "123";
    l[15] = "false";
    toolkit::writeLines(p.dir / "x.fg", l);
    other.abrir(p.dir / "x.fg");
    EXPECT_FALSE(other.Cverao);
    EXPECT_EQ(other.JCsaldos, "1,23");
    EXPECT_FALSE(other.Rsaldo);
    EXPECT_TRUE(other.Rrendimento);
}

TEST(FgtsFiles, AFileCutShortOrWithABadCountChangesNothing) {
    Purges p;
    auto& f = p.form;
    f.Edit1 = {"mantido"};
    f.page = 2;
    for (const std::vector<std::string>& lines :
         {std::vector<std::string>{"2", "um", "dois", "01/06/2014", "true"},
          std::vector<std::string>{"x", "01/06/2014"}}) {
        toolkit::writeLines(p.dir / "x.fg", lines);
        EXPECT_FALSE(app::runCommand(p.ui, [&] { f.abrir(p.dir / "x.fg"); }));
        EXPECT_EQ(f.Edit1, std::vector<std::string>{"mantido"});
        EXPECT_EQ(f.page, 2);
    }
    EXPECT_EQ(p.ui.messages.back(),
              "O arquivo não é um cálculo válido: a leitura foi interrompida");
}

TEST(FgtsFiles, SaveBeforeAnyFinalizarDoesNothing) {
    Purges p;
    p.ui.saveAnswers.push_back(p.dir / "a.fg");
    p.form.SpeedButton3Click();
    EXPECT_TRUE(p.ui.messages.empty());
    EXPECT_EQ(p.ui.saveAnswers.size(), 1u);  // not even asked
    p.form.salvarx();
    p.form.SpeedButton3Click();
    EXPECT_EQ(toolkit::readFileBytes(p.dir / "a.fg"), toolkit::readFileBytes(p.form.backupPath()));
}

TEST(FgtsReport, HeaderTextIsEscapedAndTheBoldLabelsStay) {
    Purges p;
    auto& f = p.form;
    f.Edit1 = {"<script>x</script> & cia"};
    f.Dataini = "01/06/2014";
    f.JCsaldos = "100,00";
    f.Ccollor = false;
    f.calcularPlanilha();
    f.imp();
    const std::string html = toolkit::readTextFile(f.reportPath());
    EXPECT_NE(html.find("<p>&lt;script&gt;x&lt;/script&gt; &amp; cia</p>\r\n"), std::string::npos);
    EXPECT_NE(html.find("<td><div align=Right><b>TOTAL GERAL</b></div></td>"), std::string::npos);
    EXPECT_EQ(p.ui.reportsShown.back(), f.reportPath());
}

TEST(FgtsBalanceWay, LeavingTheRatePageLoadsThatRatesTableAndNeedsIt) {
    Purges p;
    auto& f = p.form;
    f.Dataini = "01/06/2014";
    f.Rsaldo = true;
    f.Rrendimento = false;
    f.JR3 = false;
    f.JR6 = true;
    f.page = 4;
    EXPECT_FALSE(app::runCommand(p.ui, [&] { f.ProximoClick(); }));
    EXPECT_EQ(p.ui.messages.back(), "A tabela fgtsmes6.tab não foi encontrada, atualize os índices");
    EXPECT_EQ(f.page, 4);
    EXPECT_FALSE(f.finalizarEnabled);
    // The 6% table replaces whatever the grid held (a longer 3% table included).
    f.mes = toolkit::StringGrid(8, 40);
    f.mes.setCell(0, 30, "01/01/2000");
    toolkit::writeLines(p.dir / "fgtsmes6.tab",
                        {"Data\tx\tx\tTaxa", "01/03/1989\t\t\t0,893071", "01/06/1989\t\t\t0"});
    f.JCsaldos = "1.000,00";
    f.ProximoClick();
    EXPECT_EQ(f.page, 5);
    EXPECT_EQ(f.mes.rowCount(), 3);
    EXPECT_EQ(f.mes.cell(6, 2), "0,32");
}

TEST(FgtsYieldWay, AnUpdateDateBeyondTheJamTableIsRefused) {
    Purges p;
    auto& f = p.form;
    f.Dataini = "15/08/2014";  // needs 09/2014
    f.JCsaldos = "100,00";
    EXPECT_FALSE(app::runCommand(p.ui, [&] { f.calcularPlanilha(); }));
    EXPECT_NE(p.ui.messages.back().find("'15/08/2014'"), std::string::npos);
}

// The line before the report's last names the table the way used, from fontes.tab.
TEST(FgtsReport, NamesTheTableOfEachWayAndWhetherItIsASample) {
    for (const bool sample : {false, true}) {
        Purges p;
        auto& f = p.form;
        const std::string flag = sample ? "Sim" : "Não";
        toolkit::writeLines(p.dir / "fontes.tab",
                            {"Tabela\tDescrição\tFonte\tEdição\tÚltima competência\tExemplo",
                             "fgts.tab\tJAM\tCaixa, JAM do FGTS\t06/2024\t06/2024\t" + flag,
                             "fgtsmes3.tab\tJAM 3%\tCaixa, JAM a 3%\t06/2024\t06/2024\t" + flag});
        toolkit::writeLines(p.dir / "fgtsmes3.tab",
                            {"Data\tx\tx\tTaxa", "01/03/1989\t\t\t0,879083", "01/06/1989\t\t\t0"});
        const std::string warning =
            sample ? " — TABELA DE EXEMPLO — valores fictícios, não usar em juízo" : "";
        auto lineBeforeTheEnd = [&] {
            const std::string html = toolkit::readTextFile(f.reportPath());
            const auto end = html.rfind("\r\n</span></body></html>");
            const auto start = html.rfind("\r\n", end - 1) + 2;
            return html.substr(start, end - start);
        };
        f.Dataini = "01/06/2014";
        f.JCsaldos = "100,00";
        f.Ccollor = false;
        f.page = 5;
        f.finalizarEnabled = true;
        ASSERT_TRUE(app::runCommand(p.ui, [&] { f.BfimClick(); }));
        EXPECT_EQ(lineBeforeTheEnd(), "<p class=\"fontes\">Índices: fgts.tab — Caixa, JAM do FGTS, "
                                      "edição 06/2024, até 06/2024" + warning + ".</p>");

        // The balance way names its month table only. "Finalizar" on the page of the amounts
        // runs on the rate's table as it stands, not on a month grid left from before.
        f.Rsaldo = true;
        f.Rrendimento = false;
        f.mes = toolkit::StringGrid(8, 30);
        f.page = 4;
        f.finalizarEnabled = true;
        ASSERT_TRUE(app::runCommand(p.ui, [&] { f.BfimClick(); }));
        EXPECT_EQ(f.mes.rowCount(), 3);
        EXPECT_EQ(f.mesTabela, "fgtsmes3.tab");
        EXPECT_EQ(lineBeforeTheEnd(), "<p class=\"fontes\">Índices: fgtsmes3.tab — Caixa, JAM a 3%, "
                                      "edição 06/2024, até 06/2024" + warning + ".</p>");
    }
}
