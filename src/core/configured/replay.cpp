// The replay the command-line runner and the benchmarks share: the window's own handlers in order.
#include "core/configured/replay.hpp"

#include <algorithm>
#include <cctype>

#include "core/configured/configured_wizard.hpp"

namespace corvana::configured {

std::string_view windowOfFile(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".e20") return "TForm7";
    if (ext == ".ex20") return "TForm_conftodos";
    if (ext == ".ex21") return "TForm_conftodosII";
    return {};
}

ReplayResult replayConfigured(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                              std::string_view window) {
    ReplayResult result;
    auto* form = app.modelAs<ConfiguredWizard>(window);
    const app::Command* command = nullptr;
    for (const auto& c : app::commandTable())
        if (c.place == app::Place::PopupCalcular && c.window == window) command = &c;
    if (form == nullptr || command == nullptr) return result;
    result.status = ReplayResult::Stopped;
    const size_t before = ui.messages.size();
    auto step = [&](const std::function<void()>& handler) {
        return app::runCommand(ui, handler) && ui.messages.size() == before;
    };
    // The menu command shows the window, which loads its month table.
    if (!app.run(*command) || ui.messages.size() != before) return result;
    if (!step([&] { form->shown(); })) return result;
    ui.openAnswers.clear();
    ui.openAnswers.push_back(file);
    if (!step([&] { form->SpeedButton5Click(); })) return result;
    for (int guard = 0; guard <= 10 && !(form->page == 9 && form->finalizarEnabled); ++guard)
        if (!step([&] { form->SpeedButton2Click(); })) return result;
    if (!form->finalizarEnabled) return result;
    result.report = form->reportPath();
    result.backup = form->backupPath();
    if (!step([&] { form->SpeedButton3Click(); })) return result;
    result.status = ReplayResult::Written;
    return result;
}

}  // namespace corvana::configured
