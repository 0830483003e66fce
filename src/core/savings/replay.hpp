// Recomputing a saved savings calculation without a window: open, "Próximo" to the end, "Finalizar".
#pragma once

#include "core/app/replay_result.hpp"

#include <filesystem>
#include <string_view>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"

namespace corvana::savings {

using ReplayResult = app::ReplayResult;

// Opens `file` with "Abrir" of the calculator `window` of `app` (the savings calculator unless
// told), then, in the window the file opened in, presses "Próximo" until the last page and
// then "Finalizar". A message shown through `ui` on the way stops the replay.
ReplayResult replayCalculation(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                               std::string_view window = "TForm2");

}  // namespace corvana::savings
