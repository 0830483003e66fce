// The URV calculator's window: wizard, conversion, month grids, correction and finishing step.
#include "core/urv/urv_wizard.hpp"

#include <algorithm>

#include "core/app/app.hpp"
#include "core/app/commands.hpp"
#include "core/tables/provenance.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/text_file.hpp"
#include "core/urv/month_interest.hpp"

namespace corvana::urv {

using toolkit::Error;

namespace {

bool fileExists(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

std::string minus60(const std::string& date) {
    return toolkit::DateToStr(toolkit::IncMonth(readDate(date), -60));
}

}  // namespace

const std::vector<std::string>& juneDates() {
    static const std::vector<std::string> dates = [] {
        std::vector<std::string> d;
        for (int i = 1; i <= 30; ++i)
            d.push_back((i < 10 ? "0" : "") + std::to_string(i) + "/06/1994");
        return d;
    }();
    return dates;
}

const std::vector<std::string>& juneValues() {
    static const std::vector<std::string> values = {
        "1.908,68", "1.942,11", "1.942,11", "1.976,13", "1.976,13", "1.976,13",
        "2.010,74", "2.046,38", "2.082,65", "2.119,80", "2.157,78", "2.157,78",
        "2.157,78", "2.196,55", "2.236,02", "2.276,91", "2.318,55", "2.361,49",
        "2.361,49", "2.361,49", "2.406,05", "2.452,17", "2.499,18", "2.547,09",
        "2.596,58", "2.596,58", "2.596,58", "2.647,03", "2.698,46", "2.750,00"};
    return values;
}

const std::vector<std::string>& correctionTables() {
    static const std::vector<std::string> items = {
        "Justiça Federal - Ações Condenatórias em Geral",
        "Tribunal de Justiça Minas Gerais(expurgada)",
        "Tribunal de Justiça Minas Gerais(não expurgada)",
        "Tribunal de Justiça Paraná",
        "Tribunal de Justiça São Paulo (mensal)",
        "Tribunal de Justiça de Rondônia(expurgada)",
        "Tribunal de Justiça de Rondônia(não expurgada)",
        "Tribunal de Justiça do Rio Grande do Sul",
        "Tribunal de Justiça Mato Grosso(expurgada)",
        "Tribunal de Justiça Mato Grosso(não expurgada)",
        "Tribunal de Justiça do Espirito Santo",
        "Tribunal de Justiça Pernambuco(expurgada)",
        "Tribunal de Justiça Pernambuco(não expurgada)",
        "IGP-DI FGV",
        "IGP-M FGV",
        "INPC IBGE",
        "IPCA-E"};
    return items;
}

TFurv::TFurv(app::SharedContext& ctx) : WindowModel(kClassName, kCaption), ctx_(ctx) {
    manual_ = nullptr;
    cab_ = &ownCab_;
}

void TFurv::wire(app::App& app) {
    setWindows(app.modelAs<TFmanual>(TFmanual::kClassName),
               app.modelAs<TFtexto>(TFtexto::kClassName), app.modelAs<TFcab>(TFcab::kClassName));
}

void TFurv::setWindows(TFmanual* manual, TFtexto* texto, TFcab* cab) {
    manual_ = manual;
    texto_ = texto;
    cab_ = cab != nullptr ? cab : &ownCab_;
    if (manual_ != nullptr && manual_->owner() == nullptr) manual_->setOwner(this);
}

void TFurv::guarded(const std::function<void()>& command) {
    const UrvState before = *this;
    try {
        command();
    } catch (const Error&) {
        static_cast<UrvState&>(*this) = before;
        throw;
    }
}

// ---- window -------------------------------------------------------------------------------

void TFurv::prepareOpen() {
    surv.setColCount(8);
    anteriorEnabled = false;
    finalizarEnabled = false;
    proximoEnabled = true;
    FormShow();
}

void TFurv::FormShow() {
    visible = true;
    page = 0;
    anteriorEnabled = false;
    proximoEnabled = true;
    finalizarEnabled = false;
    checkSampleTables();
}

void TFurv::checkSampleTables() {
    tabelaExemplo = false;
    for (const auto& table : usedTables())
        if (fileExists(ctx_.file(table)) && tables::isSampleTable(ctx_.meudir, table))
            tabelaExemplo = true;
}

void TFurv::show() {
    FormShow();
    ctx_.ui->showWindow(kClassName);
}

void TFurv::close() {
    visible = false;
    ctx_.ui->closeWindow(kClassName);
}

void TFurv::SpeedButton4Click() {
    close();
}

// ---- wizard -------------------------------------------------------------------------------

void TFurv::SpeedButton1Click() {
    if (page > 0) --page;
    if (page == 0) {
        anteriorEnabled = false;
        proximoEnabled = true;
    } else if (page == 3) {
        anteriorEnabled = true;
        proximoEnabled = true;
        finalizarEnabled = false;
    }
}

void TFurv::SpeedButton2Click() {
    guarded([this] {
        if (page == 0) leavePage0();
        if (page == 1) leavePage1();
        if (page == 2) leavePage2();
        if (page < 4) ++page;
        pageReached(page);
    });
}

void TFurv::leavePage0() {
    listsEnabled = CEscolher;
    anteriorEnabled = true;
    if (!R22 && !R19)
        throw Error(
            "escolha o cálculo que deseja realizar segundo o art. 19 ou art. 22 da Lei 8.880/94 ");
    if (R22) {
        GroupBox3 = "Cálculo segundo disposto no art. 22 da Lei 8.880/94 ";
        Label19 = C22dtpag ? "URV do dia do pagamento" : "URV do último dia do mês";
    } else {
        GroupBox3 = "Cálculo segundo disposto no art. 19 da Lei 8.880/94 ";
        Label19 = "URV do dia do pagamento";
    }
    const std::pair<const std::string*, const char*> dates[] = {{&Enov93, "novembro de 1993"},
                                                                {&Edez93, "dezembro de 1993"},
                                                                {&Ejan94, "janeiro de 1994"},
                                                                {&Efev94, "fevereiro de 1994"}};
    for (const auto& [date, month] : dates)
        if (!has(*date))
            throw Error(std::string("Preencha primeiro as datas de pagamentos dos salários em ") +
                        month);
}

void TFurv::leavePage1() {
    if (has(Curv) && has(Curvx)) {
        if (N(Curvx) == 0) throw Error("A URV correta não pode ser zero");
        Eerroneo = rate((N(Curv) / N(Curvx) - 1) * 100);
        if (N(Eerroneo) < 0) Eerroneo = "0";
    }
    readSaveIni();
}

void TFurv::leavePage2() {
    writeGridHeaders();
    if (CEscolher)
        Eporcfinal = rate(((N(Eerroneo) / 100 + 1) * (N(Eporc) / 100 + 1) - 1) * 100);
    else
        Eporcfinal = Eporc;
}

void TFurv::writeGridHeaders() {
    svalores.setCell(0, 0, "Data");
    svalores.setCell(1, 0, "Remuneração");
    const char* heads[] = {"Data",        "Remuneração",          "Porcentagem", "Diferença",
                           "Atualização", "Diferença atualizada", "Juros",       "Valor dos juros"};
    for (int c = 0; c < 8; ++c) surv.setCell(c, 0, heads[c]);
}

void TFurv::pageReached(int p) {
    switch (p) {
        case 2:
            anteriorEnabled = true;
            proximoEnabled = true;
            defaultDates();
            calcurv();
            break;
        case 3:
            completeMonths();
            break;
        case 4:
            anteriorEnabled = true;
            finalizarEnabled = true;
            proximoEnabled = false;
            calcurv2();
            break;
        default:
            break;
    }
}

void TFurv::defaultDates() {
    const std::string& last = ctx_.indice.cell(0, ctx_.indice.rowCount() - 1);
    if (has(Datafinal) || !has(last)) return;
    Datafinal = "01/" + last;
    if (!has(dtacitacao)) dtacitacao = Datafinal;
    if (Cprescricao) Eprescricao = minus60(dtacitacao);
}

void TFurv::completeMonths() {
    const int last = svalores.rowCount() - 1;
    if (last < 2 || svalores.cell(0, last).size() >= 7) return;
    const std::string& above = svalores.cell(0, last - 1);
    if (!has(above) || above.size() != 7) return;
    const std::string next = toolkit::DateToMonth(toolkit::IncMonth(firstDay(above), 1));
    svalores.setCell(0, last, next);
    surv.setCell(0, last, next);
}

// ---- conversion ---------------------------------------------------------------------------

std::string TFurv::devolveindice(const std::string& date) const {
    const auto& t = ctx_.Taburv;
    for (int r = t.rowCount() - 1; r >= 1; --r)
        if (t.cell(0, r) == date) return t.cell(1, r);
    return "0";
}

void TFurv::calcurv() {
    conversion(true);
}
void TFurv::calcurv2() {
    conversion(false);
}

void TFurv::conversion(bool lookup) {
    averageNote.clear();
    std::string* salaries[] = {&Enovx, &Edezx, &Ejanx, &Efevx};
    std::string* urvs[] = {&Enovurv, &Edezurv, &Ejanurv, &Efevurv};
    std::string* inUrv[] = {&Enovc, &Edezc, &Ejanc, &Efevc};
    const std::string* payDays[] = {&Enov93, &Edez93, &Ejan94, &Efev94};
    const char* lastDays[] = {"30/11/1993", "31/12/1993", "31/01/1994", "28/02/1994"};
    std::string days[4];
    for (int i = 0; i < 4; ++i) days[i] = R22 && !C22dtpag ? lastDays[i] : *payDays[i];
    if (lookup) {
        const std::string* typed[] = {&Enov, &Edez, &Ejan, &Efev};
        for (int i = 0; i < 4; ++i) *salaries[i] = *typed[i];
        Espago = Esalpago;
        for (int i = 0; i < 4; ++i) *urvs[i] = devolveindice(days[i]);
    }
    for (int i = 0; i < 4; ++i) {
        const Real urv = N(*urvs[i]);
        if (urv == 0)
            throw Error("A tabela da URV não tem o valor do dia " + urv::quoted(days[i]) +
                        ": confira a data de pagamento ou atualize as tabelas");
        *inUrv[i] = money(N(*salaries[i]) / urv);
    }
    int count = 0;
    Real sum = 0;
    for (auto* v : inUrv) {
        sum += N(*v);
        if (N(*v) > 0) ++count;
    }
    if (count == 0) count = 1;
    Ema = money(sum / count);
    if (N(Efevc) > N(Ema)) {
        averageNote = "a) Média aritmética: (" + Ema + ")";
        Ema = Efevc;
    }
    if (N(Espago) > 0) Eporc = rate((N(Ema) - N(Espago)) / N(Espago) * 100);
    if (!lookup) return;
    if (svalores.cell(0, 0) != "Data" && fileExists(ctx_.file("urv.tab"))) {
        toolkit::StringGrid a = svalores, b = surv;
        toolkit::LoadFromFile(ctx_.file("urv.tab"), a);
        toolkit::LoadFromFile(ctx_.file("urv.tab"), b);
        a.setColCount(2);
        b.setColCount(8);
        svalores = std::move(a);
        surv = std::move(b);
    }
}

void TFurv::fillSdemo() {
    Sdemo.setColCount(5);
    Sdemo.setRowCount(8);
    std::string heading;
    if (R22)
        heading = C22dtpag ? "URV do dia do pagamento" : "URV do último dia do mês";
    else
        heading = "URV do dia do pagamento";
    Sdemo.setRow(
        0, {"Mês", "Dia de referência", "Salários em CR$", heading, "Valor do salário em URV "});
    Sdemo.setRow(1, {"novembro/93", Enov93, Enovx, Enovurv, Enovc});
    Sdemo.setRow(2, {"dezembro/93", Edez93, Edezx, Edezurv, Edezc});
    Sdemo.setRow(3, {"janeiro/94", Ejan94, Ejanx, Ejanurv, Ejanc});
    Sdemo.setRow(4, {"fevereiro/94", Efev94, Efevx, Efevurv, Efevc});
    std::string average = "a) média aritmética: ";
    if (!averageNote.empty())
        average = averageNote + (R19 ? " - com aplicação do §8º do art. 19º:"
                                     : " - com aplicação do §2º do art. 22º:");
    Sdemo.setRow(5, {"", "", "", average, Ema});
    Sdemo.setRow(6, {"", "", "", "b) salário pago em março de 1994: ", Espago});
    Sdemo.setRow(7,
                 {"", "", "", "Acréscimo a ser aplicado ao salário ((a/b)-1)*100: ", Eporc + "%"});
}

// ---- month grids --------------------------------------------------------------------------

void TFurv::recalc(int r) {
    recalc(r, indexRows());
}

void TFurv::recalc(int r, const std::vector<IndexRow>& index) {
    if (surv.rowCount() < svalores.rowCount()) surv.setRowCount(svalores.rowCount());
    surv.setCell(1, r, money(N(svalores.cell(1, r))));
    surv.setCell(2, r, rate(N(Eporcfinal)) + "%");
    surv.setCell(3, r, money(N(surv.cell(1, r)) * N(surv.cell(2, r)) / 100));
    surv.setCell(4, r,
                 toolkit::formatfloatx(kFactor, devolveacumulado("01/" + surv.cell(0, r), index)));
    surv.setCell(5, r, money(N(surv.cell(3, r)) * N(surv.cell(4, r))));
}

void TFurv::recalc2() {
    if (surv.rowCount() < svalores.rowCount()) surv.setRowCount(svalores.rowCount());
    const toolkit::Date prescription = readDate(Eprescricao);
    const std::vector<IndexRow> index = indexRows();
    for (int r = 1; r < svalores.rowCount(); ++r) {
        if (!(N(svalores.cell(1, r)) > 0)) {
            // A month whose salary was removed (or replaced by the daily entries) must not keep
            // the difference computed while it was typed.
            for (int c = 1; c < 8; ++c) surv.setCell(c, r, "");
            continue;
        }
        recalc(r, index);
        if (prescription > firstDay(surv.cell(0, r))) {
            surv.setCell(2, r, "0,0000");
            surv.setCell(3, r, money(N(surv.cell(1, r)) * N(surv.cell(2, r)) / 100));
            surv.setCell(5, r, money(N(surv.cell(3, r)) * N(surv.cell(4, r))));
        }
    }
}

std::vector<TFurv::IndexRow> TFurv::indexRows() const {
    // Each row's month with the percentage it adds: its own when it is before the final month.
    const toolkit::Date fDay = firstDay(monthOf(Datafinal));
    const auto& t = ctx_.indice;
    std::vector<IndexRow> rows;
    for (int r = 1; r < t.rowCount(); ++r) {
        const std::string& month = t.cell(0, r);
        const bool counts = has(month) && firstDay(month) < fDay;
        rows.push_back({month, counts ? N(t.cell(1, r)) : 0});
    }
    return rows;
}

Real TFurv::devolveacumulado(const std::string& firstDayText) const {
    return devolveacumulado(firstDayText, indexRows());
}

Real TFurv::devolveacumulado(const std::string& firstDayText,
                             const std::vector<IndexRow>& rows) const {
    const std::string m = monthOf(firstDayText);
    if (m == monthOf(Datafinal)) return 1;
    Real sum = 1;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (it->month == m) break;
        sum += it->percent;
    }
    return sum == 0 ? 0 : 1 + sum / 100;
}

void TFurv::prescx() {
    if (!Cprescricao) {
        EprescricaoEnabled = true;
        return;
    }
    EprescricaoEnabled = false;
    if (!has(dtacitacao)) {
        const std::string& last = ctx_.indice.cell(0, ctx_.indice.rowCount() - 1);
        if (!has(Datafinal) && has(last)) Datafinal = "01/" + last;
        dtacitacao = Datafinal;
    }
    Eprescricao = minus60(dtacitacao);
}

void TFurv::aplicarjuros() {
    MonthInterest in;
    in.citation = dtacitacao;
    in.finalDate = Datafinal;
    in.monthlyRate = Eq;
    in.halfBefore2002 = C2002;
    const InterestTotals t = urv::aplicarjuros(surv, in);
    Edit1 = t.amounts;
    Edit2 = t.interest;
}

// ---- finishing ----------------------------------------------------------------------------

bool TFurv::finishingChecks() {
    if (!has(Datafinal))
        throw Error("Preencha primeiro a data para qual deseja atualizar o cálculo");
    if (!has(dtacitacao)) throw Error("Preencha a data da citação");
    if (!has(Eprescricao)) throw Error("Preencha a data da prescrição");
    if (readDate(dtacitacao) > readDate(Datafinal))
        throw Error("A data da citação não pode ser maior que a data de atualização");
    const std::string& last = svalores.cell(0, svalores.rowCount() - 1);
    const bool clamped =
        svalores.rowCount() > 1 && has(last) && firstDay(last) < firstDay(monthOf(Datafinal));
    // The correction adds the percentage of every month before the final one: a correction table
    // that ends earlier would leave months out of the factor without anyone noticing.
    const toolkit::Date finalMonth = firstDay(clamped ? last : monthOf(Datafinal));
    for (int r = ctx_.indice.rowCount() - 1; r >= 1; --r) {
        const std::string& month = ctx_.indice.cell(0, r);
        if (!has(month)) continue;
        const toolkit::Date reach = toolkit::IncMonth(firstDay(month), 1);
        if (reach < finalMonth)
            throw Error("A tabela de correção " + CB1 + " vai até " + month +
                        ": o cálculo só pode ser atualizado até 01/" + toolkit::DateToMonth(reach) +
                        ". Importe os índices que faltam ou escolha uma data anterior");
        break;
    }
    if (clamped) {
        Datafinal = dayOnMonth(Datafinal, last);
        ctx_.ui->showMessage("A atualização do cálculo só poderá ser para a data: " + Datafinal +
                             " esta é a data de atualização da tabela do programa");
        if (firstDay(monthOf(dtacitacao)) > firstDay(last))
            dtacitacao = dayOnMonth(dtacitacao, last);
        if (readDate(dtacitacao) > readDate(Datafinal)) dtacitacao = Datafinal;
    }
    return true;
}

void TFurv::SpeedButton3Click() {
    guarded([this] {
        finishingChecks();
        if (manual_ != nullptr && manual_->Cexibirdemo) manual_->printenche();
        prescx();
        recalc2();
        fillSdemo();
        aplicarjuros();
        for (int r = 1; r < surv.rowCount(); ++r)
            for (int c = 1; c < surv.colCount(); ++c) {
                const std::string& t = surv.cell(c, r);
                if (t.find_first_not_of(" \t") == std::string::npos) surv.setCell(c, r, "0,00");
            }
        salvarx();
        if (Csalvar && ctx_.ui->askYesNo("Deseja salvar o cálculo?")) Salvar();
        imprimir();
    });
    ctx_.ui->enableCommand(app::kVisualizarImpressao, true);
    anteriorEnabled = false;
    finalizarEnabled = false;
    proximoEnabled = true;
    close();
}

void TFurv::imprimir() {
    const std::vector<std::string> lines = reportLines();
    toolkit::writeLines(reportPath(), lines);
    close();
    if (fileExists(reportPath())) ctx_.ui->showReport(reportPath());
}

// ---- controls -----------------------------------------------------------------------------

void TFurv::CEscolherClick() {
    listsEnabled = CEscolher;
}

void TFurv::CombourvClick(int i) {
    if (i < 0 || i >= 30) return;
    Combourv = juneDates()[static_cast<size_t>(i)];
    Curv = juneValues()[static_cast<size_t>(i)];
}
void TFurv::CurvClick(int i) {
    CombourvClick(i);
}
void TFurv::CombourvxClick(int i) {
    if (i < 0 || i >= 30) return;
    Combourvx = juneDates()[static_cast<size_t>(i)];
    Curvx = juneValues()[static_cast<size_t>(i)];
}
void TFurv::CurvxClick(int i) {
    CombourvxClick(i);
}

void TFurv::CB1Click(const std::string& item) {
    CB1 = item;
    ctx_.reloadIndice(item + ".tab");
    checkSampleTables();
}

void TFurv::CprescricaoClick() {
    guarded([this] { prescx(); });
}

void TFurv::CaplijurClick() {
    if (C2002) Jurmen = true;
}

void TFurv::JurmenClick() {
    if (!Jurmen) C2002 = false;
}

void TFurv::CsalvarClick() {
    toolkit::writeLines(ctx_.file("save.ini"), {Csalvar ? "nao" : "sim"});
}

void TFurv::readSaveIni() {
    const auto path = ctx_.file("save.ini");
    if (!fileExists(path)) {
        Csalvar = false;
        return;
    }
    const auto lines = toolkit::readLines(path);
    Csalvar = !(lines.empty() ? false : lines.front() == "sim");
}

void TFurv::Button19Click() {
    if (texto_ != nullptr) texto_->mostrar("art19.txt");
}
void TFurv::Button22Click() {
    if (texto_ != nullptr) texto_->mostrar("art22.txt");
}

void TFurv::Button6Click() {
    const int r = svaloresRow;
    if (!(r > 1 && r < svalores.rowCount() - 1)) return;
    guarded([this, r] {
        if (has(svalores.cell(1, r - 1))) svalores.setCell(1, r, svalores.cell(1, r - 1));
        if (has(svalores.cell(1, r)) && has(Datafinal)) recalc(r);
        svaloresRow = r + 1;
    });
}

void TFurv::Button9Click() {
    if (manual_ == nullptr) return;
    DailyLayout layout;
    layout.sdiaHeaders = {"Data do Crédito", "Depósito", "Obs."};
    layout.sprintHeaders = layout.sdiaHeaders;
    layout.from = Eprescricao;
    layout.to = Datafinal;
    manual_->abrir(*this, layout, N(Eprescricao) > 0);
    close();
}

void TFurv::entriesSent() {
    show();
    page = 2;
    anteriorEnabled = true;
    proximoEnabled = true;
    finalizarEnabled = false;
}

std::string* TFurv::field(const std::string& name) {
    const std::pair<const char*, std::string*> boxes[] = {{"Enov", &Enov},
                                                          {"Edez", &Edez},
                                                          {"Ejan", &Ejan},
                                                          {"Efev", &Efev},
                                                          {"Esalpago", &Esalpago},
                                                          {"Eq", &Eq},
                                                          {"Ehono", &Ehono},
                                                          {"Enov93", &Enov93},
                                                          {"Edez93", &Edez93},
                                                          {"Ejan94", &Ejan94},
                                                          {"Efev94", &Efev94},
                                                          {"Datafinal", &Datafinal},
                                                          {"dtacitacao", &dtacitacao},
                                                          {"Eprescricao", &Eprescricao},
                                                          {"Enovx", &Enovx},
                                                          {"Edezx", &Edezx},
                                                          {"Ejanx", &Ejanx},
                                                          {"Efevx", &Efevx},
                                                          {"Enovurv", &Enovurv},
                                                          {"Edezurv", &Edezurv},
                                                          {"Ejanurv", &Ejanurv},
                                                          {"Efevurv", &Efevurv},
                                                          {"Enovc", &Enovc},
                                                          {"Edezc", &Edezc},
                                                          {"Ejanc", &Ejanc},
                                                          {"Efevc", &Efevc},
                                                          {"Ema", &Ema},
                                                          {"Espago", &Espago},
                                                          {"Eporc", &Eporc},
                                                          {"Eerroneo", &Eerroneo}};
    for (const auto& [n, p] : boxes)
        if (name == n) return p;
    return nullptr;
}

std::string* TFurv::box(const std::string& name) {
    return field(name);
}

void TFurv::moneyChanged(const std::string& name, const std::string& text) {
    std::string* b = box(name);
    if (b == nullptr) return;
    *b = toolkit::formatafloat(kMoney, text);
}

void TFurv::dateLeft(const std::string& name) {
    std::string* b = box(name);
    if (b == nullptr) return;
    *b = dateBoxLeft(*b);
    if (name == "dtacitacao" && has(*b)) guarded([this] { prescx(); });
}

void TFurv::dateEntered(const std::string& name) {
    if (std::string* b = box(name)) *b = dateBoxEntered(*b);
}

void TFurv::svaloresSetEditText(int col, int r, const std::string& text) {
    if (r < 1 || r >= svalores.rowCount() || col < 0 || col >= svalores.colCount()) return;
    svalores.setCell(col, r, text);
    svaloresRow = r;
    // The month's difference follows the typing once there is a final date to correct it to.
    if (has(Datafinal) && has(svalores.cell(0, r))) guarded([this, r] { recalc(r); });
}

}  // namespace corvana::urv
