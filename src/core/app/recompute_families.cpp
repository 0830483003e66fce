// The families whose saved calculations "corvana-cli resumo" recomputes: one line each.
#include "core/app/case_summary.hpp"
#include "core/configured/configured_recompute.hpp"
#include "core/fgts/fgts_recompute.hpp"
#include "core/savings/replay.hpp"
#include "core/urv/urv_recompute.hpp"

namespace corvana::app {

void registerRecomputes(RecomputeRegistry& registry) {
    // Savings family: daily savings, state courts, federal court, São Paulo factors.
    for (const char* window : {"TForm2", "TForm_tjsp_d", "TForm_jf", "TForm5"})
        registry.add(window, savings::recomputeCalculation);
    registry.add("TFurv", urv::recomputeCalculation);
    registry.add("TFormFGTS", fgts::recomputePurges);
    registry.add("TForm_FGTS", fgts::recomputeProgressive);
    registry.add("TFFGTSdif", fgts::recomputeRevision);
    for (const char* window : {"TForm7", "TForm_conftodos", "TForm_conftodosII"})
        registry.add(window, configured::recomputeCalculation);
}

}  // namespace corvana::app
