// The "Vers federal" calculation files of the configured-savings windows: backup, save, open.
#include "core/configured/configured_wizard.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/layout_reader.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::configured {

namespace {
constexpr const char* kTag = "Vers federal";
// The statement fields of the four months every window has, in file order, then the ten
// fields of the two Collor months.
const char* const kJsi[] = {"Ejsijurosjul87", "Ejsisegjun87", "Ejsijurosfev89", "Ejsisegfev89",
                            "Ejsijurosmaio90", "Ejsisegmaio90", "Ejsijurosjun90", "Ejsisegjun90"};
const char* const kJcm[] = {"Ejcmjul87", "Ejcmfev89", "Ejcmmaio90", "Ejcmjun90"};
const char* const kSa[] = {"ESAjun87", "ESAfev89", "ESAmaio90", "ESAjun90"};
const char* const kSp[] = {"ESPjun87", "ESPfev89", "ESPmaio90", "ESPjun90"};
const char* const kCollor[] = {"Ejsijurosabril90", "Ejsisegabril90", "Ejsijurosmarco91",
                               "Ejsisegmarco91",   "Ejcmabril90",    "Ejcmmarco91",
                               "ESAmarco90",       "ESAfev91",       "ESPabril90",
                               "ESPmarco91"};

bool regularFile(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}
}  // namespace

std::vector<std::string> ConfiguredWizard::fileLines() const {
    auto& self = const_cast<ConfiguredWizard&>(*this);
    std::vector<std::string> re = {kTag,  Enome,     Ebanco,     Eagencia,      Econta,
                                   Edia,  Dateate,   toolkit::flagText(Rjsi), toolkit::flagText(Rjcm),    toolkit::flagText(Rsaldoant),
                                   toolkit::flagText(Rsaldopost), toolkit::flagText(Cjc),  toolkit::flagText(Cjm),     toolkit::flagText(Chonorarios)};
    auto addField = [&](const char* name) { re.push_back(*self.field(name)); };
    for (const char* n : kJsi) addField(n);
    for (const char* n : kJcm) addField(n);
    for (const char* n : kSa) addField(n);
    for (const char* n : kSp) addField(n);
    for (const std::string* t : {&Datejurcompinicial, &Datejurcompfinal, &Ejurcomp,
                                 &Datejurmorinicial, &Datejurmorfinal, &Ejurmor})
        re.push_back(*t);
    re.push_back(toolkit::flagText(Rhonporcentagem));
    re.push_back(toolkit::flagText(Rhonvalor));
    re.push_back(Ehonvalor);
    if (self.field(kCollor[0]) != nullptr)
        for (const char* n : kCollor) addField(n);
    return re;
}

void ConfiguredWizard::back() { toolkit::writeLines(backupPath(), fileLines()); }

void ConfiguredWizard::readLines(const std::vector<std::string>& lines) {
    toolkit::LayoutReader in(lines);
    (void)in.next();  // the version tag, whatever it holds
    for (std::string* t : {&Enome, &Ebanco, &Eagencia, &Econta, &Edia, &Dateate}) *t = in.next();
    // Radio buttons are set in file order: of a group the last one checked stays checked.
    auto radio = [&](std::initializer_list<bool*> group) {
        for (bool* b : group) {
            const bool on = in.nextFlag();
            if (on)
                for (bool* other : group) *other = false;
            *b = on;
        }
    };
    radio({&Rjsi, &Rjcm, &Rsaldoant, &Rsaldopost});
    Cjc = in.nextFlag();
    Cjm = in.nextFlag();
    Chonorarios = in.nextFlag();
    // Writing a statement field runs its Change handler (cents entry).
    auto statement = [&](const char* name) {
        const std::string text = in.next();
        if (field(name) != nullptr) fieldChanged(name, text);
    };
    for (const char* n : kJsi) statement(n);
    for (const char* n : kJcm) statement(n);
    for (const char* n : kSa) statement(n);
    for (const char* n : kSp) statement(n);
    for (std::string* t : {&Datejurcompinicial, &Datejurcompfinal, &Ejurcomp, &Datejurmorinicial,
                           &Datejurmorfinal, &Ejurmor})
        *t = in.next();
    radio({&Rhonporcentagem, &Rhonvalor});
    fieldChanged("Ehonvalor", in.next());
    // A file of the four-month window has no Collor lines: those fields are cleared. A file
    // that has some of them must have them all.
    const bool collor = field(kCollor[0]) != nullptr;
    const bool hasCollorLines = !in.atEnd();
    for (const char* n : kCollor) {
        if (!collor) break;
        fieldChanged(n, hasCollorLines ? in.next() : std::string());
    }
}

void ConfiguredWizard::openLines(const std::vector<std::string>& lines) {
    guarded([&] {
        focusedField.clear();
        readLines(lines);
    });
}

void ConfiguredWizard::abrir(const std::optional<std::filesystem::path>& file) {
    page = 0;
    takeFocusOff();
    const auto chosen =
        file ? file : ctx_.ui->chooseOpenFile(variant_.fileFilter, variant_.defaultExt);
    if (!chosen) return;
    openLines(toolkit::readLines(*chosen));
}

void ConfiguredWizard::SpeedButton5Click() { abrir(std::nullopt); }

void ConfiguredWizard::abrirArquivo(const std::filesystem::path& file) { abrir(file); }

void ConfiguredWizard::SpeedButton18Click() {
    page = 0;
    if (!regularFile(backupPath())) return;
    openLines(toolkit::readLines(backupPath()));
}

void ConfiguredWizard::salvar() {
    takeFocusOff();
    const auto source = backupPath();
    if (!regularFile(source)) return;
    const auto target = ctx_.ui->chooseSaveFile(variant_.fileFilter, variant_.defaultExt);
    if (!target) return;
    try {
        toolkit::writeFileAtomic(*target, toolkit::readFileBytes(source));
    } catch (const toolkit::Error&) {
        ctx_.ui->showMessage("Erro ao copiar " + std::filesystem::path(source).make_preferred().string() +
                             " para " + target->string());
    }
}

}  // namespace corvana::configured
