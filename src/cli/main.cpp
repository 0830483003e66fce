// corvana-cli: recomputes saved calculations and writes their reports; small table and number tools.
#include <cctype>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "core/app/app.hpp"
#include "core/app/calculation_files.hpp"
#include "core/app/case_summary.hpp"
#include "core/app/data_folder.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/app/table_installer.hpp"
#include "core/configured/replay.hpp"
#include "core/fgts/fgts_replay.hpp"
#include "core/fgts/revision_replay.hpp"
#include "core/savings/replay.hpp"
#include "core/tables/converter.hpp"
#include "pdf/pdf_words.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"
#include "core/toolkit/text_file.hpp"
#include "core/urv/urv_replay.hpp"

using namespace corvana;
using namespace corvana::toolkit;

namespace {

int usage() {
    std::cerr << "uso: corvana-cli report [--data-dir PASTA] [--window JANELA] ARQUIVO [-o SAIDA]\n"
                 "       JANELA: tjsp tjmg tjpr tjpre jf sp (tribunais), conf conftodos conftodosII\n"
                 "       (poupança configurada), urv, fgts (expurgos do FGTS), juros (FGTS - juros\n"
                 "       progressivos), revisao (revisão TR X INPC ou\n"
                 "       IPCA-E); sem --window, a extensão ou a primeira linha do arquivo escolhe\n"
                 "       a janela, como no programa\n"
                 "     corvana-cli instalar-tabelas [--data-dir PASTA]\n"
                 "     corvana-cli tabela ARQUIVO.tab\n"
                 "     corvana-cli importar [--data-dir PASTA] SERIE ARQUIVO   (--help: as séries)\n"
                 "     corvana-cli tabelas [--data-dir PASTA]\n"
                 "     corvana-cli resumo [--data-dir PASTA] [--comparar PASTA_ANTERIOR] [--csv SAIDA] "
                 "[--window JANELA] ARQUIVO|PASTA…\n"
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
    return app::commandForWindowName(name);
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

// The calculators with a replay of their own: the --window names they answer to, the files
// they take without --window, and the replay. The savings family (and its court windows,
// chosen by their menu command) takes every other file. A new calculator adds one row.
struct Replayer {
    std::vector<std::string_view> names;    // --window names
    std::vector<std::string_view> windows;  // the window classes it replays
    bool (*takesFile)(const std::filesystem::path& file);
    app::ReplayResult (*run)(app::App&, app::ScriptedUi&, const std::filesystem::path&,
                             std::string_view name);
};

bool hasExtension(const std::filesystem::path& file, std::string_view ext) {
    std::string e = file.extension().string();
    for (auto& ch : e) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return e == ext;
}

const std::vector<Replayer>& replayers() {
    static const std::vector<Replayer> table = {
        {{"conf", "conftodos", "conftodosII"},
         {"TForm7", "TForm_conftodos", "TForm_conftodosII"},
         [](const std::filesystem::path& f) { return !configured::windowOfFile(f).empty(); },
         [](app::App& a, app::ScriptedUi& ui, const std::filesystem::path& f, std::string_view n) {
             std::string_view window = configured::windowOfFile(f);
             if (window.empty()) window = n;  // a window class from the file table
             if (n == "conf") window = "TForm7";
             if (n == "conftodos") window = "TForm_conftodos";
             if (n == "conftodosII") window = "TForm_conftodosII";
             return configured::replayConfigured(a, ui, f, window);
         }},
        {{"urv"}, {"TFurv"}, [](const std::filesystem::path& f) { return urv::isUrvFile(f); },
         [](app::App& a, app::ScriptedUi& ui, const std::filesystem::path& f, std::string_view) {
             return urv::replayUrv(a, ui, f);
         }},
        {{"fgts"}, {"TFormFGTS"}, [](const std::filesystem::path& f) { return hasExtension(f, ".fg"); },
         [](app::App& a, app::ScriptedUi& ui, const std::filesystem::path& f, std::string_view) {
             return fgts::replayPurges(a, ui, f);
         }},
        {{"juros"}, {"TForm_FGTS"}, [](const std::filesystem::path& f) { return hasExtension(f, ".jfgts"); },
         [](app::App& a, app::ScriptedUi& ui, const std::filesystem::path& f, std::string_view) {
             return fgts::replayProgressive(a, ui, f);
         }},
        {{"revisao"}, {"TFFGTSdif"}, [](const std::filesystem::path& f) { return fgts::isRevisionFile(f); },
         [](app::App& a, app::ScriptedUi& ui, const std::filesystem::path& f, std::string_view) {
             return fgts::replayRevision(a, ui, f);
         }},
    };
    return table;
}

const Replayer* replayerNamed(const std::string& name) {
    for (const auto& r : replayers())
        for (const auto n : r.names)
            if (n == name) return &r;
    return nullptr;
}

const Replayer* replayerOfWindow(std::string_view window) {
    for (const auto& r : replayers())
        for (const auto w : r.windows)
            if (w == window) return &r;
    return nullptr;
}

// Opens a saved calculation as "Abrir" does, runs the wizard to "Finalizar" and writes the
// report and the backup into the data folder; 0 written, 1 stopped by a message, 2 usage or
// file error.
int report(const std::vector<std::string>& args) {
    std::optional<std::filesystem::path> dataDir;
    std::optional<std::filesystem::path> out;
    std::optional<std::filesystem::path> file;
    const app::Command* command = nullptr;
    const Replayer* replayer = nullptr;
    std::string windowName;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--data-dir" && i + 1 < args.size()) {
            dataDir = args[++i];
        } else if (a == "--window" && i + 1 < args.size()) {
            windowName = args[++i];
            replayer = replayerNamed(windowName);
            if (replayer == nullptr) command = windowCommand(windowName);
            if (command == nullptr && replayer == nullptr) return usage();
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
    const std::filesystem::path path = std::filesystem::absolute(*file);
    if (replayer == nullptr && command == nullptr) {
        // Without --window: a calculator that knows its own files (a backup by its name), else
        // the file's extension or first line, as the window program decides.
        for (const auto& r : replayers())
            if (r.takesFile(*file)) {
                replayer = &r;
                break;
            }
        if (replayer == nullptr) {
            const app::CalculationFileKind* kind = app::kindOfCalculation(*file);
            if (kind == nullptr) {
                std::cerr << app::kNoWindowOpens << shownName(*file) << "\n";
                return 2;
            }
            replayer = replayerOfWindow(kind->window);
            if (replayer != nullptr) windowName = std::string(kind->window);
            else command = app::openingCommand(*kind);
            if (replayer == nullptr && command == nullptr) {
                std::cerr << app::kWindowNotBuilt << shownName(*file) << "\n";
                return 2;
            }
        }
    }
    app::ReplayResult result;
    if (replayer != nullptr) {
        result = replayer->run(program, ui, path, windowName);
    } else {
        // The menu command loads the court's table and gives the window its caption.
        const size_t before = ui.messages.size();
        if (!program.available(*command)) {
            std::cerr << app::kWindowNotBuilt << shownName(*file) << "\n";
            return 2;
        }
        if (!program.run(*command) || ui.messages.size() != before) return 1;
        result = savings::replayCalculation(program, ui, path, command->window);
    }
    if (result.status == app::ReplayResult::Unavailable) return 2;
    for (const auto& m : ui.messages)
        if (m == app::kOutOfMemoryMessage) return 2;  // not the calculation's fault
    if (result.status != app::ReplayResult::Written) return 1;
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

// The data folder of --data-dir (or the usual one); empty when it is not a folder.
std::filesystem::path folderOf(const std::optional<std::filesystem::path>& dataDir) {
    const std::filesystem::path folder = app::dataFolder(dataDir);
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) {
        std::cerr << "pasta de dados não encontrada: " << folder.string() << "\n";
        return {};
    }
    return folder;
}

// "importar": an official series into the data folder, with the tables that derive from it.
int importar(const std::vector<std::string>& args) {
    std::optional<std::filesystem::path> dataDir;
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help") {
            std::cout << "uso: corvana-cli importar [--data-dir PASTA] SERIE ARQUIVO\n"
                         "ARQUIVO: exportação do SGS do Banco Central (CSV \"data\";\"valor\" ou "
                         "JSON), o CSV mm/aaaa;valor de data/oficial ou, para tjsp, o PDF da "
                         "Tabela Prática.\nSéries:\n";
            for (const auto& s : tables::officialSeries())
                std::cout << "  " << s.name << "\t" << s.description << " — " << s.source << " ("
                          << s.file << ")\n";
            return 0;
        }
        if (args[i] == "--data-dir" && i + 1 < args.size())
            dataDir = args[++i];
        else if (!args[i].empty() && args[i][0] == '-')
            return usage();
        else
            rest.push_back(args[i]);
    }
    if (rest.size() != 2) return usage();
    const std::filesystem::path folder = folderOf(dataDir);
    if (folder.empty()) return 2;
    try {
        const auto result = tables::importSeries(folder, rest[0], rest[1], pdf::readWords);
        for (const auto& c : result.changes) std::cout << c << "\n";
        std::cout << result.changes.size() << (result.changes.size() == 1 ? " valor alterado" : " valores alterados")
                  << "; tabelas gravadas:";
        for (const auto& w : result.written) std::cout << " " << w << ";";
        std::cout << "\n";
    } catch (const tables::ImportError& e) {
        std::cerr << e.what() << "\nNada foi alterado na pasta de dados.\n";
        return 1;
    } catch (const Error& e) {
        std::cerr << e.what() << "\nNada foi alterado na pasta de dados.\n";
        return 2;
    }
    return 0;
}

// "tabelas": the tables of the data folder as fontes.tab lists them.
int tabelas(const std::vector<std::string>& args) {
    std::optional<std::filesystem::path> dataDir;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--data-dir" && i + 1 < args.size())
            dataDir = args[++i];
        else
            return usage();
    }
    const std::filesystem::path folder = folderOf(dataDir);
    if (folder.empty()) return 2;
    const auto rows = tables::readSources(folder);
    if (rows.size() < 2) {
        std::cerr << "a pasta de dados não tem fontes.tab\n";
        return 1;
    }
    for (size_t r = 1; r < rows.size(); ++r) {
        auto row = rows[r];
        row.resize(6);
        std::cout << row[0] << " — " << row[1] << " — " << row[2] << " — até " << row[4] << " — "
                  << (row[5] == "Não" ? "oficial" : "exemplo") << "\n";
    }
    return 0;
}

// A CSV field: quoted when it holds the separator, a quote or a line break.
std::string csvField(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

// "resumo": every saved calculation given or found, recomputed with the data folder's tables
// (in a temporary copy of it), one line each; with --comparar also with the other folder.
int resumo(const std::vector<std::string>& args) {
    std::optional<std::filesystem::path> dataDir, before, csv;
    const app::Command* command = nullptr;
    std::vector<std::filesystem::path> given;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--data-dir" && i + 1 < args.size()) {
            dataDir = args[++i];
        } else if (a == "--comparar" && i + 1 < args.size()) {
            before = args[++i];
        } else if (a == "--csv" && i + 1 < args.size()) {
            csv = args[++i];
        } else if (a == "--window" && i + 1 < args.size()) {
            command = windowCommand(args[++i]);
            if (command == nullptr) return usage();
        } else if (!a.empty() && a[0] == '-') {
            return usage();
        } else {
            given.push_back(a);
        }
    }
    if (given.empty()) return usage();
    const std::filesystem::path folder = folderOf(dataDir);
    if (folder.empty()) return 2;
    if (before && folderOf(before).empty()) return 2;

    // The files: those given, and the calculation files found below the folders given.
    std::vector<std::filesystem::path> files;
    for (const auto& g : given) {
        std::error_code ec;
        if (std::filesystem::is_directory(g, ec)) {
            std::vector<std::filesystem::path> found;
            for (const auto& e : std::filesystem::recursive_directory_iterator(g, ec))
                if (e.is_regular_file() && app::isCalculationFile(e.path())) found.push_back(e.path());
            std::sort(found.begin(), found.end());
            files.insert(files.end(), found.begin(), found.end());
        } else {
            files.push_back(g);
        }
    }

    std::vector<std::string> csvLines{
        "Arquivo;Calculadora;Mês final;Total;Tabelas;Total anterior;Diferença;Mensagem"};
    bool allDone = true;
    for (const auto& f : files) {
        const app::CaseSummary s = app::summarizeCalculation(f, folder, command);
        std::string tablesText;
        for (const auto& t : s.tables) {
            if (!tablesText.empty()) tablesText += ", ";
            tablesText += t.file + " até " + (t.lastMonth.empty() ? "?" : t.lastMonth) +
                          (t.sample ? " (exemplo)" : " (oficial)");
        }
        // A calculation that carries its own indices uses no table of the data folder.
        if (s.ok() && tablesText.empty()) tablesText = "nenhuma da pasta de dados";
        std::string line = f.string() + " — " + (s.calculator.empty() ? "?" : s.calculator);
        std::string previous, difference;
        if (s.ok()) {
            line += " — até " + s.finalMonth + " — total " + s.total + " — tabelas: " + tablesText;
            if (before) {
                const app::CaseSummary b = app::summarizeCalculation(f, *before, command);
                previous = b.ok() ? b.total : b.message;
                difference = b.ok() ? app::totalDifference(s.total, b.total) : "";
                line += " — anterior " + previous +
                        (difference.empty() ? "" : " — diferença " + difference);
            }
        } else {
            allDone = false;
            line += " — parou: " + s.message;
        }
        std::cout << line << "\n";
        csvLines.push_back(csvField(f.string()) + ";" + csvField(s.calculator) + ";" +
                           csvField(s.finalMonth) + ";" + csvField(s.total) + ";" +
                           csvField(tablesText) + ";" + csvField(previous) + ";" +
                           csvField(difference) + ";" + csvField(s.message));
    }
    if (files.empty()) std::cerr << "nenhum cálculo encontrado\n";
    if (csv) {
        try {
            writeLines(*csv, csvLines);
        } catch (const Error& e) {
            std::cerr << e.what() << "\n";
            return 2;
        }
    }
    return allDone && !files.empty() ? 0 : 1;
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
        if (cmd == "importar") return importar(std::vector<std::string>(argv + 2, argv + argc));
        if (cmd == "tabelas") return tabelas(std::vector<std::string>(argv + 2, argv + argc));
        if (cmd == "resumo") return resumo(std::vector<std::string>(argv + 2, argv + argc));
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
