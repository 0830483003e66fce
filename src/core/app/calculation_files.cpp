// Saved calculations and the windows that open them.
#include "core/app/calculation_files.hpp"

#include <algorithm>
#include <cctype>

#include "core/app/app.hpp"
#include "core/app/commands.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::app {

namespace fs = std::filesystem;

const std::vector<CalculationFileKind>& calculationFileKinds() {
    static const std::vector<CalculationFileKind> kinds = {
        // A window's own backup opens there, whatever its first line says ("Vers 1.2" of the
        // URV or "Vers 1.7" of the revision would otherwise be taken for daily savings).
        {"", "", false, "TForm7", "Poupança - configurado", "temp3.back"},
        {"", "", false, "TForm_conftodos", "Poupança Configurada - com Plano Collor I e II",
         "temp_4.back"},
        {"", "", false, "TForm_conftodosII",
         "Poupança Configurada - com Plano Collor I e II (01/1991)", "temp_5.back"},
        {"", "", false, "TFormFGTS", "Expurgos do FGTS", "fgts.back"},
        {"", "", false, "TForm_FGTS", "FGTS - Juros Progressivos", "temp_jfgts.back"},
        {"", "", false, "TFFGTSdif", "Revisão TR X INPC ou IPCA-E", "temp_jfgtsdif.back"},
        {"", "", false, "TFurv", "Calcular", "temp_urv.back"},
        // Only the São Paulo factor window writes "estados", whatever the file is called.
        {"", "estados", false, "TForm5", "Débitos Judiciais São Paulo"},
        {".e12", "", false, "TForm2", "Poupança Diária - com opções de configuração"},
        {".ejf", "", false, "TForm_jf", "Justiça Federal"},
        {".e20", "", false, "TForm7", "Poupança - configurado"},
        {".ex20", "", false, "TForm_conftodos", "Poupança Configurada - com Plano Collor I e II"},
        {".ex21", "", false, "TForm_conftodosII",
         "Poupança Configurada - com Plano Collor I e II (01/1991)"},
        {".fg", "", false, "TFormFGTS", "Expurgos do FGTS"},
        {".jfgts", "", false, "TForm_FGTS", "FGTS - Juros Progressivos"},
        {".fgtsd", "", false, "TFFGTSdif", "Revisão TR X INPC ou IPCA-E"},
        {".urv", "", false, "TFurv", "Calcular"},
        // Other names (a backup, a renamed copy): the layout's tag.
        {"", "Vers federal", false, "TForm7", "Poupança - configurado"},
        {"", "Vers", true, "TForm2", "Poupança Diária - com opções de configuração"},
    };
    return kinds;
}

namespace {
std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string quoted(const fs::path& file) {
    const auto u8 = file.filename().u8string();
    std::string name(u8.begin(), u8.end());
    // At most about 60 characters of a name in a message.
    if (name.size() > 60) {
        size_t cut = 57;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name = name.substr(0, cut) + "…";
    }
    return "\"" + name + "\"";
}
}  // namespace

const CalculationFileKind* kindOfCalculation(const fs::path& file, std::string_view firstLine) {
    const std::string ext = lower(file.extension().string());
    const std::string name = lower(file.filename().string());
    for (const auto& k : calculationFileKinds()) {
        if (!k.fileName.empty() && name != k.fileName) continue;
        if (!k.extension.empty() && ext != k.extension) continue;
        if (!k.firstLine.empty()) {
            const bool match = k.linePrefix ? firstLine.substr(0, k.firstLine.size()) == k.firstLine
                                            : firstLine == k.firstLine;
            if (!match) continue;
        }
        return &k;
    }
    return nullptr;
}

const CalculationFileKind* kindOfCalculation(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) throw toolkit::FileError::cannotOpen(file);
    const auto lines = toolkit::readLines(file);
    return kindOfCalculation(file, lines.empty() ? std::string_view() : std::string_view(lines[0]));
}

const Command* openingCommand(const CalculationFileKind& kind) {
    const Command* hidden = nullptr;
    for (const auto& c : commandTable()) {
        if (c.action != Action::OpenWindow || c.window != kind.window || c.caption != kind.command)
            continue;
        if (!c.hidden) return &c;
        if (hidden == nullptr) hidden = &c;
    }
    return hidden;
}

std::string openCalculation(App& app, const fs::path& file) {
    std::string opened;
    runCommand(app.ui(), [&] {
        const CalculationFileKind* kind = kindOfCalculation(file);
        if (kind == nullptr) {
            app.ui().showMessage(kNoWindowOpens + quoted(file));
            return;
        }
        const Command* command = openingCommand(*kind);
        WindowModel* window = app.model(kind->window);
        if (command == nullptr || window == nullptr || !window->opensFiles() ||
            !app.available(*command)) {
            app.ui().showMessage(kWindowNotBuilt + quoted(file));
            return;
        }
        // The calculator opens as from its menu entry (its table, its caption); a missing
        // table stops here with the command's own message.
        if (!app.form1().openWindow(*command)) return;
        window->abrirArquivo(file);
        opened = window->className();
    });
    return opened;
}

}  // namespace corvana::app
