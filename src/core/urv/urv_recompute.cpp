// "resumo" for the URV calculator: the very replay of "corvana-cli report", then the model's figures.
#include "core/urv/urv_recompute.hpp"

#include "core/urv/urv_replay.hpp"
#include "core/urv/urv_wizard.hpp"

namespace corvana::urv {

void recomputeCalculation(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                          const app::Command&, app::CaseSummary& summary) {
    const UrvReplayResult r = replayUrv(app, ui, file);
    auto* form = app.modelAs<TFurv>(TFurv::kClassName);
    if (form != nullptr) summary.calculator = form->caption();
    if (r.status != UrvReplayResult::Written || form == nullptr) {
        app::summaryStopped(ui, summary);
        return;
    }
    // The finishing step may have moved the final date to the table's last month.
    summary.finalMonth = app::monthOfDate(form->Datafinal);
    summary.total = form->totalOwed();
    summary.tableNames = form->usedTables();
}

}  // namespace corvana::urv
