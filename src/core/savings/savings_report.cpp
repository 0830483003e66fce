// The report document of the savings family: notes, the spreadsheet table, interest and total.
#include <algorithm>

#include "core/savings/savings_wizard.hpp"
#include "core/savings/text_helpers.hpp"
#include "core/tables/provenance.hpp"
#include "core/toolkit/html_text.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::savings {

using namespace detail;
using toolkit::StringGrid;

namespace {

void add(std::vector<std::string>& re, const std::string& fragment) { addFragment(re, fragment); }

std::string orZero(const std::string& cell) { return has(cell) ? cell : std::string("0"); }

// Grid and file text as it goes into the report: markup characters escaped.
std::string H(std::string_view text) { return toolkit::htmlText(text); }

}  // namespace

std::string SavingsWizard::fontSpan() const {
    return "<span style=\"font-size:" + ctx_.Cfont + ".0pt;font-family:" + ctx_.Cnomefont + "\">";
}

void SavingsWizard::addReportHead(std::vector<std::string>& re) const {
    add(re, "<html><head>\r\n<title>Atualização</title>\r\n</head>");
}

void SavingsWizard::addNotesTitle(std::vector<std::string>& re) const {
    add(re, "<tr><td> Tabela: Poupança Diária </td></tr>\r");
}

std::string SavingsWizard::tableOpening() const {
    return "<body>\r\n<table border =0 span style=\"font-size:" + ctx_.Cfont +
           ".0pt;font-family:" + ctx_.Cnomefont + "\">" + "\r\n";
}

void SavingsWizard::addTableRow(std::vector<std::string>& re, const StringGrid& t, int r,
                                int last) const {
    std::string line = "<tr>\r\n";
    const bool bold = r == t.rowCount() - 1;
    for (int c = 0; c <= last; ++c)
        line += bold ? "<td><div align=Right><b>" + H(t.cell(c, r)) + "</b></div></td>"
                     : "<td><div align=Right>" + H(t.cell(c, r)) + "</div></td>";
    add(re, line);
    add(re, "</tr>");
}

std::filesystem::path SavingsWizard::reportPath() const {
    const bool statement = variant_.hasBasisOptions && Rtr && !variant_.statementReportFile.empty();
    return ctx_.file(statement ? variant_.statementReportFile : variant_.reportFile);
}

void SavingsWizard::addPlanNotes(
    std::vector<std::string>& re,
    const std::function<std::string(int k, int planRow)>& balanceLine) const {
    const StringGrid& plans = form3_->SPlanosini;
    int k = 0;
    for (int item = 0; item < CPlanos.count(); ++item) {
        if (!CPlanos.checked(item)) continue;
        ++k;
        // The plan row the run used: by the name the calculation holds.
        const std::string& name = SBase.cell(0, k);
        const int i = name.empty() ? item + 1 : planRow(plans, name);
        auto raw = [&](int c) { return plans.cell(c, i); };
        auto P = [&](int c) { return H(plans.cell(c, i)); };
        auto SS = [&](int c) { return H(SSaldo.cell(c, k)); };
        auto SB = [&](int c) { return H(SBase.cell(c, k)); };
        add(re, balanceLine(k, i));
        add(re, "<p><tr><td> Percentual de correção monetária com base na variação da " +
                    P(kPlanOficial) + " para " + P(kPlanData) + ": " + P(kPlanOficialValor) +
                    ". </td></tr>");
        add(re, "<p><tr><td> Variação com base no " + P(kPlanRequerido) + " para " + SB(3) +
                    ": " + P(kPlanRequeridoValor) + " </td></tr>");
        const bool hasO = has(raw(kPlanOficialValor));
        const bool hasQ = has(raw(kPlanRequeridoValor));
        const Real O = hasO ? N(raw(kPlanOficialValor)) * 1.005L + 0.5L : 0;
        const Real Q = hasQ ? N(raw(kPlanRequeridoValor)) * 1.005L + 0.5L : 0;
        if (hasO)
            add(re, "<p><tr><td> " + P(kPlanOficialValor) + " + 0,5% de juros = " + rate(O) +
                        "% </td></tr>");
        if (hasQ)
            add(re, "<p><tr><td> " + P(kPlanRequeridoValor) + " + 0,5% de juros = " + rate(Q) +
                        "% </td></tr>");
        if (hasO && hasQ) {
            add(re, "<p><tr><td> " + rate(Q) + "% - " + rate(O) + "% = <b>" + rate(Q - O) +
                        "%</b> </td></tr>");
            // The shortfall is the balance times the difference the calculation applied: the
            // plan's "Diferença %" as SBase holds it, which need not equal Q - O.
            const std::string applied = has(SB(2)) ? rate(N(SB(2))) : rate(Q - O);
            if (has(raw(kPlanMudanca)))
                add(re, "<p><tr><td> Valor faltante em conta em " + SB(3) + " = " + SS(4) +
                            "X " + applied + "% : " + P(kPlanMudanca) + " = <b>" +
                            P(kPlanMoedaMudanca) + " " + SB(4) + "</b></td></tr>");
            else
                add(re, "<p><tr><td> Valor faltante em conta em " + SB(3) + " = " + SS(4) +
                            "X " + applied + "% = <b>" + P(kPlanMoeda) + " " + SB(4) +
                            "</b></td></tr>");
        }
    }
}

void SavingsWizard::addInterestRows(std::vector<std::string>& re) const {
    for (int r = 0; r < STJuros.rowCount(); ++r) {
        std::string line = "<tr>\r\n";
        const bool computed = r >= 1 && has(STJuros.cell(0, r)) && has(STJuros.cell(1, r)) &&
                              has(STJuros.cell(2, r));
        for (int c = 0; c < STJuros.colCount(); ++c)
            line += "<td><div align=Right>" +
                    H(c == 0 && computed ? interestStartUsed(r) : STJuros.cell(c, r)) +
                    "</div></td>";
        add(re, line);
        add(re, "</tr>");
    }
}

std::vector<std::string> SavingsWizard::reportLines() const {
    std::vector<std::string> re;
    const std::string span = fontSpan();

    addReportHead(re);
    add(re, "<body>");
    add(re, span);
    for (const auto& L : Memo1) add(re, "<tr><td><div align=Justify><p><b>" + L + "</b></p></div></td></tr>");
    add(re, "</spam>");
    if (Cnotas) {
        add(re, span);
        addNotesTitle(re);
        addPlanNotes(re, [this](int k, int) {
            return "<p><tr><td>" + H(SSaldo.cell(0, k)) + " - saldo em conta em " + H(SSaldo.cell(3, k)) +
                   "/" + H(SBase.cell(1, k)) + " = <b>" + H(SSaldo.cell(2, k)) + H(SSaldo.cell(4, k)) +
                   "</b></td></tr>";
        });
        add(re, "</span>");
    }
    add(re, "<tr><td><p>&nbsp;</p></td></tr>");
    add(re, "<tr><td><p>&nbsp;</p></td></tr>");
    const std::string& saldo1 = SSaldo.cell(4, 1);
    add(re, "<tr><td><b> Valor em conta em " + H(SSaldo.cell(1, 1)) + " = " + H(SSaldo.cell(2, 1)) +
                money(has(saldo1) ? N(saldo1) : 0) + "</b></td></tr>");
    const std::string& dif1 = SBase.cell(2, 1);
    add(re, "<tr><td><b> Diferença faltante em conta no mês seguinte em % = " +
                rate(has(dif1) ? N(dif1) : 0) + "</b></td></tr>");
    add(re, "<p>&nbsp;</p>");
    if (writesSpanTableClose()) add(re, "</span></table>");
    add(re, tableOpening());

    const bool statement = variant_.hasBasisOptions && Rtr;
    const StringGrid& T = statement ? planilha2 : planilha;
    const int L = statement ? 9 : 7;
    const int amortCol = statement ? 10 : 8;
    const int addCol = statement ? 14 : 12;
    const int monthCol = 1;
    const int descCol = statement ? 10 : 8;
    const int amountCol = statement ? 13 : 11;
    const int nameCol = statement ? 17 : 15;
    for (int r = 0; r < T.rowCount(); ++r) {
        for (int c = L + 1; c < T.colCount(); ++c) {
            if (T.cell(c, r).empty()) continue;
            if (c == amortCol)
                add(re, "<tr>\r\n<td><td><td><td><td>" + H(T.cell(monthCol, r)) +
                            "<td><td><div align=Left>" + H(T.cell(descCol, r)) +
                            "</div><td><div align=Right>" + H(T.cell(amountCol, r)) +
                            "</div></td></td></td></td></td></td></td></td>" + "</tr>");
            else if (c == addCol)
                add(re, "<tr>\r\n<td><td><td><td><td><td><td><b><div align=Left>Adição - diferença "
                        "faltante em conta em " +
                            H(T.cell(monthCol, r)) + " referente ao plano " + H(T.cell(nameCol, r)) +
                            "</div></b><td><b><div align=Right>" + H(T.cell(addCol, r)) +
                            "</div></b></td></td></td></td></td></td></td></td>" + "</tr>");
            else
                add(re, "");
        }
        addTableRow(re, T, r, L);
    }
    add(re, "</table>");
    add(re, span);

    const int lastRow = T.rowCount() - 1;
    const std::string V = orZero(T.cell(statement ? 7 : 5, lastRow));
    if (has(STJuros.cell(2, 1))) {
        add(re, "<p>&nbsp;</p>");
        add(re, "<div align=\"center\">");
        add(re, "<center>");
        add(re, "<b>JUROS</b>");
        add(re, "<body>\r\n<table border =1 span style=\"font-size:" + ctx_.Cfont +
                    ".0pt;font-family:" + ctx_.Cnomefont + "\">" + "\r\n");
        addInterestRows(re);
        add(re, "</table>");
        add(re, "<p>&nbsp;</p>");
        const std::string total = orZero(STJuros.cell(3, STJuros.rowCount() - 1));
        add(re, "<b>TOTAL = " + H(V) + " X " + H(total) + "% = " + H(totalOwed()) + "</b>");
        add(re, "<p>&nbsp;</p>");
        add(re, "</center>");
        add(re, "</div>");
    } else {
        add(re, "<p>&nbsp;</p>");
        add(re, "<div align=\"Center\">");
        add(re, "<Center>");
        add(re, "<b>TOTAL = " + H(V) + "</b>");
        add(re, "<p>&nbsp;</p>");
        add(re, "</Center>");
        add(re, "</div>");
    }
    add(re, "<p>&nbsp;</p>");
    add(re, span);
    for (const auto& L2 : Memo2) add(re, "<tr><td><div align=Justify>" + L2 + "</div></td></tr>");
    add(re, "</span>");
    add(re, "</body></html>");
    tables::addSourcesLine(re, ctx_.meudir, usedTables());
    return re;
}

std::string SavingsWizard::totalOwed() const {
    const bool statement = variant_.hasBasisOptions && Rtr;
    const StringGrid& T = statement ? planilha2 : planilha;
    const std::string V = orZero(T.cell(statement ? 7 : 5, T.rowCount() - 1));
    if (!has(STJuros.cell(2, 1))) return V;
    const std::string total = orZero(STJuros.cell(3, STJuros.rowCount() - 1));
    return money(N(V) + N(V) * N(total) / 100);
}

void SavingsWizard::impx() {
    const auto path = reportPath();
    // One pair: a failed or interrupted write never leaves a new report beside an old backup.
    toolkit::writeFilesAtomic({{path, toolkit::encodeLines(reportLines())},
                               {backupPath(), toolkit::encodeLines(fileLines())}});
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) ctx_.ui->showReport(path);
}

}  // namespace corvana::savings
