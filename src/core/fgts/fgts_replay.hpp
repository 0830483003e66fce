// Recomputing a saved FGTS calculation without a window, through the window's own handlers.
#pragma once

#include "core/app/replay_result.hpp"

#include <filesystem>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"

namespace corvana::fgts {

using FgtsReplayResult = app::ReplayResult;

// "Expurgos do FGTS", "Abrir" with the file, "Próximo" to the last page, "Finalizar".
FgtsReplayResult replayPurges(app::App& app, app::ScriptedUi& ui,
                              const std::filesystem::path& file);
// "FGTS - Juros Progressivos", "Novo", "Abrir" with the file, one recalc, "Finalizar".
FgtsReplayResult replayProgressive(app::App& app, app::ScriptedUi& ui,
                                   const std::filesystem::path& file);

}  // namespace corvana::fgts
