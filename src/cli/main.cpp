// corvana-cli: recomputes saved calculations and writes their reports; small table and number tools.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/app/app.hpp"
#include "core/app/calculation_files.hpp"
#include "core/app/data_folder.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/app/table_installer.hpp"
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
                 "     corvana-cli instalar-tabelas [--data-dir PASTA]\n"
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

// Fills or refreshes a data folder from the bundled tables, as the updater does (the user's
// settings, plan table, header and footer are kept); 0 done, 2 usage or file error.
int instalarTabelas(const std::vector<std::string>& args, const char* argv0) {
    std::optional<std::filesystem::path> dataDir;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--data-dir" && i + 1 < args.size()) {
            dataDir = app::u8name(args[++i]);
        } else {
            return usage();
        }
    }
    const std::filesystem::path folder = app::dataFolder(dataDir);
    if (folder.empty()) {
        std::cerr << "pasta de dados desconhecida: use --data-dir\n";
        return 2;
    }
    const std::filesystem::path source = app::bundledTables(app::programFolder(argv0));
    if (source.empty()) {
        std::cerr << "tabelas para instalar não encontradas junto do programa\n";
        return 2;
    }
    const auto done = app::installTables(source, folder);
    std::cout << "Tabelas de " << source.string() << "\n"
              << "Pasta de dados: " << folder.string() << "\n"
              << done.installed.size() << " arquivos instalados, " << done.replaced.size()
              << " atualizados, " << done.kept.size() << " arquivos do usuário preservados\n";
    return 0;
}

// The file name of a calculation, as messages quote it.
std::string shownName(const std::filesystem::path& file) {
    const auto u8 = file.filename().u8string();
    return "\"" + std::string(u8.begin(), u8.end()) + "\"";
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
        (void)readFileBytes(*file);
    } catch (const Error& e) {
        std::cerr << e.what() << "\n";
        return 2;
    }

    // Without --window the file's extension or first line names its window.
    if (command == nullptr) {
        const app::CalculationFileKind* kind = app::kindOfCalculation(*file);
        if (kind == nullptr) {
            std::cerr << app::kNoWindowOpens << shownName(*file) << "\n";
            return 2;
        }
        command = app::openingCommand(*kind);
    }

    app::ScriptedUi ui;
    ui.echo = &std::cerr;
    app::AppOptions options;
    options.dataDir = folder;
    app::App program(ui, options);
    if (!program.start()) return 1;
    // The menu command loads the calculator's table and gives the window its caption.
    if (command == nullptr || !program.available(*command)) {
        std::cerr << app::kWindowNotBuilt << shownName(*file) << "\n";
        return 2;
    }
    const size_t before = ui.messages.size();
    if (!program.run(*command) || ui.messages.size() != before) return 1;
    const auto result = savings::replayCalculation(program, ui, std::filesystem::absolute(*file),
                                                   command->window);
    if (result.status == savings::ReplayResult::Unavailable) {
        std::cerr << "corvana-cli ainda não recalcula este cálculo: " << shownName(*file) << "\n";
        return 2;
    }
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
        if (cmd == "instalar-tabelas")
            return instalarTabelas(std::vector<std::string>(argv + 2, argv + argc), argv[0]);
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
