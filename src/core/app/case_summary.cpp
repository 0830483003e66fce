// Recomputing saved calculations in a temporary copy of the data folder.
#include "core/app/case_summary.hpp"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <new>

#include "core/app/app.hpp"
#include "core/app/calculation_files.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::app {

namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// A copy of a data folder in the temporary folder, removed with the object.
class ScratchFolder {
  public:
    explicit ScratchFolder(const fs::path& source) {
        static std::atomic<unsigned> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = fs::temp_directory_path() /
                ("corvana-resumo-" + std::to_string(stamp) + "-" + std::to_string(++counter));
        fs::create_directories(path_);
        try {
            fs::copy(source, path_, fs::copy_options::recursive);
        } catch (...) {
            // A copy that failed half-way leaves nothing behind.
            std::error_code ec;
            fs::remove_all(path_, ec);
            throw;
        }
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

const RecomputeRegistry& registry() {
    static const RecomputeRegistry r = [] {
        RecomputeRegistry x;
        registerRecomputes(x);
        return x;
    }();
    return r;
}

toolkit::Real amount(const std::string& text) {
    const size_t digit = text.find_first_of("-0123456789");
    if (digit == std::string::npos)
        throw toolkit::ConversionError("'" + text + "' não é um número válido");
    return toolkit::RemovePonto(toolkit::RemovePontoVariant::Strict, text.substr(digit));
}

// The month of the last row of a table whose months are labels ("MAR/26", "dez/99"); empty when
// it has none.
std::string lastLabelOf(const fs::path& table) {
    std::error_code ec;
    if (!fs::is_regular_file(table, ec)) return {};
    toolkit::StringGrid g(1, 0);
    try {
        toolkit::LoadFromFile(table, g);
    } catch (const toolkit::Error&) {
        return {};
    }
    for (int r = g.rowCount() - 1; r >= 1; --r) {
        const std::string month = monthOfLabel(g.cell(0, r));
        if (month != g.cell(0, r)) return month;
    }
    return {};
}

}  // namespace

void RecomputeRegistry::add(std::string window, Recompute recompute) {
    families_[std::move(window)] = std::move(recompute);
}

const Recompute* RecomputeRegistry::find(const std::string& window) const {
    const auto it = families_.find(window);
    return it == families_.end() ? nullptr : &it->second;
}

bool isCalculationFile(const fs::path& file) {
    const std::string ext = lower(file.extension().string());
    const std::string name = lower(file.filename().string());
    for (const auto& k : calculationFileKinds()) {
        if (!k.extension.empty() && ext == k.extension) return true;
        if (!k.fileName.empty() && name == k.fileName) return true;
    }
    return false;
}

const Command* commandForWindowName(const std::string& name) {
    static const std::pair<const char*, const char*> kWindows[] = {
        {"tjsp", "Débitos Judiciais São Paulo (mês a mês)"},
        {"tjmg", "Débitos Judiciais MG - MT - MS - ES (mês a mês)"},
        {"tjpr", "Débitos Judiciais PR (mês a mês)"},
        {"tjpre", "Débitos Judiciais PR (mês a mês - não expurgada)"},
        {"jf", "Justiça Federal"},
        {"sp", "Débitos Judiciais São Paulo"},
        {"conf", "Poupança - configurado"},
        {"conftodos", "Poupança Configurada - com Plano Collor I e II"},
        {"conftodosII", "Poupança Configurada - com Plano Collor I e II (01/1991)"},
        {"urv", "Calcular"},
        {"fgts", "Expurgos do FGTS"},
        {"juros", "FGTS - Juros Progressivos"},
        {"revisao", "Revisão TR X INPC ou IPCA-E"},
    };
    for (const auto& [key, caption] : kWindows) {
        if (name != key) continue;
        // The entry the user sees (a pop-up menu or a button) before the hidden menu ones.
        const Command* hidden = nullptr;
        for (const auto& c : commandTable()) {
            if (c.action != Action::OpenWindow || c.window.empty() || c.caption != caption) continue;
            if (!c.hidden) return &c;
            if (hidden == nullptr) hidden = &c;
        }
        return hidden;
    }
    return nullptr;
}

void summaryStopped(const ScriptedUi& ui, CaseSummary& summary) {
    summary.message = ui.messages.empty() ? std::string("O cálculo não chegou ao fim.")
                                          : ui.messages.back();
}

std::string monthOfDate(const std::string& date) {
    if (date.size() == 10 && date[2] == '/' && date[5] == '/') return date.substr(3);
    return date;
}

std::string monthOfLabel(const std::string& label) {
    static const char* const kMonths[] = {"jan", "fev", "mar", "abr", "mai", "jun",
                                          "jul", "ago", "set", "out", "nov", "dez"};
    if (label.size() != 6 || label[3] != '/' || !std::isdigit(static_cast<unsigned char>(label[4])) ||
        !std::isdigit(static_cast<unsigned char>(label[5])))
        return label;
    std::string name = label.substr(0, 3);
    for (auto& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (int m = 0; m < 12; ++m) {
        if (name != kMonths[m]) continue;
        const int yy = (label[4] - '0') * 10 + (label[5] - '0');
        const std::string mm = (m < 9 ? "0" : "") + std::to_string(m + 1);
        return mm + "/" + (yy >= 50 ? "19" : "20") + label.substr(4);
    }
    return label;
}

CaseSummary summarizeCalculation(const fs::path& file, const fs::path& dataDir,
                                 const Command* command) {
    CaseSummary s;
    s.file = file;
    try {
        std::error_code ec;
        if (!fs::is_regular_file(file, ec)) throw toolkit::FileError::cannotOpen(file);
        if (!fs::is_directory(dataDir, ec))
            throw toolkit::FileError("Pasta de dados não encontrada: " + dataDir.string());
        const auto lines = toolkit::readLines(file);
        if (command == nullptr) {
            const CalculationFileKind* kind =
                kindOfCalculation(file, lines.empty() ? std::string_view() : lines.front());
            if (kind == nullptr) {
                s.message = kNoWindowOpens + ("\"" + toolkit::quoteText(file.filename().string()) + "\"");
                return s;
            }
            command = openingCommand(*kind);
        }
        const Recompute* recompute = command == nullptr ? nullptr : registry().find(command->window);
        if (recompute == nullptr) {
            s.message = kWindowNotBuilt + ("\"" + toolkit::quoteText(file.filename().string()) + "\"");
            return s;
        }

        const ScratchFolder scratch(dataDir);
        ScriptedUi ui;
        AppOptions options;
        options.dataDir = scratch.path();
        options.programDir = scratch.path();
        App program(ui, options);
        if (!program.start() || !ui.messages.empty()) {
            // A settings file that could not be read: a figure computed without it is not the
            // user's figure.
            summaryStopped(ui, s);
            return s;
        }
        if (!program.available(*command)) {
            s.message = "Esta versão não tem a janela \"" + command->caption + "\".";
            return s;
        }
        if (const WindowModel* window = program.model(command->window))
            s.calculator = command->windowCaption.empty() ? window->caption() : command->windowCaption;
        (*recompute)(program, ui, fs::absolute(file), *command, s);
        if (!s.ok()) return s;
        s.tables = tables::tableSources(dataDir, s.tableNames);
        for (auto& t : s.tables)
            if (t.lastMonth.empty()) t.lastMonth = lastLabelOf(dataDir / t.file);
    } catch (const toolkit::Error& e) {
        s.message = e.what();
    } catch (const fs::filesystem_error& e) {
        s.message = std::string("Não foi possível copiar a pasta de dados: ") + e.what();
    } catch (const std::bad_alloc&) {
        s.message = kOutOfMemoryMessage;
    } catch (const std::exception& e) {
        // One file's failure stops its line only; the others go on.
        s.message = "Erro inesperado: " + toolkit::quoteText(e.what());
    }
    return s;
}

std::string totalDifference(const std::string& now, const std::string& before) {
    try {
        return toolkit::formatfloatx("#,##0.00", amount(now) - amount(before));
    } catch (const toolkit::Error&) {
        return {};
    }
}

}  // namespace corvana::app
