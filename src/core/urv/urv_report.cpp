// The URV report "urvdif.html": conversion summary, July 1994 note, daily entries, the
// difference table, the amount owed, interest, fees and total.
#include "core/tables/provenance.hpp"
#include "core/toolkit/html_text.hpp"
#include "core/urv/report_styles.hpp"
#include "core/urv/urv_wizard.hpp"

namespace corvana::urv {

using toolkit::htmlText;
using toolkit::StringGrid;

using namespace urv::report_html;

namespace {
std::string center(const std::string& x) {
    return "<tr><td><div align=Center><p><b>" + x + "</b></p></div></td></tr>";
}

}  // namespace

std::vector<std::string> TFurv::reportLines() {
    const std::string& S = ctx_.Cfont;
    const std::string& Nf = ctx_.Cnomefont;
    const std::string T =
        "<body>\r\n<table border =1 align=\"center\" span style=\"font-size:" + S +
        ".0pt;font-family:" + Nf + "\">" + "\r\n";
    const std::string F = monthOf(Datafinal);
    const toolkit::Date finalDay = readDate(Datafinal);
    const toolkit::Date prescription = readDate(Eprescricao);

    // Totals row.
    const bool monthly = Caplijur && Jurmen;
    const int cols = monthly ? 8 : 6;
    St.setColCount(cols);
    St.setRowCount(1);
    surv.setColCount(cols);
    if (monthly)
        St.setRow(0, {F, "-", "-", "-", "-", Edit1, "-", Edit2});
    else
        St.setRow(0, {F, "-", "-", "-", "-", Edit1});
    std::string totals;
    for (int c = 0; c < cols; ++c) totals += bodyCell(St.cell(c, 0));

    std::vector<std::string> re;
    re.push_back("<html><head>\r\n<title>Diferenças da URV</title>\r\n<style>");
    cab_->cab(S);
    for (const auto& l : cab_->lines()) re.push_back(l);
    re.push_back("</style></head> ");
    re.push_back("<body>");
    re.push_back("<span style=\"font-size:" + S + ".0pt;font-family:" + Nf + "\">");
    for (const auto& l : Memo1) re.push_back(H(htmlText(l)));
    re.push_back("</spam>");
    if (R22)
        re.push_back(
            center("DEMONSTRATIVO DA CONVERSÃO DA URV (Cálculo segundo disposto no art. 22 da Lei "
                   "8.880/94)"));
    else if (R19)
        re.push_back(
            center("DEMONSTRATIVO DA CONVERSÃO DA URV (Cálculo segundo disposto no art. 19 da Lei "
                   "8.880/94)"));
    re.push_back(T);
    for (int r = 0; r < Sdemo.rowCount(); ++r) {
        re.push_back(r == 0 ? "<thead>" + gridRow(Sdemo, 0, true) + "</thead>"
                            : "<tbody>" + gridRow(Sdemo, r, false) + "</tbody>");
        re.push_back("</tr>");
    }
    re.push_back("</table>");
    if (CEscolher) {
        re.push_back(center("DEMONSTRATIVO DA CONVERSÃO DA CONVERSÃO PARA REAL EM 07/1994"));
        re.push_back(H("URV aplicada: " + htmlText(Combourvx) + " = " + htmlText(Curvx)));
        re.push_back(H("URV requerida: " + htmlText(Combourv) + " = " + htmlText(Curv)));
        re.push_back(H("Acréscimo a ser aplicado  por conversão incorreta para o Real em 07/94: " +
                       htmlText(Eerroneo) + "%"));
        re.push_back(H("Acréscimo gerado em 03/94: " + htmlText(Eporc) +
                       "% + Acréscimo gerado em 07/94: " + htmlText(Eerroneo) +
                       "% = " + htmlText(Eporcfinal)));
    }
    if (manual_ != nullptr && manual_->Cexibirdemo) {
        const StringGrid& sp = manual_->Sprint;
        re.push_back("<p>&nbsp;</p>");
        re.push_back(center("DEMONSTRATIVO DIÁRIO DOS LANÇAMENTOS EM CONTA"));
        re.push_back(T);
        for (int r = 0; r < sp.rowCount(); ++r) {
            re.push_back(r == 0 ? "<thead>" + gridRow(sp, 0, true) + "</thead>"
                                : "<tbody></b>" + gridRow(sp, r, false) + "</tbody>");
            re.push_back("</tr>");
        }
        re.push_back("</table>");
        re.push_back("<p>&nbsp;</p>");
    }
    re.push_back(center("DEMONSTRATIVO DA DIFERENÇA ENTRE VALOR PAGO E VALOR APURADO"));
    re.push_back(T);
    re.push_back("<thead>" + gridRow(surv, 0, true) + "</thead>");
    // The month of the last row visited: the label of the amount owed.
    std::string label;
    for (int r = 1; r < surv.rowCount(); ++r) {
        if (r > 1 && surv.cell(0, r - 1) == F) break;
        label = surv.cell(0, r);
        const std::string& month = surv.cell(0, r);
        if (has(month)) {
            const toolkit::Date first = firstDay(month);
            if (!(first > finalDay) && !(first < prescription))
                re.push_back("<tbody></b>" + gridRow(surv, r, false) + "</tbody>");
        }
        re.push_back("</tr>");
    }
    re.push_back("<tr><tbody></b>" + totals + "</tbody></tr>");
    re.push_back("</table>");

    closingLines(re, owedFigures(), owedChoices(), label, F);
    re.push_back("<p>&nbsp;</p>");
    re.push_back("<BR><B>ÍNDICE USADO NA ATUALIZAÇÃO MONETÁRIA DO CÁLCULO: " + htmlText(CB1) +
                 "</B></BR>");
    re.push_back("<p>&nbsp;</p>");
    re.push_back("</body></html>");
    tables::addSourcesLine(re, ctx_.meudir, usedTables());
    St.setColCount(8);
    surv.setColCount(8);
    return re;
}

TFurv::Owed TFurv::owedFigures() const {
    bool reached = false;
    for (int r = 1; r < surv.rowCount(); ++r)
        if (surv.cell(0, r) == monthOf(Datafinal)) reached = true;
    return urv::owedFigures(reached ? N(Edit1) : 0, owedChoices());
}

urv::OwedChoices TFurv::owedChoices() const {
    return {Caplijur, Jurmen, Chono, Edit2, dtacitacao, Datafinal, Eq, Ehono};
}

std::string TFurv::totalOwed() const {
    return urv::totalOwedText(owedFigures());
}

}  // namespace corvana::urv
