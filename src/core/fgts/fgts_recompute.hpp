// The FGTS windows' part of "corvana-cli resumo": purges, progressive interest, revision.
#pragma once

#include <filesystem>

#include "core/app/case_summary.hpp"

namespace corvana::fgts {

// Each runs the replay of "corvana-cli report" for its window, then fills what the report
// stated: the final month, the grand total and the index tables, or the message that stopped it.
void recomputePurges(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                     const app::Command& command, app::CaseSummary& summary);
void recomputeProgressive(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                          const app::Command& command, app::CaseSummary& summary);
void recomputeRevision(app::App& app, app::ScriptedUi& ui, const std::filesystem::path& file,
                       const app::Command& command, app::CaseSummary& summary);

}  // namespace corvana::fgts
