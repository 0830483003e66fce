// The whole program on a temporary data folder with small court tables and a plan table, for
// the court-debt calculators that its menu commands open.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/savings/sao_paulo_factors.hpp"
#include "core/savings/daily_savings.hpp"
#include "core/savings/plan_table_dialog.hpp"
#include "core/savings/federal_court.hpp"
#include "core/savings/state_court.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "savings_fixture.hpp"

namespace corvana::testing {

inline const std::vector<std::vector<std::string>> kCourtPlans = {
    {"Plano Bresser", "06/1987", "8,04", "", "Cz$", "LBC", "18,02", "IPC", "26,06", ""},
    {"Plano Verão", "01/1989", "20,37", "1000", "Cz$", "LFT", "22,35", "IPC", "42,72", "NCz$"},
};

inline const char* const kSaoPaulo = "Débitos Judiciais São Paulo (mês a mês)";
inline const char* const kMinas = "Débitos Judiciais MG - MT - MS - ES (mês a mês)";
inline const char* const kParana = "Débitos Judiciais PR (mês a mês)";
inline const char* const kParanaNaoExpurgada = "Débitos Judiciais PR (mês a mês - não expurgada)";
inline const char* const kFederal = "Justiça Federal";
inline const char* const kFatores = "Débitos Judiciais São Paulo";

// A month-by-month table of the savings layout under its own name, one yield for every day.
inline void writeCourtTable(const std::filesystem::path& dir, const std::string& name,
                            const std::string& yield,
                            const std::map<std::string, TableMonth>& special = {}) {
    std::map<std::string, TableMonth> months = special;
    toolkit::Date d = toolkit::MonthToDate("01/1987");
    for (int n = 0; n < 30; ++n) {
        const std::string m = toolkit::DateToMonth(toolkit::IncMonth(d, n));
        if (!months.count(m)) months[m] = TableMonth{yield, "Cz$", ""};
    }
    writeIndexTable(dir, "01/1987", 30, months);  // up to 06/1989
    std::filesystem::rename(dir / "poupanca13.tab", dir / name);
}

// The factor table: month, cumulative factor, currency.
inline void writeFactorTable(const std::filesystem::path& dir,
                             const std::vector<std::vector<std::string>>& rows) {
    toolkit::StringGrid g(3, 1);
    g.setRow(0, {"moeda", "Fator", "Moeda"});
    g.setRowCount(static_cast<int>(rows.size()) + 1);
    for (size_t i = 0; i < rows.size(); ++i) g.setRow(static_cast<int>(i) + 1, rows[i]);
    toolkit::SaveToFile(dir / "t0001.tab", g);
}

struct CourtApp {
    TempDir dir;
    app::ScriptedUi ui;
    std::unique_ptr<app::App> program;

    // Writes the plan table before the program starts; tables are written by the test.
    CourtApp() {
        toolkit::StringGrid plans(10, static_cast<int>(kCourtPlans.size()) + 1);
        for (size_t i = 0; i < kCourtPlans.size(); ++i)
            plans.setRow(static_cast<int>(i) + 1, kCourtPlans[i]);
        for (int c = 0; c < 10; ++c) plans.setCell(c, 0, "c" + std::to_string(c));
        toolkit::SaveToFile(dir / "planos.ini", plans);
    }
    void start() {
        app::AppOptions options;
        options.dataDir = dir.path();
        program = std::make_unique<app::App>(ui, options);
        ASSERT_TRUE(program->start());
    }

    template <class T>
    T& form(const char* name) {
        return *program->modelAs<T>(name);
    }
    savings::TForm_tjsp_d& tjsp() { return form<savings::TForm_tjsp_d>("TForm_tjsp_d"); }
    savings::TForm_jf& jf() { return form<savings::TForm_jf>("TForm_jf"); }
    savings::TForm5& sp() { return form<savings::TForm5>("TForm5"); }
    savings::TForm2& form2() { return form<savings::TForm2>("TForm2"); }

    // Runs the "Calcular" pop-up command of that caption.
    bool open(const std::string& caption) {
        for (const auto& c : app::commandTable()) {
            if (c.place != app::Place::PopupCalcular || c.caption != caption) continue;
            const size_t shown = ui.windowsShown.size();
            if (!program->run(c)) return false;
            // The window's view reports it shown, which runs its showing steps.
            if (ui.windowsShown.size() > shown)
                if (auto* w = program->modelAs<savings::SavingsWizard>(ui.windowsShown.back()))
                    w->shown();
            return true;
        }
        return false;
    }
    // Ticks plans, sets the target month and the balances, and goes to the last page.
    bool walk(savings::SavingsWizard& w, const std::vector<int>& items, const std::string& target,
              const std::vector<std::string>& balances) {
        for (const int i : items) w.CPlanos.setChecked(i, true);
        w.CPlanosClick();
        w.SPlanos.setCell(1, w.SPlanos.rowCount() - 1, target);
        if (!nextTo(w, 1)) return false;
        for (size_t k = 0; k < balances.size(); ++k)
            w.SSaldo.setCell(4, static_cast<int>(k) + 1, balances[k]);
        return nextTo(w, w.variant().lastPage);
    }
    bool nextTo(savings::SavingsWizard& w, int page) {
        while (w.page < page) {
            const size_t before = ui.messages.size();
            if (!app::runCommand(ui, [&] { w.SpeedButton2Click(); })) return false;
            if (ui.messages.size() != before) return false;
        }
        return true;
    }
    static bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

}  // namespace corvana::testing
