// The FGTS revision replay the command-line runner and the benchmarks share.
#include "core/fgts/revision_replay.hpp"

#include <algorithm>
#include <cctype>

#include "core/fgts/fgts_revision.hpp"

namespace corvana::fgts {

bool isRevisionFile(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return ext == ".fgtsd" || file.filename() == TFFGTSdif::kBackup;
}

RevisionReplayResult replayRevision(app::App& app, app::ScriptedUi& ui,
                                    const std::filesystem::path& file) {
    RevisionReplayResult result;
    auto* form = app.modelAs<TFFGTSdif>(TFFGTSdif::kClassName);
    const app::Command* open = nullptr;
    for (const auto& c : app::commandTable())
        if (c.place == app::Place::PopupFgts && c.window == TFFGTSdif::kClassName) open = &c;
    if (form == nullptr || open == nullptr || !app.available(*open)) return result;
    result.status = RevisionReplayResult::Stopped;
    const size_t before = ui.messages.size();
    if (!app.run(*open) || ui.messages.size() != before) return result;
    ui.openAnswers.clear();
    ui.openAnswers.push_back(file);
    auto step = [&](const std::function<void()>& handler) {
        return app::runCommand(ui, handler) && ui.messages.size() == before;
    };
    if (!step([&] { form->AbrirClick(); })) return result;
    if (!step([&] { form->SpeedButton3Click(); })) return result;
    result.report = form->reportPath();
    result.backup = form->backupPath();
    result.status = RevisionReplayResult::Written;
    return result;
}

}  // namespace corvana::fgts
