// The month-by-month court windows: the menu commands, what sets them apart from the savings
// window (report head, "Índices usados", table rows, files), and reopening a São Paulo file.
#include <gtest/gtest.h>

#include "core/savings/yield_override_dialog.hpp"
#include "core/toolkit/text_file.hpp"
#include "court_fixture.hpp"

using namespace corvana;
using namespace corvana::testing;

namespace {

const std::string kFirstLine = "<html><head><title>Atualização</title>";

struct Courts : CourtApp {
    Courts() {
        writeCourtTable(dir.path(), "tjsp.tab", "1");
        writeCourtTable(dir.path(), "tjmg.tab", "2");
        writeCourtTable(dir.path(), "tjpr.tab", "3");
        writeCourtTable(dir.path(), "tjpre.tab", "4");
        writeCourtTable(dir.path(), "jf.tab", "5");
        writeCourtTable(dir.path(), "poupanca13.tab", "0,5");
        start();
    }
};

TEST(CourtCommands, EachCommandLoadsItsTableAndCaptionsItsWindow) {
    struct Case {
        const char* caption;
        const char* window;
        const char* windowCaption;
        const char* yield;  // the yield of every month of the command's table
    };
    const Case cases[] = {
        {kSaoPaulo, "TForm_tjsp_d", kSaoPaulo, "1"},
        {kMinas, "TForm_tjsp_d", kMinas, "2"},
        {kParana, "TForm_tjsp_d", kParana, "3"},
        {kParanaNaoExpurgada, "TForm_tjsp_d", kParanaNaoExpurgada, "4"},
        {kFederal, "TForm_jf", "Justiça Federal", "5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        Courts f;
        ASSERT_TRUE(f.open(c.caption));
        EXPECT_TRUE(f.ui.messages.empty());
        EXPECT_EQ(f.ui.windowsShown.back(), c.window);
        auto* w = f.program->modelAs<savings::SavingsWizard>(c.window);
        EXPECT_EQ(w->caption(), c.windowCaption);
        EXPECT_EQ(f.program->context().indice.cell(5, 1), c.yield);
        // The plan list comes from the plan table.
        ASSERT_EQ(w->CPlanos.count(), 2);
        EXPECT_EQ(w->CPlanos.items[1].text, "Plano Verão");
    }
}

TEST(CourtCommands, MissingTableIsRefusedAndOpensNothing) {
    for (const char* caption : {kSaoPaulo, kMinas, kParana, kParanaNaoExpurgada, kFederal}) {
        SCOPED_TRACE(caption);
        Courts f;
        for (const char* t : {"tjsp.tab", "tjmg.tab", "tjpr.tab", "tjpre.tab", "jf.tab"})
            std::filesystem::remove(f.dir / t);
        const auto before = f.program->context().indice;
        f.ui.windowsShown.clear();
        f.open(caption);
        ASSERT_EQ(f.ui.messages.size(), 1u);
        EXPECT_EQ(f.ui.messages[0], "tabela inexistente - faça a atualização das tabelas");
        EXPECT_TRUE(f.ui.windowsShown.empty());
        EXPECT_EQ(f.program->context().indice, before);
    }
}

TEST(CourtCommands, PlanListsFollowGravarOfThePlanTable) {
    Courts f;
    const auto windows =
        std::initializer_list<savings::SavingsWizard*>{&f.tjsp(), &f.jf(), &f.sp(), &f.form2()};
    // Each window has Bresser ticked; a plan added before it moves it one place down.
    for (auto* w : windows) {
        w->CPlanos.setChecked(0, true);
        w->CPlanosClick();
    }
    auto& plans = f.form<savings::TForm3>("TForm3");
    plans.SPlanosini.setRowCount(4);
    plans.SPlanosini.setRow(3, {"Plano Cruzado", "02/1986", "1,00", "", "Cz$"});
    plans.GravarClick();
    for (auto* w : windows) {
        SCOPED_TRACE(w->className());
        ASSERT_EQ(w->CPlanos.count(), 3);
        EXPECT_EQ(w->CPlanos.items[0].text, "Plano Cruzado");
        EXPECT_FALSE(w->CPlanos.checked(0));
        EXPECT_EQ(w->CPlanos.items[1].text, "Plano Bresser");
        EXPECT_TRUE(w->CPlanos.checked(1));
        // The plan grid lists what is ticked, nothing more.
        ASSERT_EQ(w->SPlanos.rowCount(), 3);
        EXPECT_EQ(w->SPlanos.cell(0, 1), "Plano Bresser");
        EXPECT_EQ(w->SSaldo.cell(0, 1), "Plano Bresser");
    }
}

// One plan (Bresser, 10.000,00 on day 1, 8,04 %) brought to 09/1987 by 1 % a month.
TEST(CourtRun, OnePlanMonthByMonth) {
    Courts f;
    ASSERT_TRUE(f.open(kSaoPaulo));
    auto& w = f.tjsp();
    ASSERT_TRUE(f.walk(w, {0}, "09/1987", {"10.000,00"}));
    EXPECT_EQ(w.SBase.cell(4, 1), "804,00");
    const auto& p = w.planilha;
    ASSERT_EQ(p.rowCount(), 5);
    EXPECT_EQ(p.cell(4, 1), "07/1987");
    EXPECT_EQ(p.cell(5, 1), "804,00");
    EXPECT_EQ(p.cell(5, 2), "812,04");
    EXPECT_EQ(p.cell(5, 3), "820,16");  // 812,04 × 1,01 = 820,1604
    EXPECT_EQ(p.cell(5, 4), "828,36");  // 820,16 × 1,01 = 828,3616
    EXPECT_EQ(p.cell(1, 4), "09/1987");
}

// Two plans: the Verão balance's currency comes from the index table, the addition row is not
// divided by the plan's currency change, and a yield override of "Aplicar Expurgos" is ignored.
TEST(CourtRun, DiffersFromTheSavingsWindowWhereTheCourtsDo) {
    for (const bool court : {true, false}) {
        SCOPED_TRACE(court ? "court" : "savings");
        CourtApp f;
        const std::map<std::string, TableMonth> special = {{"01/1989", {"1", "NCz$", ""}}};
        writeCourtTable(f.dir.path(), "tjmg.tab", "1", special);
        writeCourtTable(f.dir.path(), "poupanca13.tab", "1", special);
        f.start();
        auto& overrides = f.form<savings::TForm4>("TForm4").SPlanosini;
        overrides.setRowCount(2);
        overrides.setRow(1, {"08/1987", "5", "Sim"});
        ASSERT_TRUE(f.open(court ? kMinas : "Poupança Diária - com opções de configuração"));
        savings::SavingsWizard& w =
            court ? static_cast<savings::SavingsWizard&>(f.tjsp()) : f.form2();
        ASSERT_TRUE(f.walk(w, {0, 1}, "03/1989", {"10.000,00", "20.000,00"}));
        EXPECT_EQ(w.SSaldo.cell(2, 2), court ? "NCz$" : "Cz$");
        const auto& p = w.planilha;
        int addition = -1;
        for (int r = 1; r < p.rowCount(); ++r)
            if (!p.cell(14, r).empty()) addition = r;
        ASSERT_GT(addition, 2);
        // Column 13: the value carried into the Verão block, divided by 1 or by 1000.
        const std::string carried = p.cell(7, addition - 2);
        const toolkit::Real v = toolkit::RemovePonto(toolkit::RemovePontoVariant::Strict, carried);
        EXPECT_EQ(p.cell(13, addition), toolkit::formatfloatx("#,##0.00", court ? v : v / 1000));
        EXPECT_EQ(p.cell(1, 3), "08/1987");
        EXPECT_EQ(p.cell(2, 3), court ? "1" : "5");
    }
}

TEST(CourtReport, HeadTableRowsAndFilesOfTheCourtWindows) {
    Courts f;
    f.program->context().Cfont = "9";
    ASSERT_TRUE(f.open(kFederal));
    auto& w = f.jf();
    ASSERT_TRUE(f.walk(w, {0}, "09/1987", {"10.000,00"}));
    w.SpeedButton3Click();
    ASSERT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.ui.reportsShown.back(), f.dir / "jf.html");
    const auto re = toolkit::readLines(f.dir / "jf.html");
    ASSERT_GT(re.size(), 80u);
    EXPECT_EQ(re[0], kFirstLine);
    EXPECT_EQ(re[24], "\tfont-size:9.0pt;");
    EXPECT_EQ(re[41],
              "\t  offsetParent.offsetHeight ? 0 - parentNode.parentNode.offsetHeight + "
              "offsetParent.offsetHeight + offsetParent.scrollTop : 0);");
    EXPECT_EQ(re[56], "thead td\t{font-size:9.0pt;\t}");
    EXPECT_EQ(re[67], "</style></head> ");
    EXPECT_EQ(re[68], "<body>");
    EXPECT_TRUE(CourtApp::hasLine(re,
                                  "<tr><td> Índices usados: Justiça Federal "
                                  "(OTN/IPC/BTN/IPC/INPC/IPCA/UFIR/IPCA-E) </td></tr>"));
    EXPECT_FALSE(CourtApp::hasLine(re, "</span></table>"));
    EXPECT_TRUE(CourtApp::hasLine(
        re, "<table border =0  span style=\"font-size:9.0pt;font-family:Arial\">"));
    // The header row in <thead>, every row closed on its own line, the closing row in bold.
    const auto head = std::find(re.begin(), re.end(), "<thead><tr>");
    ASSERT_NE(head, re.end());
    EXPECT_EQ(head[1].substr(0, 21), "<td><div align=Right>");
    EXPECT_EQ(head[1].substr(head[1].size() - 13), "</tr></thead>");
    EXPECT_EQ(head[2], "");  // row 1's amortisation cell "0" adds an empty line
    EXPECT_EQ(head[3], "<tr>");
    ASSERT_GT(head[4].size(), 10u);
    EXPECT_EQ(head[4].substr(head[4].size() - 10), "</td></tr>");
    // 804,00 at 5 % a month: 844,20, 886,41, 930,73.
    EXPECT_TRUE(CourtApp::hasLine(
        re,
        "<td><div align=Right><b>Cz$</b></div></td><td><div align=Right><b>09/1987</b></div></td>"
        "<td><div align=Right><b>5</b></div></td><td><div align=Right><b>Cz$</b></div></td>"
        "<td><div align=Right><b></b></div></td><td><div align=Right><b>930,73</b></div></td>"
        "<td><div align=Right><b></b></div></td><td><div align=Right><b></b></div></td></tr>"));
    // The federal window keeps its own backup, "Vers 1.2", without the index-basis lines.
    EXPECT_FALSE(std::filesystem::exists(f.dir / "temp2.back"));
    const auto file = toolkit::readLines(f.dir / "tempjf.back");
    EXPECT_EQ(file[0], "Vers 1.2");
    EXPECT_EQ(file.back(), ",,,Não");  // the last Jmes row, nothing after it
}

TEST(CourtReport, IndicesUsadosLineFollowsTheCaption) {
    const std::pair<const char*, const char*> cases[] = {
        {kSaoPaulo,
         "<tr><td> Índices usados: Tribunal de Justiça de São Paulo (OTN / IPC / INPC / IPC-r / "
         "INPC) </td></tr>"},
        {kMinas, "<tr><td> Índices usados: OTN/IPC/BTN/IPC/INPC/IPC-r/INPC </td></tr>"},
        {kParana, "<tr><td> Índices usados: BTN/TR/OTN/BTN/TR/IPC-R/MÉDIA INPC+IGP-DI </td></tr>"},
        {kParanaNaoExpurgada,
         "<tr><td> Índices usados: BTN/TR/OTN/BTN/TR/IPC-R/MÉDIA INPC+IGP-DI (tabela não "
         "expurgada: "
         "IPC 12/88 70,28 - IPC 01/89 42,72 - IPC 03/90 84,32 - IPC 04/90 44,80)</p></td></tr>"},
        {"MG - MT - MS - ES", nullptr},  // the design caption names no court
    };
    for (const auto& [caption, line] : cases) {
        SCOPED_TRACE(caption);
        Courts f;
        ASSERT_TRUE(f.open(kMinas));
        auto& w = f.tjsp();
        w.setCaption(caption);
        ASSERT_TRUE(f.walk(w, {0}, "09/1987", {"10.000,00"}));
        const auto re = w.reportLines();
        int found = 0;
        for (size_t i = 0; i < re.size(); ++i)
            if (re[i].rfind("<tr><td> Índices usados:", 0) == 0) {
                ++found;
                EXPECT_EQ(re[i], line);
                EXPECT_EQ(re[i + 1], "");  // the line ends with a CR
            }
        EXPECT_EQ(found, line ? 1 : 0);
        w.Cnotas = false;
        for (const auto& l : w.reportLines())
            EXPECT_EQ(l.find("Índices usados"), std::string::npos);
    }
}

TEST(CourtCommands, AnotherCourtCommandReCaptionsTheWindow) {
    Courts f;
    ASSERT_TRUE(f.open(kParana));
    ASSERT_TRUE(f.open(kSaoPaulo));
    EXPECT_EQ(f.tjsp().caption(), kSaoPaulo);
    EXPECT_EQ(f.program->context().indice.cell(5, 1), "1");
    ASSERT_TRUE(f.walk(f.tjsp(), {0}, "09/1987", {"10.000,00"}));
    EXPECT_TRUE(
        CourtApp::hasLine(f.tjsp().reportLines(),
                          "<tr><td> Índices usados: Tribunal de Justiça de São Paulo (OTN / IPC "
                          "/ INPC / IPC-r / INPC) </td></tr>"));
}

// A federal calculation saved under a bare name is found again by "Abrir" (which also lists
// the ".e12" files of earlier saves).
TEST(CourtFiles, FederalSaveGetsTheExtensionItsOpenLists) {
    Courts f;
    ASSERT_TRUE(f.open(kFederal));
    auto& w = f.jf();
    EXPECT_NE(w.variant().fileFilter.find("*.EJF"), std::string::npos);
    EXPECT_NE(w.variant().fileFilter.find("*.E12"), std::string::npos);
    ASSERT_TRUE(f.walk(w, {0}, "09/1987", {"10.000,00"}));
    f.ui.saveAnswers.push_back(f.dir / "nome");
    w.SpeedButton8Click();
    ASSERT_TRUE(std::filesystem::exists(f.dir / "nome.ejf"));
    w.ToolbarButton971Click();
    f.ui.openAnswers.push_back(f.dir / "nome.ejf");
    w.SpeedButton5Click();
    EXPECT_TRUE(w.CPlanos.checked(0));
    EXPECT_EQ(w.SSaldo.cell(4, 1), "10.000,00");
}

// A São Paulo calculation saved, reopened and finished is computed with the São Paulo table
// again, not with the Minas Gerais one.
TEST(CourtFiles, ReopenedSaoPauloFileKeepsItsTable) {
    Courts f;
    ASSERT_TRUE(f.open(kSaoPaulo));
    auto& w = f.tjsp();
    ASSERT_TRUE(f.walk(w, {0}, "09/1987", {"10.000,00"}));
    const std::string finished = w.planilha.cell(5, 4);
    EXPECT_EQ(finished, "828,36");
    f.ui.saveAnswers.push_back(f.dir / "saopaulo.e12");
    w.SpeedButton8Click();
    ASSERT_TRUE(std::filesystem::exists(f.dir / "saopaulo.e12"));
    EXPECT_EQ(toolkit::readLines(f.dir / "saopaulo.e12")[0], "Vers 1.2");

    ASSERT_TRUE(f.open(kFederal));  // the shared index grid now holds another table
    w.ToolbarButton971Click();      // "Novo" keeps the court of the caption too
    EXPECT_EQ(f.program->context().indice.cell(5, 1), "1");
    f.ui.messages.clear();  // "Cálculo salvo em …"
    f.ui.openAnswers.push_back(f.dir / "saopaulo.e12");
    w.SpeedButton5Click();
    ASSERT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(w.caption(), kSaoPaulo);
    EXPECT_EQ(f.program->context().indice.cell(5, 1), "1");
    ASSERT_TRUE(f.nextTo(w, 6));
    EXPECT_EQ(w.planilha.cell(5, 4), finished);

    // The design caption still reloads tjmg.tab.
    w.setCaption(savings::TForm_tjsp_d::kCaption);
    f.ui.openAnswers.push_back(f.dir / "saopaulo.e12");
    w.SpeedButton5Click();
    EXPECT_EQ(f.program->context().indice.cell(5, 1), "2");
}

TEST(CourtFiles, WhichFilesEachWindowAccepts) {
    Courts f;
    // A savings calculation: each window's "Abrir Backup" reopens that window's own last
    // calculation, and the state-court "Abrir" refuses the savings file.
    ASSERT_TRUE(f.open("Poupança Diária - com opções de configuração"));
    ASSERT_TRUE(f.walk(f.form2(), {0}, "09/1987", {"10.000,00"}));
    f.form2().SpeedButton3Click();
    ASSERT_EQ(toolkit::readLines(f.dir / "temp2.back")[0], "Vers 1.21");
    std::filesystem::copy_file(f.dir / "temp2.back", f.dir / "poupanca.e12");
    ASSERT_TRUE(f.open(kSaoPaulo));
    f.tjsp().SpeedButton18Click();
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_FALSE(f.tjsp().CPlanos.checked(0));
    ASSERT_TRUE(f.walk(f.tjsp(), {0}, "09/1987", {"5.000,00"}));
    f.tjsp().SpeedButton3Click();
    ASSERT_EQ(toolkit::readLines(f.dir / "temptj.back")[0], "Vers 1.2");
    EXPECT_EQ(toolkit::readLines(f.dir / "temp2.back")[0], "Vers 1.21");
    f.form2().SpeedButton18Click();
    EXPECT_TRUE(f.form2().CPlanos.checked(0));
    EXPECT_EQ(f.form2().SSaldo.cell(4, 1), "10.000,00");
    ASSERT_TRUE(f.open(kSaoPaulo));
    f.tjsp().SpeedButton18Click();
    EXPECT_TRUE(f.tjsp().CPlanos.checked(0));
    EXPECT_EQ(f.tjsp().SSaldo.cell(4, 1), "5.000,00");
    f.ui.openAnswers.push_back(f.dir / "poupanca.e12");
    f.tjsp().SpeedButton5Click();
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0],
              "Este programa não abre o arquivo da versão anterior, use a versão 1.0");
    // The federal window takes no "estados" file.
    toolkit::writeLines(f.dir / "sp.e12", {"estados", "0", "2", "2", "2", "false", "true", "false",
                                           "false", "3", "false", "5"});
    f.ui.openAnswers.push_back(f.dir / "sp.e12");
    ASSERT_TRUE(f.open(kFederal));
    f.jf().SpeedButton5Click();
    ASSERT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.messages[1], f.ui.messages[0]);
}

}  // namespace
