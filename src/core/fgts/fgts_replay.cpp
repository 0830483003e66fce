// The replays of the FGTS windows that the command-line runner and the benchmarks share.
#include "core/fgts/fgts_replay.hpp"

#include "core/fgts/fgts_purges.hpp"
#include "core/fgts/progressive_interest.hpp"

namespace corvana::fgts {

namespace {

const app::Command* fgtsCommand(const char* caption) {
    for (const auto& c : app::commandTable())
        if (c.place == app::Place::PopupFgts && c.caption == caption) return &c;
    return nullptr;
}

// Runs a handler; false when it failed or showed a message.
struct Stepper {
    app::ScriptedUi& ui;
    size_t before;
    bool operator()(const std::function<void()>& handler) const {
        return app::runCommand(ui, handler) && ui.messages.size() == before;
    }
};

}  // namespace

FgtsReplayResult replayPurges(app::App& app, app::ScriptedUi& ui,
                              const std::filesystem::path& file) {
    FgtsReplayResult result;
    auto* form = app.modelAs<TFormFGTS>("TFormFGTS");
    const auto* command = fgtsCommand("Expurgos do FGTS");
    if (form == nullptr || command == nullptr || !app.available(*command)) return result;
    result.status = FgtsReplayResult::Stopped;
    const Stepper step{ui, ui.messages.size()};
    if (!app.run(*command) || ui.messages.size() != step.before) return result;
    form->shown();
    if (!step([&] { form->abrir(file); })) return result;
    for (int guard = 0; form->page < 5 && guard < 6; ++guard)
        if (!step([&] { form->ProximoClick(); })) return result;
    if (form->page != 5) return result;
    if (!step([&] { form->BfimClick(); })) return result;
    result.report = form->reportPath();
    result.backup = form->backupPath();
    result.status = FgtsReplayResult::Written;
    return result;
}

FgtsReplayResult replayProgressive(app::App& app, app::ScriptedUi& ui,
                                   const std::filesystem::path& file) {
    FgtsReplayResult result;
    auto* form = app.modelAs<TForm_FGTS>("TForm_FGTS");
    const auto* command = fgtsCommand("FGTS - Juros Progressivos");
    if (form == nullptr || command == nullptr || !app.available(*command)) return result;
    result.status = FgtsReplayResult::Stopped;
    const Stepper step{ui, ui.messages.size()};
    if (!app.run(*command) || ui.messages.size() != step.before) return result;
    form->shown();
    if (!step([&] { form->Button1Click(); })) return result;
    if (!step([&] { form->abrir(file); })) return result;
    // Editing a cell runs recalc on the values as they stand.
    if (!step([&] { form->svaloresSetEditText(1, 1, form->svalores.cell(1, 1)); })) return result;
    if (!step([&] { form->Button4Click(); })) return result;
    result.report = form->reportPath();
    result.backup = form->backupPath();
    result.status = FgtsReplayResult::Written;
    return result;
}

}  // namespace corvana::fgts
