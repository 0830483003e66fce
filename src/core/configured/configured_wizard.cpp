// The configured-savings wizard: showing, pages, fields, statement derivation, the final step.
#include "core/configured/configured_wizard.hpp"

#include "core/app/app.hpp"
#include "core/tables/provenance.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"

namespace corvana::configured {

using toolkit::Real;

namespace {
constexpr const char* kMoney = "#,##0.00";

bool regularFile(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}
}  // namespace

ConfiguredWizard::ConfiguredWizard(app::SharedContext& ctx, ConfiguredVariant variant)
    : app::WindowModel(variant.className, variant.caption), ctx_(ctx), variant_(std::move(variant)) {
    months.resize(variant_.months.size());
    rates.resize(variant_.months.size());
    setFixedRates();
    writeHeadings();
}

void ConfiguredWizard::wire(app::App& app) { form8_ = app.model("TForm8"); }

Real ConfiguredWizard::N(std::string_view text) const {
    return toolkit::RemovePonto(variant_.reader, text);
}

void ConfiguredWizard::guarded(const std::function<void()>& command) {
    const ConfiguredState before = *this;
    try {
        command();
    } catch (const toolkit::Error&) {
        static_cast<ConfiguredState&>(*this) = before;
        throw;
    }
}

// ---- window ---------------------------------------------------------------------------

void ConfiguredWizard::show() {
    shown();
    ctx_.ui->showWindow(variant_.className);
}

void ConfiguredWizard::shown() {
    if (visible) return;
    visible = true;
    FormShow();
}

void ConfiguredWizard::hidden() { visible = false; }

void ConfiguredWizard::close() {
    visible = false;
    ctx_.ui->closeWindow(variant_.className);
}

void ConfiguredWizard::setFixedRates() {
    for (size_t k = 0; k < variant_.months.size(); ++k) {
        rates[k].T = toolkit::StrToFloat(variant_.months[k].T);
        rates[k].C = toolkit::StrToFloat(variant_.months[k].C);
    }
}

void ConfiguredWizard::encheind() {
    setFixedRates();
    writeHeadings();
}

void ConfiguredWizard::writeHeadings() {
    const int n = static_cast<int>(variant_.months.size());
    st2.setColCount(n + 1);
    st2.setRowCount(5);
    st2.setCell(0, 0, "<b>Extrato:</b>");
    for (int k = 0; k < n; ++k) st2.setCell(k + 1, 0, "<b>" + variant_.months[k].caption + "</b>");
    st2.setCell(0, 1, "<b>Saldo Anterior:</b>");
    st2.setCell(0, 2, "<b>Juros:</b>");
    st2.setCell(0, 3, "<b>Seguro Inflação:</b>");
    st2.setCell(0, 4, "<b>Saldo Posterior:</b>");
}

void ConfiguredWizard::FormShow() {
    finalizarEnabled = false;
    if (regularFile(tablePath())) {
        // A table that cannot be read leaves the grid as it was; the computation reports it.
        try {
            toolkit::StringGrid g(8, 2);
            toolkit::LoadFromFile(tablePath(), g);
            st = g;
            tabelaExemplo = tables::isSampleTable(ctx_.meudir, variant_.tableFile);
        } catch (const toolkit::Error&) {
        }
    }
    page = 0;
    Label47 = "Tabela atualizada até: " + st.cell(0, st.rowCount() - 1);
    encheind();
    for (const char* other : {"TForm2", "TForm5"}) ctx_.ui->closeWindow(other);
}

void ConfiguredWizard::SpeedButton4Click() { close(); }

void ConfiguredWizard::AjudaClick() {
    if (form8_ != nullptr)
        ctx_.ui->showWindow(form8_->className());
    else
        ctx_.ui->showWindow("TForm8");
}

void ConfiguredWizard::checkOption(std::string_view name) {
    if (name == "Rjsi" || name == "Rjcm" || name == "Rsaldoant" || name == "Rsaldopost") {
        Rjsi = name == "Rjsi";
        Rjcm = name == "Rjcm";
        Rsaldoant = name == "Rsaldoant";
        Rsaldopost = name == "Rsaldopost";
    } else if (name == "Rhonporcentagem" || name == "Rhonvalor") {
        Rhonporcentagem = name == "Rhonporcentagem";
        Rhonvalor = name == "Rhonvalor";
    }
}

void ConfiguredWizard::ToolbarButton971Click() {
    page = 0;
    Enome.clear();
    Ebanco.clear();
    Eagencia.clear();
    Econta.clear();
    Edia.clear();
    for (auto& m : months) m = StatementFields{};  // "0" shown as "0,00" by the Change handler
    Datejurcompinicial = Datejurcompfinal = Datejurmorinicial = Datejurmorfinal = kEmptyDate;
    Ejurcomp = Ejurmor = Ehonvalor = "0";
    focusedField.clear();
}

// ---- fields ---------------------------------------------------------------------------

std::string* ConfiguredWizard::field(std::string_view name) {
    struct Named {
        const char* name;
        std::string ConfiguredState::*member;
    };
    static const Named plain[] = {
        {"Enome", &ConfiguredState::Enome},
        {"Ebanco", &ConfiguredState::Ebanco},
        {"Eagencia", &ConfiguredState::Eagencia},
        {"Econta", &ConfiguredState::Econta},
        {"Edia", &ConfiguredState::Edia},
        {"Dateate", &ConfiguredState::Dateate},
        {"Datejurcompinicial", &ConfiguredState::Datejurcompinicial},
        {"Datejurcompfinal", &ConfiguredState::Datejurcompfinal},
        {"Ejurcomp", &ConfiguredState::Ejurcomp},
        {"Datejurmorinicial", &ConfiguredState::Datejurmorinicial},
        {"Datejurmorfinal", &ConfiguredState::Datejurmorfinal},
        {"Ejurmor", &ConfiguredState::Ejurmor},
        {"Ehonvalor", &ConfiguredState::Ehonvalor},
    };
    for (const auto& p : plain)
        if (name == p.name) return &(this->*p.member);
    for (size_t k = 0; k < variant_.months.size(); ++k) {
        const auto& m = variant_.months[k];
        if (name == m.SA) return &months[k].SA;
        if (name == m.J) return &months[k].J;
        if (name == m.S) return &months[k].S;
        if (name == m.JCM) return &months[k].JCM;
        if (name == m.SP) return &months[k].SP;
    }
    return nullptr;
}

bool ConfiguredWizard::isMoneyField(std::string_view name) const {
    for (const auto& m : variant_.months)
        if (name == m.SA || name == m.J || name == m.S || name == m.JCM || name == m.SP) return true;
    return false;
}

bool ConfiguredWizard::isDateField(std::string_view name) const {
    return name == "Dateate" || name == "Datejurcompinicial" || name == "Datejurcompfinal" ||
           name == "Datejurmorinicial" || name == "Datejurmorfinal";
}

void ConfiguredWizard::fieldChanged(std::string_view name, std::string_view text) {
    std::string* f = field(name);
    if (f == nullptr) return;
    if (isMoneyField(name) || (name == "Ehonvalor" && Rhonvalor))
        *f = toolkit::formatafloat(kMoney, text);
    else
        *f = std::string(text);
}

bool ConfiguredWizard::keyAllowed(std::string_view name, char32_t ch) const {
    const bool digit = ch >= U'0' && ch <= U'9';
    const bool control = ch == U'\b' || ch == U'\t';
    if (isMoneyField(name)) return digit || control;
    if (name == "Ejurcomp" || name == "Ejurmor") return digit || control || ch == U',';
    if (name == "Ehonvalor") return digit || control || (!Rhonvalor && ch == U',');
    if (name == "Edia" && variant_.ediaDigitsOnly) return digit || ch == U'\b';
    return true;
}

void ConfiguredWizard::focusField(std::string_view name) {
    if (focusedField == name) return;
    takeFocusOff();
    focusedField = std::string(name);
}

void ConfiguredWizard::takeFocusOff() {
    if (focusedField.empty()) return;
    const std::string left = focusedField;
    focusedField.clear();
    fieldExit(left);
}

void ConfiguredWizard::fieldExit(std::string_view name) {
    if (isDateField(name)) {
        std::string* f = field(name);
        // A date box that loses its date shows its empty mask again.
        guarded([&] {
            *f = toolkit::validadata(variant_.dateVariant, *f);
            if (f->empty()) *f = kEmptyDate;
        });
        return;
    }
    for (size_t k = 0; k < variant_.months.size(); ++k) {
        const auto& m = variant_.months[k];
        char kind = 0;
        if (name == m.J || name == m.S) kind = 'J';
        if (name == m.JCM) kind = 'C';
        if (name == m.SA) kind = 'A';
        if (name == m.SP) kind = 'P';
        if (kind != 0) {
            guarded([&] { derive(static_cast<int>(k), kind); });
            return;
        }
    }
}

void ConfiguredWizard::derive(int k, char kind) {
    // Each value is written with the money mask; a value read back enters the next step
    // rounded to cents, as the user sees it.
    StatementFields& f = months[k];
    const Real T = rates[k].T;
    const Real C = rates[k].C;
    auto put = [](std::string& field, Real v) {
        field = toolkit::formatafloat(kMoney, toolkit::formatfloatx(kMoney, v));
    };
    auto fromSA = [&](Real sa, bool spToo) {
        put(f.JCM, sa * T / 100);
        put(f.S, sa * C / 100);
        put(f.J, sa * (1 + C / 100) * 0.005L);
        if (spToo) put(f.SP, sa * (1 + T / 100));
    };
    switch (kind) {
        case 'J':
            put(f.JCM, N(f.J) + N(f.S));
            put(f.SA, N(f.JCM) / T * 100);
            put(f.SP, N(f.SA) * (1 + T / 100));
            break;
        case 'C': {
            const Real jcm = N(f.JCM);
            put(f.J, jcm / (T / 100) * (1 + C / 100) * 0.005L);
            put(f.SA, jcm / (T / 100));
            put(f.S, N(f.SA) * C / 100);
            put(f.SP, N(f.SA) * (1 + T / 100));
            break;
        }
        case 'A':
            fromSA(N(f.SA), true);
            break;
        case 'P':
            put(f.SA, N(f.SP) / (1 + T / 100));
            fromSA(N(f.SA), false);
            break;
        default:
            break;
    }
}

// ---- navigation ---------------------------------------------------------------------------

void ConfiguredWizard::SpeedButton1Click() {
    takeFocusOff();
    if (page > 0) --page;
    if (page == 8 && !Chonorarios) --page;
    if (page == 7 && !Cjm) --page;
    if (page == 6) --page;
    if (page == 5 && !Rsaldopost) --page;
    if (page == 4 && !Rsaldoant) --page;
    if (page == 3 && !Rjcm) --page;
    if (page == 2 && !Rjsi) --page;
}

void ConfiguredWizard::SpeedButton2Click() {
    // A conversion error on the way puts the whole window back, page included.
    guarded([this] {
        takeFocusOff();
        // The anniversary-day window takes the rates of the day typed on the first page.
        if (page == 0) encheind();
        if (!toolkit::checkinteiro(Dateate)) {
            ctx_.ui->showMessage("É necessário preencher a data para atualização do cálculo");
            return;
        }
        if (page < 9) ++page;
        if (page == 2 && !Rjsi) ++page;
        if (page == 3 && !Rjcm) ++page;
        if (page == 4 && !Rsaldoant) ++page;
        if (page == 5 && !Rsaldopost) ++page;
        if (page == 6) ++page;  // "Juros Renumeratórios" is always passed over
        if (variant_.emptiesPage6) {
            Datejurcompinicial = Datejurcompfinal = kEmptyDate;
            Ejurcomp.clear();
        }
        if (page == 7 && !Cjm) ++page;
        if (page == 8 && !Chonorarios) ++page;
        if (page == 9) computeStep();
    });
}

void ConfiguredWizard::computeStep() {
    // A table that is missing or too short stops here with the final page shown and nothing
    // computed.
    if (!regularFile(tablePath())) {
        ctx_.ui->showMessage("A tabela de atualização não foi localizada");
        return;
    }
    toolkit::StringGrid table;
    try {
        table = loadTable();
    } catch (const toolkit::Error& e) {
        ctx_.ui->showMessage(e.what());
        return;
    }
    st = std::move(table);
    calculo();
    calcular();
    // The backup holds the inputs only; it is written once the table has been computed, so a
    // step that fails writes nothing.
    back();
    finalizarEnabled = true;
}

void ConfiguredWizard::SpeedButton3Click() {
    takeFocusOff();
    guarded([this] { impx(); });
    close();
}

}  // namespace corvana::configured
