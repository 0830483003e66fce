// "resumo" for the configured-savings windows: the replay of "corvana-cli report", then the
// model's final figures.
#include "core/configured/configured_recompute.hpp"

#include "core/configured/configured_wizard.hpp"
#include "core/configured/replay.hpp"

namespace corvana::configured {

void recomputeCalculation(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                          const app::Command& command, app::CaseSummary& summary) {
    const ReplayResult r = replayConfigured(app, ui, file, command.window);
    auto* form = app.modelAs<ConfiguredWizard>(command.window);
    if (form != nullptr) summary.calculator = form->caption();
    if (r.status != ReplayResult::Written || form == nullptr) {
        app::summaryStopped(ui, summary);
        return;
    }
    // The figures of the report just written (its grid is as the report left it).
    const FinalFigures f = form->finalFigures();
    summary.finalMonth = app::monthOfDate(form->Dateate);
    summary.total = f.unit.empty() ? f.V2 : f.unit + " " + f.V2;
    summary.tableNames = {form->variant().tableFile};
}

}  // namespace corvana::configured
