// The São Paulo factor-table window: one-step correction, simple and compound interest on the
// whole debt, its report, and the "estados" files.
#include <gtest/gtest.h>

#include "core/toolkit/text_file.hpp"
#include "court_fixture.hpp"

using namespace corvana;
using namespace corvana::testing;

namespace {

struct Estado : CourtApp {
    Estado() {
        writeCourtTable(dir.path(), "poupanca13.tab", "1");
        writeFactorTable(dir.path(), {{"06/1987", "1,0", "Cz$"},
                                      {"07/1987", "2,0", "Cz$"},
                                      {"08/1987", "3,0", "Cz$"},
                                      {"09/1987", "5,0", "R$"}});
        toolkit::writeLines(dir / "cabecalho.dat", {"Processo 123"});
        toolkit::writeLines(dir / "rodape.dat", {"São Paulo, data"});
        start();
        EXPECT_TRUE(open(kFatores));
        sp().ToolbarButton971Click();  // "Novo" loads the header and footer
    }
    // Bresser, 10.000,00 on day 1: a purge difference of 804,00, brought to 09/1987.
    bool walkToSpreadsheet(const std::vector<std::string>& interest = {}) {
        auto& w = sp();
        w.CPlanos.setChecked(0, true);
        w.CPlanosClick();
        if (!nextTo(w, 1)) return false;
        w.SSaldo.setCell(4, 1, "10.000,00");
        if (!interest.empty()) w.STJuros.setRow(1, interest);
        return nextTo(w, 5);
    }
};

TEST(Estado, FactorCorrectionInOneStep) {
    Estado f;
    auto& w = f.sp();
    EXPECT_EQ(w.caption(), "Cálculos por Estado - Débitos Judiciais São Paulo");
    EXPECT_EQ(w.Label5, "Tabela atualizada até: 09/1987");
    ASSERT_TRUE(f.walkToSpreadsheet());
    EXPECT_EQ(w.SPlanos.cell(0, 2), "Data Atual");
    EXPECT_EQ(w.SSaldo.cell(2, 1), "Cz$");
    EXPECT_TRUE(w.finalizarEnabled);
    const auto& p = w.planilha;
    ASSERT_EQ(p.colCount(), 5);
    ASSERT_EQ(p.rowCount(), 3);
    EXPECT_EQ(p.row(0), (std::vector<std::string>{"Data Inicial", "Data Final", "Valor",
                                                  "Índice de Correção", "Valor Corrigido"}));
    EXPECT_EQ(p.row(1), (std::vector<std::string>{"01/07/1987", "01/09/1987", "Cz$ 804,00",
                                                  ":2,0 X 5,0", "2.010,00"}));
    EXPECT_EQ(p.row(2), (std::vector<std::string>{"", "", "", "Total", "R$ 2.010,00"}));
    // "Próximo" on the last page stays there.
    w.SpeedButton2Click();
    EXPECT_EQ(w.page, 5);
}

TEST(Estado, InterestOnTheWholeDebtSimpleOrCompound) {
    struct Case {
        bool compound;
        const char* percent;
        const char* total;
    };
    // 1 % a month from 10/01/2000 to 10/01/2001: counted from 10/02/2000, 11 months.
    for (const Case c :
         {Case{true, "11,57", "<b>TOTAL = R$ 2.010,00 X 11,57% = R$ 2.242,56</b>"},
          Case{false, "11,0000", "<b>TOTAL = R$ 2.010,00 X 11,00% = R$ 2.231,10</b>"}}) {
        SCOPED_TRACE(c.percent);
        Estado f;
        auto& w = f.sp();
        if (c.compound) w.RcompostoClick();
        ASSERT_TRUE(f.walkToSpreadsheet({"10/01/2000", "10/01/2001", "1"}));
        EXPECT_EQ(w.STJuros.cell(0, 1), "10/01/2000");
        EXPECT_EQ(w.STJuros.cell(3, 1), c.percent);
        EXPECT_EQ(w.STJuros.cell(2, 2), "Total");
        EXPECT_EQ(w.STJuros.cell(3, 2), c.compound ? "11,57" : "11,00");
        // Going back and forth computes the same again.
        w.SpeedButton1Click();
        w.SpeedButton1Click();
        ASSERT_TRUE(f.nextTo(w, 5));
        EXPECT_EQ(w.STJuros.cell(3, 1), c.percent);
        EXPECT_TRUE(CourtApp::hasLine(w.reportLines(), c.total));
    }
}

TEST(Estado, ReportLines) {
    Estado f;
    auto& w = f.sp();
    ASSERT_TRUE(f.walkToSpreadsheet());
    w.SpeedButton3Click();
    ASSERT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.ui.reportsShown.back(), f.dir / "teste.html");
    const auto re = toolkit::readLines(f.dir / "teste.html");
    const std::string span = "<span style=\"font-size:8.0pt;font-family:Arial\">";
    const std::vector<std::string> head = {
        "<html><head>",
        "<title>Atualização</title>",
        "</head>",
        "<body>",
        span,
        "<tr><td><div align=Justify><b>Processo 123</b></div></td></tr>",
        "</span>",
        span,
        "<tr><td></td></tr>",
        "",
        "<p><tr><td><b>Plano Bresser - saldo em conta em 1/06/1987 = Cz$10.000,00</b></td></tr>"};
    ASSERT_GT(re.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(re.begin(), re.begin() + head.size()), head);
    const auto table = std::find(
        re.begin(), re.end(), "<table border =0 span style=\"font-size:8.0pt;font-family:Arial\">");
    ASSERT_NE(table, re.end());
    EXPECT_EQ(table[-2], "<p>&nbsp;</p>");
    EXPECT_EQ(table[-1], "</span></table>");
    EXPECT_EQ(table[1], "<tr>");
    EXPECT_EQ(table[3], "</tr>");
    const std::vector<std::string> tail = {
        "<td><div align=Right><b></b></div></td><td><div align=Right><b></b></div></td>"
        "<td><div align=Right><b></b></div></td><td><div align=Right><b>Total</b></div></td>"
        "<td><div align=Right><b>R$ 2.010,00</b></div></td>",
        "</tr>",
        "</table>",
        span,
        "<tr><td> Tabela: Débitos Judiciais Tribunal de Justiça de São Paulo </td></tr>",
        "</span>",
        "<p>&nbsp;</p>",
        "<div align=\"Center\">",
        "<Center>",
        span,
        "<b>TOTAL = R$ 2.010,00</b>",
        "<p>&nbsp;</p>",
        "</Center>",
        "</div>",
        "<p>&nbsp;</p>",
        "<tr><td><div align=Justify>São Paulo, data</div></td></tr>",
        "</span></table>",
        "<p class=\"fontes\">Índices: t0001.tab — origem não registrada em fontes.tab, até "
        "09/1987 — TABELA DE EXEMPLO — valores fictícios, não usar em juízo.</p>",
        "</body></html>"};
    ASSERT_GT(re.size(), tail.size());
    EXPECT_EQ(std::vector<std::string>(re.end() - tail.size(), re.end()), tail);
}

// A needed month missing from the factor table stops the run with a message; nothing is shown
// as a result.
TEST(Estado, MissingMonthIsNamed) {
    Estado f;
    auto& w = f.sp();
    w.CPlanos.setChecked(0, true);
    w.CPlanosClick();
    w.SPlanos.setCell(1, 2, "10/1987");
    ASSERT_TRUE(f.nextTo(w, 3));
    const auto before = w.planilha;
    app::runCommand(f.ui, [&] { w.SpeedButton2Click(); });
    EXPECT_EQ(w.planilha, before);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0],
              "O mês 10/1987 não existe na tabela t0001.tab, atualize as tabelas");
    EXPECT_EQ(w.page, 3);
    EXPECT_FALSE(w.finalizarEnabled);
}

TEST(EstadosFile, RoundTripKeepsCompoundInterestAndLoadsItsOwnMemos) {
    Estado f;
    auto& w = f.sp();
    w.RcompostoClick();
    ASSERT_TRUE(f.walkToSpreadsheet({"10/01/2000", "10/01/2001", "1"}));
    w.SpeedButton3Click();
    const auto lines = toolkit::readLines(f.dir / "tempsp.back");
    ASSERT_GT(lines.size(), 16u);
    EXPECT_EQ(lines[0], "estados");
    EXPECT_EQ(lines[1], "2");
    // Compound, simple, month by month, then Cprorata.
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 11, lines.begin() + 15),
              (std::vector<std::string>{"true", "false", "false", "false"}));
    EXPECT_EQ(lines[15], "3");      // STJuros: header, the period, "Total"
    EXPECT_EQ(lines[18], "false");  // RComjuros: no amortisation grid before it
    EXPECT_EQ(lines[19], "5");
    std::filesystem::copy_file(f.dir / "tempsp.back", f.dir / "sp.e12");

    // Reopened through "Abrir" of the savings window: it opens here, in compound mode, with
    // this window's header and footer.
    w.ToolbarButton971Click();
    w.Memo1.clear();
    EXPECT_TRUE(w.Rsimples);
    f.form2().Memo1 = {"não mexer"};
    f.ui.openAnswers.push_back(f.dir / "sp.e12");
    ASSERT_TRUE(f.open("Poupança Diária - com opções de configuração"));
    f.form2().SpeedButton5Click();
    ASSERT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.ui.windowsShown.back(), "TForm5");
    EXPECT_EQ(f.program->context().indice.cell(1, 2), "2,0");
    EXPECT_TRUE(w.Rcomposto);
    EXPECT_FALSE(w.Rsimples);
    EXPECT_EQ(w.Memo1, (std::vector<std::string>{"Processo 123"}));
    EXPECT_EQ(f.form2().Memo1, (std::vector<std::string>{"não mexer"}));
    ASSERT_TRUE(f.nextTo(w, 5));
    EXPECT_EQ(w.STJuros.cell(3, 1), "11,57");
}

// "Novo" starts a new calculation without throwing away a backup: neither this window's last
// calculation nor the one the daily-savings window keeps in temp2.back.
TEST(EstadosFile, NovoKeepsEveryBackup) {
    Estado f;
    auto& w = f.sp();
    ASSERT_TRUE(f.walkToSpreadsheet());
    w.SpeedButton3Click();
    toolkit::writeLines(f.dir / "temp2.back", {"Vers 1.21", "0"});
    const auto saved = toolkit::readFileBytes(f.dir / "tempsp.back");
    w.ToolbarButton971Click();
    EXPECT_TRUE(std::filesystem::exists(f.dir / "temp2.back"));
    ASSERT_TRUE(std::filesystem::exists(f.dir / "tempsp.back"));
    EXPECT_EQ(toolkit::readFileBytes(f.dir / "tempsp.back"), saved);
    EXPECT_FALSE(w.CPlanos.checked(0));
    // "Abrir Backup" brings the last calculation back.
    w.SpeedButton18Click();
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_TRUE(w.CPlanos.checked(0));
    EXPECT_EQ(w.SSaldo.cell(4, 1), "10.000,00");
}

TEST(EstadosFile, InterestModeLines) {
    struct Case {
        std::vector<std::string> modes;  // compound, simple, month by month
        bool compound;
    };
    const Case cases[] = {{{"true", "false", "false"}, true},
                          {{"false", "true", "false"}, false},
                          {{"true", "true", "false"}, false},
                          {{"true", "false", "true"}, false},
                          {{"false", "false", "true"}, false}};
    for (const auto& c : cases) {
        Estado f;
        std::vector<std::string> file = {"estados",
                                         "2",
                                         "true",
                                         "false",
                                         "3",
                                         "\"Plano Bresser\",06/1987",
                                         "\"Data Atual\",09/1987",
                                         "2",
                                         "\"Plano Bresser\",06/1987,Cz$,1,\"10.000,00\"",
                                         "2",
                                         "\"Plano Bresser\",06/1987,\"8,04\",07/1987,\"804,00\""};
        file.insert(file.end(), c.modes.begin(), c.modes.end());
        file.insert(file.end(), {"false", "2", "10/01/2000,10/01/2001,1", "false", "2", ",,,Não"});
        toolkit::writeLines(f.dir / "x.e12", file);
        f.ui.openAnswers.push_back(f.dir / "x.e12");
        f.sp().SpeedButton5Click();
        ASSERT_TRUE(f.ui.messages.empty());
        EXPECT_EQ(f.sp().Rcomposto, c.compound);
        EXPECT_EQ(f.sp().Rsimples, !c.compound);
        EXPECT_FALSE(f.sp().Rmes);
        EXPECT_EQ(f.sp().STJuros.cell(2, 1), "1");
    }
}

TEST(EstadosFile, RefusalsAndHandOver) {
    Estado f;
    auto& w = f.sp();
    ASSERT_TRUE(f.walkToSpreadsheet());
    w.SpeedButton3Click();
    auto lines = toolkit::readLines(f.dir / "tempsp.back");
    lines[1] = "5";
    lines.insert(lines.begin() + 4, {"false", "false", "false"});
    toolkit::writeLines(f.dir / "mais.e12", lines);
    const auto before = w.SSaldo;
    f.ui.openAnswers.push_back(f.dir / "mais.e12");
    w.SpeedButton5Click();
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0], "O arquivo possui 3 Plano(s) adicionai(s), impossível abrir");
    EXPECT_EQ(w.SSaldo, before);
    // The same in the backup deletes it.
    std::filesystem::copy_file(f.dir / "mais.e12", f.dir / "tempsp.back",
                               std::filesystem::copy_options::overwrite_existing);
    w.SpeedButton18Click();
    ASSERT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.messages[1],
              "O arquivo possui 3 Plano(s) adicionai(s), impossível abrir, o backup será excluido");
    EXPECT_FALSE(std::filesystem::exists(f.dir / "tempsp.back"));
    // A savings file chosen in this window opens in the savings window.
    toolkit::writeLines(f.dir / "vers.e12", {"Vers 1.21", "0"});
    f.ui.openAnswers.push_back(f.dir / "vers.e12");
    app::runCommand(f.ui, [&] { w.SpeedButton5Click(); });
    EXPECT_EQ(f.ui.windowsShown.back(), "TForm2");
}

}  // namespace
