// The "Vers federal" files: what the backup holds, how "Abrir" reads it, saving a copy.
#include <gtest/gtest.h>

#include "configured_fixture.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::testing {
namespace {

using configured::TForm7;
using configured::TForm_conftodos;

template <class W>
void fill(ConfiguredFixture<W>& f) {
    f.table(60);
    f.w.Enome = "José";
    f.w.Edia = "05";
    f.w.Dateate = "15/03/1990";
    f.w.checkOption("Rjcm");
    f.w.Cjm = true;
    f.type("ESAjun87", "200000");
    f.w.Datejurmorinicial = "01/01/2000";
    f.w.Ejurmor = "1,5";
    f.w.checkOption("Rhonvalor");
    f.w.fieldChanged("Ehonvalor", "12345");
}

TEST(ConfiguredFiles, BackupLinesOfEachWindow) {
    ConfiguredFixture<TForm7> f;
    fill(f);
    f.w.Datejurcompinicial = "01/01/1990";
    f.compute();
    const auto lines = toolkit::readLines(f.w.backupPath());
    ASSERT_EQ(lines.size(), 43u);
    EXPECT_EQ(lines[0], "Vers federal");
    EXPECT_EQ(lines[1], "José");
    EXPECT_EQ(lines[5], "05");
    EXPECT_EQ(lines[6], "15/03/1990");
    EXPECT_EQ((std::vector<std::string>(lines.begin() + 7, lines.begin() + 14)),
              (std::vector<std::string>{"false", "true", "false", "false", "false", "true", "false"}));
    EXPECT_EQ(lines[14], "11,80");     // Ejsijurosjul87
    EXPECT_EQ(lines[22], "372,21");    // Ejcmjul87
    EXPECT_EQ(lines[26], "2.000,00");  // ESAjun87
    EXPECT_EQ(lines[30], "2.372,21");  // ESPjun87
    EXPECT_EQ(lines[34], configured::kEmptyDate);  // emptied by the forward step
    EXPECT_EQ(lines[36], "");
    EXPECT_EQ(lines[37], "01/01/2000");
    EXPECT_EQ((std::vector<std::string>(lines.begin() + 39, lines.end())),
              (std::vector<std::string>{"1,5", "false", "true", "123,45"}));

    ConfiguredFixture<TForm_conftodos> c;
    fill(c);
    c.type("ESAfev91", "100000");
    c.compute();
    const auto more = toolkit::readLines(c.w.backupPath());
    ASSERT_EQ(more.size(), 53u);
    EXPECT_EQ(more[50], "1.000,00");  // ESAfev91
    EXPECT_EQ(more[52], "1.075,35");  // ESPmarco91
}

TEST(ConfiguredFiles, ReopeningGivesBackTheInputs) {
    ConfiguredFixture<TForm_conftodos> f;
    fill(f);
    f.type("ESAmarco90", "300000");
    f.compute();
    ConfiguredFixture<TForm_conftodos> g;
    g.ui.openAnswers.push_back(f.w.backupPath());
    g.w.page = 4;
    g.w.SpeedButton5Click();
    EXPECT_EQ(g.w.page, 0);
    EXPECT_EQ(g.w.fileLines(), f.w.fileLines());
    EXPECT_TRUE(g.w.Rjcm && !g.w.Rjsi);
}

TEST(ConfiguredFiles, SavedFileIsTheLastComputation) {
    ConfiguredFixture<TForm7> f;
    fill(f);
    f.compute();
    f.w.Enome = "Outro nome";  // changed after computing
    f.ui.saveAnswers.push_back(f.dir / "copia");
    f.w.SpeedButton17Click();
    const auto saved = toolkit::readLines(f.dir / "copia.e20");
    ASSERT_EQ(saved.size(), 43u);
    EXPECT_EQ(saved[1], "José");
}

TEST(ConfiguredFiles, SavingWithoutBackupAsksNothing) {
    ConfiguredFixture<TForm7> f;
    f.ui.saveAnswers.push_back(f.dir / "copia");
    f.w.SpeedButton17Click();
    EXPECT_EQ(f.ui.saveAnswers.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(f.dir / "copia.e20"));
}

std::vector<std::string> file43() {
    std::vector<std::string> l = {"Vers federal", "N", "B", "A", "C", "01", "01/01/1995"};
    for (int i = 0; i < 7; ++i) l.push_back("false");
    for (int i = 0; i < 20; ++i) l.push_back("0,00");
    for (const char* t : {"  /  /    ", "  /  /    ", "", "  /  /    ", "  /  /    ", "0,00",
                          "true", "false", "0,00"})
        l.push_back(t);
    return l;
}

TEST(ConfiguredFiles, ReaderRules) {
    struct Case {
        const char* what;
        std::function<void(std::vector<std::string>&)> edit;
        std::function<void(const TForm_conftodos&)> check;
    };
    const Case cases[] = {
        {"all four options false: none checked",
         [](auto&) {},
         [](const auto& w) { EXPECT_FALSE(w.Rjsi || w.Rjcm || w.Rsaldoant || w.Rsaldopost); }},
        {"\"True\" unchecks", [](auto& l) { l[7] = "True"; },
         [](const auto& w) { EXPECT_FALSE(w.Rjsi); }},
        {"last true of a group wins", [](auto& l) { l[7] = l[9] = "true"; },
         [](const auto& w) { EXPECT_TRUE(w.Rsaldoant && !w.Rjsi); }},
        {"amounts through cents entry",
         [](auto& l) { l[26] = "1.234,56"; l[27] = "0"; },
         [](const auto& w) {
             EXPECT_EQ(w.months[0].SA, "1.234,56");
             EXPECT_EQ(w.months[1].SA, "0,00");
         }},
        {"a four-month file clears the Collor months", [](auto&) {},
         [](const auto& w) { EXPECT_EQ(w.months[2].SA, "0,00"); }},
        {"a six-month file fills them",
         [](auto& l) { for (int i = 0; i < 10; ++i) l.push_back(i == 6 ? "7,00" : "0"); },
         [](const auto& w) { EXPECT_EQ(w.months[2].SA, "7,00"); }},
    };
    for (const auto& c : cases) {
        ConfiguredFixture<TForm_conftodos> f;
        f.w.months[2].SA = "9,99";
        auto lines = file43();
        c.edit(lines);
        toolkit::writeLines(f.dir / "c.ex20", lines);
        f.ui.openAnswers.push_back(f.dir / "c.ex20");
        EXPECT_TRUE(app::runCommand(f.ui, [&] { f.w.SpeedButton5Click(); })) << c.what;
        c.check(f.w);
    }
}

TEST(ConfiguredFiles, FileCutShortIsRefusedAndChangesNothing) {
    for (size_t keep : {size_t{10}, size_t{42}, size_t{48}}) {
        ConfiguredFixture<TForm_conftodos> f;
        f.w.Enome = "antes";
        f.w.page = 3;
        auto lines = file43();
        for (int i = 0; i < 10; ++i) lines.push_back("0");
        lines.resize(keep);
        toolkit::writeLines(f.dir / "c.ex20", lines);
        f.ui.openAnswers.push_back(f.dir / "c.ex20");
        EXPECT_FALSE(app::runCommand(f.ui, [&] { f.w.SpeedButton5Click(); })) << keep;
        EXPECT_EQ(f.ui.messages.back(), "O arquivo não é um cálculo válido: a leitura foi interrompida");
        EXPECT_EQ(f.w.Enome, "antes");
    }
}

TEST(ConfiguredFiles, BackupReopenedOnlyWhenThere) {
    ConfiguredFixture<TForm7> f;
    f.w.page = 5;
    f.w.SpeedButton18Click();
    EXPECT_EQ(f.w.page, 0);
    EXPECT_TRUE(f.ui.messages.empty());
    toolkit::writeLines(f.w.backupPath(), file43());
    f.w.SpeedButton18Click();
    EXPECT_EQ(f.w.Enome, "N");
    EXPECT_TRUE(f.w.Rhonporcentagem && !f.w.Rhonvalor);
}

}  // namespace
}  // namespace corvana::testing
