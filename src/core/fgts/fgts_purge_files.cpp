// "Expurgos FGTS": the reports (yield way and balance way), the calculation file and its commands.
#include "core/fgts/fgts_purges.hpp"

#include "core/tables/provenance.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/html_text.hpp"
#include "core/toolkit/layout_reader.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::fgts {

const char* const TFormFGTS::kFilterOpen = "Corvana (*.fg)|*.FG";
const char* const TFormFGTS::kFilterSave = "Corvana (*.fg)|*.fg";

namespace {

}  // namespace

// ---- report ----------------------------------------------------------------------------

void TFormFGTS::reportHead(ReportPieces& re) const {
    re.add("<html><head>\r\n<title>Cálculos dos Expurgos da Poupança</title>\r\n</head>");
    re.add("<body><span style=\"font-size:" + ctx_.Cfont + ".0pt;font-family:" + ctx_.Cnomefont +
           "\" align= Justify>");
    re.add("<p>");
    for (const auto& L : Edit1) re.add("<p>" + toolkit::htmlText(L) + "</p>");
    re.add("</p>");
}

std::string TFormFGTS::tableOpening() const {
    return "<body>\r\n<table border =0 align=\"center\" style=\"font-size:" + ctx_.Cfont +
           ".0pt;font-family:" + ctx_.Cnomefont + "\">\r\n";
}

void TFormFGTS::reportGrid(ReportPieces& re, const toolkit::StringGrid& g) const {
    re.add(tableOpening());
    for (int r = 0; r < g.rowCount(); ++r) re.addRow(g, r);
    re.add("<body>\r\n</table>\r\n");
}

void TFormFGTS::imp() {
    ReportPieces re;
    reportHead(re);
    reportGrid(re, planilha);
    re.add(tables::sourcesLine(ctx_.meudir, usedTables()));
    re.add("</span></body></html>");
    writeAndShowReport(ctx_, reportPath(), re);
}

void TFormFGTS::impmes() {
    ReportPieces re;
    reportHead(re);
    if (Cverao) {
        const Real f = JR6 ? 1.893071L : 1.879083L;
        re.add("<p><b>Saldo em conta em 01/12/1988: </b>" + toolkit::htmlText(JCsaldos) +
               (JR6 ? " x 0,1665 x 1,893071 ÷ 1000 = " : " x 0,1665 x 1,879083 ÷ 1000 = ") +
               money(strict(JCsaldos) * 0.1665L * f / 1000) + "</p>");
    }
    if (Ccollor) {
        const Real f = JR6 ? 1.004867L : 1.002466L;
        re.add("<p><b>Saldo em conta em 02/04/1990: </b>" + toolkit::htmlText(JCollor) +
               (JR6 ? " x 0,4480 x 1,004867 = " : " x 0,4480 x 1,002466 = ") +
               money(strict(JCollor) * 0.448L * f) + "</p>");
    }
    reportGrid(re, mes);
    reportGrid(re, Sfimes);
    re.add(tables::sourcesLine(ctx_.meudir, usedTables()));
    re.add("</span></body></html>");
    writeAndShowReport(ctx_, reportPath(), re);
}

void TFormFGTS::BfimClick() {
    takeFocusOff();
    if (!finalizarEnabled) return;
    guardedStep(static_cast<FgtsPurgeState&>(*this), [&] {
        // "Finalizar" is there from the page of the amounts on: the balance way runs on the
        // amounts and rate as they stand, not on a month grid of an earlier "Próximo".
        if (Rsaldo)
            loadMonthTable();
        else
            calcularPlanilha();
        salvarx();
        if (Rsaldo)
            impmes();
        else
            imp();
    });
    visible = false;
    ctx_.ui->closeWindow(className());
}

// ---- calculation file ------------------------------------------------------------------

std::vector<std::string> TFormFGTS::fileLines() const {
    std::vector<std::string> l;
    l.push_back(std::to_string(Edit1.size()));
    for (const auto& line : Edit1) l.push_back(line);
    l.push_back(Dataini);
    l.push_back(toolkit::flagText(Cjuros));
    l.push_back(toolkit::flagText(Chonorarios));
    l.push_back(toolkit::flagText(Ccustas));
    l.push_back(Datajuros);
    l.push_back(Txjur);
    l.push_back(hono);
    l.push_back(cust);
    l.push_back(toolkit::flagText(Cverao));
    l.push_back(JCsaldos);
    l.push_back(toolkit::flagText(Ccollor));
    l.push_back(JCollor);
    l.push_back(toolkit::flagText(JR3));
    l.push_back(toolkit::flagText(JR6));
    l.push_back(toolkit::flagText(Rsaldo));
    return l;
}

void TFormFGTS::salvarx() {
    toolkit::writeLines(backupPath(), fileLines());
}

void TFormFGTS::readFile(const std::filesystem::path& file) {
    readLines(toolkit::readLines(file));
}

void TFormFGTS::readLines(const std::vector<std::string>& lines) {
    toolkit::LayoutReader in(lines);
    FgtsPurgeState s = *this;
    s.Edit1.clear();
    const int n = in.nextCount(0);
    for (int i = 0; i < n; ++i) s.Edit1.push_back(in.next());
    auto moneyBox = [&] { return toolkit::formatafloat(kMoney, in.next()); };
    s.Dataini = in.next();
    s.Cjuros = in.nextFlag();
    s.Chonorarios = in.nextFlag();
    s.Ccustas = in.nextFlag();
    s.Datajuros = in.next();
    s.Txjur = moneyBox();
    s.hono = moneyBox();
    s.cust = moneyBox();
    s.Cverao = in.nextFlag();
    s.JCsaldos = moneyBox();
    s.Ccollor = in.nextFlag();
    s.JCollor = moneyBox();
    s.JR3 = in.nextFlag();
    s.JR6 = in.nextFlag();
    if (s.JR3 == s.JR6) s.JR3 = !s.JR6;  // two radio buttons: exactly one is chosen
    s.Rsaldo = in.nextFlag();
    s.Rrendimento = !s.Rsaldo;
    static_cast<FgtsPurgeState&>(*this) = std::move(s);
}

void TFormFGTS::abrir(const std::optional<std::filesystem::path>& file) {
    takeFocusOff();
    const auto chosen = file ? file : ctx_.ui->chooseOpenFile(kFilterOpen, "fg");
    if (chosen) readFile(*chosen);
    page = 0;
    finalizarEnabled = false;
}

void TFormFGTS::SabrirClick() {
    abrir(std::nullopt);
}

void TFormFGTS::SpeedButton8Click() {
    focused.clear();
    if (regularFile(backupPath())) readFile(backupPath());
    page = 0;
    finalizarEnabled = false;
}

void TFormFGTS::SpeedButton3Click() {
    takeFocusOff();
    if (!regularFile(backupPath())) return;
    copyBackup(ctx_, backupPath(), kFilterSave, "fg");
}

}  // namespace corvana::fgts
