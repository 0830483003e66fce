// corvana-cli: command-line entry to the core (tables and number text for now).
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"

using namespace corvana::toolkit;

namespace {

int usage() {
    std::cerr << "uso: corvana-cli tabela ARQUIVO.tab\n"
                 "     corvana-cli formatar MASCARA VALOR\n";
    return 2;
}

// Shows the size and the last month of an index table.
int tabela(const std::filesystem::path& file) {
    StringGrid g(1, 2);
    LoadFromFile(file, g);
    std::cout << file.filename().string() << ": " << g.rowCount() << " linhas, " << g.colCount()
              << " colunas; tabela atualizada até " << g.cell(0, g.rowCount() - 1) << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string cmd = argv[1];
    try {
        if (cmd == "tabela" && argc == 3) return tabela(argv[2]);
        if (cmd == "formatar" && argc == 4) {
            std::cout << formatfloatx(argv[2], RemovePonto(RemovePontoVariant::Strict, argv[3])) << "\n";
            return 0;
        }
    } catch (const FileError& e) {
        std::cerr << e.what() << "\n";
        return 2;
    } catch (const Error& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return usage();
}
