// A configured-savings window on a temporary data folder with a small month table.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "core/app/context.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/configured/collor_1991_savings.hpp"
#include "core/configured/collor_savings.hpp"
#include "core/configured/statement_savings.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "test_support.hpp"

namespace corvana::testing {

// One row of a month table: factor F, credited factor G, unit.
struct MonthRow {
    std::string F = "0,01";
    std::string G;
    std::string unit = "R$";
};

// Writes the window's month table: statement rows where the variant puts them ("Extrato
// Jul/87"), monthly rows labelled from JUL/87 on, up to `lastMonth` monthly rows in all.
// Rows named in `special` (by row number) get their own values.
inline void writeMonthTable(const std::filesystem::path& dir, const configured::ConfiguredVariant& v,
                            int monthlyRows, const std::map<int, MonthRow>& special = {},
                            const std::string& defaultF = "0,01") {
    static const char* const names[12] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                                          "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
    toolkit::StringGrid g(8, 1);
    const char* const header[8] = {"Mês", "Índice", "Valor", "Índice creditado",
                                   "Valor creditado", "Diferença", "Saldo", "Moeda"};
    for (int c = 0; c < 8; ++c) g.setCell(c, 0, header[c]);
    int month = 6, year = 1987;  // JUL/87
    size_t k = 0;
    for (int r = 1; monthlyRows > 0; ++r) {
        g.setRowCount(r + 1);
        MonthRow row;
        row.F = defaultF;
        if (auto it = special.find(r); it != special.end()) row = it->second;
        if (k < v.months.size() && v.months[k].tableRow == r) {
            g.setCell(0, r, "Extrato " + v.months[k].caption);
            g.setCell(3, r, row.G.empty() ? "0,005" : row.G);
            ++k;
        } else {
            const int yy = year % 100;
            g.setCell(0, r, std::string(names[month]) + "/" + (yy < 10 ? "0" : "") + std::to_string(yy));
            if (++month == 12) month = 0, ++year;
            --monthlyRows;
        }
        g.setCell(1, r, row.F);
        g.setCell(7, r, row.unit);
    }
    toolkit::SaveToFile(dir / v.tableFile, g);
}

template <class Window>
struct ConfiguredFixture {
    TempDir dir;
    app::ScriptedUi ui;
    app::SharedContext ctx{ui};
    Window w{ctx};

    ConfiguredFixture() { ctx.meudir = dir.path(); }

    void table(int monthlyRows = 60, const std::map<int, MonthRow>& special = {},
               const std::string& defaultF = "0,01") {
        writeMonthTable(dir.path(), w.variant(), monthlyRows, special, defaultF);
    }
    // Types a field and leaves it, as the user does.
    void type(const std::string& name, const std::string& text) {
        w.focusField(name);
        w.fieldChanged(name, text);
        w.takeFocusOff();
    }
    // Walks from page 0 to the last page (computing), with only the given statement balance.
    void compute() {
        w.page = 0;
        for (int guard = 0; guard < 12 && !(w.page == 9 && w.finalizarEnabled); ++guard) {
            const size_t before = ui.messages.size();
            w.SpeedButton2Click();
            if (ui.messages.size() != before) return;
        }
    }
};

}  // namespace corvana::testing
