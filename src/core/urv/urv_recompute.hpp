// The URV calculator's part of "corvana-cli resumo".
#pragma once

#include <filesystem>

#include "core/app/case_summary.hpp"

namespace corvana::urv {

// replayUrv, then what the report stated: the final month, the grand total and the tables (the
// correction table chosen in CB1 and "urvtab.tab"), or the message that stopped it.
void recomputeCalculation(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                          const app::Command& command, app::CaseSummary& summary);

}  // namespace corvana::urv
