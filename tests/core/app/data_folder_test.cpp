// Where the data folder is, and what the updater installs into it.
#include <gtest/gtest.h>

#include <map>

#include "core/app/data_folder.hpp"
#include "core/app/table_installer.hpp"
#include "core/toolkit/error.hpp"
#include "test_support.hpp"

using namespace corvana::app;
using corvana::testing::readBytes;
using corvana::testing::TempDir;
using corvana::testing::writeBytes;
namespace fs = std::filesystem;

namespace {

EnvLookup envOf(std::map<std::string, std::string> vars) {
    return [vars](const char* name) {
        const auto it = vars.find(name);
        return it == vars.end() ? std::string() : it->second;
    };
}

TEST(DataFolder, OptionThenEnvironmentThenApplicationData) {
#ifndef _WIN32
    const auto all = envOf(
        {{"CORVANA_DATA_DIR", "/env/dados"}, {"XDG_DATA_HOME", "/xdg"}, {"HOME", "/home/ana"}});
    EXPECT_EQ(dataFolder(fs::path("/opt/dados"), all), fs::path("/opt/dados"));
    EXPECT_EQ(dataFolder(std::nullopt, all), fs::path("/env/dados"));
    EXPECT_EQ(dataFolder(std::nullopt, envOf({{"XDG_DATA_HOME", "/xdg"}, {"HOME", "/home/ana"}})),
              fs::path("/xdg/Corvana/DURAviv"));
    EXPECT_EQ(dataFolder(std::nullopt, envOf({{"HOME", "/home/ana"}})),
              fs::path("/home/ana/.local/share/Corvana/DURAviv"));
    EXPECT_EQ(dataFolder(fs::path(), all), fs::path("/env/dados"));  // empty option: not given
#endif
}

TEST(DataFolder, ProgramFolderIsTheRunningBinarysFolder) {
    const auto dir = programFolder(nullptr);
    EXPECT_TRUE(fs::is_directory(dir));
}

TEST(Installer, FillsAFreshFolderReplacesTablesAndKeepsUserFiles) {
    TempDir src;
    TempDir dst;
    fs::create_directories(src / "images");
    writeBytes(src / "poupanca13.tab", "data\tindice\r\nnovo\r\n");
    writeBytes(src / "planos.ini", "planos do pacote\r\n");
    writeBytes(src / "cabecalho.dat", "cabeçalho do pacote\r\n");
    writeBytes(src / "images" / "index.htm", "<html>novo</html>");

    const auto target = dst / "Corvana" / "DURAviv";  // created by the installer
    auto first = installTables(src.path(), target);
    EXPECT_EQ(first.installed.size(), 4u);
    EXPECT_EQ(readBytes(target / "images" / "index.htm"), "<html>novo</html>");

    writeBytes(target / "poupanca13.tab", "velho\r\n");
    writeBytes(target / "planos.ini", "planos do usuário\r\n");
    writeBytes(target / "cabecalho.dat", "meu cabeçalho\r\n");
    writeBytes(target / "temp2.back", "cálculo\r\n");
    const auto second = installTables(src.path(), target);
    EXPECT_EQ(readBytes(target / "poupanca13.tab"), "data\tindice\r\nnovo\r\n");
    EXPECT_EQ(readBytes(target / "planos.ini"), "planos do usuário\r\n");
    EXPECT_EQ(readBytes(target / "cabecalho.dat"), "meu cabeçalho\r\n");
    EXPECT_EQ(readBytes(target / "temp2.back"), "cálculo\r\n");
    EXPECT_EQ(second.kept, (std::vector<fs::path>{"cabecalho.dat", "planos.ini"}));
    EXPECT_EQ(second.replaced.size(), 2u);
    EXPECT_TRUE(second.installed.empty());
}

TEST(Installer, MissingSourceIsAFileError) {
    TempDir dst;
    EXPECT_THROW(installTables(dst / "nada", dst / "alvo"), corvana::toolkit::FileError);
    EXPECT_FALSE(fs::exists(dst / "alvo"));
}

TEST(Installer, BundledTablesBesideTheProgramComeFirst) {
    TempDir prog;
    TempDir fallback;
    EXPECT_EQ(bundledTables(prog.path(), fallback.path()), fallback.path().lexically_normal());
    fs::create_directories(prog / "tabelas");
    EXPECT_EQ(bundledTables(prog.path(), fallback.path()), (prog / "tabelas").lexically_normal());
    EXPECT_EQ(bundledTables(prog / "x", prog / "y"), fs::path());
}

#ifndef _WIN32
TEST(Installer, AnInstalledProgramFindsTheSharedTablesOfItsPrefix) {
    TempDir prefix;
    TempDir fallback;
    const auto program = prefix / "lib" / "corvana";
    fs::create_directories(program);
    fs::create_directories(prefix / "share" / "corvana" / "tabelas");
    EXPECT_EQ(bundledTables(program, fallback.path()),
              (prefix / "share" / "corvana" / "tabelas").lexically_normal());
    // Run from its build folder (nothing installed around it), the source tree's tables.
    EXPECT_EQ(bundledTables(prefix / "build"), fs::path(CORVANA_SAMPLE_DATA).lexically_normal());
}
#endif

TEST(Installer, UserFilesAreSettingsPlansHeaderAndFooter) {
    for (const char* f : {"planos.ini", "indice.ini", "exp.ini", "font.ini", "save.ini",
                          "cabecalho.dat", "rodape.dat"})
        EXPECT_TRUE(isUserFile(f)) << f;
    for (const char* f : {"poupanca13.tab", "images/index.htm", "art19.txt", "LEIA-ME.txt"})
        EXPECT_FALSE(isUserFile(f)) << f;
}

}  // namespace
