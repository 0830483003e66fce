// The calculators this build has: one registry line each (see ModelRegistry).
#include "core/app/app.hpp"
#include "core/app/registry.hpp"
#include "core/fgts/fgts_revision.hpp"
#include "core/savings/month_yield_dialog.hpp"
#include "core/savings/yield_override_dialog.hpp"
#include "core/savings/sao_paulo_factors.hpp"
#include "core/savings/daily_savings.hpp"
#include "core/savings/february_1989_notice.hpp"
#include "core/savings/plan_table_dialog.hpp"
#include "core/savings/federal_court.hpp"
#include "core/savings/state_court.hpp"
#include "core/configured/statement_savings.hpp"
#include "core/configured/collor_savings.hpp"
#include "core/configured/collor_1991_savings.hpp"
#include "core/urv/daily_entries.hpp"
#include "core/urv/law_text.hpp"
#include "core/urv/report_styles.hpp"
#include "core/urv/urv_wizard.hpp"
#include "core/fgts/fgts_purges.hpp"
#include "core/fgts/progressive_interest.hpp"
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
    // Configured savings from bank statements.
    registry.add("TForm7", [](App& app) { return std::make_unique<configured::TForm7>(app.context()); });
    registry.add("TForm_conftodos",
                 [](App& app) { return std::make_unique<configured::TForm_conftodos>(app.context()); });
    registry.add("TForm_conftodosII",
                 [](App& app) { return std::make_unique<configured::TForm_conftodosII>(app.context()); });
    // URV differences calculator and its windows.
    registry.add("TFcab", [](App&) { return std::make_unique<urv::TFcab>(); });
    registry.add("TFmanual", [](App& app) { return std::make_unique<urv::TFmanual>(app.context()); });
    registry.add("TFurv", [](App& app) { return std::make_unique<urv::TFurv>(app.context()); });
    registry.add("TFtexto", [](App& app) { return std::make_unique<urv::TFtexto>(app.context()); });
    // FGTS calculators.
    registry.add("TFormFGTS", [](App& app) { return std::make_unique<fgts::TFormFGTS>(app.context()); });
    registry.add("TForm_FGTS", [](App& app) { return std::make_unique<fgts::TForm_FGTS>(app.context()); });
    // FGTS index revision.
    registry.add("TFFGTSdif", [](App& app) { return std::make_unique<fgts::TFFGTSdif>(app.context()); });
    // Official series import and the installed tables' provenance.
    registry.add("TFormImportarSerie",
                 [](App& app) { return std::make_unique<tables::TFormImportarSerie>(app.context()); });
    registry.add("TFormTabelas",
                 [](App& app) { return std::make_unique<tables::TFormTabelas>(app.context()); });
}

}  // namespace corvana::app
