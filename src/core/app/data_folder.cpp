// Data folder, program folder and version text.
#include "core/app/data_folder.hpp"

#include <cstdlib>
#include <system_error>

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

std::filesystem::path getdesktopdirectory(const EnvLookup& env) {
#ifdef _WIN32
    return u8name(env("APPDATA"));
#else
    if (const auto xdg = env("XDG_DATA_HOME"); !xdg.empty()) return u8name(xdg);
    if (const auto home = env("HOME"); !home.empty()) return u8name(home) / ".local" / "share";
    return {};
#endif
}

std::filesystem::path dataFolder(const std::optional<std::filesystem::path>& option,
                                 const EnvLookup& env) {
    if (option && !option->empty()) return *option;
    if (const auto v = env("CORVANA_DATA_DIR"); !v.empty()) return u8name(v);
    return getdesktopdirectory(env) / "Corvana" / "DURAviv";
}

std::filesystem::path programFolder(const char* argv0) {
    std::error_code ec;
#ifndef _WIN32
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && !self.empty()) return self.parent_path();
#endif
    if (argv0 == nullptr) return std::filesystem::current_path(ec);
    const auto abs = std::filesystem::absolute(argv0, ec);
    return ec ? std::filesystem::path() : abs.parent_path();
}

std::string updaterFileName() {
#ifdef _WIN32
    return "download.exe";
#else
    return "download";
#endif
}

std::string programFileName() {
#ifdef _WIN32
    return "corvana.exe";
#else
    return "corvana";
#endif
}

std::string GetVersion() {
    return CORVANA_VERSION_TEXT;
}

}  // namespace corvana::app
