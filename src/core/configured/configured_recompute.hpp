// The configured-savings windows' part of "corvana-cli resumo".
#pragma once

#include <filesystem>

#include "core/app/case_summary.hpp"

namespace corvana::configured {

// replayConfigured in the window of `command`, then what the report stated: the month of
// "Valor atualizado até", the corrected value ("VALOR CORRIGIDO", with the moratory interest
// when there is any) and the month table, or the message that stopped it.
void recomputeCalculation(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                          const app::Command& command, app::CaseSummary& summary);

}  // namespace corvana::configured
