// The replay the command-line runner and the benchmarks share: the window's own handlers in order.
#include "core/savings/replay.hpp"

#include "core/savings/savings_wizard.hpp"

namespace corvana::savings {

ReplayResult replayCalculation(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                               std::string_view window) {
    ReplayResult result;
    auto* opener = app.modelAs<SavingsWizard>(window);
    if (opener == nullptr) return result;
    const size_t before = ui.messages.size();
    auto step = [&](const std::function<void()>& handler) {
        return app::runCommand(ui, handler) && ui.messages.size() == before;
    };
    result.status = ReplayResult::Stopped;
    // "Abrir" with the file chosen in its dialog.
    ui.openAnswers.clear();
    ui.openAnswers.push_back(file);
    ui.exactOpenNames = true;  // exactly the file given, whatever its name
    const size_t shownBefore = ui.windowsShown.size();
    if (!step([&] { opener->SpeedButton5Click(); })) return result;
    // A file may open in a neighbour of the window ("estados" files, "Vers" files).
    SavingsWizard* form = opener;
    if (ui.windowsShown.size() > shownBefore)
        if (auto* shown = app.modelAs<SavingsWizard>(ui.windowsShown.back())) form = shown;
    const int last = form->variant().lastPage;
    for (int guard = 0; form->page < last && guard <= last; ++guard)
        if (!step([&] { form->SpeedButton2Click(); })) return result;
    if (form->page != last) return result;
    result.window = form->className();
    result.report = form->reportPath();
    result.backup = form->backupPath();
    if (!step([&] { form->SpeedButton3Click(); })) return result;
    result.status = ReplayResult::Written;
    return result;
}

void recomputeCalculation(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                          const app::Command& command, app::CaseSummary& summary) {
    const std::string& window = command.window;
    const size_t before = ui.messages.size();
    if (!app.run(command) || ui.messages.size() != before) {
        app::summaryStopped(ui, summary);
        return;
    }
    const ReplayResult r = replayCalculation(app, ui, file, window);
    auto* form = app.modelAs<SavingsWizard>(r.window.empty() ? window : r.window);
    if (form != nullptr) summary.calculator = form->caption();
    if (r.status != ReplayResult::Written || form == nullptr) {
        app::summaryStopped(ui, summary);
        return;
    }
    summary.finalMonth = form->SPlanos.cell(1, form->SPlanos.rowCount() - 1);
    summary.total = form->totalOwed();
    summary.tableNames = form->usedTables();
}

}  // namespace corvana::savings
