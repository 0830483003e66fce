// Recomputing a saved URV calculation without a window: open, "Calcular", "Próximo" to the
// last page, "Finalizar".
#pragma once

#include "core/app/replay_result.hpp"

#include <filesystem>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"

namespace corvana::urv {

using UrvReplayResult = app::ReplayResult;

// Reads `file` into the URV window with "Abrir", runs the toolbar button "Calcular" (the
// table the file names and "urvtab.tab"), presses "Próximo" from page 0 to page 4 and then
// "Finalizar", answering "Não" to the save question. A message stops the run, except the
// finishing step's notice that the final date was moved to the table's last month.
UrvReplayResult replayUrv(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file);

// Whether a file opens in the URV window when no window is named: the extension ".urv" or the
// backup's name.
bool isUrvFile(const std::filesystem::path& file);

}  // namespace corvana::urv
