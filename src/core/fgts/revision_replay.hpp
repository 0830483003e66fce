// Recomputing a saved FGTS revision without a window: the menu command, "Abrir", "Finalizar".
#pragma once

#include "core/app/replay_result.hpp"

#include <filesystem>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"

namespace corvana::fgts {

using RevisionReplayResult = app::ReplayResult;

// Runs "Revisão TR X INPC ou IPCA-E" (tables loaded, date lists filled), reads `file` with
// "Abrir" and runs the finishing step. A message on the way stops the run.
RevisionReplayResult replayRevision(app::App& app, app::ScriptedUi& ui,
                                    const std::filesystem::path& file);

// Whether a file opens in the revision window when no window is named: the extension ".fgtsd"
// or the backup's name.
bool isRevisionFile(const std::filesystem::path& file);

}  // namespace corvana::fgts
