// The wizard of the savings family: showing, navigation, checks, options and cell rules.
#include "core/savings/savings_wizard.hpp"

#include <algorithm>

#include "core/app/app.hpp"
#include "core/savings/text_helpers.hpp"
#include "core/tables/provenance.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::savings {

using namespace detail;
using toolkit::StringGrid;

namespace {
constexpr const char* kEmptyDateMask = "  /  /    ";

bool fileExists(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::exists(p, ec);
}
}  // namespace

SavingsWizard::SavingsWizard(app::SharedContext& ctx, TForm3& form3, TForm4& form4,
                             SavingsVariant variant)
    : SavingsWizard(ctx, std::move(variant)) {
    form3_ = &form3;
    form4_ = &form4;
}

SavingsWizard::SavingsWizard(app::SharedContext& ctx, SavingsVariant variant)
    : app::WindowModel(variant.className, variant.caption), ctx_(ctx), variant_(std::move(variant)) {
    writeHeaders();
    for (int r = 1; r < Jmes.rowCount(); ++r) Jmes.setCell(3, r, "Não");
}

void SavingsWizard::wire(app::App& app) {
    form3_ = app.modelAs<TForm3>(TForm3::kClassName);
    form4_ = app.modelAs<TForm4>(TForm4::kClassName);
    if (form3_ == nullptr) return;
    if (variant_.className == "TForm2")
        form3_->planList = &CPlanos;
    else
        form3_->otherPlanLists.push_back(&CPlanos);
    form3_->planListsRefilled.push_back([this] { CPlanosClick(); });
}

void SavingsWizard::clearPlanChecklist() {
    CPlanos.clear();
    if (form3_ != nullptr) fillPlanList(CPlanos, form3_->SPlanosini);
}

void SavingsWizard::guarded(const std::function<void()>& command, bool touchesResults) {
    // The result grids are large; a step that does not write them is not made to copy them.
    toolkit::StringGrid keep1, keep2;
    if (!touchesResults) {
        keep1 = std::move(planilha);
        keep2 = std::move(planilha2);
    }
    const SavingsState before = *this;
    if (!touchesResults) {
        planilha = std::move(keep1);
        planilha2 = std::move(keep2);
    }
    try {
        command();
    } catch (const toolkit::Error&) {
        if (!touchesResults) {
            keep1 = std::move(planilha);
            keep2 = std::move(planilha2);
        }
        static_cast<SavingsState&>(*this) = before;
        if (!touchesResults) {
            planilha = std::move(keep1);
            planilha2 = std::move(keep2);
        }
        throw;
    }
}

void SavingsWizard::writeHeaders() {
    SPlanos.setCell(0, 0, "Expurgo");
    SPlanos.setCell(1, 0, "Data");
    const char* const saldo[5] = {"Expurgo", "Data", "Moeda", "Dia base", "Saldo"};
    for (int c = 0; c < 5; ++c) SSaldo.setCell(c, 0, saldo[c]);
    const char* const base[5] = {"Expurgo", "Diferença sobre o saldo em:", "Diferença %",
                                 "Base de cálculo - valor faltante na conta em:", "Valor"};
    for (int c = 0; c < 5; ++c) SBase.setCell(c, 0, base[c]);
    STJuros.setCell(0, 0, "Data Inicial");
    STJuros.setCell(1, 0, "Data Final");
    STJuros.setCell(2, 0, "Juros %");
    Jmes.setCell(0, 0, "Data Inicial");
    Jmes.setCell(1, 0, "Data Final");
    Jmes.setCell(2, 0, "Juros %");
    Jmes.setCell(3, 0, "Juros Trimestrais");
    amortizacao.setCell(0, 0, "Data");
    amortizacao.setCell(1, 0, "Descrição");
    amortizacao.setCell(2, 0, "Valor");
    writeResultHeaders();
}

void SavingsWizard::writeResultHeaders() {
    const char* const plan[8] = {"Moeda do inicio do período de rendimento",
                                 "Período de Rendimento",
                                 "Rendimento (%)",
                                 "Moeda do inicio do mês de crédito em conta",
                                 "Mês do crédito em conta",
                                 "Valor corrigido a partir da base de cálculo",
                                 "Juros",
                                 "Valor + Juros"};
    for (int c = 0; c < 8; ++c) planilha.setCell(c, 0, plan[c]);
}

// ---- window ---------------------------------------------------------------------------

void SavingsWizard::show() {
    shown();
    ctx_.ui->showWindow(variant_.className);
}

void SavingsWizard::shown() {
    if (visible) return;
    visible = true;
    FormShow();
}

void SavingsWizard::hidden() { visible = false; }

void SavingsWizard::FormShow() {
    writeHeaders();
    Label5 = "Tabela atualizada até: " + ctx_.indice.cell(0, ctx_.indice.rowCount() - 1);
    tabelaExemplo = fileExists(ctx_.file(indiceTableFile())) &&
                    tables::isSampleTable(ctx_.meudir, indiceTableFile());
    for (int r = 1; r < Jmes.rowCount(); ++r)
        if (Jmes.cell(3, r).empty()) Jmes.setCell(3, r, "Não");
    page = 0;
    // The header and footer templates are there from the first showing, so that "Gravar"
    // never writes them back empty.
    if (!memosLoaded_) {
        memosLoaded_ = true;
        if (Memo1.empty() && Memo2.empty()) loadMemos();
    }
    for (const auto& other : variant_.closesOnShow) ctx_.ui->closeWindow(other);
}

void SavingsWizard::close() {
    visible = false;
    ctx_.ui->closeWindow(variant_.className);
}

// ---- navigation ---------------------------------------------------------------------------

void SavingsWizard::SpeedButton1Click() {
    if (page > 0) --page;
}

void SavingsWizard::SpeedButton2Click() {
    takeFocusOff();
    const int last = variant_.lastPage;
    const int target = page < last ? page + 1 : page;
    guarded([this, last] {
        if (page < last) ++page;
        pageReached(page);
    }, target == variant_.resultPage);
}

void SavingsWizard::pageReached(int p) {
    switch (p) {
        case 1:
            leavePlanPage();
            break;
        case 2:
            diferenca();
            break;
        case 4:
            calcularjuros();
            break;
        case 5:
            calcular();
            break;
        default:
            break;
    }
    if (p == variant_.lastPage) finalizarEnabled = true;
}

bool SavingsWizard::leavePlanPage() {
    if (variant_.hasBasisOptions) {
        if (Rtr) {
            Rsemjuros = true;
            RComjuros = false;
            jurosOptionsEnabled = false;
        } else {
            jurosOptionsEnabled = true;
        }
    }
    auto backToStart = [this](const std::string& message) {
        ctx_.ui->showMessage(message);
        page = 0;
        return false;
    };
    // With no plan ticked the list still holds the "Atualizar até" row: that is no plan.
    const int planRows = SPlanos.rowCount() - 2;
    if (planRows < 1 || !has(SPlanos.cell(1, 1))) return backToStart("escolha um plano");

    const StringGrid& indice = ctx_.indice;
    const std::string lastMonth = indice.cell(0, indice.rowCount() - 1);
    const bool tableHasMonths = has(lastMonth) && indice.rowCount() > 1;
    for (int r = 1; r < SPlanos.rowCount() && variant_.checksTableMonths; ++r) {
        const std::string& m = SPlanos.cell(1, r);
        if (!has(m)) continue;
        if (!tableHasMonths || toolkit::MonthToDate(lastMonth) < toolkit::MonthToDate(m))
            return backToStart("A data " + m + " não existe na tabela, atualize o índice");
    }
    // The target month must come after every plan month, or the run has no month to credit.
    const std::string& target = SPlanos.cell(1, SPlanos.rowCount() - 1);
    if (!has(target))
        return backToStart("Informe o mês em \"" + variant_.targetLabel +
                           "\" (mm/aaaa): o mês até o qual o débito é atualizado");
    for (int r = 1; r < SPlanos.rowCount() - 1; ++r) {
        const std::string& m = SPlanos.cell(1, r);
        if (has(m) && !(toolkit::MonthToDate(m) < toolkit::MonthToDate(target)))
            return backToStart("A data de atualização " + target +
                               " deve ser posterior ao mês do plano " + SPlanos.cell(0, r) +
                               " (" + m + ")");
    }

    for (int r = 1; r < SSaldo.rowCount(); ++r) {
        if (!has(SSaldo.cell(3, r))) SSaldo.setCell(3, r, "1");
        if (!has(SSaldo.cell(4, r))) SSaldo.setCell(4, r, "0,00");
    }
    if (SPlanos.rowCount() > 2) SSaldo.setRowCount(SPlanos.rowCount() - 1);
    for (int r = 1; r < SPlanos.rowCount() - 1; ++r) {
        SSaldo.setCell(0, r, SPlanos.cell(0, r));
        SSaldo.setCell(1, r, SPlanos.cell(1, r));
    }
    // Currency of each balance: the table's symbol of the plan month...
    int k = 1;
    for (int i = 1; i < indice.rowCount() && k < SSaldo.rowCount(); ++i) {
        if (indice.cell(0, i) == SSaldo.cell(1, k)) {
            SSaldo.setCell(2, k, indice.cell(32, i));
            ++k;
        }
    }
    // ...replaced, in the savings window, by the plan table's "Moeda".
    if (variant_.currencyFromPlanTable) {
        const StringGrid& plans = form3_->SPlanosini;
        for (int row = 1; row < SSaldo.rowCount(); ++row)
            for (int p = 1; p < plans.rowCount(); ++p)
                if (plans.cell(kPlanNome, p) == SSaldo.cell(0, row))
                    SSaldo.setCell(2, row, plans.cell(kPlanMoeda, p));
    }
    if (variant_.hasAmortisation) toolkit::amortizarx(SPlanos, amortizacao);
    return true;
}

// ---- buttons ----------------------------------------------------------------------------

void SavingsWizard::SpeedButton4Click() { close(); }

void SavingsWizard::ToolbarButton971Click() {
    page = 0;
    ctx_.ui->setEditingMode(true);
    if (variant_.novoDeletesBackup) {
        std::error_code ec;
        std::filesystem::remove(backupPath(), ec);
    }
    ctx_.reloadIndice(indiceTableFile());
    for (auto& item : CPlanos.items) item.checked = false;
    SPlanos.clearRowsFrom(1);
    SSaldo.clearRowsFrom(1);
    SBase.clearRowsFrom(1);
    STJuros.clearRowsFrom(1);
    Rsimples = true;
    Rcomposto = Rmes = false;
    Cprorata = false;
    Jmes.setRowCount(5);
    for (int r = 1; r < Jmes.rowCount(); ++r)
        if (Jmes.cell(3, r).empty()) Jmes.setCell(3, r, "Não");
    amortizacao.clearRowsFrom(1);
    planilha.clearRowsFrom(1);
    Memo1.clear();
    Memo2.clear();
    loadMemos();
    show();
}

void SavingsWizard::loadMemos() {
    if (fileExists(ctx_.file("cabecalho.dat"))) Memo1 = toolkit::readLines(ctx_.file("cabecalho.dat"));
    if (fileExists(ctx_.file("rodape.dat"))) Memo2 = toolkit::readLines(ctx_.file("rodape.dat"));
}

void SavingsWizard::SpeedButton5Click() {
    page = 0;
    abrir();
}

void SavingsWizard::abrirArquivo(const std::filesystem::path& file) {
    page = 0;
    abrir(file);
}

void SavingsWizard::SpeedButton18Click() {
    page = 0;
    abrirback();
}

void SavingsWizard::SpeedButton8Click() {
    SpeedButton3Click();
    salvar();
}

void SavingsWizard::Button1Click() { form3_->show(); }
void SavingsWizard::Button3Click() { form4_->show(); }

void SavingsWizard::Button4Click() {
    STJuros.clearRowsFrom(1);
    STJuros.setRowCount(3);
    STJuros.setColCount(3);
}

void SavingsWizard::Button5Click() {
    Jmes.setRowCount(5);
    for (int r = 1; r <= 4; ++r) {
        for (int c = 0; c <= 2; ++c) Jmes.setCell(c, r, "");
        Jmes.setCell(3, r, "Não");
    }
}

void SavingsWizard::Button6Click() {
    for (int r = 1; r < amortizacao.rowCount(); ++r) {
        amortizacao.setCell(1, r, "");
        amortizacao.setCell(2, r, "");
    }
}

void SavingsWizard::Button2Click() {
    toolkit::writeLines(ctx_.file("cabecalho.dat"), Memo1);
    toolkit::writeLines(ctx_.file("rodape.dat"), Memo2);
}

void SavingsWizard::RtrClick() {
    Rtr = true;
    Rpoup = false;
}
void SavingsWizard::RpoupClick() {
    Rpoup = true;
    Rtr = false;
}
void SavingsWizard::RsimplesClick() {
    Rsimples = true;
    Rcomposto = Rmes = false;
}
void SavingsWizard::RcompostoClick() {
    Rcomposto = true;
    Rsimples = Rmes = false;
}
void SavingsWizard::RComjurosClick() {
    if (!jurosOptionsEnabled) return;
    RComjuros = true;
    Rsemjuros = false;
}
void SavingsWizard::RsemjurosClick() {
    if (!jurosOptionsEnabled) return;
    Rsemjuros = true;
    RComjuros = false;
}

// ---- plan list and cells ------------------------------------------------------------------

void SavingsWizard::CPlanosClick() {
    const StringGrid& plans = form3_->SPlanosini;
    // What the user typed for each plan still ticked goes with the plan, not with the row:
    // the month in SPlanos, the currency, "Dia base" and "Saldo" in SSaldo.
    struct Typed {
        std::string name, month, moeda, dia, saldo;
        bool used = false;
    };
    std::vector<Typed> typed;
    for (int r = 1; r < SSaldo.rowCount(); ++r)
        if (!SSaldo.cell(0, r).empty())
            typed.push_back({SSaldo.cell(0, r), "", SSaldo.cell(2, r), SSaldo.cell(3, r),
                             SSaldo.cell(4, r)});
    std::vector<Typed> months;
    for (int r = 1; r + 1 < SPlanos.rowCount(); ++r)
        if (!SPlanos.cell(0, r).empty())
            months.push_back({SPlanos.cell(0, r), SPlanos.cell(1, r), "", "", "", false});
    auto take = [](std::vector<Typed>& from, const std::string& name) -> Typed* {
        for (auto& t : from)
            if (!t.used && t.name == name) {
                t.used = true;
                return &t;
            }
        return nullptr;
    };
    SPlanos.setRowCount(plans.rowCount() + 1);
    SPlanos.setColCount(3);
    SPlanos.clearRowsFrom(1);
    for (int r = 1; r < plans.rowCount(); ++r) {
        if (!CPlanos.checked(r - 1)) continue;
        const std::string& name = plans.cell(kPlanNome, r);
        SPlanos.setCell(0, r, name);
        SPlanos.setCell(1, r, plans.cell(kPlanData, r));
        SPlanos.setCell(2, r, plans.cell(kPlanDiferenca, r));
        // A plan just ticked starts from the plan table; one that stayed keeps its month.
        if (const Typed* m = take(months, name); m != nullptr && has(m->month))
            SPlanos.setCell(1, r, m->month);
    }
    const int last = SPlanos.rowCount() - 1;
    SPlanos.setCell(0, last, variant_.targetLabel);
    SPlanos.setCell(1, last, ctx_.indice.cell(0, ctx_.indice.rowCount() - 1));
    for (int r = 1; r < SPlanos.rowCount() - 1;) {
        if (!has(SPlanos.cell(1, r)))
            toolkit::RemoveLinha(SPlanos, r);
        else
            ++r;
    }
    if (SPlanos.rowCount() > 2) SBase.setRowCount(SPlanos.rowCount() - 1);
    for (int r = 1; r < SPlanos.rowCount() - 1; ++r) {
        SBase.setCell(0, r, SPlanos.cell(0, r));
        SBase.setCell(1, r, SPlanos.cell(1, r));
        SBase.setCell(2, r, SPlanos.cell(2, r));
        const std::string& m = SPlanos.cell(1, r);
        SBase.setCell(3, r, has(m) ? toolkit::DateToMonth(toolkit::IncMonth(toolkit::MonthToDate(m), 1))
                                   : std::string());
    }
    // The balance grid lists the ticked plans in the same order, each with its own figures;
    // an unticked plan's row goes away.
    const int chosen = SPlanos.rowCount() - 2;
    SSaldo.setRowCount(std::max(2, chosen + 1));
    SSaldo.clearRowsFrom(1);
    for (int r = 1; r <= chosen; ++r) {
        SSaldo.setCell(0, r, SPlanos.cell(0, r));
        SSaldo.setCell(1, r, SPlanos.cell(1, r));
        if (const Typed* t = take(typed, SPlanos.cell(0, r))) {
            SSaldo.setCell(2, r, t->moeda);
            SSaldo.setCell(3, r, t->dia);
            SSaldo.setCell(4, r, t->saldo);
        }
    }
    SPlanos.setColCount(2);
}

void SavingsWizard::SPlanosExit() {
    for (int r = 1; r < SPlanos.rowCount(); ++r)
        SPlanos.setCell(1, r, has(SPlanos.cell(1, r)) ? toolkit::validadataMA(SPlanos.cell(1, r))
                                                      : std::string());
}

void SavingsWizard::SSaldoExit() {
    for (int r = 1; r < SSaldo.rowCount(); ++r) {
        const std::string& dia = SSaldo.cell(3, r);
        if (has(dia)) {
            const auto whole = wholePart(dia);
            if (whole > 28)
                SSaldo.setCell(3, r, "28");
            else if (whole < 10)
                SSaldo.setCell(3, r, std::to_string(whole));
        }
        if (has(SSaldo.cell(4, r))) SSaldo.setCell(4, r, money(N(SSaldo.cell(4, r))));
    }
}

void SavingsWizard::SBaseExit() {
    for (int r = 1; r < SBase.rowCount(); ++r)
        for (const int c : {1, 3})
            if (has(SBase.cell(c, r))) SBase.setCell(c, r, toolkit::validadataMA(SBase.cell(c, r)));
}

namespace {
void normaliseDates(StringGrid& g, toolkit::ValidadataVariant variant) {
    for (int r = 1; r < g.rowCount(); ++r)
        for (const int c : {0, 1})
            if (has(g.cell(c, r))) g.setCell(c, r, toolkit::validadata(variant, g.cell(c, r)));
}
void setDateCell(StringGrid& g, int col, int row, const std::string& text) {
    g.setCell(col, row, (col == 0 || col == 1) && text == kEmptyDateMask ? std::string() : text);
}
}  // namespace

void SavingsWizard::STJurosExit() { normaliseDates(STJuros, variant_.dateVariant); }
void SavingsWizard::JmesExit() { normaliseDates(Jmes, variant_.dateVariant); }

void SavingsWizard::STJurosSetEditText(int col, int row, const std::string& text) {
    setDateCell(STJuros, col, row, text);
}
void SavingsWizard::JmesSetEditText(int col, int row, const std::string& text) {
    setDateCell(Jmes, col, row, text);
}

bool SavingsWizard::JmesSelectCell(int col, int row) {
    jmesCol = col;
    jmesRow = row;
    return row >= 1 && col <= 2;
}

void SavingsWizard::JmesClick() {
    if (jmesCol != 3 || jmesRow < 1 || jmesRow >= Jmes.rowCount()) return;
    Jmes.setCell(3, jmesRow, Jmes.cell(3, jmesRow) == "Não" ? "Sim" : "Não");
}

void SavingsWizard::takeFocusOff() {
    const std::string grid = focusedGrid;
    focusedGrid.clear();
    if (grid == "SPlanos") SPlanosExit();
    else if (grid == "SSaldo") SSaldoExit();
    else if (grid == "SBase") SBaseExit();
    else if (grid == "STJuros") STJurosExit();
    else if (grid == "Jmes") JmesExit();
}

}  // namespace corvana::savings
