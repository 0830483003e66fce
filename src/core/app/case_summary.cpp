// Recomputing saved calculations in a temporary copy of the data folder.
#include "core/app/case_summary.hpp"

#include <algorithm>
#include <atomic>
#include <chrono>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/numbers.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::app {

namespace fs = std::filesystem;

namespace {

// Extension or first line → window. First-line rules come first.
struct Opener {
    const char* firstLine;  // null: any
    const char* extension;  // lower case, null: any
    const char* window;
};
const Opener kOpeners[] = {
    {"estados", nullptr, "TForm5"},  // São Paulo factors (saved as .e12)
    {nullptr, ".ejf", "TForm_jf"},   // federal court
    {nullptr, ".e12", "TForm2"},     // daily savings ("Abrir" of the savings window)
};

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
        fs::copy(source, path_, fs::copy_options::recursive);
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

// The "Calcular" pop-up command that opens `window` (the first, for the state-court window).
const Command* commandOf(const std::string& window) {
    for (const auto& c : commandTable())
        if (c.place == Place::PopupCalcular && c.window == window) return &c;
    return nullptr;
}

toolkit::Real amount(const std::string& text) {
    const size_t digit = text.find_first_of("-0123456789");
    if (digit == std::string::npos)
        throw toolkit::ConversionError("'" + text + "' não é um número válido");
    return toolkit::RemovePonto(toolkit::RemovePontoVariant::Strict, text.substr(digit));
}

}  // namespace

void RecomputeRegistry::add(std::string window, Recompute recompute) {
    families_[std::move(window)] = std::move(recompute);
}

const Recompute* RecomputeRegistry::find(const std::string& window) const {
    const auto it = families_.find(window);
    return it == families_.end() ? nullptr : &it->second;
}

std::string windowForFile(const fs::path& file, const std::string& firstLine) {
    const std::string ext = lower(file.extension().string());
    for (const auto& o : kOpeners) {
        if (o.firstLine != nullptr && firstLine != o.firstLine) continue;
        if (o.extension != nullptr && ext != o.extension) continue;
        return o.window;
    }
    return {};
}

bool isCalculationFile(const fs::path& file) {
    const std::string ext = lower(file.extension().string());
    for (const auto& o : kOpeners)
        if (o.extension != nullptr && ext == o.extension) return true;
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
    };
    for (const auto& [key, caption] : kWindows) {
        if (name != key) continue;
        for (const auto& c : commandTable())
            if (c.place == Place::PopupCalcular && c.caption == caption) return &c;
    }
    return nullptr;
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
        const std::string window =
            command != nullptr ? command->window
                               : windowForFile(file, lines.empty() ? std::string() : lines.front());
        const Recompute* recompute = window.empty() ? nullptr : registry().find(window);
        if (recompute == nullptr) {
            s.message = "Nenhuma janela deste programa abre este arquivo.";
            return s;
        }
        if (command == nullptr) command = commandOf(window);

        const ScratchFolder scratch(dataDir);
        ScriptedUi ui;
        AppOptions options;
        options.dataDir = scratch.path();
        options.programDir = scratch.path();
        App program(ui, options);
        auto stopped = [&](const char* fallback) {
            s.message = ui.messages.empty() ? std::string(fallback) : ui.messages.back();
        };
        if (!program.start()) {
            stopped("O programa não iniciou.");
            return s;
        }
        if (command != nullptr) {
            if (!program.available(*command)) {
                s.message = "Esta versão não tem a janela \"" + command->caption + "\".";
                return s;
            }
            if (!program.run(*command) || !ui.messages.empty()) {
                stopped("A janela não abriu.");
                return s;
            }
        }
        (*recompute)(program, ui, fs::absolute(file), window, s);
        if (!s.ok()) return s;
        s.tables = tables::tableSources(dataDir, s.tableNames);
    } catch (const toolkit::Error& e) {
        s.message = e.what();
    } catch (const fs::filesystem_error& e) {
        s.message = std::string("Não foi possível copiar a pasta de dados: ") + e.what();
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
