// "Incluir Expurgo" (TForm3): the plan table the savings calculators offer, kept in planos.ini.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/savings/check_list.hpp"
#include "core/savings/grid_dialog.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::savings {

// Columns of the plan table.
enum PlanColumn {
    kPlanNome = 0,            // "Expurgo": the plan's name
    kPlanData = 1,            // "Data": plan month "mm/yyyy"
    kPlanDiferenca = 2,       // difference in percent the bank failed to credit
    kPlanMudanca = 3,         // divisor of a currency change (empty = 1)
    kPlanMoeda = 4,           // currency symbol of the balance
    kPlanOficial = 5,         // name of the index the bank applied
    kPlanOficialValor = 6,    // its value in percent
    kPlanRequerido = 7,       // name of the index claimed
    kPlanRequeridoValor = 8,  // its value in percent
    kPlanMoedaMudanca = 9,    // currency symbol after the currency change
};

// Fills a plan check list from the data rows of the plan table (item i is row i + 1); ticks
// are dropped unless `keepTicks`, which keeps the tick of each plan still there (by name).
// A table whose only row is empty offers no plan.
void fillPlanList(CheckList& list, const toolkit::StringGrid& plans, bool keepTicks = false);
// The plan-table row of the plan a calculation names (the last row with that name); throws
// a message naming the plan when the table has no such row (renamed or removed since).
int planRow(const toolkit::StringGrid& plans, const std::string& name);

class TForm3 : public GridDialog {
  public:
    explicit TForm3(app::SharedContext& ctx);

    static constexpr const char* kClassName = "TForm3";
    static constexpr const char* kCaption = "Incluir Expurgo";
    static constexpr const char* kFile = "planos.ini";

    // The plan list that "Gravar" rebuilds (TForm2's CPlanos), wired by the composition root.
    CheckList* planList = nullptr;
    // The plan lists of the court-debt windows, rebuilt together with it.
    std::vector<CheckList*> otherPlanLists;
    // Each calculator rebuilds its plan grids from its list after "Gravar" refilled it.
    std::vector<std::function<void()>> planListsRefilled;

    // In the program: loads the plan table at start-up.
    void wire(app::App& app) override;
    void SPlanosiniSelectCell(int col, int row);
    void GravarClick() override;
    // Start-up: loads planos.ini when it exists and builds the plan list from it.
    void carregar();

  private:
    void writeHeaders() override;
    // Rebuilds every plan list wired to the plan table.
    void refillPlanLists(bool keepTicks);
};

}  // namespace corvana::savings
