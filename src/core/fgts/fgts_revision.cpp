// The FGTS revision window: tables, pages, the TR and index balances, interest and finishing.
#include "core/fgts/fgts_revision.hpp"

#include <cmath>

#include "core/app/app.hpp"
#include "core/tables/provenance.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/text_file.hpp"
#include "core/urv/report_styles.hpp"
#include "core/urv/urv_text.hpp"

namespace corvana::fgts {

using toolkit::Date;
using toolkit::Real;
using toolkit::StringGrid;
using urv::has;
using urv::money;
using urv::N;

namespace {

constexpr const char* kRate4 = "#,##0.0000";

bool isFile(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

// The row's month "mm/yyyy" (column 1) as its first day; empty when it is not a month.
std::optional<Date> rowMonth(const StringGrid& g, int r) {
    const std::string& m = g.cell(1, r);
    if (m.size() != 7 || m[2] != '/') return std::nullopt;
    try {
        return toolkit::MonthToDate(m);
    } catch (const toolkit::Error&) {
        return std::nullopt;
    }
}

const Date kCruzeiroReal{1993, 6, 1};  // from this month on, amounts in CR$ (÷ 1000 before)
const Date kReal{1994, 5, 1};          // from this month on, amounts in R$ (÷ 2750 before)

// A date the user chose in a list; a text that is no date ends the command.
Date chosenDate(const std::string& text) {
    const auto d = listDate(text);
    if (!d) throw toolkit::ConversionError::notDate(urv::quoted(text));
    return *d;
}

const char* const kHelpTexts[] = {
    "Use o campo \"Cabeçalho\" para digitar as qualificações\r\ndo cliente ou outra informação "
    "que achar necessário.",
    "A \"Data da Citação\" é o marco inicial para a contagem dos juros\rO valor dos juros "
    "atualmente (Novo Cod. Civil) é de 1% (digita-se; 1,00)\rAté a citação os juros, na opção "
    "mês a mês, serão decrescentes.\rOs valores anteriores a citação continuarão sendo "
    "atualizados pelo mesmo \rpercentual de juro obtido à época da citação",
    "Use este botão para lançar os valores diariamente, sem precisar \rsomar manualmente quando "
    "existirem dois depósitos/saques no mesmo dia, \rcomo também para exibir o formulário diário "
    "dos depósitos/saques",
    "SOBRE OS EXTRATOS DO FGTS\rSão três os momentos de lançamento do crédito na conta do FGTS:"
    "\r1º - COMPETÊNCIA (ou mês de competência): é o mês trabalhado, por exemplo: \ro empregado "
    "trabalhou o mês de setembro e a empresa recolheu em outubro para \ro FGTS, a competência "
    "será setembro.\r2º - DATA DO DEPÓSITO: é a data em que se recolhe o valor devido ao "
    "\rtrabalhador para sua conta do FGTS, comumente será até o dia 7 do mês \rsubsequente ao "
    "trabalho. Por exemplo: o empregado trabalhou o mês de setembro, \ra empresa depositará em 7 "
    "de outubro na conta do FGTS.\r3º - DATA DO CRÉDITO: é a data do depósito dos juros e "
    "correção monetária \rpelo banco, é realizada no mês subsequente ao depósito, por exemplo: o "
    "\rempregado trabalhou o mês de setembro, a empresa depositará em 7 de outubro \rna conta do "
    "FGTS e o credito JAM será depositado em novembro, por volta do dia 10.\rSão depositados:\r- "
    "valores recolhidos pela empresa;\r- juros de 3% a 6%;\r- correção monetária (atualmente "
    "TR);\r- indenizações.\rDeve ser lançado no programa:\r- para janeiro de 1999: O valor em "
    "conta + o depósito do mês;\r- os depósitos subsequentes;\r- os saques.\rNão deve ser "
    "lançado:\r- juros e correção monetária (créditos JAM).",
};

}  // namespace

std::optional<Date> listDate(const std::string& text) {
    try {
        if (text.size() == 10 && text[2] == '/' && text[5] == '/') return toolkit::StrToDate(text);
        if (text.size() == 7 && text[2] == '/') return toolkit::MonthToDate(text);
    } catch (const toolkit::Error&) {
    }
    return std::nullopt;
}

std::string monthlyRate(const std::string& yearly) {
    const Real y = N(yearly);
    return toolkit::formatfloatx(kRate4, (std::pow(1 + y / 100, 1.0L / 12) - 1) * 100) + "%";
}

TFFGTSdif::TFFGTSdif(app::SharedContext& ctx)
    : WindowModel(kClassName, "Diferenças do FGTS"), ctx_(ctx) {}

TFFGTSdif::TFFGTSdif(app::SharedContext& ctx, urv::TFmanual& manual, urv::TFcab& cab)
    : TFFGTSdif(ctx) {
    manual_ = &manual;
    cab_ = &cab;
}

void TFFGTSdif::wire(app::App& app) {
    manual_ = app.modelAs<urv::TFmanual>(urv::TFmanual::kClassName);
    cab_ = app.modelAs<urv::TFcab>(urv::TFcab::kClassName);
}

bool TFFGTSdif::startChoiceShown() const {
    return isFile(ctx_.file("abre.tab"));
}

void TFFGTSdif::guarded(const std::function<void()>& step) {
    const RevisionState before = *this;
    std::optional<StringGrid> sdia, sprint;
    bool demo = false;
    if (manual_ != nullptr) {
        sdia = manual_->sdia;
        sprint = manual_->Sprint;
        demo = manual_->Cexibirdemo;
    }
    try {
        step();
    } catch (const toolkit::Error&) {
        static_cast<RevisionState&>(*this) = before;
        if (manual_ != nullptr) {
            manual_->sdia = *sdia;
            manual_->Sprint = *sprint;
            manual_->Cexibirdemo = demo;
        }
        throw;
    }
}

void TFFGTSdif::show() {
    visible = true;
    ctx_.ui->showWindow(kClassName);
}

void TFFGTSdif::close() {
    visible = false;
    ctx_.ui->closeWindow(kClassName);
}

void TFFGTSdif::prepareOpen() {
    anteriorEnabled = false;
    finalizarEnabled = false;
    proximoEnabled = true;
}

void TFFGTSdif::loadOwnTables() {
    if (!has(ComboBox1)) loadInpc();
}

bool TFFGTSdif::loadTables(const std::string& revision, const std::string& input,
                           RevisionTables which) {
    const auto rev = ctx_.file(revision);
    if (!isFile(rev)) return false;
    // A new calculation: nothing of the grids before stays (a missing table leaves them).
    StringGrid s = sfgts, v = svalores;
    s.clear();
    v.clear();
    s.setRowCount(2);
    v.setRowCount(2);
    toolkit::LoadFromFile(rev, s);
    const auto in = ctx_.file(input);
    std::vector<std::string> used = {revision};
    if (isFile(in)) {
        toolkit::LoadFromFile(in, v);
        if (input != revision) used.push_back(input);
    }
    v.setColCount(4);
    s.setColCount(13);
    sfgts = std::move(s);
    svalores = std::move(v);
    tables = which;
    tabelaExemplo = false;
    for (const auto& table : used)
        if (tables::isSampleTable(ctx_.meudir, table)) tabelaExemplo = true;
    indexTables = std::move(used);
    sfgtsRow = svaloresRow = 1;
    fillDateLists();
    return true;
}

void TFFGTSdif::loadInpc() {
    if (RJan)
        loadTables("fgtsdifz.tab", "fgtsdifx.tab", RevisionTables::InpcJan1999);
    else
        loadTables("fgtsdifj.tab", "fgtsdifxj.tab", RevisionTables::InpcFeb1991);
}

void TFFGTSdif::fillDateLists() {
    svalores.setColCount(4);
    ComboBox1Items.clear();
    ComboBox2Items.clear();
    for (int r = 1; r < sfgts.rowCount(); ++r) ComboBox1Items.push_back(sfgts.cell(0, r));
    for (int r = 1; r < svalores.rowCount(); ++r) ComboBox2Items.push_back(svalores.cell(0, r));
    ComboBox1 = svalores.cell(0, svalores.rowCount() - 1);
    ComboBox2 = svalores.cell(1, 1);
}

void TFFGTSdif::Button1Click() {
    Label7 = "Cálculo baseado em INPC";
    Memo1.clear();
    loadInpc();
}

void TFFGTSdif::Button7Click() {
    Label7 = "Cálculo baseado em IPCA-E";
    Memo1.clear();
    loadTables("ipcaez.tab", "ipcaez.tab", RevisionTables::IpcaE);
}

void TFFGTSdif::Button10Click() {
    salvarx();
}

bool TFFGTSdif::typedValues() const {
    for (int r = 1; r < svalores.rowCount(); ++r)
        if (has(svalores.cell(2, r)) || has(svalores.cell(3, r))) return true;
    return false;
}

void TFFGTSdif::SpeedButton2Click() {
    if (!startChoiceShown()) {
        RJan = true;
        Rfev = false;
    }
    // The INPC tables of the chosen start replace only an INPC grid of the other start that
    // holds no typed value; a grid from "Novo IPCA-E", from a file or typed over stays.
    const RevisionTables wanted = RJan ? RevisionTables::InpcJan1999 : RevisionTables::InpcFeb1991;
    const bool inpc =
        tables == RevisionTables::InpcJan1999 || tables == RevisionTables::InpcFeb1991;
    if (tables == RevisionTables::None || (inpc && tables != wanted && !typedValues())) loadInpc();
    page = 1;
    anteriorEnabled = true;
    finalizarEnabled = true;
    proximoEnabled = false;
}

void TFFGTSdif::SpeedButton1Click() {
    page = 0;
    anteriorEnabled = false;
    proximoEnabled = true;
}

void TFFGTSdif::SpeedButton4Click() {
    close();
}

void TFFGTSdif::CtaxaChange(const std::string& text) {
    Ctaxa = text;
    const std::string m = monthlyRate(text);
    for (int r = 1; r < sfgts.rowCount(); ++r) {
        sfgts.setCell(5, r, m);
        sfgts.setCell(9, r, m);
    }
}

void TFFGTSdif::svaloresSetEditText(int col, int row, const std::string& text) {
    if (row < 1 || col < 0) return;
    if (col >= 2 && col <= 3) {
        if (row >= svalores.rowCount()) return;
        svalores.setCell(col, row, text);
        if (tables != RevisionTables::None) tables = RevisionTables::File;
    }
    svaloresRow = row;
    recalc();
    if (row >= sfgts.rowCount())
        ctx_.ui->showMessage("não existe ainda índice para este mês");
    else
        sfgtsRow = row;
}

void TFFGTSdif::RepetirClick() {
    const int r = svaloresRow;
    if (!(r > 1 && r < svalores.rowCount())) return;
    if (has(svalores.cell(2, r - 1))) svalores.setCell(2, r, svalores.cell(2, r - 1));
    if (has(svalores.cell(2, r))) recalc();
    if (r + 1 < svalores.rowCount()) {
        svaloresRow = r + 1;
        if (svaloresRow < sfgts.rowCount()) sfgtsRow = svaloresRow;
    }
}

void TFFGTSdif::C2002Click(bool checked) {
    C2002 = checked;
    if (checked) Jurmen = true;
}

void TFFGTSdif::JurmenClick(bool checked) {
    Jurmen = checked;
    if (!checked) C2002 = false;
}

void TFFGTSdif::dtacitacaoEnter() {
    dtacitacao = urv::dateBoxEntered(dtacitacao);
}
void TFFGTSdif::dtacitacaoExit() {
    dtacitacao = urv::dateBoxLeft(dtacitacao);
}

void TFFGTSdif::EqChange(const std::string& text) {
    Eq = toolkit::formatafloat(urv::kMoney, text);
}

void TFFGTSdif::HelpClick(int which) {
    if (which >= 0 && which < 4) ctx_.ui->showMessage(kHelpTexts[which]);
}

void TFFGTSdif::recalc() {
    StringGrid& g = sfgts;
    // Writes a result with its mask and gives back what its text reads (zero needs no reading).
    const auto put = [&g](int c, int r, Real v) {
        std::string t = money(v);
        const Real back = v == 0 ? 0 : N(t);
        g.setCell(c, r, t);
        return back;
    };
    Real prev7 = 0, prev11 = 0;  // the balances of the row above, as their cells read
    for (int r = 1; r < g.rowCount(); ++r) {
        const Real dep = put(2, r, N(svalores.cell(2, r)));
        const Real wd = put(3, r, N(svalores.cell(3, r)));
        const std::string& month = g.cell(1, r);
        const Real divisor = month == "06/1993" ? 1000 : month == "05/1994" ? 2750 : 1;
        const Real d = dep - wd;
        const Real c4 = put(4, r, (r == 1 ? d : d + prev7) / divisor);
        const Real c7 = put(7, r, (N(g.cell(6, r)) / 100 + 1) * (N(g.cell(5, r)) / 100 + 1) * c4);
        const Real c8 = put(8, r, (r == 1 ? d : d + prev11) / divisor);
        const Real c11 =
            put(11, r, (N(g.cell(10, r)) / 100 + 1) * (N(g.cell(9, r)) / 100 + 1) * c8);
        const Real c12 = put(12, r, c11 - c7);
        // The difference in Reais: positive differences of the older currencies converted.
        if (c12 > 0) {
            if (const auto m = rowMonth(g, r)) {
                if (*m < kCruzeiroReal)
                    put(12, r, c12 / 1000 / 2750);
                else if (*m < kReal)
                    put(12, r, c12 / 2750);
            }
        }
        prev7 = c7;
        prev11 = c11;
    }
}

void TFFGTSdif::aplicarjuros() {
    StringGrid& g = sfgts;
    g.setColCount(16);
    // Nothing of an earlier run stays in the interest columns.
    for (int r = 1; r < g.rowCount(); ++r)
        for (int c = 13; c < 16; ++c) g.setCell(c, r, "");
    g.setCell(13, 0, "(m) Diferença mensal");
    g.setCell(14, 0, "(n) Juros moratórios");
    g.setCell(15, 0, "(o) Valor dos J. Moratórios");
    const int last = g.rowCount() - 1;
    if (last >= 1) g.setCell(14, last, Eq);
    const Date finalDay = chosenDate(ComboBox1);
    const Date initialDay = chosenDate(ComboBox2);
    const Date citation = urv::readDate(dtacitacao);
    const Date turn{2002, 2, 10};
    const Real eq = N(Eq);
    Real running = 0, sumDiff = 0, sumInterest = 0;
    for (int r = last; r >= 1; --r) {
        if (!(N(g.cell(0, r)) > 0)) continue;
        const auto day = listDate(g.cell(0, r));
        if (!day || *day > finalDay || *day < initialDay) continue;
        Real diff = N(g.cell(11, r)) - N(g.cell(7, r));
        if (const auto m = rowMonth(g, r)) {
            if (*m < kCruzeiroReal)
                diff = diff / 1000 / 2750;
            else if (*m < kReal)
                diff = diff / 2750;
        }
        if (r > 1) diff -= N(g.cell(12, r - 1));
        g.setCell(13, r, money(diff));
        g.setCell(14, r, money(running) + "%");
        sumDiff += N(g.cell(13, r));
        g.setCell(15, r, money(N(g.cell(13, r)) * running / 100));
        sumInterest += N(g.cell(15, r));
        if (!(*day < citation)) running += C2002 ? (*day > turn ? 1.0L : 0.5L) : eq;
    }
    for (int r = 1; r < g.rowCount(); ++r) {
        if (g.cell(0, r) != ComboBox1) continue;
        Edit3 = g.cell(7, r);
        Edit4 = g.cell(11, r);
    }
    Edit1 = money(sumDiff);
    Edit2 = money(sumInterest);
}

void TFFGTSdif::finalizar() {
    if (!startChoiceShown()) {
        RJan = true;
        Rfev = false;
    }
    proximoEnabled = false;
    if (Caplijur) {
        if (!has(dtacitacao)) return ctx_.ui->showMessage("Digite a data da Citação");
        if (!has(Eq)) return ctx_.ui->showMessage("Digite o valor dos juros");
    }
    if (!has(ComboBox1)) return ctx_.ui->showMessage("Preencha o campo \"Data Final do Cálculo\"");
    if (!has(ComboBox2))
        return ctx_.ui->showMessage("Preencha o campo \"Data Inicial do Cálculo\"");
    if (chosenDate(ComboBox2) > chosenDate(ComboBox1))
        return ctx_.ui->showMessage(
            "A \"Data Inicial do Cálculo\" não pode ser maior que a \"Data Final do Cálculo\"");
    for (int r = 1; r < sfgts.rowCount(); ++r)
        for (int c = 1; c < sfgts.colCount(); ++c)
            if (!has(sfgts.cell(c, r))) sfgts.setCell(c, r, "0");
    recalc();
    if (manual_ != nullptr) buildSummary(*manual_);
    sfgts.setColCount(13);
    if (Caplijur && Jurmen) aplicarjuros();
    if (cab_ != nullptr) cab_->cab(ctx_.Cfont);
    writeBackupAndReport();
    close();
    if (isFile(reportPath())) ctx_.ui->showReport(reportPath());
}

void TFFGTSdif::SpeedButton3Click() {
    guarded([this] { finalizar(); });
}

void TFFGTSdif::DiarioClick() {
    if (manual_ == nullptr) return;
    urv::DailyLayout layout;
    layout.sdiaHeaders = {"Data do Crédito", "Depósito", "Saques", "Obs."};
    layout.sprintHeaders = {"Data do Crédito", "Data do Depósito", "Competência",
                            "Depósito",        "Saques",           "Obs."};
    // The days run from the initial to the final date; a month "mm/yyyy" counts from its first day.
    const auto from = listDate(ComboBox2), to = listDate(ComboBox1);
    if (from) layout.from = toolkit::DateToStr(*from);
    if (to) layout.to = toolkit::DateToStr(*to);
    manual_->abrir(*this, layout, from && to);
    close();
}

void TFFGTSdif::entriesSent() {
    recalc();
    page = 1;
    show();
}

void TFFGTSdif::writeBackup() {
    salvarx();
}

void TFFGTSdif::showOwner() {
    show();
}

}  // namespace corvana::fgts
