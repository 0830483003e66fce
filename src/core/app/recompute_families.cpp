// The families whose saved calculations "corvana-cli resumo" recomputes: one line each.
#include "core/app/case_summary.hpp"
#include "core/savings/replay.hpp"

namespace corvana::app {

void registerRecomputes(RecomputeRegistry& registry) {
    // Savings family: daily savings, state courts, federal court, São Paulo factors.
    for (const char* window : {"TForm2", "TForm_tjsp_d", "TForm_jf", "TForm5"})
        registry.add(window, savings::recomputeCalculation);
}

}  // namespace corvana::app
