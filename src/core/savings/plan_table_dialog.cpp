// The plan table dialog: editing, sorting by plan month, planos.ini and the calculators' plan list.
#include "core/savings/plan_table_dialog.hpp"

#include "core/toolkit/dates.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"

namespace corvana::savings {

using toolkit::checkinteiro;
using toolkit::StringGrid;

void fillPlanList(CheckList& list, const StringGrid& plans, bool keepTicks) {
    const CheckList before = list;
    list.clear();
    const bool onlyEmptyRow = plans.rowCount() == 2 && plans.cell(kPlanNome, 1).empty() &&
                              plans.cell(kPlanData, 1).empty();
    if (onlyEmptyRow) return;
    std::vector<bool> used(before.items.size(), false);
    for (int r = 1; r < plans.rowCount(); ++r) {
        const std::string& name = plans.cell(kPlanNome, r);
        list.add(name);
        if (!keepTicks) continue;
        for (size_t i = 0; i < before.items.size(); ++i)
            if (!used[i] && before.items[i].text == name) {
                used[i] = true;
                list.setChecked(list.count() - 1, before.items[i].checked);
                break;
            }
    }
}

int planRow(const StringGrid& plans, const std::string& name) {
    int row = -1;
    for (int r = 1; r < plans.rowCount(); ++r)
        if (plans.cell(kPlanNome, r) == name) row = r;
    if (row < 0)
        throw toolkit::Error("O plano " + toolkit::quoteText(name) +
                             " não está na tabela de planos (Incluir Expurgo)");
    return row;
}

TForm3::TForm3(app::SharedContext& ctx)
    : GridDialog(ctx, kClassName, kCaption, kFile, 10, kPlanData) {
    writeHeaders();
}

void TForm3::wire(app::App&) {
    app::runCommand(*ctx_.ui, [this] { carregar(); });
}

void TForm3::writeHeaders() {
    static const char* const headers[10] = {"Expurgo",
                                            "Data",
                                            "Diferença sobre o saldo anterior em %",
                                            "Mudança de Moeda",
                                            "Moeda",
                                            "Índice Oficial",
                                            "Índice Oficial Valor",
                                            "Índice Requerido",
                                            "Índice Requerido Valor",
                                            "Moeda Mudança"};
    for (int c = 0; c < 10; ++c) SPlanosini.setCell(c, 0, headers[c]);
}

void TForm3::SPlanosiniSelectCell(int col, int row) {
    selectCell(col, row);
}

namespace {

bool rowIsEmpty(const StringGrid& g, int r) {
    for (int c = 0; c < g.colCount(); ++c)
        if (!g.cell(c, r).empty()) return false;
    return true;
}

// A month "mm/yyyy" that sorts: two digits, a slash, four digits, a month from 1 to 12.
bool isCompleteMonth(const std::string& m) {
    if (m.size() != 7 || m[2] != '/') return false;
    for (const int i : {0, 1, 3, 4, 5, 6})
        if (m[i] < '0' || m[i] > '9') return false;
    const int month = (m[0] - '0') * 10 + (m[1] - '0');
    return month >= 1 && month <= 12;
}

}  // namespace

void TForm3::GravarClick() {
    SPlanosiniExit();
    // Work on a copy: a refused row leaves the grid, the file and the plan list as they were.
    StringGrid g = SPlanosini;
    for (int r = g.rowCount() - 1; r >= 1; --r)
        if (rowIsEmpty(g, r) && g.rowCount() > 2) toolkit::RemoveLinha(g, r);
    for (int r = 1; r < g.rowCount(); ++r) {
        if (rowIsEmpty(g, r)) continue;
        const std::string& m = g.cell(kPlanData, r);
        if (!isCompleteMonth(m))
            throw toolkit::Error("Linha " + std::to_string(r) + " (" + g.cell(kPlanNome, r) +
                                 "): informe o mês do plano no formato mm/aaaa");
    }
    const int cols = g.colCount();
    g.setColCount(cols + 1);
    for (int r = 1; r < g.rowCount(); ++r) {
        const std::string& m = g.cell(kPlanData, r);
        g.setCell(cols, r, m.size() >= 7 ? m.substr(3, 4) + m.substr(0, 2) : std::string());
    }
    toolkit::Sortgrid(g, cols);
    for (int r = 0; r < g.rowCount(); ++r) g.setCell(cols, r, "");
    g.setColCount(cols);
    toolkit::SaveToFile(ctx_.file(kFile), g);
    SPlanosini = g;
    refillPlanLists(true);
    for (const auto& rebuild : planListsRefilled) rebuild();
}

void TForm3::refillPlanLists(bool keepTicks) {
    if (planList != nullptr) fillPlanList(*planList, SPlanosini, keepTicks);
    for (auto* list : otherPlanLists) fillPlanList(*list, SPlanosini, keepTicks);
}

void TForm3::carregar() {
    loadFile();
    refillPlanLists(false);
}

}  // namespace corvana::savings
