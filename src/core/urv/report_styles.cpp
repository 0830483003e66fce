// The 68 style lines of the report style block.
#include "core/urv/report_styles.hpp"

#include "core/toolkit/html_text.hpp"

namespace corvana::urv {

void TFcab::cab(const std::string& S) {
    lines_ = {
        "  <meta name=\"keywords\" content=\"fixed table header; non-scroll header; fixed footer; "
        "freeze header; CSS tips; print repeating headers; print repeating footers\">",
        "<style type=\"text/css\">",
        "div.conteudodatabela {",
        "\twidth: 65%;\t\t/* table width will be 99% of this*/",
        "\theight: 200px; \t/* must be greater than tbody*/",
        "\toverflow: auto;",
        "\tmargin: 0 auto;",
        "\t}",
        "table {",
        "\twidth: 99%;\t\t/*100% of container produces horiz. scroll in Mozilla*/",
        "\tborder: none;",
        "}",
        "table>tbody\t{  /* child selector syntax which IE6 and older do not support*/",
        "\toverflow: auto;",
        "\theight: 200px;",
        "\toverflow-x: hidden;",
        "\t}",
        "thead tr\t{",
        "\tposition:fixed;",
        "\ttop: expression(offsetParent.scrollTop); /*IE5+ only*/",
        "\t}",
        "thead td, thead th {",
        "\ttext-align: center;",
        std::string("\tfont-size:") + S + ".0pt;",
        "\tfont-weight: bold;",
        "\tborder-top: solid 1px #d8d8d8;",
        "\t}",
        "td\t{",
        "\tcolor: #000;",
        "\tpadding-right: 2px;",
        std::string("\tfont-size:") + S + ".0pt;",
        "\ttext-align: right;",
        "\tborder-bottom: solid 1px #d8d8d8;",
        "\tborder-left: solid 1px #d8d8d8;",
        "\tborder-right: solid 1px #d8d8d8;",
        "\t}",
        "table tfoot tr {",
        "      position: fixed;",
        "      overflow-x: hidden;",
        "      top: expression(parentNode.parentNode.offsetHeight >=",
        "\t  offsetParent.offsetHeight ? 0 - parentNode.parentNode.offsetHeight "
        "offsetParent.offsetHeight + offsetParent.scrollTop : 0);",
        "      }",
        "tfoot td\t{",
        "\ttext-align: center;",
        std::string("\tfont-size:") + S + ".0pt;",
        "\tfont-weight: bold;",
        "\tborder-top: solid 1px slategray;",
        "\t}",
        "td:last-child {padding-right: 20px;} /*prevent Mozilla scrollbar from hiding cell "
        "content*/",
        "</style>",
        "<!-- Estilo para impressão -->",
        "<style type=\"text/css\" media=\"print\">",
        "div.conteudodatabela {overflow: visible;\t}",
        "table>tbody\t{overflow: visible; }",
        "td {height: 14pt;} /*adds control for test purposes*/",
        std::string("thead td\t{font-size:") + S + ".0pt;\t}",
        "tfoot td\t{",
        "\ttext-align: center;",
        std::string("\tfont-size:") + S + ".0pt;",
        "\tborder-bottom: solid 1px slategray;",
        "\t}",
        "thead\t{display: table-header-group;\t}",
        "tfoot\t{display: table-footer-group;\t}",
        "thead th, thead td\t{position: fixed; }",
        "thead tr\t{position: fixed; } /*prevent problem if print after scrolling table*/",
        "table tfoot tr {     position: fixed;    }",
        ".quebrapagina {   page-break-before: always;}",
        "</style>",
    };
}

namespace report_html {

std::string headCell(const std::string& t) {
    return "<td><div align=Right><b>" + toolkit::htmlText(t) + "</b></div></td>";
}
std::string bodyCell(const std::string& t) {
    return "<td><div align=Right>" + toolkit::htmlText(t) + "</div></td>";
}
std::string gridRow(const toolkit::StringGrid& g, int r, bool header) {
    // The cells of headCell or bodyCell, written straight into the row.
    const std::string_view open = header ? "<td><div align=Right><b>" : "<td><div align=Right>";
    const std::string_view close = header ? "</b></div></td>" : "</div></td>";
    std::string s = "<tr>\r\n";
    s.reserve(s.size() + static_cast<size_t>(g.colCount()) * (open.size() + close.size() + 16));
    for (int c = 0; c < g.colCount(); ++c) {
        const std::string& t = g.cell(c, r);
        s += open;
        if (t.find_first_of("&<>") == std::string::npos)
            s += t;
        else
            s += toolkit::htmlText(t);
        s += close;
    }
    return s;
}
std::string H(const std::string& x) {
    return "<tr><td><div align=Justify><p><b>" + x + "</b></p></div></td></tr>";
}

void closingLines(std::vector<std::string>& re, const OwedFigures& o, const OwedChoices& c,
                  const std::string& owedMonth, const std::string& finalMonth) {
    using toolkit::htmlText;
    const Real A = o.owed, J = o.interest, Hf = o.fees;
    re.push_back("<BR><B>VALOR DEVIDO EM: " + htmlText(owedMonth) + " = R$" + money(A) + "</B></BR>");
    if (c.monthByMonth) {
        if (c.interest)
            re.push_back("<BR><B>VALOR DOS JUROS MORATÓRIOS DEVIDOS: (data da citação: " +
                         htmlText(c.citation) + ") = R$ " + money(J) + "</B></BR>");
        if (c.fees && N(c.feePercent) > 0)
            re.push_back("<BR><B>HONORÁRIOS: (" + htmlText(c.feePercent) + "%)" + " = R$" +
                         money(Hf) + "</B></BR>");
    } else {
        if (c.interest) {
            const int n = o.months;
            re.push_back("<BR><B>VALOR DOS JUROS MORATÓRIOS DEVIDOS DE: " + monthOf(c.citation) +
                         " a " + finalMonth + " (" + std::to_string(n) +
                         (n > 1 ? " meses " : " mês ") + " -juros de " + htmlText(c.monthlyRate) +
                         "% ao mês) = " + money(A) + " x " + money(o.rate) + "%" + " = " +
                         money(J) + "</B></BR>");
        }
        if (c.fees && N(c.feePercent) > 0)
            re.push_back("<BR><B>HONORÁRIOS: (" + htmlText(c.feePercent) + "%)" + " = " +
                         money(Hf) + "</B></BR>");
    }
    if (o.total) re.push_back("<BR><B>TOTAL = " + money(A + J + Hf) + "</B></BR>");
}

}  // namespace report_html

}  // namespace corvana::urv
