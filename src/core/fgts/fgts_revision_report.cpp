// The FGTS revision report "jfgtsdif.html": head lines, daily entries, the revision table, the
// amount owed, interest, fees and total.
#include "core/tables/provenance.hpp"
#include "core/fgts/fgts_revision.hpp"
#include "core/toolkit/html_text.hpp"
#include "core/urv/report_styles.hpp"
#include "core/urv/urv_text.hpp"

namespace corvana::fgts {

using toolkit::htmlText;
using toolkit::Real;
using toolkit::StringGrid;
using urv::money;
using urv::N;

using namespace urv::report_html;

namespace {

// "dd/mm/yyyy" shown as "mm/yyyy".
std::string monthText(const std::string& date) {
    const auto slash = date.find('/');
    return slash == std::string::npos ? date : date.substr(slash + 1);
}

// The provenance line of a grid that no table of the data folder gave: read from a saved
// calculation (`index` is "INPC" or "IPCA-E"), or nothing loaded at all.
std::string untabledSourcesLine(RevisionTables tables, const std::string& index) {
    if (tables == RevisionTables::None)
        return "<p class=\"fontes\">Índices: nenhuma tabela de índices foi carregada.</p>";
    return "<p class=\"fontes\">Índices: TR e " + htmlText(index) +
           " lidos do cálculo gravado; o arquivo não registra de que tabelas vieram nem se eram "
           "oficiais.</p>";
}

}  // namespace

std::vector<std::string> TFFGTSdif::reportLines() const {
    const std::string& S = ctx_.Cfont;
    const std::string& Nf = ctx_.Cnomefont;
    const std::string T = "<body>\r\n<table border =1 span style=\"font-size:" + S +
                          ".0pt;font-family:" + Nf + "\">" + "\r\n";

    // Totals row.
    std::string totals;
    if (Jurmen) {
        StringGrid st(sfgts.colCount(), 1, 0);
        st.setRow(0, {ComboBox1, "-", "-", "-", "-", "-", "-", Edit3, "-", "-", "-", Edit4, "-",
                      Edit1, "-", Edit2});
        for (int c = 0; c < st.colCount(); ++c) totals += bodyCell(st.cell(c, 0));
    }

    std::vector<std::string> re;
    re.push_back("<html><head>\r\n<title>Diferenças do FGTS</title>\r\n<style>");
    if (cab_ != nullptr)
        for (const auto& l : cab_->lines()) re.push_back(l);
    re.push_back("</style></head> ");
    re.push_back("<body>");
    re.push_back("<span style=\"font-size:" + S + ".0pt;font-family:" + Nf + "\">");
    for (const auto& l : Memo1) re.push_back(H(htmlText(l)));
    re.push_back("</spam>");
    if (manual_ != nullptr && manual_->Cexibirdemo) {
        const StringGrid& sp = manual_->Sprint;
        re.push_back("<p>&nbsp;</p>");
        re.push_back(
            "<tr><td><div align=Justify><p><b>DEMONSTRATIVO DIÁRIO DOS LANÇAMENTOS EM "
            "CONTA</b></p></div></td></tr>");
        re.push_back(T);
        for (int r = 0; r < sp.rowCount(); ++r) {
            re.push_back(r == 0 ? "<thead>" + gridRow(sp, 0, true) + "</thead>"
                                : "<tbody></b>" + gridRow(sp, r, false) + "</tbody>");
            re.push_back("</tr>");
        }
        re.push_back("</table>");
        re.push_back("<p>&nbsp;</p>");
    }
    re.push_back(
        "<tr><td><div align=Justify><p><b>DEMONSTRATIVO DA DIFERENÇA ENTRE VALOR PAGO E VALOR "
        "APURADO</b></p></div></td></tr>");
    re.push_back(T);
    re.push_back("<thead>" + gridRow(sfgts, 0, true) + "</thead>");
    const auto initial = listDate(ComboBox2);
    // The list stops after the row of the final date.
    for (int r = 1; r < sfgts.rowCount(); ++r) {
        if (r > 1 && sfgts.cell(0, r - 1) == ComboBox1) break;
        const auto day = listDate(sfgts.cell(0, r));
        if (day && initial && !(*day < *initial))
            re.push_back("<tbody></b>" + gridRow(sfgts, r, false) + "</tbody>");
        re.push_back("</tr>");
    }
    if (Caplijur && Jurmen) re.push_back("<tr><tbody></b>" + totals + "</tbody></tr>");
    re.push_back("</table>");

    closingLines(re, owedFigures(), owedChoices(), owedMonth(), urv::monthOf(ComboBox1));
    if (Rfev && Caplijur && Jurmen)
        re.push_back("<BR><B>Valores da diferença expresso em Reais (colunas l, m e o)</B></BR>");
    re.push_back("<p>&nbsp;</p>");
    re.push_back("</body></html>");
    // The tables the index columns came from; typing amounts over them keeps them. A saved
    // calculation holds its indices but not the tables they came from: say so, and claim
    // neither a table nor that it was official.
    if (const auto used = usedTables(); !used.empty())
        tables::addSourcesLine(re, ctx_.meudir, used);
    else
        re.insert(re.end() - 1,
                  untabledSourcesLine(tables, Label7.substr(Label7.rfind(' ') + 1)));
    return re;
}

TFFGTSdif::Owed TFFGTSdif::owedFigures() const {
    toolkit::Real owed = 0;
    for (int r = 1; r < sfgts.rowCount(); ++r)
        if (sfgts.cell(0, r) == ComboBox1) owed = N(sfgts.cell(12, r));
    return urv::owedFigures(owed, owedChoices());
}

urv::OwedChoices TFFGTSdif::owedChoices() const {
    return {Caplijur, Jurmen, Chono, Edit2, dtacitacao, ComboBox1, Eq, Ehono};
}

std::string TFFGTSdif::totalOwed() const {
    return urv::totalOwedText(owedFigures());
}

std::string TFFGTSdif::owedMonth() const {
    // The last row the report's list visits: the row of the final date, or the last row.
    int lastVisited = sfgts.rowCount() - 1;
    for (int r = 2; r < sfgts.rowCount(); ++r)
        if (sfgts.cell(0, r - 1) == ComboBox1) {
            lastVisited = r - 1;
            break;
        }
    return lastVisited >= 1 ? monthText(sfgts.cell(0, lastVisited)) : std::string();
}

std::vector<std::string> TFFGTSdif::usedTables() const { return indexTables; }

}  // namespace corvana::fgts
