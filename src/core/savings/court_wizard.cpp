// The court windows' report head, table opening and table rows.
#include "core/savings/court_wizard.hpp"

#include "core/savings/daily_savings.hpp"
#include "core/savings/text_helpers.hpp"
#include "core/toolkit/html_text.hpp"

namespace corvana::savings {

using namespace detail;

SavingsVariant courtVariant() {
    SavingsVariant v = expurgosVariant();
    v.acceptedTags = v.acceptedBackupTags = {v.versionTag = "Vers 1.2"};
    v.statementReportFile.clear();
    v.hasBasisOptions = v.currencyFromPlanTable = v.appliesYieldOverrides = false;
    v.additionUsesPlanDivisor = v.savesBasisFlags = false;
    return v;
}
namespace {

// The head of the court reports; @S@ stands for the report font size.
const char* const kHead[] = {
    "<html><head><title>Atualização</title>",
    "<meta name=\"keywords\" content=\"fixed table header; non-scroll header; fixed footer; freeze "
    "header; CSS tips; print repeating headers; print repeating footers\">",
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
    "\tposition:relative;",
    "\ttop: expression(offsetParent.scrollTop); /*IE5+ only*/",
    "\t}",
    "thead td, thead th {",
    "\ttext-align: center;",
    "\tfont-size:@S@.0pt;",
    "\tfont-weight: bold;",
    "\tborder-top: solid 1px #d8d8d8;",
    "\t}",
    "td\t{",
    "\tcolor: #000;",
    "\tpadding-right: 2px;",
    "\tfont-size:@S@.0pt;",
    "\ttext-align: right;",
    "\tborder-bottom: solid 1px #d8d8d8;",
    "\tborder-left: solid 1px #d8d8d8;",
    "\tborder-right: solid 1px #d8d8d8;",
    "\t}",
    "table tfoot tr { ",
    "      position: relative;",
    "      overflow-x: hidden;",
    "      top: expression(parentNode.parentNode.offsetHeight >=",
    "\t  offsetParent.offsetHeight ? 0 - parentNode.parentNode.offsetHeight + "
    "offsetParent.offsetHeight + offsetParent.scrollTop : 0);",
    "      }",
    "tfoot td\t{",
    "\ttext-align: center;",
    "\tfont-size:@S@.0pt;",
    "\tfont-weight: bold;",
    "\tborder-top: solid 1px slategray;",
    "\t}",
    "td:last-child {padding-right: 20px;} /*prevent Mozilla scrollbar from hiding cell content*/",
    "</style>",
    "<!-- Estilo para impressão -->",
    "<style type=\"text/css\" media=\"print\">",
    "div.conteudodatabela {overflow: visible;\t}",
    "table>tbody\t{overflow: visible; }",
    "td {height: 14pt;} /*adds control for test purposes*/",
    "thead td\t{font-size:@S@.0pt;\t}",
    "tfoot td\t{",
    "\ttext-align: center;",
    "\tfont-size:@S@.0pt;",
    "\tborder-bottom: solid 1px slategray;",
    "\t}",
    "thead\t{display: table-header-group;\t}",
    "tfoot\t{display: table-footer-group;\t}",
    "thead th, thead td\t{position: static; }",
    "thead tr\t{position: static; } /*prevent problem if print after scrolling table*/",
    "table tfoot tr {     position: static;    }",
    "</style></head> ",
};

}  // namespace

void CourtWizard::addReportHead(std::vector<std::string>& re) const {
    for (const char* line : kHead) {
        std::string text = line;
        for (size_t at = text.find("@S@"); at != std::string::npos;
             at = text.find("@S@", at + ctx_.Cfont.size()))
            text.replace(at, 3, ctx_.Cfont);
        re.push_back(text);
    }
}

std::string CourtWizard::tableOpening() const {
    return "<body>\r\n<table border =0  span style=\"font-size:" + ctx_.Cfont +
           ".0pt;font-family:" + ctx_.Cnomefont + "\">" + "\r\n";
}

void CourtWizard::addTableRow(std::vector<std::string>& re, const toolkit::StringGrid& t, int r,
                              int last) const {
    const bool header = r == 0;
    const bool bold = r == t.rowCount() - 1;
    std::string line = header ? "<thead><tr>\r\n" : "<tr>\r\n";
    for (int c = 0; c <= last; ++c)
        line += bold ? "<td><div align=Right><b>" + toolkit::htmlText(t.cell(c, r)) + "</b></div></td>"
                     : "<td><div align=Right>" + toolkit::htmlText(t.cell(c, r)) + "</div></td>";
    line += header ? "</tr></thead>" : "</tr>";
    addFragment(re, line);
}

}  // namespace corvana::savings
