// A savings calculator on a temporary data folder with a small index table and plan table.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/app/context.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/savings/yield_override_dialog.hpp"
#include "core/savings/daily_savings.hpp"
#include "core/savings/plan_table_dialog.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "test_support.hpp"

namespace corvana::testing {

struct TableMonth {
    std::string yield = "1";   // every anniversary day
    std::string currency = "Cz$";
    std::string divisor;       // column 33
};

// Writes an index table "poupanca13.tab" from `first` for `count` months; months named in
// `special` get their own row values.
inline void writeIndexTable(const std::filesystem::path& dir, const std::string& first, int count,
                            const std::map<std::string, TableMonth>& special = {}) {
    toolkit::StringGrid g(34, 1);
    g.setCell(0, 0, "Mês");
    for (int c = 1; c <= 31; ++c) g.setCell(c, 0, std::to_string(c));
    g.setCell(32, 0, "Moeda");
    g.setCell(33, 0, "Divisor");
    toolkit::Date d = toolkit::MonthToDate(first);
    for (int n = 0; n < count; ++n) {
        const std::string m = toolkit::DateToMonth(toolkit::IncMonth(d, n));
        const auto it = special.find(m);
        const TableMonth tm = it == special.end() ? TableMonth{} : it->second;
        const int r = g.rowCount();
        g.setRowCount(r + 1);
        g.setCell(0, r, m);
        for (int c = 1; c <= 31; ++c) g.setCell(c, r, tm.yield);
        g.setCell(32, r, tm.currency);
        g.setCell(33, r, tm.divisor);
    }
    toolkit::SaveToFile(dir / "poupanca13.tab", g);
}

struct SavingsFixture {
    TempDir dir;
    app::ScriptedUi ui;
    app::SharedContext ctx{ui};
    savings::TForm3 form3{ctx};
    savings::TForm4 form4{ctx};
    savings::TForm2 form2{ctx, form3, form4};

    SavingsFixture() {
        ctx.meudir = dir.path();
        form3.planList = &form2.CPlanos;
    }

    // The plan table rows (10 columns each) and the plan list built from them.
    void setPlans(const std::vector<std::vector<std::string>>& rows) {
        form3.SPlanosini.setRowCount(static_cast<int>(rows.size()) + 1);
        for (size_t i = 0; i < rows.size(); ++i) form3.SPlanosini.setRow(static_cast<int>(i) + 1, rows[i]);
        savings::fillPlanList(form2.CPlanos, form3.SPlanosini);
    }
    void loadTable() { ctx.reloadIndice("poupanca13.tab"); }

    // Ticks the plans (by list position), opens the window and sets the target month.
    void choose(const std::vector<int>& items, const std::string& target = "") {
        form2.show();
        for (const int i : items) form2.CPlanos.setChecked(i, true);
        form2.CPlanosClick();
        if (!target.empty()) form2.SPlanos.setCell(1, form2.SPlanos.rowCount() - 1, target);
    }
    // "Próximo" until the page is reached; stops early when a message appears.
    bool nextTo(int page) {
        while (form2.page < page) {
            const size_t before = ui.messages.size();
            if (!app::runCommand(ui, [&] { form2.SpeedButton2Click(); })) return false;
            if (ui.messages.size() != before) return false;
        }
        return true;
    }
    std::string cell(int col, int row) const { return form2.planilha.cell(col, row); }
};

}  // namespace corvana::testing
