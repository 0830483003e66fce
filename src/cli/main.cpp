// corvana-cli: recomputes saved calculations and writes their reports; small table and number tools.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "core/app/app.hpp"
#include "core/app/data_folder.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/savings/replay.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"
#include "core/toolkit/text_file.hpp"

using namespace corvana;
using namespace corvana::toolkit;

namespace {

int usage() {
    std::cerr << "uso: corvana-cli report [--data-dir PASTA] [--window tjsp|tjmg|tjpr|tjpre|jf|sp] "
                 "ARQUIVO [-o SAIDA]\n"
                 "     corvana-cli tabela ARQUIVO.tab\n"
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

// The calculator a --window name opens: the caption of its command in the "Calcular" pop-up.
const app::Command* windowCommand(const std::string& name) {
    static const std::pair<const char*, const char*> kWindows[] = {
        {"tjsp", "Débitos Judiciais São Paulo (mês a mês)"},
        {"tjmg", "Débitos Judiciais MG - MT - MS - ES (mês a mês)"},
        {"tjpr", "Débitos Judiciais PR (mês a mês)"},
        {"tjpre", "Débitos Judiciais PR (mês a mês - não expurgada)"},
        {"jf", "Justiça Federal"},
        {"sp", "Débitos Judiciais São Paulo"},
    };
    for (const auto& [key, caption] : kWindows) {
        if (name != key) continue;
        for (const auto& c : app::commandTable())
            if (c.place == app::Place::PopupCalcular && c.caption == caption) return &c;
    }
    return nullptr;
}

// Opens a saved savings calculation as "Abrir" does, runs the wizard to "Finalizar" and
// writes the report and the backup into the data folder; 0 written, 1 stopped by a
// message, 2 usage or file error.
int report(const std::vector<std::string>& args) {
    std::optional<std::filesystem::path> dataDir;
    std::optional<std::filesystem::path> out;
    std::optional<std::filesystem::path> file;
    const app::Command* command = nullptr;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--data-dir" && i + 1 < args.size()) {
            dataDir = args[++i];
        } else if (a == "--window" && i + 1 < args.size()) {
            command = windowCommand(args[++i]);
            if (command == nullptr) return usage();
        } else if (a == "-o" && i + 1 < args.size()) {
            out = args[++i];
        } else if (!a.empty() && a[0] == '-') {
            return usage();
        } else if (!file) {
            file = a;
        } else {
            return usage();
        }
    }
    if (!file) return usage();
    const std::filesystem::path folder = app::dataFolder(dataDir);
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) {
        std::cerr << "pasta de dados não encontrada: " << folder.string() << "\n";
        return 2;
    }
    if (!std::filesystem::is_regular_file(*file, ec)) {
        std::cerr << "arquivo não encontrado: " << file->string() << "\n";
        return 2;
    }
    try {
        (void)readFileBytes(*file);  // refuses pipes, devices and files far too large at once
    } catch (const Error& e) {
        std::cerr << e.what() << "\n";
        return 2;
    }

    app::ScriptedUi ui;
    ui.echo = &std::cerr;
    app::AppOptions options;
    options.dataDir = folder;
    app::App program(ui, options);
    if (!program.start()) return 1;
    // A settings file that could not be read was reported: a figure computed without it
    // is not the user's figure.
    if (!ui.messages.empty()) return 1;
    std::string window = "TForm2";
    if (command != nullptr) {
        // The menu command loads the court's table and gives the window its caption.
        const size_t before = ui.messages.size();
        if (!program.available(*command)) return 2;
        if (!program.run(*command) || ui.messages.size() != before) return 1;
        window = command->window;
    }
    const auto result =
        savings::replayCalculation(program, ui, std::filesystem::absolute(*file), window);
    if (result.status == savings::ReplayResult::Unavailable) return 2;
    for (const auto& m : ui.messages)
        if (m == app::kOutOfMemoryMessage) return 2;  // not the calculation's fault
    if (result.status != savings::ReplayResult::Written) return 1;
    std::cout << "Relatório: " << result.report.string() << "\n";
    std::cout << "Cópia do cálculo: " << result.backup.string() << "\n";
    if (out) {
        try {
            writeFileAtomic(*out, readFileBytes(result.report));
        } catch (const Error& e) {
            std::cerr << e.what() << "\n";
            return 2;
        }
        std::cout << "Relatório copiado para " << out->string() << "\n";
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string cmd = argv[1];
    try {
        if (cmd == "report") return report(std::vector<std::string>(argv + 2, argv + argc));
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
    } catch (const std::bad_alloc&) {
        std::cerr << app::kOutOfMemoryMessage << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "Erro inesperado: " << quoteText(e.what()) << "\n";
        return 2;
    } catch (...) {
        std::cerr << "Erro inesperado\n";
        return 2;
    }
    return usage();
}
