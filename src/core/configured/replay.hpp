// Recomputing a saved configured-savings calculation: the window's menu command, "Abrir",
// "Próximo" until the last page has been computed, "Finalizar".
#pragma once

#include "core/app/replay_result.hpp"

#include <filesystem>
#include <string_view>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"

namespace corvana::configured {

using ReplayResult = app::ReplayResult;

// The window a calculation file opens in by its extension ("TForm7" for .e20, "TForm_conftodos"
// for .ex20, "TForm_conftodosII" for .ex21); empty for any other.
std::string_view windowOfFile(const std::filesystem::path& file);

// Runs the window's command of the "Calcular" pop-up menu, opens `file` with "Abrir", presses
// "Próximo" until the computation of the last page has run and then "Finalizar". A message
// shown through `ui` on the way stops the replay.
ReplayResult replayConfigured(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                              std::string_view window);

}  // namespace corvana::configured
