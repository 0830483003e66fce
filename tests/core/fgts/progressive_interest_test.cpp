// The progressive-interest window: recalc, "Repetir", the report's end month and the files.
#include <gtest/gtest.h>

#include "core/app/scripted_ui.hpp"
#include "core/fgts/progressive_interest.hpp"
#include "core/toolkit/text_file.hpp"
#include "test_support.hpp"

using namespace corvana;
using corvana::fgts::TForm_FGTS;

namespace {

struct Juros {
    corvana::testing::TempDir dir;
    app::ScriptedUi ui;
    app::SharedContext ctx{ui};
    TForm_FGTS form{ctx};

    // A table of five months: jan/86, mar/86 (currency change), mar/90, jul/94, ago/94.
    Juros() {
        ctx.meudir = dir.path();
        toolkit::writeLines(
            dir / "fgtsjuros.tab",
            {"Mês\ta\tb\tc\td4\td5\td6\te\tf\tg\th\tMoeda",
             "jan/86\t\t0,5\t\t0,1\t\t\t\t\t0,00\t0,00\tCr$",
             "mar/86\t\t0,5\t\t0,1\t\t0,2\t\t\t\t\tCz$", "mar/90\t\t0,5\t\t0,1\t\t\t\t\t\t\tCr$",
             "jul/94\t\t0,5\t\t0,1\t\t\t\t\t\t\tR$", "ago/94\t\t0,5\t\t0,1\t\t\t\t\t\t\tR$"});
        form.Button1Click();
    }
    const std::string& h(int r) const { return form.sfgts.cell(10, r); }
};

}  // namespace

TEST(JurosRecalc, ColumnsFollowTheRulesAndTheCurrencyChanges) {
    Juros j;
    auto& f = j.form;
    ASSERT_EQ(f.svalores.rowCount(), 6);
    ASSERT_EQ(f.svalores.colCount(), 2);
    for (int r = 1; r <= 5; ++r) f.svalores.setCell(1, r, "10000");
    f.svaloresSetEditText(1, 1, "10.000,00");
    const auto& g = f.sfgts;
    // jan/86: c = 10.000 / 0,5 = 20.000; e = 2.000; f = -8.000; g from the table; h = f.
    EXPECT_EQ(g.row(1),
              (std::vector<std::string>{"jan/86", "10.000,00", "0,5", "20.000,00", "0,1", "", "",
                                        "2.000,00", "-8.000,00", "0,00", "-8.000,00", "Cr$"}));
    // mar/86: columns 4 and 6 filled: 6 counts for e and g; (h + g) / 1000.
    EXPECT_EQ(g.cell(7, 2), "4.000,00");
    EXPECT_EQ(g.cell(9, 2), "-1.600,00");
    EXPECT_EQ(j.h(2), "-6.009,60");  // -6.000 + (-8.000 - 1.600) / 1000
    // mar/90 is not converted: h = f + h + g.
    EXPECT_EQ(j.h(3), "-14.610,56");  // -8.000 + (-6.009,60 - 600,96)
    // jul/94: h = f + (h + g) / 2750.
    EXPECT_EQ(j.h(4), "-8.005,84");  // -8.000 + (-14.610,56 - 1.461,06) / 2750
    EXPECT_EQ(f.currentRow, 1);
}

TEST(JurosRecalc, ARowWithoutValueKeepsItsCellsAndTheIpcOptionNeedsThePreviousH) {
    Juros j;
    auto& f = j.form;
    f.sfgts.setCell(7, 3, "antigo");
    f.svaloresSetEditText(1, 1, "1,00");
    EXPECT_EQ(f.sfgts.cell(7, 3), "antigo");
    EXPECT_EQ(f.sfgts.cell(1, 3), "");

    // With the IPC option a "mar/89" row whose previous h is empty fails; nothing changes.
    f.sfgts.setCell(0, 3, "mar/89");
    f.svalores.setCell(0, 3, "mar/89");
    f.Cipc89_90 = true;
    f.svalores.setCell(1, 2, "");
    const auto before = f.sfgts;
    EXPECT_FALSE(app::runCommand(j.ui, [&] { f.svaloresSetEditText(1, 3, "5,00"); }));
    EXPECT_EQ(f.sfgts, before);
    EXPECT_EQ(f.svalores.cell(1, 3), "");
    ASSERT_EQ(j.ui.messages.size(), 1u);
    EXPECT_EQ(j.ui.messages[0].rfind("Os reflexos do IPC de mar/89", 0), 0u);
}

TEST(JurosRepetir, FillsTheValueDownwardsMonthByMonth) {
    Juros j;
    auto& f = j.form;
    f.svaloresSetEditText(1, 1, "1,00");
    f.svaloresSelectCell(1, 2);
    f.Button6Click();
    f.Button6Click();
    EXPECT_EQ(f.svalores.cell(1, 2), "1,00");
    EXPECT_EQ(f.svalores.cell(1, 3), "1,00");
    EXPECT_EQ(f.svalores.cell(1, 4), "");
    EXPECT_EQ(f.sfgts.cell(1, 3), "1,00");
    EXPECT_EQ(f.selRow, 4);
    EXPECT_EQ(f.currentRow, 3);
}

TEST(JurosReport, EndMonthTotalAndHeaderLines) {
    struct Case {
        std::string end;
        int lastRow;
    };
    for (const Case& c : {Case{"jan/86", 1}, Case{"", 1}, Case{"jul/94", 4}, Case{"dez/99", 5}}) {
        Juros j;
        auto& f = j.form;
        for (int r = 1; r <= 5; ++r) f.svalores.setCell(1, r, "1,00");
        f.svaloresSetEditText(1, 1, "1,00");
        f.ComboBox1 = c.end;
        f.Memo1 = {"um", "dois", "<três>"};
        const auto pieces = f.reportPieces();
        int headers = 0, rows = 0;
        for (const auto& p : pieces) {
            headers += p.rfind("<tr><td><div align=Justify>", 0) == 0;
            rows += p.rfind("<tr>\r\n", 0) == 0;
        }
        EXPECT_EQ(headers, 3);
        EXPECT_EQ(rows, c.lastRow + 1) << c.end;
        const auto& g = f.sfgts;
        const std::string total = "<BR><B>VALOR TOTAL DEVIDO EM: " + g.cell(0, c.lastRow) + " = " +
                                  g.cell(11, c.lastRow) + " " + g.cell(10, c.lastRow) + "</B></BR>";
        EXPECT_NE(std::find(pieces.begin(), pieces.end(), total), pieces.end()) << c.end;
        EXPECT_NE(
            std::find(pieces.begin(), pieces.end(),
                      "<tr><td><div align=Justify><p><b>&lt;três&gt;</b></p></div></td></tr>"),
            pieces.end());
    }
}

TEST(JurosFiles, BothLayoutsReadBackAndTheValueGridGrowsToTheFile) {
    Juros j;
    auto& f = j.form;
    f.Memo1 = {"Maria, 1970", "conta"};
    f.ComboBox1 = "jul/94";
    f.Cipc89_90 = true;
    f.svaloresSetEditText(1, 1, "1,00");
    f.salvarx();
    const auto lines = toolkit::readLines(f.backupPath());
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "Vers 1.3");
    EXPECT_EQ(lines[2], "\"Maria, 1970\",conta");
    EXPECT_EQ(lines[3], "sim");
    EXPECT_EQ(lines[4], "6");

    // A window that never loaded the table (5 value rows) takes all six rows of the file.
    app::ScriptedUi ui2;
    app::SharedContext ctx2{ui2};
    ctx2.meudir = j.dir.path();
    TForm_FGTS fresh(ctx2);
    fresh.abrir(f.backupPath());
    EXPECT_EQ(fresh.sfgts, f.sfgts);
    EXPECT_EQ(fresh.svalores.rowCount(), 6);
    EXPECT_EQ(fresh.svalores.cell(0, 5), "ago/94");
    EXPECT_EQ(fresh.fileLines(), lines);

    // "Vers 1.2": no option line, the option keeps its state.
    auto old = lines;
    old[0] = "Vers 1.2";
    old.erase(old.begin() + 3);
    toolkit::writeLines(j.dir / "v12.jfgts", old);
    fresh.Cipc89_90 = false;
    fresh.abrir(j.dir / "v12.jfgts");
    EXPECT_FALSE(fresh.Cipc89_90);
    EXPECT_EQ(fresh.sfgts, f.sfgts);

    // Cut short, or another first line: refused with a message, nothing changes.
    for (auto bad : {std::vector<std::string>(lines.begin(), lines.end() - 2),
                     std::vector<std::string>{"Vers 9", "x"}}) {
        toolkit::writeLines(j.dir / "bad.jfgts", bad);
        const auto before = fresh.sfgts;
        EXPECT_FALSE(app::runCommand(ui2, [&] { fresh.abrir(j.dir / "bad.jfgts"); }));
        EXPECT_EQ(fresh.sfgts, before);
    }
    EXPECT_EQ(ui2.messages.size(), 2u);
}

TEST(JurosFiles, SaveWritesTheBackupAndCopiesIt) {
    Juros j;
    j.ui.saveAnswers.push_back(j.dir / "meu.jfgts");
    j.form.Button3Click();
    EXPECT_EQ(toolkit::readFileBytes(j.dir / "meu.jfgts"),
              toolkit::readFileBytes(j.form.backupPath()));
    j.ui.saveAnswers.push_back(j.dir / "nao-existe" / "meu.jfgts");
    j.form.Button3Click();
    ASSERT_EQ(j.ui.messages.size(), 1u);
    EXPECT_EQ(j.ui.messages[0].rfind("Erro ao copiar ", 0), 0u);
}

// The report's provenance line: fgtsjuros.tab after "Novo", the saved calculation after "Abrir".
TEST(JurosReport, NamesTheTableOrSaysTheIndicesCameFromTheFile) {
    Juros j;
    auto& f = j.form;
    toolkit::writeLines(j.dir / "fontes.tab",
                        {"Tabela\tDescrição\tFonte\tEdição\tÚltima competência\tExemplo",
                         "fgtsjuros.tab\tJuros progressivos\tvalores de exemplo\t\t08/1994\tSim"});
    ASSERT_TRUE(app::runCommand(j.ui, [&] { f.Button1Click(); }));
    EXPECT_TRUE(f.tabelaExemplo);
    const auto fontes = [&] {
        const auto re = f.reportPieces();
        EXPECT_EQ(re.back(), "</body></html>");
        return re[re.size() - 2];
    };
    EXPECT_EQ(fontes(),
              "<p class=\"fontes\">Índices: fgtsjuros.tab — valores de exemplo, até 08/1994 — "
              "TABELA DE EXEMPLO — valores fictícios, não usar em juízo.</p>");
    f.salvarx();
    f.abrir(f.backupPath());
    EXPECT_FALSE(f.tabelaExemplo);
    EXPECT_EQ(fontes(),
              "<p class=\"fontes\">Índices: lidos do cálculo gravado; o arquivo não registra de "
              "que tabela vieram nem se eram oficiais.</p>");
}
