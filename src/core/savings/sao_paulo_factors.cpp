// The São Paulo factor-table window: navigation, interest modes, the spreadsheet, report, files.
#include "core/savings/sao_paulo_factors.hpp"

#include <tuple>

#include "core/app/app.hpp"
#include "core/savings/court_wizard.hpp"
#include "core/savings/text_helpers.hpp"
#include "core/tables/provenance.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/html_text.hpp"
#include "core/toolkit/interest.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::savings {

using namespace detail;
using toolkit::StringGrid;

namespace {
SavingsVariant estadoVariant() {
    SavingsVariant v = courtVariant();
    v.className = TForm5::kClassName;
    v.caption = TForm5::kCaption;
    v.tableFile = TForm5::kTable;
    v.backupFile = "tempsp.back";
    v.acceptedTags = v.acceptedBackupTags = {v.versionTag = "estados"};
    // "Novo" keeps tempsp.back for "Abrir Backup" and leaves the other windows' backups alone.
    v.novoDeletesBackup = false;
    // Like the savings window, the balance takes the plan table's currency.
    v.currencyFromPlanTable = true;
    v.closesOnShow = {"TForm2", "TForm7"};
    v.checksTableMonths = v.hasAmortisation = v.storesAmortisation = false;
    v.targetLabel = "Data Atual";
    v.storesInterestModes = true;
    v.dateVariant = toolkit::ValidadataVariant::B;
    // Pages: plans, balances, difference, interest, spreadsheet, header and footer.
    std::tie(v.resultPage, v.lastPage) = std::pair(4, 5);
    return v;
}
}  // namespace

TForm5::TForm5(app::SharedContext& ctx) : SavingsWizard(ctx, estadoVariant()) {
    writeResultHeaders();
}

void TForm5::writeResultHeaders() {
    planilha.clearRow(0);
    planilha.setColCount(5);
    const char* const headers[5] = {"Data Inicial", "Data Final", "Valor", "Índice de Correção",
                                    "Valor Corrigido"};
    for (int c = 0; c < 5; ++c) planilha.setCell(c, 0, headers[c]);
}

void TForm5::wire(app::App& app) {
    SavingsWizard::wire(app);
    form2_ = app.modelAs<SavingsWizard>("TForm2");
    for (const char* name : {"TForm2", "TForm_tjsp_d"}) {
        if (auto* other = app.modelAs<SavingsWizard>(name)) {
            other->openEstados = [this](const std::filesystem::path& file) { abrirEstados(file); };
            other->openEstadosBackup = [this] { abrirback2(); };
        }
    }
}

// ---- navigation ---------------------------------------------------------------------------

void TForm5::pageReached(int p) {
    // Page 4 takes the interest table and then the one-step spreadsheet; there is no
    // month-by-month run and no amortisation page.
    if (p == 4) {
        calcularjuros();
        calcularsp();
    } else if (p < 4) {
        SavingsWizard::pageReached(p);
    } else if (p == variant_.lastPage) {
        finalizarEnabled = true;
    }
}

std::string TForm5::interestStartUsed(int r) const {
    const std::string& start = STJuros.cell(0, r);
    // Interest on the whole debt runs from the month after the first date entered; the grid
    // and the file keep the date as typed, the report prints the one the interest ran from.
    if (r == 1) return toolkit::DateToStr(toolkit::IncMonth(toolkit::StrToDate(start), 1));
    return start;
}

std::string TForm5::interestOfRow(int r) const {
    const std::string start = interestStartUsed(r);
    const std::string& end = STJuros.cell(1, r);
    const std::string& rateText = STJuros.cell(2, r);
    if (Rcomposto) return toolkit::JuroCompostox("100", rateText, end, start).percent;
    return toolkit::juros(rateText, start, end, Cprorata);
}

// ---- spreadsheet --------------------------------------------------------------------------

std::string TForm5::devolvemoeda(const std::string& date) const {
    const std::string month = date.size() > 7 ? date.substr(3, 7) : date;
    const StringGrid& indice = ctx_.indice;
    std::string result;
    for (int r = 1; r < indice.rowCount(); ++r)
        if (indice.cell(0, r) == month) result = indice.cell(2, r) + " ";
    return result;
}

std::string TForm5::factorOf(const std::string& month) const {
    const StringGrid& indice = ctx_.indice;
    std::string factor;
    for (int r = 1; r < indice.rowCount(); ++r)
        if (indice.cell(0, r) == month) factor = indice.cell(1, r);
    if (!has(factor))
        throw toolkit::Error("O mês " + toolkit::quoteText(month) + " não existe na tabela " + kTable +
                             ", atualize as tabelas");
    if (N(factor) == 0)
        throw toolkit::Error("O fator de " + toolkit::quoteText(month) + " na tabela " + kTable + " é zero");
    return factor;
}

void TForm5::calcularsp() {
    StringGrid& p = planilha;
    p.clearRowsFrom(1);
    p.setRowCount(SSaldo.rowCount() + 1);
    const std::string finalMonth = SPlanos.cell(1, SPlanos.rowCount() - 1);
    Real total = 0;
    for (int k = 1; k < SSaldo.rowCount(); ++k) {
        const std::string& diaText = SSaldo.cell(3, k);
        const std::string d = toolkit::formatfloatx("00", has(diaText) ? N(diaText) : 1);
        const std::string& credit = SBase.cell(3, k);
        p.setCell(0, k, d + "/" + credit);
        p.setCell(1, k, d + "/" + finalMonth);
        p.setCell(2, k, devolvemoeda(p.cell(0, k)) + SBase.cell(4, k));
        const std::string F0 = factorOf(credit);
        const std::string F1 = factorOf(finalMonth);
        p.setCell(3, k, ":" + F0 + " X " + F1);
        p.setCell(4, k, money(N(p.cell(2, k)) / N(F0) * N(F1)));
        total += N(p.cell(4, k));
    }
    const int last = p.rowCount() - 1;
    p.setCell(3, last, "Total");
    p.setCell(4, last, devolvemoeda(finalMonth) + money(total));
}

// ---- finishing and report -----------------------------------------------------------------

void TForm5::SpeedButton3Click() {
    takeFocusOff();
    guarded(
        [this] {
            impx();
        },
        false);
    finalizarEnabled = false;
    close();
}

std::vector<std::string> TForm5::reportLines() const {
    std::vector<std::string> re;
    auto add = [&re](const std::string& fragment) { addFragment(re, fragment); };
    const std::string span = fontSpan();
    const std::string style =
        "span style=\"font-size:" + ctx_.Cfont + ".0pt;font-family:" + ctx_.Cnomefont + "\">";

    add("<html><head>\r\n<title>Atualização</title>\r\n</head>");
    add("<body>");
    add(span);
    for (const auto& L : Memo1) add("<tr><td><div align=Justify><b>" + L + "</b></div></td></tr>");
    add("</span>");
    if (Cnotas) {
        add(span);
        add("<tr><td></td></tr>\r");
        addPlanNotes(re, [this](int k, int) {
            using toolkit::htmlText;
            return "<p><tr><td><b>" + htmlText(SSaldo.cell(0, k)) + " - saldo em conta em " +
                   htmlText(SSaldo.cell(3, k)) + "/" + htmlText(SBase.cell(1, k)) + " = " +
                   htmlText(SSaldo.cell(2, k)) + htmlText(SSaldo.cell(4, k)) + "</b></td></tr>";
        });
        add("</span>");
    }
    add("<p>&nbsp;</p>");
    add("</span></table>");
    add("<table border =0 " + style);
    for (int r = 0; r < planilha.rowCount(); ++r)
        SavingsWizard::addTableRow(re, planilha, r, planilha.colCount() - 1);
    add("</table>");
    add(span);
    add("<tr><td> Tabela: Débitos Judiciais Tribunal de Justiça de São Paulo </td></tr>");
    add("</span>");

    const std::string& v = planilha.cell(4, planilha.rowCount() - 1);
    const std::string V = has(v) ? v : std::string("0");
    add("<p>&nbsp;</p>");
    if (has(STJuros.cell(2, 1))) {
        add("<div align=\"center\">");
        add("<center>");
        add(span);
        add("<b>JUROS</b>");
        add("<table border =1 " + style);
        addInterestRows(re);
        add("</table>");
        add("<p>&nbsp;</p>");
        add(span);
        const std::string& t = STJuros.cell(3, STJuros.rowCount() - 1);
        const std::string total = has(t) ? t : std::string("0");
        add("<b>TOTAL = " + toolkit::htmlText(V) + " X " + toolkit::htmlText(total) + "% = " +
            toolkit::htmlText(totalOwed()) + "</b>");
        add("<p>&nbsp;</p>");
        add("</center>");
    } else {
        add("<div align=\"Center\">");
        add("<Center>");
        add(span);
        add("<b>TOTAL = " + toolkit::htmlText(V) + "</b>");
        add("<p>&nbsp;</p>");
        add("</Center>");
    }
    add("</div>");
    add("<p>&nbsp;</p>");
    for (const auto& L : Memo2) add("<tr><td><div align=Justify>" + L + "</div></td></tr>");
    add("</span></table>");
    add("</body></html>");
    tables::addSourcesLine(re, ctx_.meudir, usedTables());
    return re;
}

std::string TForm5::totalOwed() const {
    const std::string& v = planilha.cell(4, planilha.rowCount() - 1);
    const std::string V = has(v) ? v : std::string("0");
    if (!has(STJuros.cell(2, 1))) return V;
    const std::string& t = STJuros.cell(3, STJuros.rowCount() - 1);
    const std::string total = has(t) ? t : std::string("0");
    const std::string finalMonth = SPlanos.cell(1, SPlanos.rowCount() - 1);
    return devolvemoeda(finalMonth) + money(N(V) + N(V) * N(total) / 100);
}

// ---- files --------------------------------------------------------------------------------

void TForm5::abrirEstados(const std::filesystem::path& file) {
    abrir(file);
}

void TForm5::SpeedButton5Click() {
    page = 0;
    takeFocusOff();
    const auto chosen = ctx_.ui->chooseOpenFile(variant_.fileFilter, variant_.defaultExt);
    if (chosen) abrirArquivo(*chosen);
}

void TForm5::abrirArquivo(const std::filesystem::path& file) {
    page = 0;
    const auto lines = toolkit::readLines(file);
    if ((lines.empty() || lines.front() != "estados") && form2_ != nullptr)
        form2_->abrir(file);
    else
        abrir(file);
}

void TForm5::abrirback2() {
    std::error_code ec;
    if (!std::filesystem::exists(backupPath(), ec)) return;
    ctx_.reloadIndice(kTable);
    abrirback();
}

void TForm5::SpeedButton18Click() {
    page = 0;
    abrirback2();
}

void TForm5::SpeedButton8Click() {
    salvar();
}

}  // namespace corvana::savings
