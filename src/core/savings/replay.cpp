// The replay the command-line runner and the benchmarks share: the window's own handlers in order.
#include "core/savings/replay.hpp"

#include "core/savings/expurgos.hpp"

namespace corvana::savings {

ReplayResult replayCalculation(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file) {
    ReplayResult result;
    auto* form2 = app.modelAs<TForm2>(TForm2::kClassName);
    if (form2 == nullptr) return result;
    const size_t before = ui.messages.size();
    auto step = [&](const std::function<void()>& handler) {
        return app::runCommand(ui, handler) && ui.messages.size() == before;
    };
    result.status = ReplayResult::Stopped;
    // "Abrir" with the file chosen in its dialog.
    ui.openAnswers.clear();
    ui.openAnswers.push_back(file);
    if (!step([&] { form2->SpeedButton5Click(); })) return result;
    for (int guard = 0; form2->page < 6 && guard < 7; ++guard)
        if (!step([&] { form2->SpeedButton2Click(); })) return result;
    if (form2->page != 6) return result;
    result.report = form2->reportPath();
    result.backup = form2->backupPath();
    if (!step([&] { form2->SpeedButton3Click(); })) return result;
    result.status = ReplayResult::Written;
    return result;
}

}  // namespace corvana::savings
