// The FGTS revision window: balances by TR and by the index, interest, checks, files, the daily
// entries and the report.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/fgts/fgts_revision.hpp"
#include "core/toolkit/comma_text.hpp"
#include "core/toolkit/text_file.hpp"
#include "test_support.hpp"

namespace corvana::fgts {
namespace {

using toolkit::StringGrid;

const std::string kHead =
    "Data do Crédito\tCompetência\t(a) Depósito\t(b) Saques\t(c) Saldo base TR\t(d) Juros\t(e) TR\t"
    "(f) Saldo corrigido TR\t(g) Saldo base INPC\t(h) Juros\t(i) INPC\t(j) Saldo corrigido "
    "INPC\t(l) Diferença (j-f)";

// A revision row of a table: credit date, competence, TR and index of the month (rates 0).
std::string row(const std::string& credit, const std::string& month, const std::string& tr,
                const std::string& index) {
    return credit + "\t" + month + "\t\t\t\t0\t" + tr + "\t\t\t0\t" + index + "\t\t";
}

class Revision : public ::testing::Test {
  protected:
    corvana::testing::TempDir dir;
    app::ScriptedUi ui;
    std::unique_ptr<app::App> program;
    TFFGTSdif* f = nullptr;

    void put(const std::string& name, const std::vector<std::string>& lines) {
        toolkit::writeLines(dir / name, lines);
    }
    void SetUp() override {
        put("fgtsdifz.tab",
            {kHead, row("10/01/2002", "11/2001", "0", "1,00"),
             row("10/02/2002", "12/2001", "0", "1,00"), row("10/03/2002", "01/2002", "0", "1,00")});
        put("fgtsdifx.tab",
            {"Data do Crédito\tData do Depósito\tDepósito\tSaques", "10/01/2002\t07/12/2001\t\t",
             "10/02/2002\t07/01/2002\t\t", "10/03/2002\t07/02/2002\t\t"});
        put("fgtsdifj.tab",
            {kHead, row("10/07/1993", "05/1993", "0", "1,00"),
             row("10/08/1993", "06/1993", "0", "0"), row("10/07/1994", "05/1994", "0", "0")});
        put("fgtsdifxj.tab",
            {"Data do Crédito\tData do Depósito\tDepósito\tSaques", "10/07/1993\t07/06/1993\t\t",
             "10/08/1993\t07/07/1993\t\t", "10/07/1994\t07/06/1994\t\t"});
        std::string headE = kHead;
        for (size_t at; (at = headE.find("INPC")) != std::string::npos;)
            headE.replace(at, 4, "IPCA-E");
        put("ipcaez.tab", {headE, row("10/01/2002", "11/2001", "0", "2,00"),
                           row("10/02/2002", "12/2001", "0", "2,00")});
        app::AppOptions o;
        o.dataDir = dir.path();
        o.version = "1.0.0.0";
        program = std::make_unique<app::App>(ui, o);
        program->start();
        f = program->modelAs<TFFGTSdif>(TFFGTSdif::kClassName);
        ASSERT_NE(f, nullptr);
    }
    bool run(const std::function<void()>& h) {
        const size_t n = ui.messages.size();
        return app::runCommand(ui, h) && ui.messages.size() == n;
    }
    std::string lastMessage() const { return ui.messages.empty() ? "" : ui.messages.back(); }
    const app::Command& popup() {
        for (const auto& c : app::commandTable())
            if (c.caption == "Revisão TR X INPC ou IPCA-E") return c;
        throw std::logic_error("no command");
    }
    void open() { ASSERT_TRUE(program->run(popup())); }
    void type(int col, int r, const std::string& text) {
        ASSERT_TRUE(run([&] { f->svaloresSetEditText(col, r, text); })) << lastMessage();
    }
    std::vector<std::string> cols(int r, std::initializer_list<int> cs) const {
        std::vector<std::string> out;
        for (int c : cs) out.push_back(f->sfgts.cell(c, r));
        return out;
    }
    using V = std::vector<std::string>;
};

TEST_F(Revision, MenuCommandLoadsTablesAndListsOnce) {
    open();
    EXPECT_EQ(f->sfgts.rowCount(), 4);
    EXPECT_EQ(f->svalores.colCount(), 4);
    EXPECT_EQ(f->ComboBox1Items, (V{"10/01/2002", "10/02/2002", "10/03/2002"}));
    EXPECT_EQ(f->ComboBox1, "10/03/2002");
    EXPECT_EQ(f->ComboBox2, "07/12/2001");
    EXPECT_TRUE(f->proximoEnabled);
    EXPECT_FALSE(f->anteriorEnabled);
    EXPECT_FALSE(f->finalizarEnabled);
    EXPECT_EQ(ui.windowsShown.back(), "TFFGTSdif");
    // A second opening keeps what the user typed.
    type(2, 1, "1.000,00");
    open();
    EXPECT_EQ(f->svalores.cell(2, 1), "1.000,00");
    EXPECT_FALSE(f->startChoiceShown());
    put("abre.tab", {"x"});
    EXPECT_TRUE(f->startChoiceShown());
    // The hidden "FGTS" command switches editing on and leaves the buttons and the page alone.
    ASSERT_TRUE(run([&] { f->SpeedButton2Click(); }));
    const app::Command* hidden = nullptr;
    for (const auto& c : app::commandTable())
        if (c.caption == "FGTS" && c.window == "TFFGTSdif") hidden = &c;
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(hidden->hidden);
    ASSERT_TRUE(program->run(*hidden));
    EXPECT_EQ(ui.editingMode, std::optional<bool>(true));
    EXPECT_EQ(f->page, 1);
    EXPECT_TRUE(f->anteriorEnabled);
    EXPECT_EQ(f->svalores.cell(2, 1), "1.000,00");
    // A missing table is skipped: the grids keep what they had.
    std::filesystem::remove(dir / "ipcaez.tab");
    ASSERT_TRUE(run([&] { f->Button7Click(); }));
    EXPECT_EQ(f->sfgts.rowCount(), 4);
    EXPECT_EQ(f->svalores.cell(2, 1), "1.000,00");
}

TEST_F(Revision, RecalcOpensBothBalancesAndCompoundsTheIndex) {
    open();
    type(2, 1, "1.000,00");
    EXPECT_EQ(cols(1, {2, 3, 4, 7, 8, 11, 12}),
              (V{"1.000,00", "0,00", "1.000,00", "1.000,00", "1.000,00", "1.010,00", "10,00"}));
    EXPECT_EQ(cols(2, {4, 7, 8, 11, 12}),
              (V{"1.000,00", "1.000,00", "1.010,00", "1.020,10", "20,10"}));
    EXPECT_EQ(cols(3, {11, 12}), (V{"1.030,30", "30,30"}));
    // A withdrawal larger than the balance leaves it negative; nothing stops it.
    type(3, 2, "3.000,00");
    EXPECT_EQ(cols(2, {4, 7, 8}), (V{"-2.000,00", "-2.000,00", "-1.990,00"}));
    // Editing a row with no index row informs only.
    f->svalores.setRowCount(5);
    EXPECT_FALSE(run([&] { f->svaloresSetEditText(2, 4, "1,00"); }));
    EXPECT_EQ(lastMessage(), "não existe ainda índice para este mês");
}

TEST_F(Revision, OlderCurrenciesAreDividedAndPositiveDifferencesConverted) {
    f->RJan = false;
    f->Rfev = true;
    put("abre.tab", {"x"});
    ASSERT_TRUE(run([&] { f->Button1Click(); }));
    ASSERT_EQ(f->sfgts.cell(1, 2), "06/1993");
    type(2, 1, "3.000.000,00");
    // 05/1993: difference 30.000,00 Cr$ shown in Reais; 06/1993 divides by 1000; 05/1994 by 2750.
    EXPECT_EQ(cols(1, {11, 12}), (V{"3.030.000,00", "0,01"}));
    EXPECT_EQ(cols(2, {4, 8, 12}), (V{"3.000,00", "3.030,00", "0,01"}));
    EXPECT_EQ(cols(3, {4, 8, 12}), (V{"1,09", "1,10", "0,01"}));
    // A negative difference is not converted.
    f->sfgts.setCell(10, 1, "-1,00");
    ASSERT_TRUE(run([&] { f->recalc(); }));
    EXPECT_EQ(f->sfgts.cell(12, 1), "-30.000,00");
}

TEST_F(Revision, RateChoiceSetsMonthlyEquivalents) {
    open();
    const std::pair<const char*, const char*> cases[] = {
        {"3%", "0,2466%"}, {"4%", "0,3274%"}, {"5%", "0,4074%"}, {"6%", "0,4868%"}};
    for (const auto& [yearly, monthly] : cases) {
        f->CtaxaChange(yearly);
        for (int r = 1; r < 4; ++r) {
            EXPECT_EQ(f->sfgts.cell(5, r), monthly) << yearly;
            EXPECT_EQ(f->sfgts.cell(9, r), monthly) << yearly;
        }
    }
}

struct InterestCase {
    const char* name;
    const char* citation;
    bool c2002;
    std::vector<std::string> rates;  // column 14 of rows 1..3
    const char* interest;
};

TEST_F(Revision, InterestWalkStartsAtZeroAndStepsByWholeDates) {
    const InterestCase cases[] = {
        {"Eq each row", "10/01/2002", false, {"2,00%", "1,00%", "0,00%"}, "0,30"},
        {"10/02/2002 adds 0,5", "10/01/2002", true, {"1,50%", "1,00%", "0,00%"}, "0,25"},
        {"citation after every row", "11/03/2002", false, {"0,00%", "0,00%", "0,00%"}, "0,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        type(2, 1, "1.000,00");
        f->Caplijur = f->Jurmen = true;
        f->C2002 = c.c2002;
        f->dtacitacao = c.citation;
        ASSERT_TRUE(run([&] { f->finalizar(); })) << lastMessage();
        EXPECT_EQ(f->sfgts.colCount(), 16);
        EXPECT_EQ(f->sfgts.cell(13, 0), "(m) Diferença mensal");
        EXPECT_EQ((V{f->sfgts.cell(13, 1), f->sfgts.cell(13, 2), f->sfgts.cell(13, 3)}),
                  (V{"10,00", "10,10", "10,20"}));
        EXPECT_EQ((V{f->sfgts.cell(14, 1), f->sfgts.cell(14, 2), f->sfgts.cell(14, 3)}), c.rates);
        EXPECT_EQ(f->Edit1, "30,30");
        EXPECT_EQ(f->Edit2, c.interest);
        EXPECT_EQ(f->Edit3, "1.000,00");
        EXPECT_EQ(f->Edit4, "1.030,30");
    }
}

TEST_F(Revision, FinishingChecksStopAndLeaveTheWindow) {
    open();
    ASSERT_TRUE(run([&] { f->SpeedButton2Click(); }));
    struct Case {
        std::function<void()> set;
        const char* message;
    } cases[] = {
        {[&] {
             f->Caplijur = true;
             f->dtacitacao = "__/__/____";
         },
         "Digite a data da Citação"},
        {[&] {
             f->Caplijur = true;
             f->dtacitacao = "10/01/2002";
             f->Eq = "";
         },
         "Digite o valor dos juros"},
        {[&] { f->ComboBox1 = ""; }, "Preencha o campo \"Data Final do Cálculo\""},
        {[&] { f->ComboBox2 = ""; }, "Preencha o campo \"Data Inicial do Cálculo\""},
        {[&] {
             f->ComboBox2 = "10/03/2002";
             f->ComboBox1 = "10/02/2002";
         },
         "A \"Data Inicial do Cálculo\" não pode ser maior que a \"Data Final do Cálculo\""},
    };
    for (const auto& c : cases) {
        const RevisionState keep = *f;
        c.set();
        const RevisionState set = *f;
        app::runCommand(ui, [&] { f->SpeedButton3Click(); });
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(f->page, 1);
        EXPECT_EQ(f->sfgts, set.sfgts);
        EXPECT_FALSE(std::filesystem::exists(f->backupPath()));
        static_cast<RevisionState&>(*f) = keep;
    }
    // A date list text that is no date ends the step with nothing changed.
    f->ComboBox1 = "31/02/2002x";
    const StringGrid before = f->sfgts;
    EXPECT_FALSE(run([&] { f->SpeedButton3Click(); }));
    EXPECT_EQ(f->sfgts, before);
    EXPECT_EQ(f->page, 1);
}

TEST_F(Revision, NextKeepsALoadedGrid) {
    put("abre.tab", {"x"});
    open();
    // An untouched INPC grid of the other start is replaced by the chosen start's tables.
    f->RJan = false;
    f->Rfev = true;
    ASSERT_TRUE(run([&] { f->SpeedButton2Click(); }));
    EXPECT_EQ(f->sfgts.cell(0, 1), "10/07/1993");
    // A grid from "Novo IPCA-E" with typed values stays.
    ASSERT_TRUE(run([&] { f->SpeedButton1Click(); }));
    ASSERT_TRUE(run([&] { f->Button7Click(); }));
    EXPECT_EQ(f->Label7, "Cálculo baseado em IPCA-E");
    type(2, 1, "500,00");
    ASSERT_TRUE(run([&] { f->Button10Click(); }));
    ASSERT_TRUE(run([&] { f->Button1Click(); }));
    ASSERT_TRUE(run([&] { f->AbrirBackupClick(); }));
    EXPECT_EQ(f->Label7, "Cálculo baseado em IPCA-E");
    ASSERT_TRUE(run([&] { f->SpeedButton1Click(); }));
    f->RJan = true;
    f->Rfev = false;
    ASSERT_TRUE(run([&] { f->SpeedButton2Click(); }));
    EXPECT_EQ(f->sfgts.cell(10, 1), "2,00");
    EXPECT_EQ(f->svalores.cell(2, 1), "500,00");
    EXPECT_EQ(f->page, 1);
    EXPECT_TRUE(f->finalizarEnabled);
    ASSERT_TRUE(run([&] { f->SpeedButton1Click(); }));
    EXPECT_TRUE(f->finalizarEnabled);
    EXPECT_FALSE(f->anteriorEnabled);
}

TEST_F(Revision, RepeatCopiesTheRowAbove) {
    open();
    type(2, 1, "100,00");
    type(2, 2, "");
    ASSERT_TRUE(run([&] { f->RepetirClick(); }));
    EXPECT_EQ(f->svalores.cell(2, 2), "100,00");
    EXPECT_EQ(f->sfgts.cell(2, 2), "100,00");
    EXPECT_EQ(f->svaloresRow, 3);
}

TEST_F(Revision, FileRoundTripThroughBothReaders) {
    open();
    type(2, 1, "1.000,00");
    type(3, 2, "10,00");
    f->Memo1 = {"Autor: Fulano, de tal", "Processo 1"};
    f->Caplijur = f->Jurmen = f->C2002 = f->Chono = true;
    f->dtacitacao = "10/01/2002";
    f->Ehono = "15";
    f->Ctaxa = "4%";
    f->manual().sdia = StringGrid(4, 3);
    f->manual().sdia.setRow(0, {"Data do Crédito", "Depósito", "Saques", "Obs."});
    f->manual().sdia.setRow(1, {"07/12/2001", "1.000,00", "", "saldo"});
    f->manual().Cexibirdemo = true;
    ASSERT_TRUE(run([&] { f->Button10Click(); }));
    const auto lines = toolkit::readLines(f->backupPath());
    EXPECT_EQ(lines[0], "Vers 1.7");
    EXPECT_EQ(lines[3], "\"Autor: Fulano, de tal\",\"Processo 1\"");
    EXPECT_EQ(lines[12], "4");
    EXPECT_EQ(lines[14].rfind("10/01/2002,11/2001,\"1.000,00\",\"0,00\",", 0), 0u) << lines[14];
    EXPECT_NE(std::find(lines.begin(), lines.end(), "07/12/2001,\"1.000,00\",,saldo"), lines.end());
    const RevisionState saved = *f;
    const StringGrid sdia = f->manual().sdia;
    for (bool backup : {false, true}) {
        ASSERT_TRUE(run([&] { f->Button1Click(); }));
        f->Caplijur = f->Jurmen = f->C2002 = f->Chono = false;
        f->manual().sdia = StringGrid(4, 2);
        f->manual().Cexibirdemo = false;
        if (backup) {
            ASSERT_TRUE(run([&] { f->AbrirBackupClick(); })) << lastMessage();
        } else {
            ASSERT_TRUE(run([&] { f->AbrirClick(f->backupPath()); })) << lastMessage();
        }
        EXPECT_EQ(f->Memo1, saved.Memo1);
        EXPECT_EQ(f->sfgts, saved.sfgts);
        EXPECT_EQ(f->svalores.cell(2, 1), "1.000,00");
        EXPECT_EQ(f->svalores.cell(3, 2), "10,00");
        EXPECT_TRUE(f->Caplijur && f->Jurmen && f->C2002 && f->Chono);
        EXPECT_EQ(f->Ehono, "15");
        EXPECT_EQ(f->Ctaxa, "4%");
        EXPECT_EQ(f->manual().sdia, sdia);
        EXPECT_TRUE(f->manual().Cexibirdemo);
        EXPECT_TRUE(f->RJan);
    }
}

TEST_F(Revision, SaveCopiesTheBackup) {
    open();
    type(2, 1, "1.000,00");
    ui.saveAnswers.push_back(dir / "meu.fgtsd");
    ASSERT_TRUE(run([&] { f->SalvarClick(); }));
    EXPECT_EQ(corvana::testing::readBytes(dir / "meu.fgtsd"), corvana::testing::readBytes(f->backupPath()));
    const auto bad = dir / "nao-existe" / "x.fgtsd";
    ui.saveAnswers.push_back(bad);
    f->SalvarClick();
    EXPECT_EQ(lastMessage(), "Erro ao copiar " + f->backupPath().string() + " para " + bad.string());
}

TEST_F(Revision, OlderVersionsAndDamagedFiles) {
    put("fgtsdif.tab",
        {kHead, row("10/05/2000", "03/2000", "0", "0"), row("10/06/2000", "04/2000", "0", "0")});
    open();
    f->ComboBox2 = "07/12/2001";
    f->C2002 = true;
    f->Jurmen = true;
    const auto file = dir / "velho.fgtsd";
    const std::string grid = "3\r\n" + toolkit::toCommaText({"Data", "Mes"}) +
                             "\r\n10/05/2000,03/2000,\"5,00\"\r\n10/06/2000,04/2000,,\"1,00\"\r\n";
    corvana::testing::writeBytes(
        file,
        "Vers 1.3\r\n10/06/2000\r\ncab\r\n__/__/____\r\n1,00\r\n3%\r\nfalse\r\n10\r\nfalse\r\n" +
            grid);
    ASSERT_TRUE(run([&] { f->AbrirClick(file); })) << lastMessage();
    EXPECT_EQ(f->ComboBox1, "10/06/2000");
    EXPECT_EQ(f->ComboBox2, "07/12/2001");
    EXPECT_TRUE(f->C2002 && f->Jurmen);
    EXPECT_EQ(f->sfgts.rowCount(), 3);
    EXPECT_EQ(f->svalores.cell(1, 1), "03/2000");  // the input rows of fgtsdif.tab
    EXPECT_EQ(f->svalores.cell(2, 1), "5,00");
    EXPECT_EQ(f->svalores.cell(3, 2), "1,00");

    // Each version's layout, and a file cut short.
    const std::string head14 =
        "10/06/2000\r\n07/05/2000\r\ncab\r\n__/__/"
        "____\r\n1,00\r\n3%\r\ntrue\r\nfalse\r\nfalse\r\n10\r\nfalse\r\n" +
        grid;
    const std::string daily = "2\r\nData,Depósito\r\n01/05/2000,\"2,00\"\r\ntrue\r\n";
    struct Case {
        const char* text;
        std::string body;
        bool ok;
    } cases[] = {
        {"1.4", "Vers 1.4\r\n" + head14, true},
        {"1.5", "Vers 1.5\r\n" + head14, true},
        {"1.6", "Vers 1.6\r\n" + head14 + daily, true},
        {"1.7", "Vers 1.7\r\n" + head14 + daily + "false\r\ntrue\r\n", true},
        {"1.7 cut", "Vers 1.7\r\n" + head14 + "2\r\nData,Depósito\r\n", false},
        {"1.6 grid cut", "Vers 1.6\r\n" + head14.substr(0, head14.size() - 30), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(run([&] { f->Button1Click(); }));
        f->ComboBox2 = "x";
        const RevisionState before = *f;
        const StringGrid sdia = f->manual().sdia;
        corvana::testing::writeBytes(file, c.body);
        EXPECT_EQ(run([&] { f->AbrirClick(file); }), c.ok) << lastMessage();
        if (c.ok) {
            EXPECT_EQ(f->ComboBox2, "07/05/2000");
            EXPECT_TRUE(f->C2002);
            EXPECT_EQ(f->svalores.cell(2, 1), "5,00");
        } else {
            EXPECT_EQ(lastMessage(),
                      "O arquivo não é um cálculo válido: a leitura foi interrompida");
            EXPECT_EQ(f->ComboBox2, "x");
            EXPECT_EQ(f->sfgts, before.sfgts);
            EXPECT_EQ(f->manual().sdia, sdia);
        }
    }
    EXPECT_EQ(f->manual().sdia.cell(1, 1), "2,00");
    EXPECT_TRUE(f->Rfev);
    // An unknown version changes nothing.
    corvana::testing::writeBytes(file, "Vers 1.2\r\n10/06/2000\r\n");
    f->ComboBox1 = "keep";
    f->AbrirClick(file);
    EXPECT_EQ(f->ComboBox1, "keep");
}

TEST_F(Revision, DailyDepositsAndWithdrawalsReachTheInputGrid) {
    open();
    f->svalores.setCell(2, 3, "7,00");  // a month the days do not reach keeps its value
    ASSERT_TRUE(run([&] { f->DiarioClick(); }));
    auto& m = f->manual();
    EXPECT_EQ(ui.windowsShown.back(), "TFmanual");
    EXPECT_EQ(m.sdia.row(0), (V{"Data do Crédito", "Depósito", "Saques", "Obs."}));
    EXPECT_EQ(m.sdia.cell(0, 1), "07/12/2001");
    m.sdia.setRowCount(40);  // up to 14/01/2002
    for (int i = 1; i < 40; ++i)
        m.sdia.setCell(0, i,
                       toolkit::DateToStr(toolkit::Date::fromSerial(
                           toolkit::StrToDate("07/12/2001").serial() + i - 1)));
    m.sdia.setCell(1, 1, "100,00");  // 07/12/2001
    m.sdia.setCell(1, 2, "50,00");   // 08/12/2001
    m.sdia.setCell(2, 3, "30,00");   // 09/12/2001 withdrawal
    m.sdia.setCell(3, 3, "saque");
    m.sdia.setCell(1, 30, "200,00");  // 05/01/2002
    ASSERT_TRUE(run([&] { m.Button3Click(); })) << lastMessage();
    EXPECT_EQ(f->svalores.cell(2, 1), "150,00");
    EXPECT_EQ(f->svalores.cell(3, 1), "30,00");
    EXPECT_EQ(f->svalores.cell(2, 2), "200,00");
    EXPECT_EQ(f->svalores.cell(2, 3), "7,00");
    EXPECT_EQ(f->sfgts.cell(4, 1), "120,00");
    EXPECT_EQ(ui.windowsShown.back(), "TFFGTSdif");
    EXPECT_EQ(f->page, 1);
    ASSERT_EQ(m.Sprint.rowCount(), 5);
    EXPECT_EQ(m.Sprint.row(0), (V{"Data do Crédito", "Data do Depósito", "Competência", "Depósito",
                                  "Saques", "Obs."}));
    EXPECT_EQ(m.Sprint.row(3),
              (V{"10/01/2002", "09/12/2001", "11/2001", "0,00", "30,00", "saque"}));
    EXPECT_EQ(m.Sprint.row(4), (V{"10/02/2002", "05/01/2002", "12/2001", "200,00", "0,00", "-"}));
    // "Fechar" returns to this calculator.
    ASSERT_TRUE(run([&] { f->DiarioClick(); }));
    ASSERT_TRUE(run([&] { m.Button4Click(); }));
    EXPECT_EQ(ui.windowsShown.back(), "TFFGTSdif");
    EXPECT_TRUE(f->visible);
}

TEST_F(Revision, ReportListsToTheFinalDateAndLabelsItsMonth) {
    open();
    type(2, 1, "1.000,00");
    f->ComboBox1 = "10/02/2002";
    f->Memo1 = {"Autor <A&B>"};
    f->Jurmen = true;  // without Caplijur: no totals row
    f->Chono = true;
    ASSERT_TRUE(run([&] { f->SpeedButton3Click(); })) << lastMessage();
    const auto re = toolkit::readLines(f->reportPath());
    const auto has = [&](const std::string& s) {
        return std::find(re.begin(), re.end(), s) != re.end();
    };
    EXPECT_TRUE(
        has("<tr><td><div align=Justify><p><b>Autor &lt;A&amp;B&gt;</b></p></div></td></tr>"));
    EXPECT_TRUE(has("<BR><B>VALOR DEVIDO EM: 02/2002 = R$20,10</B></BR>"));
    EXPECT_TRUE(has("<BR><B>HONORÁRIOS: (10%) = R$2,01</B></BR>"));
    EXPECT_TRUE(has("<BR><B>TOTAL = 22,11</B></BR>"));
    size_t bodies = 0;
    for (const auto& l : re) {
        bodies += l.rfind("<tbody></b>", 0) == 0;
        EXPECT_EQ(l.rfind("<tr><tbody>", 0), std::string::npos);
    }
    EXPECT_EQ(bodies, 2u);
    EXPECT_EQ(ui.reportsShown.back(), f->reportPath());
    EXPECT_FALSE(f->visible);
    EXPECT_EQ(re.back(), "</body></html>");
}

// The report's provenance line: the tables the index columns came from, even after amounts were
// typed over them; a grid read from a saved calculation claims no table.
TEST_F(Revision, ReportNamesTheTablesOfTheIndicesOrSaysTheyCameFromTheFile) {
    put("fontes.tab", {"Tabela\tDescrição\tFonte\tEdição\tÚltima competência\tExemplo",
                       "fgtsdifz.tab\tRevisão\tBCB, TR; IBGE, INPC\t03/2026\t03/2026\tNão",
                       "fgtsdifx.tab\tDepósitos\tvalores de exemplo\t\t03/2026\tSim"});
    const auto fontes = [&] {
        const auto re = f->reportLines();
        EXPECT_EQ(re.back(), "</body></html>");
        return re.size() < 2 ? std::string() : re[re.size() - 2];
    };
    open();
    EXPECT_TRUE(f->tabelaExemplo);  // the deposit-date table is a sample
    type(2, 1, "1.000,00");
    EXPECT_EQ(fontes(),
              "<p class=\"fontes\">Índices: fgtsdifz.tab — BCB, TR; IBGE, INPC, edição 03/2026, até "
              "03/2026; fgtsdifx.tab — valores de exemplo, até 03/2026 — TABELA DE EXEMPLO — valores "
              "fictícios, não usar em juízo.</p>");
    ASSERT_TRUE(run([&] { f->salvarx(); }));
    ASSERT_TRUE(run([&] { f->AbrirClick(f->backupPath()); })) << lastMessage();
    EXPECT_FALSE(f->tabelaExemplo);
    const std::string saved =
        "<p class=\"fontes\">Índices: TR e INPC lidos do cálculo gravado; o arquivo não registra "
        "de que tabelas vieram nem se eram oficiais.</p>";
    EXPECT_EQ(fontes(), saved);
    type(2, 1, "2.000,00");
    EXPECT_EQ(fontes(), saved);
    ASSERT_TRUE(run([&] { f->Button7Click(); }));  // "Novo IPCA-E": a table again
    EXPECT_EQ(fontes(),
              "<p class=\"fontes\">Índices: ipcaez.tab — origem não registrada em fontes.tab, até "
              "02/2002 — TABELA DE EXEMPLO — valores fictícios, não usar em juízo.</p>");
}

}  // namespace
}  // namespace corvana::fgts
