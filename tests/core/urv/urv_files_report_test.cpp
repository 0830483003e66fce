// The URV report's variants, the daily entries window and the backup file.
#include "core/toolkit/comma_text.hpp"
#include "urv_fixture.hpp"

namespace corvana::urv::testing {
namespace {

using Report = UrvFixture;

// A finished calculation: 1.000,00 in 07/1994, final date 15/09/1994, citation 10/08/1994.
class FinishedCalc : public UrvFixture {
  protected:
    void walk() {
        openAndFill();
        f->Memo1 = {"Processo 1", "Autor <A & B>", "linha três"};
        next(3);
        f->Datafinal = "15/09/1994";
        f->dtacitacao = "10/08/1994";
        f->Eprescricao = "10/08/1989";
        f->Eporcfinal = "10";
        f->svaloresSetEditText(1, 5, "1.000,00");
        next(1);
    }
    std::vector<std::string> finish() {
        EXPECT_TRUE(run([&] { f->SpeedButton3Click(); })) << lastMessage();
        return toolkit::readLines(f->reportPath());
    }
    static std::vector<std::string> owed(const std::vector<std::string>& lines) {
        std::vector<std::string> out;
        for (const auto& l : lines)
            if (l.rfind("<BR><B>", 0) == 0 && l.find("ÍNDICE") == std::string::npos)
                out.push_back(l);
        return out;
    }
};

TEST_F(FinishedCalc, PlainReportHasNoInterestFeeOrTotalLines) {
    walk();
    const auto lines = finish();
    // 07/1994: 100,00 × (1 + 1 % + 0,6 % of 08/1994) = 101,60.
    EXPECT_EQ(owed(lines),
              (std::vector<std::string>{"<BR><B>VALOR DEVIDO EM: 09/1994 = R$101,60</B></BR>"}));
    // Three header lines, escaped, right before "</spam>".
    const auto spam = std::find(lines.begin(), lines.end(), "</spam>");
    ASSERT_NE(spam, lines.end());
    EXPECT_EQ(*(spam - 2),
              "<tr><td><div align=Justify><p><b>Autor &lt;A &amp; B&gt;</b></p></div></td></tr>");
    EXPECT_EQ((spam - 4)->rfind("<span style=", 0), 0u);
    // 68 style lines between "<style>" (the third line of the first entry) and "</style></head> ".
    const auto close = std::find(lines.begin(), lines.end(), "</style></head> ");
    EXPECT_EQ(lines[2], "<style>");
    EXPECT_EQ(close - lines.begin() - 3, 68);
    // Six columns in the totals row.
    const auto totals = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.rfind("<tr><tbody></b>", 0) == 0;
    });
    ASSERT_NE(totals, lines.end());
    EXPECT_EQ(
        *totals,
        "<tr><tbody></b><td><div align=Right>09/1994</div></td><td><div align=Right>-</div></td>"
        "<td><div align=Right>-</div></td><td><div align=Right>-</div></td><td><div "
        "align=Right>-</div></td>"
        "<td><div align=Right>101,60</div></td></tbody></tr>");
    EXPECT_EQ(f->surv.colCount(), 8);
    EXPECT_EQ(ui.reportsShown.back(), f->reportPath());
}

TEST_F(FinishedCalc, SimpleInterestAndFees) {
    walk();
    f->Caplijur = true;
    f->Chono = true;
    f->Ehono = "10";
    f->dtacitacao = "10/06/1994";
    const auto lines = finish();
    // 3 whole months from 10/06 to 15/09 at 1 %: 101,60 × 3 % = 3,048; fee 10 % of 104,648.
    EXPECT_EQ(owed(lines),
              (std::vector<std::string>{"<BR><B>VALOR DEVIDO EM: 09/1994 = R$101,60</B></BR>",
                                        "<BR><B>VALOR DOS JUROS MORATÓRIOS DEVIDOS DE: 06/1994 a "
                                        "09/1994 (3 meses  -juros de 1,00% ao "
                                        "mês) = 101,60 x 3,00% = 3,05</B></BR>",
                                        "<BR><B>HONORÁRIOS: (10%) = 10,46</B></BR>",
                                        "<BR><B>TOTAL = 115,11</B></BR>"}));
}

TEST_F(FinishedCalc, MonthlyInterestAndZeroFee) {
    walk();
    f->Caplijur = true;
    f->Jurmen = true;
    f->Chono = true;
    f->Ehono = "0";
    const auto lines = finish();
    // Citation 08/1994, final 09/1994: 07/1994 carries 2 %: 2,03.
    EXPECT_EQ(owed(lines),
              (std::vector<std::string>{"<BR><B>VALOR DEVIDO EM: 09/1994 = R$101,60</B></BR>",
                                        "<BR><B>VALOR DOS JUROS MORATÓRIOS DEVIDOS: (data da "
                                        "citação: 10/08/1994) = R$ 2,03</B></BR>",
                                        "<BR><B>TOTAL = 103,63</B></BR>"}));
    EXPECT_EQ(f->surv.cell(6, 5), "2,00%");
}

TEST_F(FinishedCalc, FinalMonthOutsideTheGridOwesNothing) {
    walk();
    // A month list that ends before the final month and is not moved (its last cell is blank).
    f->svalores.setRowCount(6);
    f->svalores.setRow(5, {"", ""});
    f->surv.setRowCount(6);
    f->surv.setCell(0, 5, "");
    f->svalores.setCell(1, 4, "1.000,00");
    const auto lines = finish();
    EXPECT_EQ(owed(lines)[0], "<BR><B>VALOR DEVIDO EM:  = R$0,00</B></BR>");
}

using DailyEntries = UrvFixture;

TEST_F(DailyEntries, SumsByMonthAndSummary) {
    openAndFill();
    next(3);
    f->Datafinal = "02/08/1994";
    f->Eprescricao = "31/07/1994";
    ASSERT_TRUE(run([&] { f->Button9Click(); }));
    TFmanual& m = *f->manual();
    EXPECT_TRUE(m.visible);
    EXPECT_FALSE(f->visible);
    ASSERT_EQ(m.sdia.rowCount(), 4);  // header and three days
    EXPECT_EQ(m.sdia.row(0), (std::vector<std::string>{"Data do Crédito", "Depósito", "Obs."}));
    EXPECT_EQ(m.sdia.cell(0, 3), "02/08/1994");
    // A second layout does not happen: the days typed stay.
    m.sdia.setRowCount(2);
    m.sdia.setRow(1, {"10/07/1994", "100,00", "salário"});
    m.row = 1;
    m.Button2Click();
    EXPECT_EQ(m.sdia.cell(0, 2), "10/07/1994");
    m.sdia.setCell(1, 2, "50,00");
    m.Button2Click();
    m.sdia.setRow(3, {"20/07/1994", "25,00", ""});
    m.Button2Click();
    m.sdia.setRow(4, {"01/08/1994", "", "sem valor"});
    ASSERT_TRUE(run([&] { m.Button3Click(); }));
    EXPECT_EQ(f->svalores.cell(1, 5), "175,00");  // 07/1994
    EXPECT_EQ(f->svalores.cell(1, 6), "0,00");
    EXPECT_EQ(f->page, 2);
    EXPECT_TRUE(f->visible);
    ASSERT_EQ(m.Sprint.rowCount(), 4);
    EXPECT_EQ(m.Sprint.row(1), (std::vector<std::string>{"07/1994", "100,00", "salário"}));
    EXPECT_EQ(m.Sprint.row(3), (std::vector<std::string>{"07/1994", "25,00", "-"}));
    // "Excluir linha" with two rows does nothing.
    m.sdia.setRowCount(2);
    m.Button5Click();
    EXPECT_EQ(m.sdia.rowCount(), 2);
    m.Button1Click();
    EXPECT_EQ(lastMessage(), TFmanual::kHelp);
}

using Backup = UrvFixture;

TEST_F(Backup, RoundTripAndCutFileRefused) {
    openAndFill();
    next(3);
    f->Memo1 = {"Processo 1", "linha com espaços"};
    f->Datafinal = "15/09/1994";
    f->CB1Click("IPCA-E");
    f->svaloresSetEditText(1, 5, "1.000,00");
    f->manual()->sdia.setRow(1, {"10/07/1994", "5,00", "obs, com vírgula"});
    f->manual()->Cexibirdemo = true;
    f->C22dtpag = true;
    ASSERT_TRUE(run([&] { f->salvarx(); }));
    const auto lines = toolkit::readLines(f->backupPath());
    EXPECT_EQ(lines[0], "Vers 1.2");
    EXPECT_EQ(lines[22], "\"Processo 1\",\"linha com espaços\"");
    const UrvState saved = *f;
    const auto sdia = f->manual()->sdia;
    // Another calculation in the window, then the backup back.
    f->Enov = "9,99";
    f->svalores.setCell(1, 5, "");
    f->manual()->sdia.clear();
    ASSERT_TRUE(run([&] { f->AbrirBackup(); })) << lastMessage();
    EXPECT_EQ(f->Enov, saved.Enov);
    EXPECT_EQ(f->Memo1, saved.Memo1);
    EXPECT_EQ(f->CB1, "IPCA-E");
    EXPECT_TRUE(f->C22dtpag);
    EXPECT_EQ(f->svalores, saved.svalores);
    EXPECT_EQ(f->manual()->sdia, sdia);
    EXPECT_TRUE(f->manual()->Cexibirdemo);
    EXPECT_EQ(f->surv.rowCount(), f->svalores.rowCount());
    EXPECT_EQ(f->surv.cell(0, 5), "07/1994");
    EXPECT_EQ(f->fileLines(), lines);
    // Saved under a chosen name with the window's own extension, and opened from there.
    ui.saveAnswers.push_back(dir / "meu.urv");
    ASSERT_TRUE(run([&] { f->Salvar(); }));
    EXPECT_EQ(corvana::testing::readBytes(dir / "meu.urv"),
              corvana::testing::readBytes(f->backupPath()));
    // A file cut inside the month grid is refused and nothing changes.
    std::vector<std::string> cut(lines.begin(), lines.begin() + 40);
    toolkit::writeLines(dir / "cortado.urv", cut);
    f->Enov = "1,23";
    const UrvState before = *f;
    ui.openAnswers.push_back(dir / "cortado.urv");
    run([&] { f->Abrir(); });
    EXPECT_EQ(lastMessage(), "O arquivo não é um cálculo válido: a leitura foi interrompida");
    EXPECT_EQ(f->Enov, "1,23");
    EXPECT_EQ(f->svalores, before.svalores);
    // Another layout is refused too.
    toolkit::writeLines(dir / "outro.urv", {"Vers 1.21", "x"});
    ui.openAnswers.push_back(dir / "outro.urv");
    run([&] { f->Abrir(); });
    EXPECT_EQ(lastMessage(), "O arquivo não é um cálculo da URV");
}

TEST_F(Backup, SaveSettingAndQuestion) {
    openAndFill();
    next(2);  // leaving page 1 reads save.ini: missing, unchecked
    EXPECT_FALSE(f->Csalvar);
    f->Csalvar = true;
    f->CsalvarClick();
    EXPECT_EQ(toolkit::readLines(dir / "save.ini")[0], "nao");
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(run([&] { f->SpeedButton1Click(); }));
    put("save.ini", {"sim"});
    next(2);
    EXPECT_FALSE(f->Csalvar);
    put("save.ini", {"nao"});
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(run([&] { f->SpeedButton1Click(); }));
    next(2);
    EXPECT_TRUE(f->Csalvar);
    next(2);
    f->Datafinal = "15/09/1994";
    f->dtacitacao = "10/08/1994";
    f->Eprescricao = "10/08/1989";
    ui.yesNoAnswers.push_back(true);
    ui.saveAnswers.push_back(dir / "final.urv");
    ASSERT_TRUE(run([&] { f->SpeedButton3Click(); })) << lastMessage();
    EXPECT_EQ(ui.questions.back(), "Deseja salvar o cálculo?");
    EXPECT_TRUE(std::filesystem::exists(dir / "final.urv"));
}

}  // namespace
}  // namespace corvana::urv::testing
