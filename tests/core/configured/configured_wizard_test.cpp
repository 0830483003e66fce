// The configured-savings window: statement derivation, cents entry, page skipping, rates.
#include <gtest/gtest.h>

#include "configured_fixture.hpp"

namespace corvana::testing {
namespace {

using configured::TForm7;
using configured::TForm_conftodos;
using configured::TForm_conftodosII;

struct Derivation {
    const char* left;   // the field typed and left
    const char* typed;  // digits as typed (cents entry)
    std::map<std::string, std::string> expected;
};

TEST(ConfiguredDerivation, LeavingAStatementFieldRewritesItsMonth) {
    const Derivation cases[] = {
        {"ESAjun87", "200000",
         {{"ESAjun87", "2.000,00"}, {"Ejcmjul87", "372,21"}, {"Ejsisegjun87", "360,41"},
          {"Ejsijurosjul87", "11,80"}, {"ESPjun87", "2.372,21"}}},
        {"Ejcmmaio90", "500",
         {{"ESAmaio90", "1.000,00"}, {"Ejsisegmaio90", "0,00"}, {"Ejsijurosmaio90", "5,00"},
          {"ESPmaio90", "1.005,00"}}},
        // Juros and seguro: JCM summed, SA from the JCM read back, SP from the SA read back.
        {"Ejsisegjun87", "36041",
         {{"Ejcmjul87", "360,41"}, {"ESAjun87", "1.936,58"}, {"ESPjun87", "2.296,99"}}},
        // Saldo posterior: SA first, then everything from the SA read back.
        {"ESPjun87", "237221",
         {{"ESAjun87", "2.000,00"}, {"Ejcmjul87", "372,21"}, {"ESPjun87", "2.372,21"}}},
    };
    for (const auto& c : cases) {
        ConfiguredFixture<TForm7> f;
        f.type(c.left, c.typed);
        for (const auto& [name, text] : c.expected) EXPECT_EQ(*f.w.field(name), text) << c.left << " " << name;
        // The other months are not touched.
        EXPECT_EQ(f.w.months[1].SA, "0,00") << c.left;
    }
}

TEST(ConfiguredDerivation, CollorMonthsUseTheirOwnRates) {
    ConfiguredFixture<TForm_conftodos> f;
    f.type("Ejcmmarco91", "7535");
    EXPECT_EQ(*f.w.field("ESAfev91"), "1.000,00");
    EXPECT_EQ(*f.w.field("ESPmarco91"), "1.075,35");
    f.type("ESAmarco90", "100000");
    EXPECT_EQ(*f.w.field("Ejcmabril90"), "419,87");
    EXPECT_EQ(*f.w.field("Ejsisegabril90"), "412,80");
}

TEST(ConfiguredFields, CentsEntryAndKeyFilters) {
    ConfiguredFixture<TForm7> f;
    f.w.fieldChanged("ESAjun87", "");
    EXPECT_EQ(f.w.months[0].SA, "0,00");
    f.w.fieldChanged("ESAjun87", "1.234,567");
    EXPECT_EQ(f.w.months[0].SA, "12.345,67");
    EXPECT_TRUE(f.w.keyAllowed("ESAjun87", U'7'));
    EXPECT_FALSE(f.w.keyAllowed("ESAjun87", U','));
    EXPECT_TRUE(f.w.keyAllowed("Ejurmor", U','));
    // Ehonvalor: a value with Rhonvalor (cents entry, no comma), a percentage otherwise.
    EXPECT_TRUE(f.w.keyAllowed("Ehonvalor", U','));
    f.w.fieldChanged("Ehonvalor", "10,5");
    EXPECT_EQ(f.w.Ehonvalor, "10,5");
    f.w.checkOption("Rhonvalor");
    EXPECT_FALSE(f.w.keyAllowed("Ehonvalor", U','));
    f.w.fieldChanged("Ehonvalor", "12345");
    EXPECT_EQ(f.w.Ehonvalor, "123,45");
    // Edia: any key in TForm7, digits and Backspace in the Collor windows.
    EXPECT_TRUE(f.w.keyAllowed("Edia", U'x'));
    ConfiguredFixture<TForm_conftodos> c;
    EXPECT_FALSE(c.w.keyAllowed("Edia", U'x'));
    EXPECT_FALSE(c.w.keyAllowed("Edia", U'\t'));
    EXPECT_TRUE(c.w.keyAllowed("Edia", U'3'));
}

TEST(ConfiguredFields, DateCompletionVariants) {
    ConfiguredFixture<TForm7> b;
    b.type("Dateate", "29/02/89");
    EXPECT_EQ(b.w.Dateate, "29/02/1989");  // variant B keeps 29/02
    ConfiguredFixture<TForm_conftodos> a;
    a.type("Datejurmorfinal", "29/02/1989");
    EXPECT_EQ(a.w.Datejurmorfinal, "28/02/1989");
    a.type("Datejurmorinicial", "31/13/");
    EXPECT_EQ(a.w.Datejurmorinicial, configured::kEmptyDate);
}

TEST(ConfiguredWizard, NovoKeepsOptionsAndUpdateDate) {
    ConfiguredFixture<TForm_conftodos> f;
    f.w.Enome = "Maria";
    f.w.Dateate = "15/03/1995";
    f.w.checkOption("Rsaldoant");
    f.w.Cjm = true;
    f.type("ESAfev91", "100");
    f.w.page = 4;
    f.w.ToolbarButton971Click();
    EXPECT_EQ(f.w.page, 0);
    EXPECT_EQ(f.w.Enome, "");
    EXPECT_EQ(f.w.Edia, "");
    EXPECT_EQ(f.w.Dateate, "15/03/1995");
    EXPECT_TRUE(f.w.Rsaldoant && f.w.Cjm);
    for (const auto& m : f.w.months) EXPECT_EQ(m.SA, "0,00");
    EXPECT_EQ(f.w.Datejurmorinicial, configured::kEmptyDate);
    EXPECT_EQ(f.w.Ejurmor, "0");
}

struct Skip {
    const char* option;  // the calculation option chosen
    bool cjm, chon;
    int from;
    int forward;   // page after "Próximo"
};

TEST(ConfiguredWizard, PageSkipping) {
    const Skip cases[] = {
        {"Rjsi", false, false, 1, 2},   {"Rjsi", false, false, 2, 9},
        {"Rjsi", true, false, 2, 7},    {"Rjsi", false, true, 2, 8},
        {"Rjcm", false, false, 1, 3},   {"Rjcm", true, true, 3, 7},
        {"Rsaldoant", false, false, 1, 4}, {"Rsaldopost", false, false, 1, 5},
        {"Rsaldopost", false, false, 5, 9}, {"Rjsi", true, true, 7, 8},
        {"", false, false, 1, 9},  // all four options cleared (an older file)
    };
    for (const auto& c : cases) {
        ConfiguredFixture<TForm7> f;
        f.table();
        f.w.Dateate = "01/01/1995";
        f.w.Rjsi = false;
        if (*c.option) f.w.checkOption(c.option);
        f.w.Cjm = c.cjm;
        f.w.Chonorarios = c.chon;
        f.w.page = c.from;
        f.w.SpeedButton2Click();
        EXPECT_EQ(f.w.page, c.forward) << c.option << " from " << c.from;
    }
}

TEST(ConfiguredWizard, BackwardSkipping) {
    const Skip cases[] = {{"Rjsi", false, false, 9, 2}, {"Rsaldopost", false, false, 9, 5},
                          {"Rjcm", true, false, 8, 7},  {"Rjcm", false, false, 7, 3},
                          {"", false, false, 9, 1}};
    for (const auto& c : cases) {
        ConfiguredFixture<TForm7> f;
        f.w.Rjsi = false;
        if (*c.option) f.w.checkOption(c.option);
        f.w.Cjm = c.cjm;
        f.w.Chonorarios = c.chon;
        f.w.page = c.from;
        f.w.SpeedButton1Click();
        EXPECT_EQ(f.w.page, c.forward) << c.option << " back from " << c.from;
    }
}

TEST(ConfiguredWizard, ForwardNeedsTheUpdateDateOnEveryPage) {
    ConfiguredFixture<TForm7> f;
    f.table();
    for (int p : {0, 1, 8}) {
        f.w.page = p;
        f.w.SpeedButton2Click();
        EXPECT_EQ(f.w.page, p);
        ASSERT_FALSE(f.ui.messages.empty());
        EXPECT_EQ(f.ui.messages.back(), "É necessário preencher a data para atualização do cálculo");
    }
}

TEST(ConfiguredWizard, PageSixFieldsEmptiedOnlyInTForm7) {
    ConfiguredFixture<TForm7> f;
    f.w.Dateate = "01/01/1995";
    f.w.Datejurcompinicial = "01/01/1990";
    f.w.Ejurcomp = "1,0";
    f.w.SpeedButton2Click();
    EXPECT_EQ(f.w.Datejurcompinicial, configured::kEmptyDate);
    EXPECT_EQ(f.w.Ejurcomp, "");
    ConfiguredFixture<TForm_conftodos> c;
    c.w.Dateate = "01/01/1995";
    c.w.Datejurcompinicial = "01/01/1990";
    c.w.SpeedButton2Click();
    EXPECT_EQ(c.w.Datejurcompinicial, "01/01/1990");
}

TEST(ConfiguredRates, AnniversaryDayLookup) {
    const struct {
        const char* day;
        const char* C;
        const char* T;
    } cases[] = {{"13", "15,5403", "16,1180"}, {"31", "12,7710", "13,3348"},
                 {"5", "20,21", "20,81105"},   {"05", "18,1400", "18,7307"},
                 {"", "20,21", "20,81105"},    {"32", "20,21", "20,81105"}};
    for (const auto& c : cases) {
        EXPECT_EQ(configured::devolveindx(c.day, "0"), c.C) << c.day;
        EXPECT_EQ(configured::devolveindx(c.day, "5"), c.T) << c.day;
    }
}

TEST(ConfiguredRates, AnniversaryDayTakesEffectOnTheForwardStepFromPageZero) {
    ConfiguredFixture<TForm_conftodosII> f;
    f.w.Dateate = "01/01/1995";
    f.w.Edia = "13";
    // Not yet: the rates are set when the window is shown and on leaving page 0.
    f.type("ESAfev91", "100000");
    EXPECT_EQ(*f.w.field("Ejcmmarco91"), "208,11");
    f.w.SpeedButton2Click();
    f.type("ESAfev91", "100000");
    EXPECT_EQ(*f.w.field("Ejcmmarco91"), "161,18");
    EXPECT_EQ(*f.w.field("Ejsisegmarco91"), "155,40");
    // A day changed on another page waits for the next step from page 0.
    f.w.page = 3;
    f.w.Edia = "31";
    f.w.SpeedButton2Click();
    f.type("ESAfev91", "100000");
    EXPECT_EQ(*f.w.field("Ejcmmarco91"), "161,18");
}

TEST(ConfiguredWindow, ShowingLoadsTheTableLabelAndResets) {
    ConfiguredFixture<TForm7> f;
    f.table(50);
    f.w.page = 5;
    f.w.finalizarEnabled = true;
    f.w.shown();
    EXPECT_EQ(f.w.page, 0);
    EXPECT_FALSE(f.w.finalizarEnabled);
    EXPECT_EQ(f.w.Label47, "Tabela atualizada até: AGO/91");
    EXPECT_EQ(f.ui.windowsClosed, (std::vector<std::string>{"TForm2", "TForm5"}));
}

}  // namespace
}  // namespace corvana::testing
