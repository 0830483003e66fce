// The URV conversion, the month grids with correction, prescription and interest, and the
// finishing checks, through the window's own handlers.
#include "core/urv/month_interest.hpp"
#include "urv_fixture.hpp"

namespace corvana::urv::testing {
namespace {

using Conversion = UrvFixture;

TEST_F(Conversion, Article19AverageAndNegativeIncrease) {
    openAndFill();
    next(2);
    EXPECT_EQ(f->page, 2);
    EXPECT_EQ(f->Enovurv, "100,00");
    EXPECT_EQ(f->Efevurv, "500,00");
    EXPECT_EQ(f->Enovc, "1.000,00");
    EXPECT_EQ(f->Edezc, "500,00");
    EXPECT_EQ(f->Ejanc, "250,00");
    EXPECT_EQ(f->Efevc, "200,00");
    EXPECT_EQ(f->Ema, "487,50");
    EXPECT_EQ(f->averageNote, "");
    EXPECT_EQ(f->Eporc, "-2,5000");  // kept negative
    EXPECT_EQ(f->GroupBox3, "Cálculo segundo disposto no art. 19 da Lei 8.880/94 ");
}

TEST_F(Conversion, Article22UsesLastDaysAndFebruaryAboveAverage) {
    openAndFill();
    f->R19 = false;
    f->R22 = true;
    f->Efev = "500.000,00";
    next(2);
    // 30/11, 31/12, 31/01, 28/02 instead of the payment days.
    EXPECT_EQ(f->Enovurv, "125,00");
    EXPECT_EQ(f->Efevurv, "625,00");
    EXPECT_EQ(f->Label19, "URV do último dia do mês");
    // 800 + 400 + 200 + 800 = 2200 / 4 = 550; February's 800 stands.
    EXPECT_EQ(f->averageNote, "a) Média aritmética: (550,00)");
    EXPECT_EQ(f->Ema, "800,00");
    f->fillSdemo();
    EXPECT_EQ(f->Sdemo.cell(3, 5),
              "a) Média aritmética: (550,00) - com aplicação do §2º do art. 22º:");
    EXPECT_EQ(f->Sdemo.cell(3, 0), "URV do último dia do mês");
    EXPECT_EQ(f->Sdemo.cell(4, 7), f->Eporc + "%");
}

TEST_F(Conversion, DefaultsThreeMonthsAndDuplicateDays) {
    openAndFill();
    f->Enov = f->Edez = f->Ejan = f->Efev = "0,00";
    f->Esalpago = "0,00";
    next(2);
    EXPECT_EQ(f->Ema, "0,00");
    EXPECT_EQ(f->Eporc, "0,00");
    ASSERT_TRUE(run([&] { f->SpeedButton1Click(); }));
    ASSERT_TRUE(run([&] { f->SpeedButton1Click(); }));
    f->Enov = "0,00";
    f->Edez = f->Ejan = f->Efev = "120.000,00";
    // The later of two rows of the same day wins.
    program->context().Taburv.setRowCount(10);
    program->context().Taburv.setRow(9, {"10/02/1994", "600,00"});
    next(2);
    EXPECT_EQ(f->Efevurv, "600,00");
    // (600 + 300 + 200) / 3
    EXPECT_EQ(f->Ema, "366,67");
}

TEST_F(Conversion, WizardChecksStopWithTheirMessages) {
    ASSERT_TRUE(program->run("SpeedButton1"));
    run([&] { f->SpeedButton2Click(); });
    EXPECT_EQ(
        lastMessage(),
        "escolha o cálculo que deseja realizar segundo o art. 19 ou art. 22 da Lei 8.880/94 ");
    EXPECT_EQ(f->page, 0);
    EXPECT_FALSE(f->anteriorEnabled);
    f->R19 = true;
    f->Enov93 = "10/11/1993";
    run([&] { f->SpeedButton2Click(); });
    EXPECT_EQ(lastMessage(),
              "Preencha primeiro as datas de pagamentos dos salários em dezembro de 1993");
    // A payment day the URV table lacks is named instead of dividing by zero.
    openAndFill();
    f->Ejan94 = "11/01/1994";
    next(1);
    run([&] { f->SpeedButton2Click(); });
    EXPECT_NE(lastMessage().find("11/01/1994"), std::string::npos) << lastMessage();
    EXPECT_EQ(f->page, 1);
    EXPECT_EQ(f->Enovx, "0,00");  // nothing of the failed step stayed
}

TEST_F(Conversion, JulyIncreaseAndFinalIncrease) {
    openAndFill();
    next(1);
    f->CEscolher = true;
    f->CombourvClick(29);
    f->CombourvxClick(27);
    EXPECT_EQ(f->Curvx, "2.647,03");
    next(1);
    EXPECT_EQ(f->Eerroneo, "3,8900");
    f->Eporc = "10";
    f->Eerroneo = "5";
    next(1);
    EXPECT_EQ(f->Eporcfinal, "15,5000");
    // The reverse pair is negative: shown as 0.
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(run([&] { f->SpeedButton1Click(); }));
    f->CombourvClick(27);
    f->CombourvxClick(29);
    next(1);
    EXPECT_EQ(f->Eerroneo, "0");
    // Unchecked: the increase as it stands.
    f->CEscolher = false;
    f->Eporc = "12,3400";
    f->Espago = "0,00";
    next(1);
    EXPECT_EQ(f->Eporcfinal, f->Eporc);
}

using MonthGrids = UrvFixture;

TEST_F(MonthGrids, CorrectionFactorAndDifference) {
    openAndFill();
    next(3);
    ASSERT_EQ(f->page, 3);
    f->Datafinal = "15/09/1994";
    f->Eporcfinal = "10";
    const struct {
        const char* month;
        const char* factor;
    } cases[] = {{"09/1994", "1,000000"}, {"08/1994", "1,010000"}, {"06/1994", "1,021000"}};
    for (const auto& c : cases)
        EXPECT_EQ(toolkit::formatfloatx(kFactor, f->devolveacumulado(std::string("01/") + c.month)),
                  c.factor)
            << c.month;
    // 06/1994 is row 4 of the month list.
    ASSERT_EQ(f->svalores.cell(0, 4), "06/1994");
    f->svaloresSetEditText(1, 4, "1.000,00");
    EXPECT_EQ(f->surv.cell(2, 4), "10,0000%");
    EXPECT_EQ(f->surv.cell(3, 4), "100,00");
    EXPECT_EQ(f->surv.cell(5, 4), "102,10");
}

TEST(MonthInterestWalk, RateFallsFromCitationToFinalMonth) {
    toolkit::StringGrid g(8, 6);
    const char* months[] = {"01/2000", "02/2000", "03/2000", "04/2000", "05/2000"};
    for (int r = 1; r <= 5; ++r) {
        g.setCell(0, r, months[r - 1]);
        g.setCell(5, r, "100,00");
    }
    MonthInterest in{"15/02/2000", "10/05/2000", "1,00"};
    const auto t = aplicarjuros(g, in);
    const char* expected[] = {"4,00%", "4,00%", "3,00%", "2,00%", "1,00%"};
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(g.cell(6, r), expected[r - 1]) << r;
    EXPECT_EQ(t.amounts, "500,00");
    EXPECT_EQ(t.interest, "14,00");
    // A final month earlier than some rows leaves them out; citation = final month: 0 %.
    in.finalDate = "20/04/2000";
    in.citation = "01/04/2000";
    toolkit::StringGrid h = g;
    h.setCell(6, 5, "x");
    const auto u = aplicarjuros(h, in);
    EXPECT_EQ(h.cell(6, 5), "x");
    EXPECT_EQ(h.cell(6, 1), "0,00%");
    EXPECT_EQ(u.amounts, "400,00");
    EXPECT_EQ(u.interest, "0,00");
    // C2002: steps of 0,5 up to 10/01/2002, 1 after, from the monthly rate.
    toolkit::StringGrid k(8, 4);
    const char* m2[] = {"12/2001", "01/2002", "02/2002"};
    for (int r = 1; r <= 3; ++r) k.setCell(0, r, m2[r - 1]), k.setCell(5, r, "100,00");
    MonthInterest c2{"01/11/2001", "01/02/2002", "1,00", true};
    aplicarjuros(k, c2);
    EXPECT_EQ(k.cell(6, 3), "1,00%");
    EXPECT_EQ(k.cell(6, 2), "2,00%");  // 02/2002 is after 10/01/2002: +1
    EXPECT_EQ(k.cell(6, 1), "2,50%");  // 01/2002 is not: +0,5
}

using Finishing = UrvFixture;

TEST_F(Finishing, PrescribedMonthsAreZeroedAndChecksRunInOrder) {
    openAndFill();
    next(3);
    f->Datafinal = "10/12/1994";
    f->dtacitacao = "10/05/1999";              // prescription 10/05/1994
    f->svaloresSetEditText(1, 1, "1.000,00");  // 03/1994: prescribed
    f->svaloresSetEditText(1, 5, "1.000,00");  // 07/1994
    EXPECT_NE(f->surv.cell(2, 1), "0,0000");   // typing shows the percentage
    next(1);
    ASSERT_EQ(f->page, 4);
    struct Case {
        std::function<void(TFurv&)> change;
        const char* message;
    };
    const Case cases[] = {
        {[](TFurv& w) { w.Datafinal = kEmptyDate; },
         "Preencha primeiro a data para qual deseja atualizar o cálculo"},
        {[](TFurv& w) { w.dtacitacao = kEmptyDate; }, "Preencha a data da citação"},
        {[](TFurv& w) { w.Eprescricao = kEmptyDate; }, "Preencha a data da prescrição"},
        {[](TFurv& w) {
             w.dtacitacao = "11/12/1994";
             w.Eprescricao = "01/01/1990";
         },
         "A data da citação não pode ser maior que a data de atualização"},
        // The correction table ends in 12/1994: a later final month would leave months out.
        {[](TFurv& w) {
             w.Datafinal = "10/06/1999";
             w.svalores.setRowCount(w.svalores.rowCount() + 1);
             w.svalores.setRow(w.svalores.rowCount() - 1, {"06/1999", ""});
         },
         "A tabela de correção Justiça Federal - Ações Condenatórias em Geral vai até 12/1994: o "
         "cálculo só pode ser atualizado até 01/01/1995. Importe os índices que faltam ou "
         "escolha uma data anterior"},
    };
    for (const auto& c : cases) {
        const UrvState before = *f;
        c.change(*f);
        const UrvState changed = *f;
        run([&] { f->SpeedButton3Click(); });
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(f->Datafinal, changed.Datafinal);
        EXPECT_EQ(f->page, 4);
        static_cast<UrvState&>(*f) = before;
    }
    f->Eporcfinal = "10";
    // Final date past the month list: moved to its last month; 31 + April gives 30.
    f->Datafinal = "31/03/2000";
    f->dtacitacao = "31/01/2000";
    f->svalores.setRowCount(3);
    f->svalores.setRow(1, {"03/1995", "1.000,00"});
    f->svalores.setRow(2, {"04/1995", ""});
    f->surv.setRowCount(3);
    f->surv.setRow(1, {"03/1995"});
    f->surv.setRow(2, {"04/1995"});
    auto& index = program->context().indice;  // the correction table reaches 03/1995
    for (const char* m : {"01/1995", "02/1995", "03/1995"}) {
        index.setRowCount(index.rowCount() + 1);
        index.setRow(index.rowCount() - 1, {m, "0,50"});
    }
    const size_t n = ui.messages.size();
    app::runCommand(ui, [&] { f->SpeedButton3Click(); });
    ASSERT_EQ(ui.messages.size(), n + 1);
    EXPECT_EQ(ui.messages.back(),
              "A atualização do cálculo só poderá ser para a data: 30/04/1995 esta é a data de "
              "atualização da "
              "tabela do programa");
    EXPECT_EQ(f->Datafinal, "30/04/1995");
    EXPECT_EQ(f->dtacitacao,
              "30/04/1995");  // moved to the last month, then not after the final date
    EXPECT_FALSE(f->visible);
    // Cited in 04/1995: prescription 30/04/1990, nothing prescribed. No month lies between
    // 03/1995 and 04/1995: the factor is the one per cent.
    EXPECT_EQ(f->surv.cell(2, 1), "10,0000%");
    EXPECT_EQ(f->surv.cell(4, 1), "1,010000");
    EXPECT_EQ(f->surv.cell(5, 1), "101,00");
    EXPECT_EQ(f->surv.cell(1, 2), "0,00");  // empty cells become 0,00
    EXPECT_EQ(f->Edit1, "101,00");
}

TEST_F(Finishing, PrescriptionZeroesEarlyMonthsAtTheEnd) {
    openAndFill();
    next(3);
    f->Datafinal = "10/12/1994";
    f->dtacitacao = "10/09/1994";
    f->Cprescricao = false;
    f->Eprescricao = "15/04/1994";  // typed: 03/1994 and 04/1994 begin before it
    f->svaloresSetEditText(1, 1, "1.000,00");
    f->svaloresSetEditText(1, 3, "1.000,00");
    next(1);
    ASSERT_TRUE(run([&] { f->SpeedButton3Click(); })) << lastMessage();
    EXPECT_EQ(f->Eprescricao, "15/04/1994");
    EXPECT_EQ(f->surv.cell(2, 1), "0,0000");
    EXPECT_EQ(f->surv.cell(3, 1), "0,00");
    EXPECT_EQ(f->surv.cell(5, 1), "0,00");
    EXPECT_EQ(f->surv.cell(2, 3), "-2,5000%");  // 05/1994 keeps the increase
    // A salary typed and then removed leaves no difference behind.
    ASSERT_TRUE(run([&] { f->SpeedButton1Click(); }));
    f->svaloresSetEditText(1, 6, "1.000,00");
    f->svaloresSetEditText(1, 6, "");
    next(1);
    ASSERT_TRUE(run([&] { f->SpeedButton3Click(); })) << lastMessage();
    EXPECT_EQ(f->surv.cell(5, 6), "0,00");
    // The report lists neither prescribed month, yet their 0,00 are part of the total.
    const std::string html = corvana::testing::readBytes(f->reportPath());
    EXPECT_EQ(html.find(">03/1994<"), std::string::npos);
    EXPECT_NE(html.find(">05/1994<"), std::string::npos);
}

}  // namespace
}  // namespace corvana::urv::testing
