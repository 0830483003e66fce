// The calculators this build has: one registry line each (see ModelRegistry).
#include "core/app/app.hpp"
#include "core/app/registry.hpp"

namespace corvana::app {

void registerWindowModels(ModelRegistry& registry) {
    (void)registry;
}

}  // namespace corvana::app
