// "Vers" calculation files of the savings calculator: round trip, open, reopen, save, refusals.
#include <gtest/gtest.h>

#include "core/app/app.hpp"
#include "core/toolkit/text_file.hpp"
#include "savings_fixture.hpp"

using namespace corvana;
using corvana::testing::SavingsFixture;
using corvana::testing::writeIndexTable;

namespace {

const std::vector<std::vector<std::string>> kPlans = {
    {"Plano Bresser", "06/1987", "8,04", "", "Cz$", "LBC", "18,02", "IPC", "26,06", ""},
    {"Plano Verão", "01/1989", "20,37", "1000", "Cz$", "LFT", "22,35", "IPC", "42,72", "NCz$"},
};

// A calculation through "Finalizar": Bresser and Verão, interest, an amortisation.
struct Saved : SavingsFixture {
    Saved() {
        writeIndexTable(dir.path(), "01/1987", 30);
        loadTable();
        setPlans(kPlans);
        form2.Cprorata = true;
        form2.RComjurosClick();
        form2.Jmes.setRow(1, {"01/07/1987", "30/06/1988", "0,5", "Sim"});
        choose({0, 1}, "06/1989");
        EXPECT_TRUE(nextTo(1));
        form2.SSaldo.setCell(3, 1, "7");
        form2.SSaldo.setCell(4, 1, "10.000,00");
        form2.SSaldo.setCell(4, 2, "25.000,00");
        form2.amortizacao.setRow(3, {"09/1987", "Pagamento \"parcial\", banco", "5,00"});
        form2.STJuros.setRow(1, {"01/07/1987", "01/07/1989", "0,5"});
        EXPECT_TRUE(nextTo(6));
        form2.SpeedButton3Click();
    }
};

TEST(VersFile, LayoutLineByLine) {
    Saved f;
    const auto lines = toolkit::readLines(f.dir / "temp2.back");
    ASSERT_GT(lines.size(), 20u);
    EXPECT_EQ(lines[0], "Vers 1.21");
    EXPECT_EQ(lines[1], "2");
    EXPECT_EQ(lines[2], "true");
    EXPECT_EQ(lines[3], "true");
    EXPECT_EQ(lines[4], "4");  // SPlanos: header, two plans, "Atualizar até"
    EXPECT_EQ(lines[5], "\"Plano Bresser\",06/1987");
    EXPECT_EQ(lines[7], "\"Atualizar até\",06/1989");
    EXPECT_EQ(lines[8], "3");
    EXPECT_EQ(lines[9], "\"Plano Bresser\",06/1987,Cz$,7,\"10.000,00\"");
    EXPECT_EQ(lines[11], "3");
    EXPECT_EQ(lines[12], "\"Plano Bresser\",06/1987,\"8,04\",07/1987,\"804,00\"");
    EXPECT_EQ(lines[14], "false");
    EXPECT_EQ(lines[15], "true");
    EXPECT_EQ(lines[16], "false");
    EXPECT_EQ(lines[17], "true");  // Cprorata
    EXPECT_EQ(lines[18], "3");     // STJuros: header, the period, "Total"
    EXPECT_EQ(lines[19], "01/07/1987,01/07/1989,\"0,5\",\"12,0000\"");
    EXPECT_EQ(lines[20], ",,Total,\"12,00\"");
    EXPECT_EQ(lines[lines.size() - 2], "false");  // Rtr
    EXPECT_EQ(lines.back(), "true");              // Rpoup
    // Every line ends with CR LF, Windows-1252.
    const std::string bytes = corvana::testing::readBytes(f.dir / "temp2.back");
    EXPECT_NE(bytes.find("\"Atualizar at\xE9\",06/1989\r\n"), std::string::npos);
}

TEST(VersFile, OpenRestoresEveryInput) {
    Saved f;
    const auto file = f.dir / "copia.e12";
    std::filesystem::copy_file(f.dir / "temp2.back", file);

    SavingsFixture g;
    std::filesystem::copy_file(f.dir / "poupanca13.tab", g.dir / "poupanca13.tab");
    toolkit::writeLines(g.dir / "rodape.dat", {"Rodapé"});
    g.setPlans(kPlans);
    g.ui.openAnswers.push_back(file);
    g.form2.SpeedButton5Click();
    EXPECT_TRUE(g.ui.messages.empty());
    EXPECT_EQ(g.form2.CPlanos, f.form2.CPlanos);
    EXPECT_EQ(g.form2.SPlanos, f.form2.SPlanos);
    EXPECT_EQ(g.form2.SSaldo, f.form2.SSaldo);
    EXPECT_EQ(g.form2.SBase, f.form2.SBase);
    EXPECT_EQ(g.form2.STJuros.row(1), std::vector<std::string>({"01/07/1987", "01/07/1989", "0,5"}));
    EXPECT_EQ(g.form2.amortizacao, f.form2.amortizacao);
    EXPECT_EQ(g.form2.Jmes, f.form2.Jmes);
    EXPECT_EQ(g.form2.amortizacao.cell(1, 3), "Pagamento \"parcial\", banco");
    EXPECT_TRUE(g.form2.Cprorata);
    EXPECT_TRUE(g.form2.RComjuros);
    EXPECT_FALSE(g.form2.Rsemjuros);
    EXPECT_TRUE(g.form2.Rpoup);
    EXPECT_EQ(g.form2.Memo2, std::vector<std::string>{"Rodapé"});
    EXPECT_EQ(g.ctx.indice.rowCount(), 31);  // the window's table was reloaded
    // Replaying the wizard gives the same spreadsheet and the same report.
    ASSERT_TRUE(g.nextTo(6));
    EXPECT_EQ(g.form2.STJuros, f.form2.STJuros);
    g.form2.Memo2 = f.form2.Memo2;
    g.form2.SpeedButton3Click();
    EXPECT_EQ(g.form2.planilha, f.form2.planilha);
    EXPECT_EQ(corvana::testing::readBytes(g.dir / "teste.html"),
              corvana::testing::readBytes(f.dir / "teste.html"));
}

TEST(VersFile, OlderVersionWithoutBasisLinesClearsBothOptions) {
    Saved f;
    auto lines = toolkit::readLines(f.dir / "temp2.back");
    lines[0] = "Vers 1.2";
    lines.resize(lines.size() - 2);
    toolkit::writeLines(f.dir / "tjsp.e12", lines);
    f.ui.openAnswers.push_back(f.dir / "tjsp.e12");
    f.form2.SpeedButton5Click();
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_FALSE(f.form2.Rtr);
    EXPECT_FALSE(f.form2.Rpoup);
}

TEST(VersFile, RefusalsLeaveTheGridsAsTheyWere) {
    struct Case {
        std::string name;
        std::function<void(std::vector<std::string>&)> edit;
        std::string message;
    };
    const Case cases[] = {
        {"old version", [](auto& l) { l[0] = "Vers 1.0"; },
         "Este programa não abre o arquivo da versão anterior, use a versão 1.0"},
        {"more plans", [](auto& l) { l[1] = "5"; },
         "O arquivo possui 3 Plano(s) adicionai(s), impossível abrir"},
        {"truncated", [](auto& l) { l.resize(9); },
         "O arquivo não é um cálculo válido: a leitura foi interrompida"},
        {"garbage count", [](auto& l) { l[4] = "x"; },
         "O arquivo não é um cálculo válido: a leitura foi interrompida"},
        {"huge count", [](auto& l) { l[8] = "99999999"; },
         "O arquivo não é um cálculo válido: a leitura foi interrompida"},
        // Cut inside the last grid, or just before the last two lines of this layout.
        {"cut inside Jmes", [](auto& l) { l.resize(l.size() - 3); },
         "O arquivo não é um cálculo válido: a leitura foi interrompida"},
        {"cut before the basis lines", [](auto& l) { l.resize(l.size() - 2); },
         "O arquivo não é um cálculo válido: a leitura foi interrompida"},
    };
    for (const Case& c : cases) {
        Saved f;
        auto lines = toolkit::readLines(f.dir / "temp2.back");
        c.edit(lines);
        toolkit::writeLines(f.dir / "bad.e12", lines);
        const auto before = static_cast<savings::SavingsState>(f.form2);
        f.ui.openAnswers.push_back(f.dir / "bad.e12");
        app::runCommand(f.ui, [&] { f.form2.SpeedButton5Click(); });
        ASSERT_EQ(f.ui.messages.size(), 1u) << c.name;
        EXPECT_EQ(f.ui.messages[0], c.message) << c.name;
        EXPECT_EQ(f.form2.SSaldo, before.SSaldo) << c.name;
        EXPECT_EQ(f.form2.STJuros, before.STJuros) << c.name;
        EXPECT_EQ(f.form2.CPlanos, before.CPlanos) << c.name;
    }
}

TEST(VersFile, BackupReopensAndATooLargeBackupIsDeleted) {
    Saved f;
    f.form2.SSaldo.setCell(4, 1, "1,00");
    f.form2.Rtr = true;
    f.form2.SpeedButton18Click();
    EXPECT_EQ(f.form2.SSaldo.cell(4, 1), "10.000,00");
    EXPECT_TRUE(f.form2.Rtr);  // the backup's last two lines are not read

    auto lines = toolkit::readLines(f.dir / "temp2.back");
    lines[1] = "4";
    toolkit::writeLines(f.dir / "temp2.back", lines);
    f.form2.SpeedButton18Click();
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0],
              "O arquivo possui 2 Plano(s) adicionai(s), impossível abrir, o backup será excluido");
    EXPECT_FALSE(std::filesystem::exists(f.dir / "temp2.back"));
    // No backup: nothing happens.
    f.form2.SpeedButton18Click();
    EXPECT_EQ(f.ui.messages.size(), 1u);
}

TEST(VersFile, SaveCopiesAFreshBackupUnderTheChosenName) {
    Saved f;
    f.form2.show();
    ASSERT_TRUE(f.nextTo(6));
    f.ui.saveAnswers.push_back(f.dir / "meu calculo");
    f.form2.SpeedButton8Click();
    EXPECT_EQ(corvana::testing::readBytes(f.dir / "meu calculo.e12"),
              corvana::testing::readBytes(f.dir / "temp2.back"));
    ASSERT_EQ(f.ui.messages.size(), 1u);  // the user is told where the file went
    EXPECT_EQ(f.ui.messages[0], "Cálculo salvo em " + (f.dir / "meu calculo.e12").string());
    // A target that cannot be written is reported with both names.
    f.ui.saveAnswers.push_back(f.dir / "nao-existe" / "x.e12");
    f.form2.salvar();
    ASSERT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.messages[1], "Erro ao copiar " + (f.dir / "temp2.back").string() + " para " +
                                    (f.dir / "nao-existe" / "x.e12").string());
}

TEST(ProgramStartUp, PlanTableAndOverridesAreLoadedAndTheListSurvivesTheMainWindow) {
    corvana::testing::TempDir dir;
    writeIndexTable(dir.path(), "01/1987", 30);
    toolkit::StringGrid plans(10, 1);
    plans.setRow(0, {"Expurgo", "Data"});
    plans.setRowCount(3);
    plans.setRow(1, kPlans[0]);
    plans.setRow(2, kPlans[1]);
    toolkit::SaveToFile(dir / "planos.ini", plans);
    toolkit::StringGrid ov(3, 2);
    ov.setRow(1, {"08/1987", "2", "Sim"});
    toolkit::SaveToFile(dir / "indice.ini", ov);

    app::ScriptedUi ui;
    app::AppOptions options;
    options.dataDir = dir.path();
    app::App a(ui, options);
    ASSERT_TRUE(a.start());
    auto* form2 = a.modelAs<savings::TForm2>("TForm2");
    ASSERT_NE(form2, nullptr);
    ASSERT_EQ(form2->CPlanos.count(), 2);
    EXPECT_EQ(form2->CPlanos.items[1].text, "Plano Verão");
    EXPECT_EQ(a.modelAs<savings::TForm4>("TForm4")->SPlanosini.cell(1, 1), "2");
    // The menu command opens the calculator with its table.
    const app::Command* open = nullptr;
    for (const auto& c : app::commandTable())
        if (c.place == app::Place::PopupCalcular && c.window == "TForm2") open = &c;
    ASSERT_NE(open, nullptr);
    ASSERT_TRUE(a.run(*open));
    EXPECT_EQ(ui.windowsShown.back(), "TForm2");
    form2->shown();
    EXPECT_EQ(form2->Label5, "Tabela atualizada até: 06/1989");
}

}  // namespace
