// download: fills the data folder with the bundled index tables, then starts the program again.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/app/data_folder.hpp"
#include "core/app/platform.hpp"
#include "core/app/table_installer.hpp"
#include "core/toolkit/error.hpp"

namespace fs = std::filesystem;
using namespace corvana;

namespace {

int usage() {
    std::cerr << "uso: download [--data-dir PASTA] [--origem PASTA] [--sem-reiniciar]\n"
                 "Instala as tabelas de índices na pasta de dados e abre o programa de novo.\n";
    return 2;
}

// Starts the program again on the same data folder, without waiting for it.
void startProgram(const fs::path& program, const fs::path& dataDir) {
    if (!app::startDetached(program, {"--data-dir", dataDir.string()}))
        std::cerr << "programa não encontrado: " << program.string() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<fs::path> dataOption;
    std::optional<fs::path> source;
    bool restart = true;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--data-dir" && i + 1 < argc) {
            dataOption = app::u8name(argv[++i]);
        } else if (a == "--origem" && i + 1 < argc) {
            source = app::u8name(argv[++i]);
        } else if (a == "--sem-reiniciar") {
            restart = false;
        } else {
            return usage();
        }
    }
    const fs::path programDir = app::programFolder(argv[0]);
    const fs::path dataDir = app::dataFolder(dataOption);
    const fs::path from = source ? *source : app::bundledTables(programDir);

    int status = 0;
    if (dataDir.empty()) {
        std::cerr << "pasta de dados desconhecida: use --data-dir\n";
        status = 1;
    } else if (from.empty()) {
        std::cerr << "tabelas para instalar não encontradas ao lado do programa\n";
        status = 1;
    } else {
        try {
            const auto report = app::installTables(from, dataDir);
            std::cout << "Pasta de dados: " << dataDir.string() << "\n"
                      << report.installed.size() << " arquivos instalados, "
                      << report.replaced.size() << " atualizados, " << report.kept.size()
                      << " arquivos do usuário preservados\n";
        } catch (const toolkit::Error& e) {
            std::cerr << e.what() << "\n";
            status = 1;
        }
    }
    if (restart) startProgram(programDir / app::programFileName(), dataDir);
    return status;
}
