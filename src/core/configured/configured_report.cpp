// The configured-savings report: account data, statement table, month table, final figures.
#include <functional>

#include "core/tables/provenance.hpp"
#include "core/configured/configured_wizard.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/html_text.hpp"
#include "core/toolkit/text_file.hpp"
#include "core/toolkit/text_lines.hpp"

namespace corvana::configured {

using toolkit::htmlText;
using toolkit::Real;
using toolkit::StringGrid;

namespace {
constexpr const char* kMoney = "#,##0.00";
std::string fmt(Real v) { return toolkit::formatfloatx(kMoney, v); }
bool regularFile(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}
}  // namespace

std::string ConfiguredWizard::jur(const std::string& dta1, const std::string& dta2,
                                  const std::string& num, const std::string& jurx,
                                  const std::string& cx) {
    if (!toolkit::checkinteiro(num) || !toolkit::checkinteiro(dta1) || !toolkit::checkinteiro(dta2))
        return {};
    const auto span = toolkit::EntreDatas(toolkit::StrToDate(dta1), toolkit::StrToDate(dta2));
    const int n = span.years * 12 + span.months;
    const Real rate = N(num);
    const std::string P = fmt(rate * n);
    const std::string I = fmt(N(cx) * (rate * n / 100));
    juroTotal += N(I);
    if (n <= 1) return {};
    return "<p align=\"center\"><b>" + jurx + " " + htmlText(dta1) + " a " + htmlText(dta2) +
           " de " + htmlText(num) + "% x " + std::to_string(n) + "(meses) = " + P +
           "</b></p><p align=\"center\"><b>Valor dos Juros: " + htmlText(cx) + " x " + P +
           "% = " + I + "</b></p>";
}

void ConfiguredWizard::jurosRemuneratorios() {
    for (int k = 0; k < 3; ++k) toolkit::InsereCol(st, 1);
    st.setCell(1, 0, "<b>Índice Correto</b>");
    st.setCell(2, 0, "<b>Juros Remuneratórios</b>");
    st.setCell(3, 0, "<b>Índice+Juros</b>");
    st.setCell(4, 0, "<b>Índice Aplicado</b>");
    for (int r = 1; r < st.rowCount(); ++r) {
        st.setCell(2, r, "0,5%");
        if (toolkit::checkinteiro(st.cell(1, r)))
            st.setCell(1, r, toolkit::formatfloatx("##0.000000", (N(st.cell(1, r)) * 100 - 0.5L) / 1.005L));
        if (toolkit::checkinteiro(st.cell(4, r)))
            st.setCell(3, r, toolkit::formatfloatx("##0.000000", N(st.cell(4, r)) * 100));
    }
}

FinalFigures ConfiguredWizard::finalFigures() {
    FinalFigures f;
    const int last = st.rowCount() - 1;
    const int valueCol = Cjc ? 9 : 6;
    const std::string& v = st.cell(valueCol, last);
    f.V = toolkit::checkinteiro(v) ? v : std::string("0");
    f.unit = st.cell(Cjc ? 10 : 7, last);
    juroTotal = 0;
    if (Cjm)
        f.explanation = jur(Datejurmorinicial, Datejurmorfinal, Ejurmor, "Juros Moratórios de: ", f.V);
    f.V2 = fmt(N(f.V) + juroTotal);
    if (Chonorarios && Rhonporcentagem)
        f.H = fmt(toolkit::RemovePonto(toolkit::RemovePontoVariant::Strict, Ehonvalor) / 100 *
                  N(f.V2));
    else if (Chonorarios && Rhonvalor)
        f.H = fmt(N(Ehonvalor));
    return f;
}

std::vector<std::string> ConfiguredWizard::reportLines() {
    std::vector<std::string> re;
    auto add = [&re](const std::string& item) { toolkit::addLines(re, item); };
    const std::string size = ctx_.Cfont;
    const std::string family = ctx_.Cnomefont;
    const std::string span =
        "<span align = center style=\"font-size:" + size + ".0pt;font-family:" + family + "\">";
    const std::string tableOpening = "<body>\r\n<table border =1 span style=\"font-size:" + size +
                                     ".0pt;font-family:" + family + "\">\r\n";
    // Texts of the window's own making (bold captions) go as they are; everything typed or
    // read from a file or table is escaped.
    auto addGrid = [&](const StringGrid& g, const std::function<bool(int)>& markupRow0,
                       bool markupCol0) {
        for (int r = 0; r < g.rowCount(); ++r) {
            std::string row = "<tr>\r\n";
            for (int c = 0; c < g.colCount(); ++c) {
                const bool asTyped = (r == 0 && markupRow0(c)) || (c == 0 && markupCol0);
                const std::string& text = g.cell(c, r);
                row += "<td><div align=Right>" + (asTyped ? text : htmlText(text)) + "</div></td>";
            }
            add(row);
            add("</tr>");
        }
    };

    add("<html><head>\r\n<title>Atualização</title>\r\n</head>");
    add(span);
    add("<p align=\"center\"><b>Nome: </b>" + htmlText(Enome) + "</p>");
    add("<p align=\"center\"><b>Banco: </b>" + htmlText(Ebanco) + " - <b>Agencia: </b>" +
        htmlText(Eagencia) + " - <b>Conta: </b>" + htmlText(Econta) + "</p>");
    add("<p align=\"center\"><b>Dia de Aniversário da Conta: </b>" + htmlText(Edia) + "</p>");
    add("<p align=\"center\">&nbsp;</p>");
    add("<div align=\"center\">");
    add(tableOpening);
    addGrid(st2, [](int) { return true; }, true);
    add("</table>");
    add("<p>&nbsp;</p>");
    if (Cjc) jurosRemuneratorios();
    add(tableOpening);
    const bool view = Cjc;
    addGrid(st, [view](int c) { return view && c >= 1 && c <= 4; }, false);
    add("</table>");
    add("<p>&nbsp;</p>");
    add("</div>");
    const FinalFigures f = finalFigures();
    add(span);
    add("<p align=\"center\"><b>Valor atualizado até: " + htmlText(Dateate) + " = " +
        htmlText(f.unit) + " " + htmlText(f.V) + "</b></p>");
    std::string suffix;
    if (Cjm) {
        add(f.explanation);
        suffix = "+ JUROS MORATÓRIOS ";
    }
    add("<p align=\"center\"><b>VALOR CORRIGIDO " + suffix + " = " + f.V2 + "</b></p>");
    if (Chonorarios && Rhonporcentagem)
        add("<p align=\"center\"><b>Valor dos Honorários de " + htmlText(Ehonvalor) + "% =" + f.H +
            "</b></p>");
    else if (Chonorarios && Rhonvalor)
        add("<p align=\"center\"><b>Valor dos Honorários = " + f.H + "</b></p>");
    add("</body></html>");
    tables::addSourcesLine(re, ctx_.meudir, {variant_.tableFile});
    return re;
}

void ConfiguredWizard::impx() {
    const auto lines = reportLines();
    toolkit::writeLines(reportPath(), lines);
    if (regularFile(reportPath())) ctx_.ui->showReport(reportPath());
}

}  // namespace corvana::configured
