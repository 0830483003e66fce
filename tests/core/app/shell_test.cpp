// The main window's start-up, first-run test, commands, font settings, updates and index rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <new>

#include "core/app/app.hpp"
#include "core/app/font_ini.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/text_file.hpp"
#include "test_support.hpp"

using namespace corvana::app;
using corvana::testing::readBytes;
using corvana::testing::TempDir;
using corvana::testing::writeBytes;

namespace {

// A calculator that records what the main window did to it.
class FakeCalc : public WindowModel {
  public:
    FakeCalc(App& app, std::string name, std::vector<std::string>& log)
        : WindowModel(name, "caption of " + name), log_(log) {
        // The main window's FormCreate has already run when any other window is created.
        log_.push_back("create " + name + " after caption '" + app.form1().caption() + "'");
    }
    void wire(App& app) override {
        log_.push_back("wire " + className() + (app.model("TFurv") ? " sees TFurv" : ""));
    }
    void clearPlanChecklist() override { log_.push_back("clear plans " + className()); }
    void setPage(int p) override {
        page = p;
        log_.push_back("page " + className());
    }
    void loadOwnTables() override { log_.push_back("own tables " + className()); }
    void prepareOpen() override { log_.push_back("prepare " + className()); }
    std::string indiceTable() const override { return courtTable; }

    int page = 3;
    std::string courtTable;

  private:
    std::vector<std::string>& log_;
};

struct Shell {
    TempDir data;
    TempDir prog;
    ScriptedUi ui;
    std::vector<std::string> log;
    std::unique_ptr<App> app;

    // Creates the App with fake calculators under the given names.
    void make(std::vector<std::string> calculators = {}, std::string version = "1.0.0.8") {
        ModelRegistry r;
        for (const auto& name : calculators) {
            r.add(name, [this, name](App& a) { return std::make_unique<FakeCalc>(a, name, log); });
        }
        app = std::make_unique<App>(ui, AppOptions{data.path(), prog.path(), version}, r);
    }
    FakeCalc& calc(const std::string& name) { return *app->modelAs<FakeCalc>(name); }
    void put(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories((data / name).parent_path());
        writeBytes(data / name, bytes);
    }
    void putUpdater() { writeBytes(prog / updaterFileName(), "#!/bin/sh\n"); }
    void putFirstRunTable() { writeBytes(data.path() / u8name(TForm1::kFirstRunTable), "x\r\n"); }
    const corvana::toolkit::StringGrid& indice() { return app->context().indice; }
};

TEST(StartUp, CreatesWindowsInOrderAfterTheMainWindowsFormCreate) {
    Shell s;
    s.make({"TFurv", "TForm_jf", "TForm2"});
    std::vector<std::string> names;
    for (auto* m : s.app->models()) names.push_back(m->className());
    EXPECT_EQ(names,
              (std::vector<std::string>{"TForm1", "TForm2", "TAboutBox", "TForm_jf", "TFurv"}));
    const std::string caption = "Corvana Diferenças da URV 1.0.0.8";
    EXPECT_EQ(s.app->form1().caption(), caption);
    EXPECT_EQ(s.log, (std::vector<std::string>{"create TForm2 after caption '" + caption + "'",
                                               "create TForm_jf after caption '" + caption + "'",
                                               "create TFurv after caption '" + caption + "'",
                                               "wire TForm2 sees TFurv", "wire TForm_jf sees TFurv",
                                               "wire TFurv sees TFurv"}));
    EXPECT_EQ(s.app->context().meudir, s.data.path());
    EXPECT_EQ(s.app->context().meudirx2, s.prog.path());
    EXPECT_EQ(s.app->about().Version, "Versão: 1.0.0.8");
}

TEST(StartUp, WithoutVersionTheCaptionEndsWithItsBlank) {
    Shell s;
    s.make({}, "");
    EXPECT_EQ(s.app->form1().caption(), "Corvana Diferenças da URV ");
}

TEST(StartUp, FormShowClearsPlanListsReadsFontAndLoadsSavingsTableWithoutClearing) {
    Shell s;
    s.putFirstRunTable();
    s.put("font.ini", "Times New Roman\r\n11\r\n");
    s.put("poupanca13.tab", "data\tindice\r\n01/1990\t1,5\r\n");
    s.make({"TForm2", "TForm5", "TForm7", "TForm_jf"});
    auto& indice = s.app->context().indice;
    indice.setCell(5, 7, "kept");
    s.log.clear();
    ASSERT_TRUE(s.app->start());
    EXPECT_EQ(s.log, (std::vector<std::string>{"clear plans TForm2", "clear plans TForm5",
                                               "clear plans TForm_jf"}));
    EXPECT_EQ(s.app->context().Cnomefont, "Times New Roman");
    EXPECT_EQ(s.app->context().Cfont, "11");
    EXPECT_EQ(indice.cell(0, 1), "01/1990");
    EXPECT_EQ(indice.cell(1, 1), "1,5");
    EXPECT_EQ(indice.cell(5, 7), "kept");
    EXPECT_FALSE(s.app->form1().editing());  // the first-run test switched editing off
    EXPECT_EQ(s.ui.editingMode, false);
    EXPECT_TRUE(s.ui.questions.empty());
}

TEST(FontIni, ReadsAsFarAsTheFileGoes) {
    struct Case {
        const char* file;  // nullptr: no font.ini
        const char* name;
        const char* size;
    } cases[] = {
        {nullptr, "Arial", "8"},
        {"Verdana\r\n10\r\n", "Verdana", "10"},
        {"Verdana\r\ngrande\r\n", "Verdana", "8"},
        {"Verdana\r\n", "Verdana", "8"},
        {"", "Arial", "8"},
        {"Tahoma\n9", "Tahoma", "9"},
        {"Fonte\xe7\r\n7\r\n", "Fonteç", "7"},  // Windows-1252 "ç"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "(none)");
        Shell s;
        s.putFirstRunTable();
        if (c.file) s.put("font.ini", c.file);
        s.make();
        s.app->start();
        EXPECT_EQ(s.app->context().Cnomefont, c.name);
        EXPECT_EQ(s.app->context().Cfont, c.size);
    }
}

TEST(FontIni, EveryClickAndExitWritesTwoLinesWithSizeDefault) {
    Shell s;
    s.make();
    auto& ctx = s.app->context();
    ctx.Cnomefont = "Liberation Sans";
    ctx.Cfont = "";
    s.app->form1().CfontExit();
    EXPECT_EQ(readBytes(s.data / "font.ini"), "Liberation Sans\r\n8\r\n");
    ctx.Cnomefont = "Fonteç";
    ctx.Cfont = "12";
    s.app->form1().CnomefontClick();
    EXPECT_EQ(readBytes(s.data / "font.ini"), "Fonte\xe7\r\n12\r\n");
    EXPECT_EQ(ctx.Cfont, "12");
}

TEST(FontIni, UnwritableFolderIsReportedThroughTheWrapper) {
    Shell s;
    s.make();
    s.app->context().meudir = s.data / "missing" / "folder";
    EXPECT_FALSE(runCommand(s.ui, [&] { s.app->form1().CfontExit(); }));
    ASSERT_EQ(s.ui.messages.size(), 1u);
}

TEST(FirstRun, AsksOnlyWithoutTablesAndWithUpdater) {
    struct Case {
        bool table, updater, answer;
        bool asked, started, running;
    } cases[] = {
        {false, true, true, true, true, false},
        {false, true, false, true, false, true},
        {false, false, true, false, false, true},
        {true, true, true, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.table << c.updater << c.answer);
        Shell s;
        if (c.table) s.putFirstRunTable();
        if (c.updater) s.putUpdater();
        s.ui.yesNoAnswers = {c.answer};
        s.make();
        EXPECT_EQ(s.app->start(), c.running);
        EXPECT_EQ(s.ui.questions.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(s.ui.questions[0], std::string(TForm1::kFirstRunQuestion) + "\n\n" +
                                             TForm1::kFirstRunTablesNote);
        }
        EXPECT_EQ(s.ui.programsStarted.size(), c.started ? 1u : 0u);
        EXPECT_EQ(s.ui.quitRequested, !c.running);
        EXPECT_TRUE(s.ui.reportsShown.empty());
        if (c.started) {
            EXPECT_EQ(s.ui.programsStarted[0], s.prog / updaterFileName());
            EXPECT_EQ(s.ui.programArguments[0],
                      (std::vector<std::string>{"--data-dir", s.data.path().string()}));
        }
    }
}

TEST(Update, MissingUpdaterStaysOpenYesEndsNoKeepsTheProgram) {
    {
        Shell s;
        s.make();
        s.app->run("Atualizaodosndices1");
        EXPECT_EQ(s.ui.messages, (std::vector<std::string>{"atualizador não encontrado"}));
        EXPECT_FALSE(s.ui.quitRequested);
        EXPECT_TRUE(s.ui.questions.empty());
    }
    for (bool answer : {true, false}) {
        Shell s;
        s.putUpdater();
        s.make();
        s.ui.yesNoAnswers = {answer};
        s.app->run("SpeedButton9");  // "Atualizar Tabelas"
        EXPECT_EQ(s.ui.questions, (std::vector<std::string>{TForm1::kUpdateQuestion}));
        EXPECT_EQ(s.ui.programsStarted.size(), answer ? 1u : 0u);
        EXPECT_EQ(s.ui.quitRequested, answer);
        EXPECT_EQ(s.app->form1().closed(), answer);
    }
}

TEST(IndexGrid, NextMonthOnlyOnColumnZeroOfTheLastRowFromRowTwo) {
    struct Case {
        int rows, col, row;
        const char* above;
        const char* want;  // cell (0,row) afterwards
    } cases[] = {
        {3, 0, 2, "12/1994", "01/1995"}, {4, 0, 3, "01/2000", "02/2000"},
        {2, 0, 1, "12/1994", ""},  // row 1: not row 2 or below
        {4, 0, 2, "12/1994", ""},  // not the last row
        {3, 1, 2, "12/1994", ""},  // not column 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.rows << "," << c.col << "," << c.row);
        Shell s;
        s.make();
        auto& g = s.app->context().indice;
        g.setRowCount(c.rows);
        g.setCell(0, c.row - 1, c.above);
        EXPECT_TRUE(runCommand(s.ui, [&] { s.app->form1().indiceSelectCell(c.col, c.row); }));
        EXPECT_EQ(g.cell(0, c.row), c.want);
    }
}

TEST(IndexGrid, BadMonthAboveEndsTheStepWithAMessage) {
    Shell s;
    s.make();
    auto& g = s.app->context().indice;
    g.setRowCount(3);
    g.setCell(0, 1, "13/1994");
    g.setCell(0, 2, "antes");
    EXPECT_FALSE(runCommand(s.ui, [&] { s.app->form1().indiceSelectCell(0, 2); }));
    EXPECT_EQ(g.cell(0, 2), "antes");
    EXPECT_EQ(s.ui.messages.size(), 1u);
}

TEST(IndexGrid, GravarReloadsByTheFirstCell) {
    Shell s;
    s.put("t0001.tab", "moeda\tfator\r\nSP\t2\r\n");
    s.put("poupanca13.tab", "data\tindice\r\nPOUP\t1\r\n");
    s.make();
    auto& g = s.app->context().indice;
    g.setCell(0, 0, "moeda");
    s.app->run("Button1");
    EXPECT_EQ(g.cell(0, 1), "SP");
    g.setCell(0, 0, "outra");
    s.app->run("Button1");
    EXPECT_EQ(g.cell(0, 1), "POUP");
}

TEST(Progress, PositionIsPercentOfMaximum) {
    struct Case {
        long long progress, maximum;
        int want;
    } cases[] = {{50, 200, 25}, {1, 3, 33}, {0, 100, 0},     {-1, 100, 0},
                 {5, 1, 0},     {5, 0, 0},  {100, 100, 100}, {10000, 10000, 100}};
    for (const auto& c : cases) {
        EXPECT_EQ(TForm1::progressPosition(c.progress, c.maximum), c.want)
            << c.progress << "/" << c.maximum;
    }
}

TEST(Commands, TableHasEveryVisibleCaptionInItsPlace) {
    auto visible = [](Place p) {
        std::vector<std::string> out;
        for (const auto& c : commandTable())
            if (c.place == p && !c.hidden) out.push_back(c.caption);
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(visible(Place::MenuArquivosCalcular), V{"URV"});
    EXPECT_EQ(visible(Place::MenuArquivos), (V{"Selecionar tudo", "Copiar", "Configurar Impressão",
                                               "Visualizar Impressão", "Fechar"}));
    EXPECT_EQ(visible(Place::MenuAjuda), V{"Sobre"});
    EXPECT_EQ(visible(Place::PopupCalcular),
              (V{"Poupança Diária - com opções de configuração", "Poupança - configurado",
                 "Poupança Configurada - com Plano Collor I e II",
                 "Poupança Configurada - com Plano Collor I e II (01/1991)",
                 "Débitos Judiciais São Paulo", "Débitos Judiciais São Paulo (mês a mês)",
                 "Débitos Judiciais MG - MT - MS - ES (mês a mês)", "Justiça Federal"}));
    EXPECT_EQ(visible(Place::PopupFgts),
              (V{"Expurgos do FGTS", "FGTS - Juros Progressivos", "Revisão TR X INPC ou IPCA-E"}));
    EXPECT_EQ(visible(Place::PopupAtualizar),
              (V{"Atualização dos índices", "Página de atualização do software na Internet",
                 "Importar série oficial…", "Tabelas instaladas"}));
    EXPECT_EQ(visible(Place::TabBotoes), (V{"Calcular", "Imprimir", "Exportar PDF", "Atualizar",
                                            "Fechar", "FGTS", "FGTS", "Rendimento"}));
    EXPECT_EQ(visible(Place::TabAtualizacoes),
              (V{"Buscar Atualizações do Software no Site", "Atualizar Tabelas",
                 "Importar série oficial…", "Tabelas instaladas"}));
    // Names are unique, and the ones the handlers are known by are there.
    std::vector<std::string> names;
    for (const auto& c : commandTable()) names.push_back(c.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
    for (const char* n : {"Atualizaodosndices1", "PginadeatualizaodosoftwarenaInternet1",
                          kVisualizarImpressao, "SpeedButton5", "Ajuda2"}) {
        EXPECT_NE(findCommand(n), nullptr) << n;
    }
}

TEST(Commands, CalculatorsOfThisBuildAreAvailableTheOthersAreNot) {
    Shell s;
    s.make({"TForm2"});
    for (const auto& c : commandTable()) {
        const bool want =
            c.action != Action::OpenWindow || c.window == "TForm2" || c.window == "TAboutBox";
        EXPECT_EQ(s.app->available(c), want) << c.name;
    }
    // An unavailable command does nothing at all.
    EXPECT_FALSE(s.app->run(*findCommand("SpeedButton8")));
    EXPECT_TRUE(s.ui.windowsShown.empty());
    EXPECT_TRUE(s.ui.commandsEnabled.empty());
}

// Finds the command by caption in a place.
const Command& byCaption(Place place, const std::string& caption) {
    for (const auto& c : commandTable())
        if (c.place == place && c.caption == caption) return c;
    throw std::runtime_error("no command " + caption);
}

TEST(Commands, CourtCommandWithMissingTableOpensNothing) {
    Shell s;
    s.make({"TForm_tjsp_d", "TForm_jf"});
    for (const char* caption : {"Débitos Judiciais São Paulo (mês a mês)", "Justiça Federal"}) {
        s.app->run(byCaption(Place::PopupCalcular, caption));
    }
    EXPECT_EQ(s.ui.messages,
              (std::vector<std::string>(2, "tabela inexistente - faça a atualização das tabelas")));
    EXPECT_TRUE(s.ui.windowsShown.empty());
    EXPECT_FALSE(s.app->form1().previewEnabled());
    EXPECT_TRUE(s.ui.commandsEnabled.empty());
}

TEST(Commands, CourtCommandLoadsItsTableSetsCaptionAndShows) {
    Shell s;
    s.put("tjmg.tab", "data\tfator\r\n01/1994\t1,0\r\n02/1994\t1,1\r\n");
    s.make({"TForm_tjsp_d"});
    auto& g = s.app->context().indice;
    g.setColCount(8);
    g.setRowCount(9);
    g.setCell(7, 8, "old");
    s.app->form1().setEditing(false);
    ASSERT_TRUE(s.app->run(
        byCaption(Place::MenuArquivosCalcular, "Débitos Judiciais MG - MT - MS - ES (mês a mês)")));
    EXPECT_EQ(s.ui.windowsShown, (std::vector<std::string>{"TForm_tjsp_d"}));
    EXPECT_EQ(s.calc("TForm_tjsp_d").caption(), "Débitos Judiciais MG - MT - MS - ES (mês a mês)");
    EXPECT_TRUE(s.app->form1().previewEnabled());
    EXPECT_EQ(s.ui.commandsEnabled.back(),
              (std::pair<std::string, bool>{kVisualizarImpressao, true}));
    EXPECT_EQ(s.ui.editingMode, true);
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.colCount(), 2);
    EXPECT_EQ(g.cell(1, 2), "1,1");
    EXPECT_EQ(g.cell(7, 8), "");  // cleared first
}

TEST(Commands, MissingTableOfAnOrdinaryCommandLeavesIndiceCleared) {
    Shell s;
    s.make({"TForm2"});
    s.app->context().indice.setCell(0, 1, "old");
    s.app->run(byCaption(Place::PopupCalcular, "Poupança Diária - com opções de configuração"));
    EXPECT_EQ(s.ui.windowsShown, (std::vector<std::string>{"TForm2"}));
    const auto& g = s.indice();
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.colCount(), 1);
    EXPECT_EQ(g.cell(0, 1), "");
    EXPECT_TRUE(s.ui.messages.empty());
}

TEST(Commands, FgtsPurgesAfterSavingsKeepsWhatFgtsTableDoesNotCover) {
    Shell s;
    s.put("poupanca13.tab",
          "data\tindice\tjuros\r\n01/1989\t1\tP\r\n02/1989\t2\tP\r\n03/1989\t3\tP\r\n");
    s.put("fgts.tab", "data\tfgts\r\n01/1989\tF\r\n");
    s.make({"TForm2", "TFormFGTS", "TForm_jf"});
    s.app->run(byCaption(Place::PopupCalcular, "Poupança Diária - com opções de configuração"));
    s.calc("TFormFGTS").page = 2;
    s.calc("TForm_jf").page = 4;
    s.log.clear();
    s.app->run(byCaption(Place::PopupFgts, "Expurgos do FGTS"));
    const auto& g = s.indice();
    EXPECT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.colCount(), 3);
    EXPECT_EQ(g.cell(1, 1), "F");
    EXPECT_EQ(g.cell(2, 1), "P");  // column not covered by fgts.tab
    EXPECT_EQ(g.cell(1, 3), "3");  // row not covered by fgts.tab
    EXPECT_EQ(s.calc("TFormFGTS").page, 0);
    EXPECT_EQ(s.calc("TForm_jf").page, 0);
    EXPECT_EQ(s.log, (std::vector<std::string>{"page TFormFGTS", "page TForm_jf"}));
    EXPECT_EQ(s.ui.windowsShown.back(), "TFormFGTS");
}

TEST(Commands, FgtsPurgesTestsItsTableAfterTheEditingSwitch) {
    Shell s;
    s.make({"TFormFGTS"});
    s.app->form1().setEditing(false);
    s.app->run(byCaption(Place::PopupFgts, "Expurgos do FGTS"));
    EXPECT_EQ(s.ui.messages,
              (std::vector<std::string>{"A tabela não foi encontrada, atualize os índices"}));
    EXPECT_TRUE(s.app->form1().editing());
    EXPECT_TRUE(s.app->form1().previewEnabled());
    EXPECT_TRUE(s.ui.windowsShown.empty());
}

TEST(Commands, CalcularButtonLoadsTheUrvCourtTableAndUrvTab) {
    Shell s;
    s.put("Justiça Federal - Ações Condenatórias em Geral.tab", "data\tindice\r\n07/1994\tJF\r\n");
    s.put("urvtab.tab", "dia\turv\r\n01/07/1994\t2750,00\r\n");
    s.put("jfcg.tab", "data\tindice\r\n07/1994\tCG\r\n");
    s.make({"TFurv"});
    s.calc("TFurv").courtTable = "Justiça Federal - Ações Condenatórias em Geral.tab";
    s.app->context().Taburv.setCell(3, 5, "old");
    s.app->run("SpeedButton1");
    EXPECT_EQ(s.indice().cell(1, 1), "JF");
    EXPECT_EQ(s.app->context().Taburv.cell(1, 1), "2750,00");
    EXPECT_EQ(s.app->context().Taburv.cell(3, 5), "");
    EXPECT_EQ(s.ui.windowsShown, (std::vector<std::string>{"TFurv"}));
    EXPECT_FALSE(s.app->form1().previewEnabled());
    s.app->run(byCaption(Place::MenuArquivosCalcular, "URV"));
    EXPECT_EQ(s.indice().cell(1, 1), "CG");
    EXPECT_EQ(std::count(s.log.begin(), s.log.end(), "prepare TFurv"), 2);
}

TEST(Commands, FgtsRevisionLoadsItsOwnTablesOnItsFirstPage) {
    Shell s;
    s.make({"TFFGTSdif"});
    s.calc("TFFGTSdif").page = 2;
    s.app->form1().setEditing(false);
    s.app->run(byCaption(Place::PopupFgts, "Revisão TR X INPC ou IPCA-E"));
    EXPECT_EQ(s.log.back(), "page TFFGTSdif");
    EXPECT_NE(std::find(s.log.begin(), s.log.end(), "own tables TFFGTSdif"), s.log.end());
    EXPECT_EQ(s.calc("TFFGTSdif").page, 0);
    EXPECT_TRUE(s.app->form1().previewEnabled());
    EXPECT_EQ(s.ui.editingMode, false);  // this command leaves the editing mode alone
}

TEST(Commands, HelpShowsThePageReadOnlyAndUpdatePagesOpenItsUpdateSection) {
    Shell s;
    s.putFirstRunTable();
    s.make();
    s.app->form1().setEditing(true);
    s.app->run("Ajuda2");  // no help page: view as it was, editing off, and a word why
    EXPECT_TRUE(s.ui.reportsShown.empty());
    EXPECT_EQ(s.ui.editingMode, false);
    EXPECT_EQ(s.ui.messages.size(), 1u);
    s.put("images/index.htm", "<html><body>Ajuda</body></html>");
    s.app->run("Ajuda2");
    EXPECT_TRUE(s.app->form1().previewEnabled());
    EXPECT_EQ(s.ui.reportsShown,
              (std::vector<std::filesystem::path>{s.data / "images" / "index.htm"}));
    // No vendor site to show: the help page's section on updating the tables.
    s.app->form1().setEditing(true);
    s.app->run("PginadeatualizaodosoftwarenaInternet1");
    s.app->run("SpeedButton5");
    EXPECT_TRUE(s.ui.urlsOpened.empty());
    const std::filesystem::path section = (s.data / "images" / "index.htm").string() + "#atualizar";
    EXPECT_EQ(s.ui.reportsShown.size(), 3u);
    EXPECT_EQ(s.ui.reportsShown.back(), section);
    EXPECT_EQ(s.ui.reportsShown[1], section);
    EXPECT_EQ(s.ui.editingMode, false);
}

TEST(StartUp, BackFromTheUpdaterTellsWhatWasInstalledAndWhichAreSamples) {
    Shell s;
    s.putUpdater();
    s.ui.yesNoAnswers = {true};
    s.make();
    EXPECT_FALSE(s.app->start());  // first run: "Sim" starts the updater and closes
    ASSERT_EQ(s.ui.programsStarted.size(), 1u);
    // What the updater leaves: the tables, one of them listed as official in fontes.tab.
    s.putFirstRunTable();
    s.put("poupanca13.tab", "Mês\t1\r\n01/1987\t0,5\r\n11/2026\t0,6\r\n");
    s.put("tjsp.tab", "Mês\t1\r\n01/2026\t1,0\r\n");
    s.put("fontes.tab",
          // Windows-1252, as the converter writes it.
          "Tabela\tDescri\xe7\xe3o\tFonte\tEdi\xe7\xe3o\t\xdaltima compet\xeancia\tExemplo\r\n"
          "poupanca13.tab\trendimentos\tvalores de exemplo\t\t11/2026\tSim\r\n"
          "tjsp.tab\tTJSP\tTabela Pr\xe1tica do TJSP\t01/2026\t01/2026\tN\xe3o\r\n");
    auto restart = [&s] {
        s.app.reset();
        s.ui.messages.clear();
        s.make();
        return s.app->start();
    };
    EXPECT_TRUE(restart());
    ASSERT_EQ(s.ui.messages.size(), 1u);
    EXPECT_EQ(s.ui.messages[0],
              "3 tabelas instaladas; de exemplo (não são índices oficiais): Justiça Federal - "
              "Ações Condenatórias em Geral.tab, poupanca13.tab.");
    EXPECT_TRUE(restart());  // only once
    EXPECT_TRUE(s.ui.messages.empty());
}

TEST(Commands, MenuFecharAndButtonFecharEndTheProgram) {
    for (const char* name : {"Fechar1", "SpeedButton4"}) {
        Shell s;
        s.make();
        s.app->run(name);
        EXPECT_TRUE(s.ui.quitRequested) << name;
        EXPECT_TRUE(s.ui.questions.empty());
    }
}

}  // namespace

namespace {

TEST(CommandWrapper, EveryExceptionEndsAsAShortMessage) {
    ScriptedUi ui;
    const std::string huge(10 * 1024 * 1024, 'x');
    EXPECT_FALSE(runCommand(ui, [] { throw std::bad_alloc(); }));
    EXPECT_FALSE(runCommand(ui, [&] { throw corvana::toolkit::Error(huge); }));
    EXPECT_FALSE(runCommand(ui, [] { throw std::filesystem::filesystem_error("boom", std::error_code()); }));
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0], "Memória insuficiente: a operação foi interrompida");
    EXPECT_LT(ui.messages[1].size(), 500u);
    EXPECT_EQ(ui.messages[2].rfind("Erro inesperado: ", 0), 0u);
}

}  // namespace
