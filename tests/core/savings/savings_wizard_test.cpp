// The savings wizard: plan list, checks and messages, cell rules, options and "Finalizar".
#include <gtest/gtest.h>

#include "core/toolkit/text_file.hpp"
#include "savings_fixture.hpp"

using namespace corvana;
using corvana::testing::SavingsFixture;
using corvana::testing::writeIndexTable;

namespace {

const std::vector<std::vector<std::string>> kFourPlans = {
    {"Plano Bresser", "06/1987", "8,04", "", "Cz$", "LBC", "18,02", "IPC", "26,06", ""},
    {"Plano Verão", "01/1989", "20,37", "1000", "Cz$", "LFT", "22,35", "IPC", "42,72", "NCz$"},
    {"Plano Collor I", "04/1990", "44,80", "", "Cr$", "BTN", "0", "IPC", "44,80", ""},
    {"Plano Collor II", "02/1991", "14,87", "", "Cr$", "TRD", "7,00", "IPC", "21,87", ""},
};

struct Wizard : SavingsFixture {
    Wizard() {
        writeIndexTable(dir.path(), "01/1987", 60);  // up to 12/1991
        loadTable();
        setPlans(kFourPlans);
    }
};

TEST(Wizard, ShowingWritesHeadersAndTheTableMonth) {
    Wizard f;
    f.form2.show();
    EXPECT_EQ(f.form2.Label5, "Tabela atualizada até: 12/1991");
    EXPECT_EQ(f.form2.page, 0);
    EXPECT_EQ(f.form2.SSaldo.cell(3, 0), "Dia base");
    EXPECT_EQ(f.form2.Jmes.cell(3, 1), "Não");
    EXPECT_EQ(f.ui.windowsShown.back(), "TForm2");
}

TEST(Wizard, PlanSelectionBuildsPlanAndDifferenceGrids) {
    Wizard f;
    f.choose({1, 3});
    const auto& sp = f.form2.SPlanos;
    ASSERT_EQ(sp.rowCount(), 4);
    EXPECT_EQ(sp.colCount(), 2);
    EXPECT_EQ(sp.cell(0, 1), "Plano Verão");
    EXPECT_EQ(sp.cell(0, 2), "Plano Collor II");
    EXPECT_EQ(sp.cell(0, 3), "Atualizar até");
    EXPECT_EQ(sp.cell(1, 3), "12/1991");
    const auto& sb = f.form2.SBase;
    ASSERT_EQ(sb.rowCount(), 3);
    EXPECT_EQ(sb.cell(2, 1), "20,37");
    EXPECT_EQ(sb.cell(3, 1), "02/1989");
    EXPECT_EQ(sb.cell(3, 2), "03/1991");
    // Unticking and ticking again rebuilds from the plan table: edits are lost.
    f.form2.SPlanos.setCell(1, 1, "02/1989");
    f.form2.CPlanos.setChecked(1, false);
    f.form2.CPlanosClick();
    f.form2.CPlanos.setChecked(1, true);
    f.form2.CPlanosClick();
    EXPECT_EQ(f.form2.SPlanos.cell(1, 1), "01/1989");
}

TEST(Wizard, ChecksWhenLeavingThePlanPage) {
    struct Case {
        std::vector<int> items;
        std::string target;
        bool untickAfter;
        std::string message;
    };
    const Case cases[] = {
        {{}, "", false, "escolha um plano"},
        {{0}, "", true, "escolha um plano"},  // ticked and unticked: only "Atualizar até" is left
        {{0}, "01/1992", false, "A data 01/1992 não existe na tabela, atualize o índice"},
        {{0}, "06/1987", false,
         "A data de atualização 06/1987 deve ser posterior ao mês do plano Plano Bresser (06/1987)"},
    };
    for (const Case& c : cases) {
        Wizard f;
        f.choose(c.items, c.target);
        if (c.untickAfter) {
            for (const int i : c.items) f.form2.CPlanos.setChecked(i, false);
            f.form2.CPlanosClick();
        }
        f.form2.SpeedButton2Click();
        ASSERT_EQ(f.ui.messages.size(), 1u);
        EXPECT_EQ(f.ui.messages[0], c.message);
        EXPECT_EQ(f.form2.page, 0);
    }
    // A plan month beyond the table.
    Wizard f;
    f.setPlans({{"Plano Futuro", "06/2030", "1", "", "R$", "", "", "", "", ""}});
    f.choose({0});
    f.form2.SpeedButton2Click();
    EXPECT_EQ(f.ui.messages.at(0), "A data 06/2030 não existe na tabela, atualize o índice");
    // No table loaded at all.
    Wizard g;
    g.ctx.reloadIndice("nenhuma.tab");
    g.choose({0}, "01/1990");
    g.form2.SpeedButton2Click();
    EXPECT_EQ(g.ui.messages.at(0), "A data 06/1987 não existe na tabela, atualize o índice");
}

TEST(Wizard, BalancesFollowTheirPlanWhenPlansAreTickedOrUnticked) {
    Wizard f;
    f.choose({0, 1}, "03/1989");
    ASSERT_TRUE(f.nextTo(1));
    f.form2.SSaldo.setCell(3, 1, "5");
    f.form2.SSaldo.setCell(4, 1, "1.111,11");
    f.form2.SSaldo.setCell(3, 2, "20");
    f.form2.SSaldo.setCell(4, 2, "2.222,22");
    f.form2.SpeedButton1Click();
    f.form2.CPlanos.setChecked(0, false);  // Bresser goes: its row goes with it
    f.form2.CPlanosClick();
    ASSERT_TRUE(f.nextTo(1));
    const auto& ss = f.form2.SSaldo;
    ASSERT_EQ(ss.rowCount(), 2);
    EXPECT_EQ(ss.row(1), (std::vector<std::string>{"Plano Verão", "01/1989", "Cz$", "20", "2.222,22"}));
    f.form2.SpeedButton1Click();
    f.form2.CPlanos.setChecked(0, true);  // back, with fresh figures; Verão keeps its own
    f.form2.CPlanos.setChecked(2, true);
    f.form2.CPlanosClick();
    f.form2.SPlanos.setCell(1, f.form2.SPlanos.rowCount() - 1, "12/1991");
    ASSERT_TRUE(f.nextTo(1));
    ASSERT_EQ(ss.rowCount(), 4);
    EXPECT_EQ(ss.row(1), (std::vector<std::string>{"Plano Bresser", "06/1987", "Cz$", "1", "0,00"}));
    EXPECT_EQ(ss.row(2), (std::vector<std::string>{"Plano Verão", "01/1989", "Cz$", "20", "2.222,22"}));
    EXPECT_EQ(ss.row(3), (std::vector<std::string>{"Plano Collor I", "04/1990", "Cr$", "1", "0,00"}));
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(Wizard, EmptyTargetMonthIsNamedAndNoPlanTableOffersNoPlan) {
    Wizard f;
    f.choose({0});
    f.form2.SPlanos.setCell(1, f.form2.SPlanos.rowCount() - 1, "");
    f.form2.SpeedButton2Click();
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0],
              "Informe o mês em \"Atualizar até\" (mm/aaaa): o mês até o qual o débito é atualizado");
    EXPECT_EQ(f.form2.page, 0);
    // Without planos.ini the plan table is one empty row: no plan to offer.
    SavingsFixture g;
    g.form3.carregar();
    EXPECT_EQ(g.form2.CPlanos.count(), 0);
}

TEST(Wizard, FirstShowingFillsHeaderAndFooterFromTheirFiles) {
    Wizard f;
    toolkit::writeLines(f.dir / "cabecalho.dat", {"Autos 1/2000"});
    toolkit::writeLines(f.dir / "rodape.dat", {"São Paulo", "Advogado"});
    f.form2.show();
    EXPECT_EQ(f.form2.Memo1, (std::vector<std::string>{"Autos 1/2000"}));
    EXPECT_EQ(f.form2.Memo2, (std::vector<std::string>{"São Paulo", "Advogado"}));
    f.form2.Button2Click();
    EXPECT_EQ(toolkit::readLines(f.dir / "rodape.dat"), f.form2.Memo2);
    // Showing again keeps what the user typed.
    f.form2.Memo1 = {"Autos 2/2001"};
    f.form2.hidden();
    f.form2.show();
    EXPECT_EQ(f.form2.Memo1, (std::vector<std::string>{"Autos 2/2001"}));
}

TEST(Wizard, BalancePageGetsDefaultsCurrencyAndAmortisationMonths) {
    Wizard f;
    f.choose({0, 1}, "03/1989");
    ASSERT_TRUE(f.nextTo(1));
    const auto& ss = f.form2.SSaldo;
    ASSERT_EQ(ss.rowCount(), 3);
    EXPECT_EQ(ss.cell(0, 2), "Plano Verão");
    EXPECT_EQ(ss.cell(1, 2), "01/1989");
    EXPECT_EQ(ss.cell(2, 2), "Cz$");  // the plan table's "Moeda"
    EXPECT_EQ(ss.cell(3, 1), "1");
    EXPECT_EQ(ss.cell(4, 1), "0,00");
    const auto& am = f.form2.amortizacao;
    EXPECT_EQ(am.cell(0, 1), "07/1987");
    EXPECT_EQ(am.cell(0, am.rowCount() - 1), "03/1989");
    EXPECT_EQ(am.rowCount(), 22);
}

TEST(Wizard, IndexBasisTrLocksCapitalisedInterest) {
    Wizard f;
    f.form2.RComjurosClick();
    f.form2.RtrClick();
    f.choose({0}, "09/1987");
    ASSERT_TRUE(f.nextTo(1));
    EXPECT_TRUE(f.form2.Rsemjuros);
    EXPECT_FALSE(f.form2.RComjuros);
    EXPECT_FALSE(f.form2.jurosOptionsEnabled);
    f.form2.RComjurosClick();
    EXPECT_FALSE(f.form2.RComjuros);
    f.form2.SpeedButton1Click();
    f.form2.RpoupClick();
    ASSERT_TRUE(f.nextTo(1));
    EXPECT_TRUE(f.form2.jurosOptionsEnabled);
}

TEST(Wizard, CellRulesWhenLeavingGrids) {
    Wizard f;
    auto& ss = f.form2.SSaldo;
    ss.setRow(1, {"", "", "", "31", "1234,5"});
    ss.setRow(2, {"", "", "", "07", "1.000"});
    ss.setRow(3, {"", "", "", "", ""});
    ss.setRow(4, {"", "", "", "15", ""});
    ss.setRowCount(6);
    ss.setRow(5, {"", "", "", "99999999999999999999", ""});
    f.form2.focusedGrid = "SSaldo";
    f.form2.takeFocusOff();
    EXPECT_EQ(ss.cell(3, 1), "28");
    EXPECT_EQ(ss.cell(4, 1), "1.234,50");
    EXPECT_EQ(ss.cell(3, 2), "7");
    EXPECT_EQ(ss.cell(4, 2), "1.000,00");
    EXPECT_EQ(ss.cell(3, 3), "");
    EXPECT_EQ(ss.cell(3, 4), "15");
    EXPECT_EQ(ss.cell(3, 5), "28");

    f.form2.SPlanos.setRow(1, {"Plano Bresser", "13/87"});
    f.form2.SPlanos.setRow(2, {"x", "  /    "});
    f.form2.SPlanosExit();
    EXPECT_EQ(f.form2.SPlanos.cell(1, 1), "12/1987");
    EXPECT_EQ(f.form2.SPlanos.cell(1, 2), "");

    f.form2.STJurosSetEditText(0, 1, "  /  /    ");
    EXPECT_EQ(f.form2.STJuros.cell(0, 1), "");
    f.form2.STJurosSetEditText(1, 1, "31/02/89");
    f.form2.STJurosExit();
    EXPECT_EQ(f.form2.STJuros.cell(1, 1), "28/02/1989");

    // Column 3 of Jmes toggles by click and is never edited as text.
    EXPECT_FALSE(f.form2.JmesSelectCell(3, 1));
    f.form2.JmesClick();
    EXPECT_EQ(f.form2.Jmes.cell(3, 1), "Sim");
    f.form2.JmesClick();
    EXPECT_EQ(f.form2.Jmes.cell(3, 1), "Não");
    EXPECT_TRUE(f.form2.JmesSelectCell(2, 1));
    f.form2.JmesClick();
    EXPECT_EQ(f.form2.Jmes.cell(3, 1), "Não");
}

TEST(Wizard, LastPageEnablesFinalizarAndStays) {
    Wizard f;
    f.choose({0}, "09/1987");
    ASSERT_TRUE(f.nextTo(6));
    EXPECT_TRUE(f.form2.finalizarEnabled);
    f.form2.finalizarEnabled = false;
    f.form2.SpeedButton2Click();
    EXPECT_EQ(f.form2.page, 6);
    EXPECT_TRUE(f.form2.finalizarEnabled);
    f.form2.SpeedButton1Click();
    EXPECT_EQ(f.form2.page, 5);
}

TEST(Wizard, ConversionErrorLeavesTheWindowAsItWas) {
    Wizard f;
    f.choose({0}, "09/1987");
    ASSERT_TRUE(f.nextTo(1));
    f.form2.SSaldo.setCell(4, 1, "1-0");
    EXPECT_FALSE(app::runCommand(f.ui, [&] { f.form2.SpeedButton2Click(); }));
    EXPECT_EQ(f.ui.messages.back(), "'1-0' não é um número válido");
    EXPECT_EQ(f.form2.page, 1);
    EXPECT_EQ(f.form2.SSaldo.cell(4, 1), "1-0");
    EXPECT_EQ(f.form2.SBase.cell(4, 1), "");
}

TEST(Wizard, DiaBaseOutsideTheMonthStopsTheRun) {
    Wizard f;
    f.choose({0}, "09/1987");
    ASSERT_TRUE(f.nextTo(4));
    f.form2.SSaldo.setCell(3, 1, "0");
    EXPECT_FALSE(f.nextTo(5));
    EXPECT_EQ(f.form2.page, 4);
    EXPECT_NE(f.ui.messages.back().find("Dia base inválido"), std::string::npos);
}

TEST(Finalizar, WritesReportAndBackupAndShowsTheReport) {
    for (const bool tr : {false, true}) {
        Wizard f;
        if (tr) f.form2.RtrClick();
        f.choose({0}, "09/1987");
        ASSERT_TRUE(f.nextTo(1));
        f.form2.SSaldo.setCell(4, 1, "10000");
        ASSERT_TRUE(f.nextTo(6));
        f.form2.SpeedButton3Click();
        const auto report = f.dir / (tr ? "teste2.html" : "teste.html");
        ASSERT_TRUE(std::filesystem::exists(report));
        ASSERT_TRUE(std::filesystem::exists(f.dir / "temp2.back"));
        ASSERT_EQ(f.ui.reportsShown.size(), 1u);
        EXPECT_EQ(f.ui.reportsShown[0], report);
        EXPECT_EQ(f.ui.windowsClosed.back(), "TForm2");
        EXPECT_FALSE(f.form2.finalizarEnabled);
        EXPECT_EQ(f.form2.SSaldo.cell(4, 1), "10.000,00");
        // Amortisation cells other than "0" get a minus sign; no interest: column 6 is gone.
        EXPECT_EQ(f.form2.planilha.cell(11, 1), "-");
        EXPECT_EQ(f.form2.planilha.cell(11, 2), "0");
        EXPECT_EQ(f.form2.planilha.cell(6, 0), "");
        EXPECT_EQ(f.form2.planilha.cell(6, 2), "");
        EXPECT_EQ(f.form2.planilha.cell(7, 0), "Valor");
        const auto lines = toolkit::readLines(report);
        EXPECT_EQ(lines.front(), "<html><head>");
        EXPECT_EQ(lines.back(), "</body></html>");
    }
}

TEST(Novo, ResetsTheWindowAndDeletesTheBackup) {
    Wizard f;
    toolkit::writeLines(f.dir / "cabecalho.dat", {"Autos nº 123"});
    f.choose({0}, "09/1987");
    ASSERT_TRUE(f.nextTo(6));
    f.form2.SpeedButton3Click();
    ASSERT_TRUE(std::filesystem::exists(f.dir / "temp2.back"));
    f.form2.Cprorata = true;
    f.form2.ToolbarButton971Click();
    EXPECT_FALSE(std::filesystem::exists(f.dir / "temp2.back"));
    EXPECT_FALSE(f.form2.CPlanos.checked(0));
    EXPECT_EQ(f.form2.SPlanos.cell(0, 1), "");
    EXPECT_EQ(f.form2.planilha.cell(5, 1), "");
    EXPECT_FALSE(f.form2.Cprorata);
    EXPECT_EQ(f.form2.Memo1, std::vector<std::string>{"Autos nº 123"});
    EXPECT_EQ(f.ui.editingMode, true);
    EXPECT_EQ(f.form2.page, 0);
    f.form2.SpeedButton2Click();
    EXPECT_EQ(f.ui.messages.back(), "escolha um plano");
}

TEST(Gravar, HeaderAndFooterFilesRoundTrip) {
    Wizard f;
    f.form2.Memo1 = {"Processo nº 0001", "Autor: João"};
    f.form2.Memo2 = {"São Paulo, 10 de dezembro"};
    f.form2.Button2Click();
    EXPECT_EQ(corvana::testing::readBytes(f.dir / "cabecalho.dat"),
              "Processo n\xBA 0001\r\nAutor: Jo\xE3o\r\n");
    EXPECT_EQ(toolkit::readLines(f.dir / "rodape.dat"), f.form2.Memo2);
}

TEST(Limpar, ButtonsClearTheirGrids) {
    Wizard f;
    f.form2.STJuros.setColCount(4);
    f.form2.STJuros.setRow(1, {"01/01/2000", "01/02/2000", "1", "1,0000"});
    f.form2.Button4Click();
    EXPECT_EQ(f.form2.STJuros.rowCount(), 3);
    EXPECT_EQ(f.form2.STJuros.colCount(), 3);
    EXPECT_EQ(f.form2.STJuros.cell(0, 1), "");
    f.form2.Jmes.setRowCount(7);
    f.form2.Jmes.setRow(2, {"01/01/2000", "01/02/2000", "1", "Sim"});
    f.form2.Button5Click();
    EXPECT_EQ(f.form2.Jmes.rowCount(), 5);
    EXPECT_EQ(f.form2.Jmes.cell(0, 2), "");
    EXPECT_EQ(f.form2.Jmes.cell(3, 2), "Não");
    f.form2.amortizacao.setRow(1, {"07/1987", "Pagamento", "10,00"});
    f.form2.Button6Click();
    EXPECT_EQ(f.form2.amortizacao.cell(0, 1), "07/1987");
    EXPECT_EQ(f.form2.amortizacao.cell(1, 1), "");
    EXPECT_EQ(f.form2.amortizacao.cell(2, 1), "");
}

}  // namespace
