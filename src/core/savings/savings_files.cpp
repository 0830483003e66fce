// Calculation files of the savings family: the "Vers" layout, backup, open, reopen and save.
#include "core/savings/savings_wizard.hpp"

#include <algorithm>

#include "core/savings/text_helpers.hpp"
#include "core/toolkit/comma_text.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/layout_reader.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::savings {

using namespace detail;
using toolkit::StringGrid;

namespace {

void addGrid(std::vector<std::string>& lines, const StringGrid& g) {
    lines.push_back(std::to_string(g.rowCount()));
    for (int r = 1; r < g.rowCount(); ++r) lines.push_back(toolkit::rowToCommaText(g, r));
}

bool fileExists(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::exists(p, ec);
}

}  // namespace

std::vector<std::string> SavingsWizard::fileLines() const {
    std::vector<std::string> lines;
    lines.push_back(variant_.versionTag);
    lines.push_back(std::to_string(CPlanos.count()));
    for (const auto& item : CPlanos.items) lines.push_back(toolkit::flagText(item.checked));
    addGrid(lines, SPlanos);
    addGrid(lines, SSaldo);
    addGrid(lines, SBase);
    if (variant_.storesInterestModes) {
        lines.push_back(toolkit::flagText(Rcomposto));
        lines.push_back(toolkit::flagText(Rsimples));
        lines.push_back(toolkit::flagText(Rmes));
    } else {
        lines.push_back("false");  // compound interest: hidden, always off
        lines.push_back("true");   // simple interest: hidden, always on
        lines.push_back("false");  // month-by-month interest mode: hidden, always off
    }
    lines.push_back(toolkit::flagText(Cprorata));
    addGrid(lines, STJuros);
    if (variant_.storesAmortisation) addGrid(lines, amortizacao);
    lines.push_back(toolkit::flagText(RComjuros));
    addGrid(lines, Jmes);
    if (variant_.savesBasisFlags) {
        lines.push_back(toolkit::flagText(Rtr));
        lines.push_back(toolkit::flagText(Rpoup));
    }
    return lines;
}

void SavingsWizard::salvarx() { toolkit::writeLines(backupPath(), fileLines()); }

bool SavingsWizard::readLayout(const std::vector<std::string>& lines, bool backup, bool basisFlags,
                               bool basisFlagsOptional) {
    toolkit::LayoutReader in(lines);
    const int n = in.nextCount(0);
    if (n > CPlanos.count()) {
        const std::string extra = std::to_string(n - CPlanos.count());
        ctx_.ui->showMessage("O arquivo possui " + extra + " Plano(s) adicionai(s), impossível abrir" +
                             (backup ? ", o backup será excluido" : ""));
        return false;
    }
    // Read into a copy, so that a broken file leaves the window as it was.
    SavingsState st = *this;
    for (int i = 0; i < n; ++i) st.CPlanos.setChecked(i, in.nextFlag());
    in.readGrid(st.SPlanos);
    in.readGrid(st.SSaldo);
    in.readGrid(st.SBase);
    // The interest modes: only a window that stores them restores "Compostos"; the hidden
    // month-by-month mode is never restored.
    const bool composto = in.nextFlag();
    const bool simples = in.nextFlag();
    const bool mes = in.nextFlag();
    st.Rcomposto = variant_.storesInterestModes && composto && !simples && !mes;
    st.Rsimples = !st.Rcomposto;
    st.Rmes = false;
    st.Cprorata = in.nextFlag();
    in.readGrid(st.STJuros);
    if (variant_.storesAmortisation) in.readGrid(st.amortizacao);
    st.RComjuros = in.nextFlag();
    st.Rsemjuros = !st.RComjuros;
    in.readGrid(st.Jmes);
    if (basisFlags && basisFlagsOptional) {
        // A file of the older layout ends before these two lines: both options then clear.
        st.Rtr = in.nextOptional() == "true";
        st.Rpoup = in.nextOptional() == "true";
    } else if (basisFlags) {
        st.Rtr = in.nextFlag();
        st.Rpoup = in.nextFlag();
    }
    static_cast<SavingsState&>(*this) = st;
    return true;
}

void SavingsWizard::abrir(const std::optional<std::filesystem::path>& file) {
    takeFocusOff();
    const auto chosen = file ? file : ctx_.ui->chooseOpenFile(variant_.fileFilter, variant_.defaultExt);
    if (!chosen) return;
    const std::vector<std::string> lines = toolkit::readLines(*chosen);
    const std::string tag = lines.empty() ? std::string() : lines.front();
    if (tag == "estados" && openEstados) {
        openEstados(*chosen);
        return;
    }
    ctx_.reloadIndice(indiceTableFile());
    show();
    const auto& ok = variant_.acceptedTags;
    if (std::find(ok.begin(), ok.end(), tag) == ok.end()) {
        ctx_.ui->showMessage("Este programa não abre o arquivo da versão anterior, use a versão 1.0");
    } else {
        const std::vector<std::string> rest(lines.begin() + 1, lines.end());
        // Only a file of this window's own layout must hold the last two lines.
        if (!readLayout(rest, false, variant_.savesBasisFlags, tag != variant_.versionTag)) return;
    }
    loadMemos();
}

void SavingsWizard::abrirback() {
    const auto path = backupPath();
    if (!fileExists(path)) return;
    const std::vector<std::string> lines = toolkit::readLines(path);
    const std::string tag = lines.empty() ? std::string() : lines.front();
    if (tag == "estados" && openEstadosBackup) {
        openEstadosBackup();
        return;
    }
    const auto& ok = variant_.acceptedBackupTags;
    if (std::find(ok.begin(), ok.end(), tag) == ok.end()) return;
    const std::vector<std::string> rest(lines.begin() + 1, lines.end());
    if (!readLayout(rest, true, false)) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
    }
}

void SavingsWizard::salvar() {
    takeFocusOff();
    const auto source = backupPath();
    if (!fileExists(source)) return;
    auto target = ctx_.ui->chooseSaveFile(variant_.fileFilter, variant_.defaultExt);
    if (!target) return;
    // A name typed without extension gets the window's own, which its "Abrir" lists.
    if (!target->has_extension()) target->replace_extension(variant_.defaultExt);
    try {
        toolkit::writeFileAtomic(*target, toolkit::readFileBytes(source));
        ctx_.ui->showMessage("Cálculo salvo em " + std::filesystem::path(*target).make_preferred().string());
    } catch (const toolkit::Error&) {
        ctx_.ui->showMessage("Erro ao copiar " + std::filesystem::path(source).make_preferred().string() +
                             " para " + target->string());
    }
}

void SavingsWizard::SpeedButton3Click() {
    takeFocusOff();
    guarded([this] {
        for (int r = 1; r < SSaldo.rowCount(); ++r)
            if (has(SSaldo.cell(4, r))) SSaldo.setCell(4, r, money(N(SSaldo.cell(4, r))));
        for (int r = 1; r < planilha.rowCount(); ++r)
            if (planilha.cell(11, r) != "0") planilha.setCell(11, r, "-" + planilha.cell(11, r));
        if (Rsemjuros) {
            for (int r = 0; r < planilha.rowCount(); ++r) planilha.setCell(6, r, "");
            planilha.setCell(7, 0, "Valor");
        } else {
            planilha.setCell(6, 0, "Juros");
            planilha.setCell(7, 0, "Juros + Valor");
        }
        if (variant_.hasBasisOptions) trx();
        impx();
    });
    finalizarEnabled = false;
    close();
}

}  // namespace corvana::savings
