// "Cálculo de Diferenças dos Juros Progressivos no FGTS": recalc, "Repetir", report and files.
#include "core/tables/provenance.hpp"
#include "core/fgts/progressive_interest.hpp"

#include "core/toolkit/comma_text.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/html_text.hpp"
#include "core/toolkit/layout_reader.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::fgts {

const char* const TForm_FGTS::kFilter = "JFGTS (*.jfgts)|*.jfgts";

TForm_FGTS::TForm_FGTS(app::SharedContext& ctx)
    : app::WindowModel("TForm_FGTS", "Cálculo de Diferenças dos Juros Progressivos no FGTS"),
      ctx_(ctx) {}

void TForm_FGTS::Button1Click() {
    takeFocusOff();
    Memo1.clear();
    const auto table = ctx_.file("fgtsjuros.tab");
    if (!regularFile(table)) return;
    guardedStep(static_cast<ProgressiveInterestState&>(*this), [&] {
        toolkit::StringGrid g(12, 2), v(2, 2);
        toolkit::LoadFromFile(table, g);
        toolkit::LoadFromFile(table, v);
        v.setColCount(2);
        sfgts = std::move(g);
        svalores = std::move(v);
        selCol = 1;
        selRow = currentRow = 1;
        source = Source::Table;
        tabelaExemplo = tables::isSampleTable(ctx_.meudir, "fgtsjuros.tab");
    });
}

void TForm_FGTS::recalcRow(int r) {
    auto& g = sfgts;
    auto cell = [&](int c, int row) -> const std::string& { return g.cell(c, row); };
    g.setCell(1, r, svalores.cell(1, r));
    if (!has(cell(1, r))) return;
    g.setCell(1, r, money(strict(cell(1, r))));
    const Real a = strict(cell(1, r));
    if (has(cell(2, r))) {
        const Real b = strict(cell(2, r));
        if (b == 0)
            throw toolkit::Error("O divisor (coluna b) do mês " + quoteText(cell(0, r)) +
                                 " é zero");
        g.setCell(3, r, money(a / b));
    }
    if (has(cell(3, r)))
        for (int c = 4; c <= 6; ++c)
            if (has(cell(c, r))) g.setCell(7, r, money(strict(cell(3, r)) * strict(cell(c, r))));
    if (has(cell(7, r)) && has(cell(1, r))) g.setCell(8, r, money(strict(cell(7, r)) - a));
    const bool prevH = has(cell(10, r - 1));
    const Real H = prevH ? strict(cell(10, r - 1)) : 0;
    if (prevH)
        for (int c = 4; c <= 6; ++c)
            if (has(cell(c, r))) g.setCell(9, r, money(H * strict(cell(c, r))));
    const std::string& month = cell(0, r);
    if (Cipc89_90 && (month == "mar/89" || month == "mai/90")) {
        // The IPC reflex is taken on the previous month's h: without it there is nothing to
        // take it on, and the recalculation stops with the month named.
        if (!has(cell(10, r - 1)))
            throw toolkit::Error("Os reflexos do IPC de " + month +
                                 " precisam da coluna h do mês anterior (" +
                                 quoteText(cell(0, r - 1)) + "), que está vazia");
        const Real h = strict(cell(10, r - 1));
        g.setCell(9, r, money(h * (month == "mar/89" ? 1.208083L : 0.455047L)));
    }
    if (has(cell(8, r)) && has(cell(9, r))) {
        Real X = H + strict(cell(9, r));
        if (month == "mar/86" || month == "mar/89" || month == "ago/93") X = X / 1000;
        if (month == "jul/94") X = X / 2750;
        g.setCell(10, r, money(strict(cell(8, r)) + X));
    }
}

void TForm_FGTS::recalc() {
    for (int r = 1; r < svalores.rowCount(); ++r) recalcRow(r);
}

void TForm_FGTS::svaloresSelectCell(int col, int row) {
    selCol = col;
    selRow = row;
}

void TForm_FGTS::svaloresSetEditText(int col, int row, const std::string& text) {
    guardedStep(static_cast<ProgressiveInterestState&>(*this), [&] {
        svalores.setCell(col, row, text);
        recalc();
        currentRow = row;
    });
}

void TForm_FGTS::Button6Click() {
    takeFocusOff();
    guardedStep(static_cast<ProgressiveInterestState&>(*this), [&] {
        const int R = selRow;
        if (R < 1 || R >= svalores.rowCount()) return;
        if (has(svalores.cell(0, R - 1))) svalores.setCell(1, R, svalores.cell(1, R - 1));
        currentRow = R;
        recalc();
        selRow = R + 1;
    });
}

// ---- report ----------------------------------------------------------------------------

std::vector<std::string> TForm_FGTS::reportPieces() const {
    const std::string S = ctx_.Cfont, F = ctx_.Cnomefont;
    std::vector<std::string> re;
    re.push_back(
        "<html><head>\r\n<title>Diferenças dos Juros Progressivos no FGTS</title>\r\n</head>");
    re.push_back("<body>");
    re.push_back("<span style=\"font-size:" + S + ".0pt;font-family:" + F + "\">");
    for (const auto& L : Memo1)
        re.push_back("<tr><td><div align=Justify><p><b>" + toolkit::htmlText(L) +
                     "</b></p></div></td></tr>");
    re.push_back("</spam>");
    re.push_back("<body>\r\n<table border =0 span style=\"font-size:" + S +
                 ".0pt;font-family:" + F + "\">\r\n");
    const auto& g = sfgts;
    const int end = lastReportRow();
    for (int r = 0; r <= end; ++r) {
        std::string piece = "<tr>\r\n";
        for (int c = 0; c < g.colCount(); ++c)
            piece += r == 0
                         ? "<td><div align=Right><b>" + reportCell(g.cell(c, r)) + "</b></div></td>"
                         : "<td><div align=Right>" + reportCell(g.cell(c, r)) + "</div></td>";
        re.push_back(piece);
        re.push_back("</tr>");
    }
    re.push_back("</table>");
    const std::string T = g.cell(0, end) + " = " + totalOwed();
    re.push_back("<BR><B>VALOR TOTAL DEVIDO EM: " + reportCell(T) + "</B></BR>");
    for (const char* piece :
         {"<BR></BR>", "<BR><B>SISTEMÁTICA DO CÁLCULO:</B></BR>",
          "<BR><B>Coluna c</B> = a ÷ b</BR>", "<BR><B>Coluna e</B> = c x d</BR>",
          "<BR><B>Coluna f</B> = e - a</BR>", "<BR><B>Coluna g</B> = h(valor anterior) x d</BR>",
          "<BR><B>Coluna h</B> = h(valor anterior)+ f + g</BR>",
          "<BR><B>CONVERSÃO DE MOEDA</B></BR>", "<BR><B>mar/86:</B> ÷ 1000</BR>",
          "<BR><B>mar/89:</B> ÷ 1000</BR>", "<BR><B>mar/90:</B> ÷ 1</BR>",
          "<BR><B>ago/93:</B> ÷ 1000</BR>", "<BR><B>jul/94:</B> ÷ 2750</BR>", "<p>&nbsp;</p>",
          "</body></html>"})
        re.push_back(piece);
    // A saved calculation holds its indices but not the table they came from: say so.
    if (const auto used = usedTables(); !used.empty())
        tables::addSourcesLine(re, ctx_.meudir, used);
    else
        re.insert(re.end() - 1,
                  source == Source::File
                      ? "<p class=\"fontes\">Índices: lidos do cálculo gravado; o arquivo não "
                        "registra de que tabela vieram nem se eram oficiais.</p>"
                      : "<p class=\"fontes\">Índices: nenhuma tabela de índices foi carregada.</p>");
    return re;
}

int TForm_FGTS::lastReportRow() const {
    const auto& g = sfgts;
    for (int r = 1; r + 1 < g.rowCount(); ++r)
        for (int c = 0; c < g.colCount(); ++c)
            if (g.cell(c, r) == ComboBox1) return r;
    return g.rowCount() - 1;
}

std::string TForm_FGTS::totalOwed() const {
    const int end = lastReportRow();
    return sfgts.cell(11, end) + " " + sfgts.cell(10, end);
}

void TForm_FGTS::Button4Click() {
    takeFocusOff();
    salvarx();
    ReportPieces re;
    for (const auto& p : reportPieces()) re.add(p);
    writeAndShowReport(ctx_, reportPath(), re);
    visible = false;
    ctx_.ui->closeWindow(className());
}

void TForm_FGTS::Button5Click() {
    visible = false;
    ctx_.ui->closeWindow(className());
}

// ---- calculation file ------------------------------------------------------------------

std::vector<std::string> TForm_FGTS::fileLines() const {
    std::vector<std::string> l{"Vers 1.3", ComboBox1, toolkit::toCommaText(Memo1),
                               Cipc89_90 ? "sim" : "nao", std::to_string(sfgts.rowCount())};
    for (int r = 0; r < sfgts.rowCount(); ++r) l.push_back(toolkit::rowToCommaText(sfgts, r));
    return l;
}

void TForm_FGTS::salvarx() {
    toolkit::writeLines(backupPath(), fileLines());
}

void TForm_FGTS::readFile(const std::filesystem::path& file) {
    readLines(toolkit::readLines(file), file.filename().string());
}

void TForm_FGTS::readLines(const std::vector<std::string>& lines, const std::string& name) {
    toolkit::LayoutReader in(lines);
    const std::string tag = in.atEnd() ? std::string() : in.next();
    if (tag != "Vers 1.3" && tag != "Vers 1.2")
        throw toolkit::Error("O arquivo " + quoteText(name) +
                             " não é um cálculo de juros progressivos do FGTS");
    ProgressiveInterestState s = *this;
    s.ComboBox1 = in.next();
    s.Memo1 = toolkit::fromCommaText(in.next());
    if (tag == "Vers 1.3") s.Cipc89_90 = in.next() == "sim";
    const int rows = in.nextCount(1);
    s.sfgts.clear();
    s.sfgts.setColCount(12);
    s.sfgts.setRowCount(rows);
    for (int r = 0; r < rows; ++r) toolkit::rowFromCommaText(s.sfgts, r, in.next());
    // The value grid follows the file's rows, so no value of the file is left out.
    s.svalores.clear();
    s.svalores.setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        s.svalores.setCell(0, r, s.sfgts.cell(0, r));
        s.svalores.setCell(1, r, s.sfgts.cell(1, r));
    }
    s.selCol = 1;
    s.selRow = s.currentRow = 1;
    s.source = Source::File;  // the grid is the file's, not a table of the data folder
    s.tabelaExemplo = false;
    static_cast<ProgressiveInterestState&>(*this) = std::move(s);
}

void TForm_FGTS::abrir(const std::optional<std::filesystem::path>& file) {
    takeFocusOff();
    const auto chosen = file ? file : ctx_.ui->chooseOpenFile(kFilter, "jfgts");
    if (chosen) readFile(*chosen);
}

void TForm_FGTS::Button2Click() {
    abrir(std::nullopt);
}

void TForm_FGTS::Button3Click() {
    takeFocusOff();
    salvarx();
    copyBackup(ctx_, backupPath(), kFilter, "jfgts");
}

}  // namespace corvana::fgts
