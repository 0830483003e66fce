// The calculators this build has: one registry line each (see ModelRegistry).
#include "core/app/app.hpp"
#include "core/app/registry.hpp"
#include "core/savings/month_yield_dialog.hpp"
#include "core/savings/yield_override_dialog.hpp"
#include "core/savings/sao_paulo_factors.hpp"
#include "core/savings/daily_savings.hpp"
#include "core/savings/february_1989_notice.hpp"
#include "core/savings/plan_table_dialog.hpp"
#include "core/savings/federal_court.hpp"
#include "core/savings/state_court.hpp"
#include "core/tables/import_window.hpp"
#include "core/tables/installed_tables.hpp"

namespace corvana::app {

void registerWindowModels(ModelRegistry& registry) {
    // Savings calculator and its dialogs.
    registry.add("TForm2", [](App& app) { return std::make_unique<savings::TForm2>(app.context()); });
    registry.add("TForm3", [](App& app) { return std::make_unique<savings::TForm3>(app.context()); });
    registry.add("TForm4", [](App& app) { return std::make_unique<savings::TForm4>(app.context()); });
    registry.add("TForm6", [](App& app) { return std::make_unique<savings::TForm6>(app.context()); });
    registry.add("TForm8", [](App& app) { return std::make_unique<savings::TForm8>(app.context()); });
    // Court-debt calculators of the savings family.
    registry.add("TForm5", [](App& app) { return std::make_unique<savings::TForm5>(app.context()); });
    registry.add("TForm_tjsp_d",
                 [](App& app) { return std::make_unique<savings::TForm_tjsp_d>(app.context()); });
    registry.add("TForm_jf", [](App& app) { return std::make_unique<savings::TForm_jf>(app.context()); });
    // Official series import and the installed tables' provenance.
    registry.add("TFormImportarSerie",
                 [](App& app) { return std::make_unique<tables::TFormImportarSerie>(app.context()); });
    registry.add("TFormTabelas",
                 [](App& app) { return std::make_unique<tables::TFormTabelas>(app.context()); });
}

}  // namespace corvana::app
