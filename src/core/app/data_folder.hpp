// Where the program's files are: the data folder, the program folder, the updater, the version.
// (The parts that differ between systems are defined in platform.cpp.)
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace corvana::app {

// The data folder below the per-user application-data folder.
inline constexpr const char* kDataSubPath = "Corvana/DURAviv";

// Reads an environment variable; empty when unset.
using EnvLookup = std::function<std::string(const char*)>;
std::string processEnv(const char* name);

// The per-user roaming application-data folder: %APPDATA% on Windows; $XDG_DATA_HOME, else
// $HOME/.local/share elsewhere. Empty when none of them is set.
std::filesystem::path getdesktopdirectory(const EnvLookup& env = processEnv);

// The data folder (`meudir`): the --data-dir value when given, else $CORVANA_DATA_DIR, else
// the application-data folder followed by Corvana/DURAviv. The folder is not created.
std::filesystem::path dataFolder(const std::optional<std::filesystem::path>& option,
                                 const EnvLookup& env = processEnv);

// The folder of the running program file (`meudirx2`), links resolved.
std::filesystem::path programFolder(const char* argv0);

// The updater's file name in the program folder.
std::string updaterFileName();
// The main program's file name in the program folder.
std::string programFileName();

// The program's version as four numbers ("1.0.0.8"); empty when the build has none.
std::string GetVersion();

// A file name written in UTF-8 ("Justiça Federal ... .tab") as a path, on every platform.
std::filesystem::path u8name(const std::string& name);

}  // namespace corvana::app
