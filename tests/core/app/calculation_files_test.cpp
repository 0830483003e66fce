// Which window a saved calculation opens in, and opening it there as its "Abrir" would.
#include <gtest/gtest.h>

#include <functional>

#include "core/app/app.hpp"
#include "core/app/calculation_files.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/configured/configured_wizard.hpp"
#include "core/fgts/fgts_purges.hpp"
#include "core/fgts/fgts_revision.hpp"
#include "core/fgts/progressive_interest.hpp"
#include "core/savings/savings_wizard.hpp"
#include "core/urv/urv_wizard.hpp"
#include "test_support.hpp"

using namespace corvana::app;
using corvana::savings::SavingsWizard;
using corvana::testing::TempDir;
using corvana::testing::writeBytes;
namespace fs = std::filesystem;

namespace {

TEST(CalculationFiles, ExtensionThenFirstLineNamesTheWindow) {
    const struct {
        const char* name;
        const char* firstLine;
        const char* window;  // null: no window opens it
    } cases[] = {
        {"calculo.e12", "Vers 1.21", "TForm2"},
        {"CALCULO.E12", "Vers 1.2", "TForm2"},  // filters list upper-case extensions
        {"sp.e12", "estados", "TForm5"},        // the layout wins over the name
        {"federal.ejf", "Vers 1.2", "TForm_jf"},
        {"conta.EX21", "Vers federal", "TForm_conftodosII"},
        {"fgts.fg", "2", "TFormFGTS"},
        {"juros.jfgts", "Vers 1.3", "TForm_FGTS"},
        {"rev.fgtsd", "Vers 1.7", "TFFGTSdif"},
        {"salarios.urv", "Vers 1.2", "TFurv"},
        {"temp2.back", "Vers 1.21", "TForm2"},  // no extension of its own: the tag decides
        {"temp3.back", "Vers federal", "TForm7"},
        {"tempsp.back", "estados", "TForm5"},
        {"notas.txt", "Versão do cliente", "TForm2"},
        {"notas.txt", "uma linha", nullptr},
        {"vazio", "", nullptr},
    };
    for (const auto& c : cases) {
        const auto* kind = kindOfCalculation(c.name, c.firstLine);
        if (c.window == nullptr) {
            EXPECT_EQ(kind, nullptr) << c.name;
            continue;
        }
        ASSERT_NE(kind, nullptr) << c.name;
        EXPECT_EQ(kind->window, c.window) << c.name;
        // Every row names a command of the main window that opens that very window.
        const Command* command = openingCommand(*kind);
        ASSERT_NE(command, nullptr) << c.name;
        EXPECT_EQ(command->window, c.window) << c.name;
    }
}

// A double click opens every kind of file with an extension: the MIME file gives it a type
// and the desktop entry lists that type.
TEST(CalculationFiles, EveryExtensionHasAMimeTypeTheDesktopEntryLists) {
    const fs::path packaging = fs::path(CORVANA_TEST_DATA) / ".." / ".." / "packaging";
    const std::string mime = corvana::testing::readBytes(packaging / "corvana-mime.xml");
    const std::string desktop = corvana::testing::readBytes(packaging / "corvana.desktop");
    const auto mimeLine = desktop.substr(desktop.find("\nMimeType="));
    for (const auto& kind : calculationFileKinds()) {
        if (kind.extension.empty()) continue;
        const std::string glob = "<glob pattern=\"*" + std::string(kind.extension) + "\"/>";
        const auto at = mime.find(glob);
        ASSERT_NE(at, std::string::npos) << kind.extension;
        const auto open = mime.rfind("<mime-type type=\"", at) + 17;
        const std::string type = mime.substr(open, mime.find('"', open) - open);
        EXPECT_NE(mimeLine.find(type + ";"), std::string::npos) << type;
    }
}

// The program on a copy of a case's data folder.
struct Program {
    TempDir data;
    TempDir files;
    ScriptedUi ui;
    std::unique_ptr<App> app;

    explicit Program(const fs::path& dataFolder, bool withCalculators = true) {
        fs::copy(dataFolder, data.path(), fs::copy_options::recursive);
        // Without the calculators: a "TForm2" of a build whose window opens no files yet.
        ModelRegistry plain;
        plain.add("TForm2", [](App&) { return std::make_unique<WindowModel>("TForm2", "x"); });
        app = withCalculators
                  ? std::make_unique<App>(ui, AppOptions{data.path(), files.path()})
                  : std::make_unique<App>(ui, AppOptions{data.path(), files.path()}, plain);
        app->start();
        ui.windowsShown.clear();
    }
    SavingsWizard& wizard(const char* name) { return *app->modelAs<SavingsWizard>(name); }
};

const fs::path kSample = CORVANA_SAMPLE_DATA;
const fs::path kCases = CORVANA_TEST_DATA;

TEST(CalculationFiles, OpensAsTheWindowsOwnAbrir) {
    const fs::path example = kSample / ".." / "examples" / "exemplo-poupanca.e12";
    Program byName(kSample);
    EXPECT_EQ(openCalculation(*byName.app, example), "TForm2");
    EXPECT_TRUE(byName.ui.messages.empty()) << byName.ui.messages.front();
    EXPECT_EQ(byName.ui.windowsShown.back(), "TForm2");

    // The same file chosen in the window's own "Abrir" leaves the same calculation.
    Program byHand(kSample);
    byHand.app->run("PoupanaDiriacomopesdeconfigurao2");
    byHand.ui.openAnswers.push_back(example);
    byHand.wizard("TForm2").SpeedButton5Click();
    EXPECT_EQ(byName.wizard("TForm2").fileLines(), byHand.wizard("TForm2").fileLines());
    EXPECT_EQ(byName.wizard("TForm2").page, 0);
    EXPECT_EQ(byName.app->context().indice, byHand.app->context().indice);
}

TEST(CalculationFiles, AnEstadosFileOpensOnlyTheSaoPauloWindow) {
    const fs::path dir = kCases / "estado" / "sao-paulo-factors-compound";
    Program p(dir / "data");
    EXPECT_EQ(openCalculation(*p.app, dir / "calculo.e12"), "TForm5");
    EXPECT_TRUE(p.ui.messages.empty());
    ASSERT_FALSE(p.ui.windowsShown.empty());
    for (const auto& w : p.ui.windowsShown) EXPECT_EQ(w, "TForm5");
    EXPECT_GT(p.app->context().indice.rowCount(), 2);  // t0001.tab loaded
    EXPECT_GT(p.wizard("TForm5").SSaldo.rowCount(), 1);
}

TEST(CalculationFiles, RefusalsAreMessagesAndOpenNothing) {
    const fs::path jfCase = kCases / "jf" / "federal-collor-interest";
    struct Case {
        std::string name;
        std::string bytes;  // empty: the file does not exist
        bool calculators;
        bool removeJfTable;
        std::string message;  // its beginning
    };
    const Case cases[] = {
        {"carta.txt", "Prezado cliente\r\n", true, false, kNoWindowOpens},
        {"sumiu.e12", "", true, false, "Não foi possível abrir"},
        {"calculo.e12", "Vers 1.21\r\n", false, false, kWindowNotBuilt},
        {"federal.ejf", "copy", true, true, "tabela inexistente - faça a atualização das tabelas"},
    };
    for (const auto& c : cases) {
        Program p(jfCase / "data", c.calculators);
        if (c.removeJfTable) fs::remove(p.data / "jf.tab");
        const fs::path file = p.files / c.name;
        if (c.bytes == "copy")
            fs::copy_file(jfCase / "calculo.e12", file);
        else if (!c.bytes.empty())
            writeBytes(file, c.bytes);
        EXPECT_EQ(openCalculation(*p.app, file), "") << c.name;
        ASSERT_EQ(p.ui.messages.size(), 1u) << c.name;
        EXPECT_EQ(p.ui.messages[0].rfind(c.message, 0), 0u) << p.ui.messages[0];
        EXPECT_TRUE(p.ui.windowsShown.empty()) << c.name;
    }
}

TEST(CalculationFiles, AFederalCourtFileOpensInTheFederalWindowWithItsTable) {
    const fs::path dir = kCases / "jf" / "federal-collor-interest";
    Program p(dir / "data");
    const fs::path file = p.files / "federal.EJF";
    fs::copy_file(dir / "calculo.e12", file);
    EXPECT_EQ(openCalculation(*p.app, file), "TForm_jf");
    EXPECT_TRUE(p.ui.messages.empty());
    EXPECT_EQ(p.ui.windowsShown.back(), "TForm_jf");
    EXPECT_GT(p.app->context().indice.rowCount(), 2);  // jf.tab loaded
    EXPECT_GT(p.wizard("TForm_jf").SSaldo.rowCount(), 1);
}

}  // namespace

namespace calculators {

// Every calculator's file, double-clicked: the right window, with what the file holds; the
// window's own backup, copied under its name, opens in that window too.
TEST(CalculationFiles, EveryCalculatorOpensItsFileAndItsBackup) {
    using corvana::configured::ConfiguredWizard;
    using corvana::fgts::TFFGTSdif;
    using corvana::fgts::TForm_FGTS;
    using corvana::fgts::TFormFGTS;
    using corvana::urv::TFurv;
    const struct {
        fs::path data;
        fs::path file;
        const char* window;
        const char* backup;
        std::function<std::string(App&)> field;
        const char* expected;
    } cases[] = {
        {kSample, kSample / ".." / "examples" / "exemplo-configurado.e20", "TForm7", "temp3.back",
         [](App& a) { return a.modelAs<ConfiguredWizard>("TForm7")->Enome; },
         "João & Maria <Silva>"},
        {kCases / "configured" / "collor-abril-marco" / "data",
         kCases / "configured" / "collor-abril-marco" / "calculo.ex20", "TForm_conftodos",
         "temp_4.back", [](App& a) { return a.modelAs<ConfiguredWizard>("TForm_conftodos")->Enome; },
         "Carlos"},
        {kCases / "configured" / "collor-1991-dia-13" / "data",
         kCases / "configured" / "collor-1991-dia-13" / "calculo.ex21", "TForm_conftodosII",
         "temp_5.back",
         [](App& a) { return a.modelAs<ConfiguredWizard>("TForm_conftodosII")->Enome; }, "Dora"},
        {kCases / "fgts" / "saldo-seis-por-cento" / "data",
         kCases / "fgts" / "saldo-seis-por-cento" / "calculo.fg", "TFormFGTS", "fgts.back",
         [](App& a) { return a.modelAs<TFormFGTS>("TFormFGTS")->Edit1.at(0); },
         "Saldo da conta - taxa de 6%"},
        {kCases / "fgts" / "juros-ipc-ate-jul94" / "data",
         kCases / "fgts" / "juros-ipc-ate-jul94" / "calculo.jfgts", "TForm_FGTS",
         "temp_jfgts.back", [](App& a) { return a.modelAs<TForm_FGTS>("TForm_FGTS")->ComboBox1; },
         "jul/94"},
        {kCases / "fgts" / "inpc-1999" / "data", kCases / "fgts" / "inpc-1999" / "calculo.fgtsd",
         "TFFGTSdif", "temp_jfgtsdif.back",
         [](App& a) { return a.modelAs<TFFGTSdif>("TFFGTSdif")->ComboBox1; }, "10/12/2001"},
        {kCases / "urv" / "art19-plain" / "data", kCases / "urv" / "art19-plain" / "calculo.urv",
         "TFurv", "temp_urv.back", [](App& a) { return a.modelAs<TFurv>("TFurv")->Enov; },
         "1.200.000,00"},
    };
    for (const auto& c : cases) {
        for (const bool backup : {false, true}) {
            Program p(c.data);
            fs::path file = c.file;
            if (backup) {
                file = p.files / c.backup;
                fs::copy_file(c.file, file);
            }
            EXPECT_EQ(openCalculation(*p.app, file), c.window) << file;
            EXPECT_TRUE(p.ui.messages.empty()) << file << ": " << p.ui.messages.front();
            ASSERT_FALSE(p.ui.windowsShown.empty()) << file;
            EXPECT_EQ(p.ui.windowsShown.back(), c.window) << file;
            EXPECT_EQ(c.field(*p.app), c.expected) << file;
        }
    }
}

// Opening by name leaves the window exactly as its "Abrir" button does with the same file.
TEST(CalculationFiles, OpeningByNameIsTheWindowsAbrir) {
    using corvana::fgts::TFFGTSdif;
    using corvana::urv::TFurv;
    const fs::path urv = kCases / "urv" / "art19-plain";
    Program byName(urv / "data");
    ASSERT_EQ(openCalculation(*byName.app, urv / "calculo.urv"), "TFurv");
    Program byHand(urv / "data");
    byHand.app->run(*openingCommand(*kindOfCalculation(urv / "calculo.urv")));
    byHand.ui.openAnswers.push_back(urv / "calculo.urv");
    byHand.app->modelAs<TFurv>("TFurv")->Abrir();
    EXPECT_EQ(byName.app->modelAs<TFurv>("TFurv")->fileLines(),
              byHand.app->modelAs<TFurv>("TFurv")->fileLines());
    EXPECT_EQ(byName.app->context().indice, byHand.app->context().indice);

    // A file the window refuses is refused with the window's own message.
    Program refused(kCases / "fgts" / "inpc-1999" / "data");
    const fs::path bad = refused.files / "outro.fgtsd";
    writeBytes(bad, "Vers 9.9\r\n");
    EXPECT_EQ(openCalculation(*refused.app, bad), "TFFGTSdif");
    ASSERT_EQ(refused.ui.messages.size(), 1u);
    EXPECT_EQ(refused.ui.messages[0],
              "Este arquivo não é um cálculo das Diferenças do FGTS (Vers 1.3 a Vers 1.7)");
}

}  // namespace calculators
