// "Expurgos FGTS": the wizard, the JAM lookups and both ways of computing the purges.
#include "core/fgts/fgts_purges.hpp"

#include "core/tables/provenance.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"

namespace corvana::fgts {

using toolkit::Date;

namespace {

const char* const kPlanilhaHeaders[] = {"<b>Data</b>",
                                        "<b>Valor original(rendimento)</b>",
                                        "<b>Diferença</b>",
                                        "<b>Valor da JAM</b>",
                                        "<b>Valor Corrigido</b>",
                                        "<b>Juros</b>",
                                        "<b>Total</b>"};

}  // namespace

TFormFGTS::TFormFGTS(app::SharedContext& ctx)
    : app::WindowModel("TFormFGTS", "Expurgos FGTS"), ctx_(ctx) {
    writeHeaders();
    setLabels();
}

void TFormFGTS::writeHeaders() {
    for (int c = 0; c < 7; ++c) planilha.setCell(c, 0, kPlanilhaHeaders[c]);
}

void TFormFGTS::shown() {
    if (visible) return;
    visible = true;
    FormShow();
}

void TFormFGTS::hidden() {
    visible = false;
}

void TFormFGTS::FormShow() {
    page = 0;
    writeHeaders();
    checkSampleTables();
}

void TFormFGTS::checkSampleTables() {
    tabelaExemplo = false;
    std::vector<std::string> loaded = {"fgts.tab"};  // the JAM table the command loads
    if (!mesTabela.empty()) loaded.push_back(mesTabela);
    for (const auto& table : loaded)
        if (regularFile(ctx_.file(table)) && tables::isSampleTable(ctx_.meudir, table))
            tabelaExemplo = true;
}

void TFormFGTS::loadMonthTable() {
    const std::string name = JR6 ? "fgtsmes6.tab" : "fgtsmes3.tab";
    const auto table = ctx_.file(name);
    // Without its month table the balance way has nothing to run on; a fresh grid
    // keeps rows of the other rate's table from staying behind.
    if (!regularFile(table))
        throw toolkit::Error("A tabela " + name + " não foi encontrada, atualize os índices");
    toolkit::StringGrid fresh(7, 2);
    toolkit::LoadFromFile(table, fresh);
    mes = std::move(fresh);
    mesTabela = name;
    mesx();
    checkSampleTables();
}

void TFormFGTS::FecharClick() {
    visible = false;
    ctx_.ui->closeWindow(className());
}

void TFormFGTS::setText(std::string& field, const std::string& text) {
    field = toolkit::formatafloat(kMoney, text);
}

void TFormFGTS::DatainiExit() {
    guardedStep(static_cast<FgtsPurgeState&>(*this),
                [&] { Dataini = toolkit::validadata(toolkit::ValidadataVariant::A, Dataini); });
}

void TFormFGTS::DatajurosExit() {
    guardedStep(static_cast<FgtsPurgeState&>(*this),
                [&] { Datajuros = toolkit::validadata(toolkit::ValidadataVariant::A, Datajuros); });
}

void TFormFGTS::takeFocusOff() {
    const std::string f = focused;
    focused.clear();
    if (f == "Dataini")
        DatainiExit();
    else if (f == "Datajuros")
        DatajurosExit();
}

void TFormFGTS::setLabels() {
    if (Rsaldo) {
        JCsaldosLabel = "Valor - Extrato FGTS - Dezembro de 1988";
        JCollorLabel = "Valor - Extrato FGTS - Abril de 1990";
    } else {
        JCsaldosLabel = "Rendimento - Extrato FGTS - Março de 1989\rValor do rendimento creditado";
        JCollorLabel = "Rendimento - Extrato FGTS - Maio de 1990\rValor do rendimento creditado";
    }
}

void TFormFGTS::ProximoClick() {
    takeFocusOff();
    if (page == 0 && !has(Dataini)) {
        ctx_.ui->showMessage("Preencha a data de atualização");
        focused = "Dataini";
        return;
    }
    if (page == 1 && !has(Datajuros)) {
        ctx_.ui->showMessage("Preencha a Data de início  - juros de mora");
        focused = "Datajuros";
        return;
    }
    guardedStep(static_cast<FgtsPurgeState&>(*this), [&] {
        if (page == 4 && Rsaldo) loadMonthTable();
        if (page < 5) ++page;
        if (page == 1 && !Cjuros) page = 2;
        if (page == 2 && !Chonorarios) page = 3;
        if (page == 3 && !Ccustas) page = 4;
        if (page == 4) finalizarEnabled = true;
        setLabels();
    });
}

void TFormFGTS::AnteriorClick() {
    takeFocusOff();
    if (page > 0) --page;
    if (page == 3 && !Ccustas) page = 2;
    if (page == 2 && !Chonorarios) page = 1;
    if (page == 1 && !Cjuros) page = 0;
}

void TFormFGTS::NovoClick() {
    page = 0;
    focused.clear();
    Edit1.clear();
    Dataini.clear();
    Datajuros.clear();
    Cjuros = Chonorarios = Ccustas = false;
    Txjur = hono = cust = JCsaldos = JCollor = "0,00";
    Cverao = Ccollor = false;
    JR3 = true;
    JR6 = false;
    finalizarEnabled = false;
}

// ---- JAM table -------------------------------------------------------------------------

Real TFormFGTS::devolvevalor(const Date& date) const {
    const auto& g = ctx_.indice;
    for (int r = 1; r < g.rowCount(); ++r) {
        const Date first = toolkit::StrToDate("01/" + g.cell(0, r));
        if (date > first) continue;
        return strict(g.cell(JR6 ? 7 : 6, r));
    }
    return 0;
}

std::string TFormFGTS::devolvemoeda(const std::string& date) const {
    const std::string part = date.size() <= 7 ? date : date.substr(3, 7);
    std::string out;
    const auto& g = ctx_.indice;
    for (int r = 1; r < g.rowCount(); ++r)
        if (g.cell(0, r) == part) out = g.cell(8, r) + " ";
    return out;
}

int TFormFGTS::monthsOfInterest() const {
    const auto span =
        toolkit::EntreDatas(toolkit::StrToDate(Datajuros), toolkit::StrToDate(Dataini));
    return span.years * 12 + span.months;
}

Real TFormFGTS::jamFactor(const Date& planMonth, const std::string& planText) const {
    const Real plan = devolvevalor(planMonth);
    if (plan == 0)
        throw toolkit::Error("A tabela JAM (fgts.tab) não tem índice para " + planText +
                             " nem para os meses seguintes. Atualize os índices.");
    const Real update = devolvevalor(toolkit::StrToDate(Dataini));
    if (update == 0)
        throw toolkit::Error("A tabela JAM (fgts.tab) não chega à data de atualização " +
                             quoteText(Dataini) +
                             ". Atualize os índices ou escolha uma data anterior.");
    return update * (100 / plan) / 100;
}

// ---- yield way -------------------------------------------------------------------------

void TFormFGTS::purgeRow(int row, const char* month, const std::string& value, Real factor3,
                         Real factor6, const Date& planMonth, const std::string& planText,
                         int months) {
    auto& p = planilha;
    p.setCell(0, row, month);
    p.setCell(1, row, money(strict(value)));
    p.setCell(2, row, money(strict(value) * (JR6 ? factor6 : factor3)));
    p.setCell(3, row, toolkit::formatfloatx("#,##0.000000", jamFactor(planMonth, planText)));
    p.setCell(4, row, money(shared(p.cell(2, row)) * shared(p.cell(3, row))));
    if (Cjuros)
        p.setCell(5, row, money((strict(Txjur) / 12 * months) * (shared(p.cell(4, row)) / 100)));
    else
        p.setCell(5, row, "0,00");
    p.setCell(6, row, money(shared(p.cell(4, row)) + shared(p.cell(5, row))));
}

void TFormFGTS::calcularPlanilha() {
    auto& p = planilha;
    p.clearRowsFrom(1);
    writeHeaders();
    p.setRowCount(5);
    const int months = Cjuros ? monthsOfInterest() : 0;
    if (Cverao)
        purgeRow(1, "03/89", JCsaldos, 0.355693L, 0.352729L, Date{1989, 3, 1}, "03/1989", months);
    if (Ccollor)
        purgeRow(2, "05/90", JCollor, 182.11841L, 92.496404L, Date{1990, 5, 1}, "05/1990", months);
    const std::string currency = devolvemoeda(Dataini);
    Real s4 = 0, s5 = 0, s6 = 0;
    for (int r = 1; r <= 2; ++r) {
        s4 += shared(p.cell(4, r));
        s5 += shared(p.cell(5, r));
        s6 += shared(p.cell(6, r));
    }
    p.setCell(2, 4, "<b>Total</b>");
    p.setCell(4, 4, "<b>" + currency + money(s4) + "</b>");
    p.setCell(5, 4, "<b>" + currency + money(s5) + "</b>");
    p.setCell(6, 4, "<b>" + currency + money(s6) + "</b>");

    Real T = rounded(s6);
    int row = 5;
    auto next = [&] {
        if (p.rowCount() <= row) p.setRowCount(row + 1);
        return row++;
    };
    if (Chonorarios) {
        const int r = next();
        const Real amount = rounded(strict(hono) * (T / 100));
        p.setCell(2, r, "<b>Honorários</b>");
        p.setCell(6, r, currency + money(amount));
        T += amount;
    }
    if (Ccustas) {
        const int r = next();
        p.setCell(2, r, "<b>Custas</b>");
        p.setCell(6, r, currency + cust);
        T += strict(cust);
    }
    {
        const int r = next();
        p.setCell(2, r, "<b>TOTAL GERAL</b>");
        p.setCell(3, r, Dataini);
        p.setCell(6, r, "<b>" + currency + money(T) + "</b>");
    }
    next();
    {
        const int r = next();
        p.setCell(2, r, "<b>Taxa de juros remuneratórios: </b>");
        p.setCell(3, r, "<b>Incluídos na Tabela JAM</b>");
        p.setCell(6, r, JR6 ? "<b>6%</b>" : "<b>3%</b>");
    }
    if (Cjuros) {
        const int r = next();
        p.setCell(2, r, "<b>Taxa de juros moratórios: </b>");
        p.setCell(6, r, "<b>" + Txjur + "%</b>");
    }
    {
        const int r = next();
        p.setCell(2, r, "<b>Indexador aplicado: </b>");
        p.setCell(6, r, "<b>Tabela JAM</b>");
    }
    p.setRowCount(row);
}

// ---- balance way -----------------------------------------------------------------------

void TFormFGTS::mesx() {
    auto& m = mes;
    for (int c = 0; c < m.colCount(); ++c) m.setCell(c, 0, "<b>" + m.cell(c, 0) + "</b>");
    const Date update = toolkit::StrToDate(Dataini);
    for (int r = m.rowCount() - 1; r >= 3; --r)
        if (has(m.cell(0, r)) && toolkit::StrToDate(m.cell(0, r)) >= update)
            toolkit::RemoveLinha(m, r);
    if (m.colCount() < 8) m.setColCount(8);
    const int last = m.rowCount() - 1;
    auto rate = [&](int r) { return shared(m.cell(3, r)); };

    // Verão, column 6, from row 1.
    m.setCell(6, 1, Cverao ? money(strict(JCsaldos) * 0.1665L * (1 + rate(1)) / 1000) : "0,00");
    for (int r = 2; r <= last; ++r) {
        Real v = shared(m.cell(6, r - 1)) * (1 + rate(r));
        m.setCell(6, r, money(v));
        const std::string& d = m.cell(0, r);
        if (d == "10/08/1993") m.setCell(6, r, money(shared(m.cell(6, r)) / 1000));
        if (d == "10/07/1994") m.setCell(6, r, money(shared(m.cell(6, r)) / 2750));
        if (d == "02/05/1990") m.setCell(6, r, money(shared(m.cell(6, r)) * 1.448L));
    }
    // Collor, column 7, from row 10 (a table cut before it has no Collor month).
    if (last >= 10) {
        m.setCell(7, 10, Ccollor ? money(strict(JCollor) * 0.448L * (1 + rate(10))) : "0,00");
        for (int r = 11; r <= last; ++r) {
            m.setCell(7, r, money(shared(m.cell(7, r - 1)) * (1 + rate(r))));
            const std::string& d = m.cell(0, r);
            if (d == "10/08/1993") m.setCell(7, r, money(shared(m.cell(7, r)) / 1000));
            if (d == "10/07/1994") m.setCell(7, r, money(shared(m.cell(7, r)) / 2750));
        }
    }

    // Totals.
    auto& s = Sfimes;
    s = toolkit::StringGrid(2, 8, 0);
    const Real V = has(m.cell(6, last)) ? shared(m.cell(6, last)) : 0;
    const Real C = has(m.cell(7, last)) ? shared(m.cell(7, last)) : 0;
    Real T = 0;
    int row = 0;
    auto put = [&](const std::string& label, Real amount) {
        s.setCell(0, row, label);
        s.setCell(1, row, money(amount));
        ++row;
        return shared(money(amount));
    };
    if (Cverao) T += put("<b>Total Plano Verão:</b>", V);
    if (Ccollor) T += put("<b>Total Plano Collor:</b>", C);
    if (Cverao && Ccollor && (Cjuros || Chonorarios || Ccustas)) put("<b>Subtotal:</b>", V + C);
    if (Cjuros) {
        const int months = monthsOfInterest();
        const Real tx = strict(Txjur);
        T += put("<b>Juros Moratórios de " + money(tx / 12) + "% ao mês de " + Datajuros + " a " +
                     Dataini + " = " + money(tx / 12 * months) + "%</b>",
                 tx / 12 * months * (T / 100));
    }
    if (Chonorarios) T += put("<b>Honorários de: " + hono + "%:</b>", strict(hono) / 100 * T);
    if (Ccustas) T += put("<b>Custas:</b>", strict(cust));
    put("<b>Total devido em " + Dataini + ":</b>", T);
    for (int r = s.rowCount() - 1; r >= 3; --r)
        if (!has(s.cell(1, r))) toolkit::RemoveLinha(s, r);
}

}  // namespace corvana::fgts
