// Data folder, program folder and version text.
#include "core/app/data_folder.hpp"

#include <cstdlib>

#ifndef CORVANA_VERSION_TEXT
#define CORVANA_VERSION_TEXT ""
#endif

namespace corvana::app {

std::string processEnv(const char* name) {
    const char* v = std::getenv(name);
    return v == nullptr ? std::string() : std::string(v);
}

std::filesystem::path u8name(const std::string& name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::filesystem::path dataFolder(const std::optional<std::filesystem::path>& option,
                                 const EnvLookup& env) {
    if (option && !option->empty()) return *option;
    if (const auto v = env("CORVANA_DATA_DIR"); !v.empty()) return u8name(v);
    return getdesktopdirectory(env) / "Corvana" / "DURAviv";
}

std::string GetVersion() {
    return CORVANA_VERSION_TEXT;
}

}  // namespace corvana::app
