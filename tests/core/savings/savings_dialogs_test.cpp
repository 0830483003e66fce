// The plan table, yield override, purge-yield and February 1989 dialogs.
#include <gtest/gtest.h>

#include "core/savings/month_yield_dialog.hpp"
#include "core/savings/february_1989_notice.hpp"
#include "core/toolkit/text_file.hpp"
#include "savings_fixture.hpp"

using namespace corvana;
using corvana::testing::SavingsFixture;

namespace {

TEST(IncluirExpurgo, GravarSortsByMonthWritesPlanosIniAndRebuildsThePlanList) {
    SavingsFixture f;
    auto& g = f.form3.SPlanosini;
    g.setRowCount(3);
    g.setRow(1, {"Plano Verão", "01/89", "20,37", "1000", "Cz$", "LFT", "22,35", "IPC", "42,72", "NCz$"});
    g.setRow(2, {"Plano Bresser", "06/1987", "8,04", "", "Cz$", "LBC", "18,02", "IPC", "26,06", ""});
    f.form3.GravarClick();
    EXPECT_EQ(g.colCount(), 10);
    EXPECT_EQ(g.cell(0, 1), "Plano Bresser");
    EXPECT_EQ(g.cell(1, 2), "01/1989");
    ASSERT_EQ(f.form2.CPlanos.count(), 2);
    EXPECT_EQ(f.form2.CPlanos.items[0].text, "Plano Bresser");
    const auto lines = toolkit::readLines(f.dir / "planos.ini");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 13), "Expurgo\tData\t");
    EXPECT_EQ(lines[1], "Plano Bresser\t06/1987\t8,04\t\tCz$\tLBC\t18,02\tIPC\t26,06\t\t");
    // Read back at the next start-up.
    SavingsFixture h;
    std::filesystem::copy_file(f.dir / "planos.ini", h.dir / "planos.ini");
    h.form3.carregar();
    EXPECT_EQ(h.form3.SPlanosini, g);
    EXPECT_EQ(h.form2.CPlanos.count(), 2);
}

TEST(IncluirExpurgo, IncompleteMonthIsRefusedAndNothingIsWritten) {
    SavingsFixture f;
    auto& g = f.form3.SPlanosini;
    g.setRowCount(4);
    g.setRow(1, {"Plano Bresser", "06/1987"});
    g.setRow(2, {"Plano 2000", ""});  // digits in the name stay as typed
    const auto before = g;
    EXPECT_FALSE(app::runCommand(f.ui, [&] { f.form3.GravarClick(); }));
    EXPECT_EQ(f.ui.messages.at(0), "Linha 2 (Plano 2000): informe o mês do plano no formato mm/aaaa");
    EXPECT_EQ(g, before);
    EXPECT_FALSE(std::filesystem::exists(f.dir / "planos.ini"));
    // An empty row is dropped instead.
    g.setRow(2, {"", ""});
    f.form3.GravarClick();
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.cell(0, 1), "Plano Bresser");
}

TEST(IncluirExpurgo, RowsAddAndDelete) {
    SavingsFixture f;
    auto& g = f.form3.SPlanosini;
    f.form3.NovaLinhaClick();
    f.form3.NovaLinhaClick();
    EXPECT_EQ(g.rowCount(), 4);
    g.setRow(2, {"B"});
    g.setRow(3, {"C"});
    f.form3.SPlanosiniSelectCell(0, 2);
    f.form3.ExcluirLinhaClick();
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.cell(0, 2), "C");
    EXPECT_EQ(g.cell(0, 0), "Expurgo");
}

TEST(AplicarExpurgos, ToggleSaveAndNormalise) {
    SavingsFixture f;
    auto& g = f.form4.SPlanosini;
    g.setRow(1, {"03/90", "84,32", ""});
    EXPECT_FALSE(f.form4.SPlanosiniSelectCell(2, 1));
    f.form4.SPlanosiniClick();
    EXPECT_EQ(g.cell(2, 1), "Não");
    f.form4.SPlanosiniClick();
    EXPECT_EQ(g.cell(2, 1), "Sim");
    EXPECT_TRUE(f.form4.SPlanosiniSelectCell(1, 1));
    f.form4.SPlanosiniClick();
    EXPECT_EQ(g.cell(2, 1), "Sim");
    f.form4.GravarClick();
    EXPECT_EQ(g.cell(0, 1), "03/1990");
    EXPECT_EQ(toolkit::readLines(f.dir / "indice.ini").at(1), "03/1990\t84,32\tSim\t");
}

TEST(RendimentoNoMes, YieldFromTwoBalances) {
    struct Case {
        std::string e1, e2, e4;
        bool cb1, cb2;
        std::string expected;
    };
    const Case cases[] = {
        {"1.000,00", "1.260,60", "1.000", false, false, "26,06"},
        {"1.000.000,00", "1.260,60", "1.000", false, true, "26,06"},
        {"1.000,00", "1.005,00", "1.000", true, false, "0,00"},
        {"1.000,00", "1.010,00", "", true, false, "0,4975124378109453"},
        // A balance missing or not a number: a message, and the old result is gone.
        {"", "1.010,00", "", false, false, ""},
        {"abc", "1.010,00", "", false, false, ""},
        {"1.000,00", "abc", "", true, false, ""},
    };
    for (const Case& c : cases) {
        SavingsFixture f;
        savings::TForm6 form6(f.ctx);
        form6.Edit1 = c.e1;
        form6.Edit2 = c.e2;
        form6.Edit3 = "anterior";
        form6.Edit4 = c.e4;
        form6.CheckBox1 = c.cb1;
        form6.CheckBox2 = c.cb2;
        form6.CalcularClick();
        EXPECT_EQ(form6.Edit3, c.expected) << c.e1 << " " << c.e2;
        EXPECT_EQ(form6.Edit1, c.e1);
        EXPECT_EQ(f.ui.messages.empty(), !c.expected.empty()) << c.e1 << " " << c.e2;
    }
}

TEST(RendimentoNoMes, ZeroBalanceOrDivisorGivesAMessage) {
    SavingsFixture f;
    savings::TForm6 form6(f.ctx);
    form6.Edit1 = "0,00";
    form6.Edit2 = "10,00";
    form6.Edit3 = "1,00";
    EXPECT_FALSE(app::runCommand(f.ui, [&] { form6.CalcularClick(); }));
    EXPECT_EQ(f.ui.messages.back(),
              "O valor em conta no mês do expurgo é zero: não há rendimento a calcular");
    EXPECT_EQ(form6.Edit3, "1,00");
    form6.Edit1 = "10,00";
    form6.CheckBox2 = true;
    form6.Edit4 = "0";
    EXPECT_FALSE(app::runCommand(f.ui, [&] { form6.CalcularClick(); }));
    EXPECT_EQ(f.ui.messages.back(), "O divisor da mudança de moeda não pode ser zero");
}

TEST(RendimentoNoMes, ShowingLoadsTheReferenceTable) {
    SavingsFixture f;
    toolkit::writeLines(f.dir / "exp.ini", {"Mês\tÍndice\tValor", "06/1987\tIPC\t26,06"});
    savings::TForm6 form6(f.ctx);
    form6.show();
    EXPECT_EQ(form6.StringAlignGrid1.cell(2, 1), "26,06");
    EXPECT_EQ(f.ui.windowsShown.back(), "TForm6");
}

TEST(Fevereiro1989, NoticeText) {
    const auto& m = savings::TForm8::Memo1();
    ASSERT_EQ(m.size(), 12u);
    EXPECT_EQ(m[0], "");
    EXPECT_EQ(m[2], "ATENÇÃO: Em 16 de janeiro de 1989 ocorreu a conversão do Cruzado para ");
    EXPECT_EQ(m[11], "posterior ao expurgo.");
}

}  // namespace
