// Everything that differs between Windows and the other systems: the per-user application-data
// folder, where the running program lies, the names of its files, where its installed shared
// files are and how a program is started without waiting.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace corvana::app {

// The folder of the installed shared files (bundled tables in "tabelas", example calculations
// in "exemplos") for a program installed in `programDir`: the program's own folder on Windows;
// "<prefix>/share/corvana" for a program in "<prefix>/lib/corvana" elsewhere.
std::filesystem::path sharedFilesFolder(const std::filesystem::path& programDir);

// Starts `program` with `arguments`, detached from this process; false when it could not start.
bool startDetached(const std::filesystem::path& program, const std::vector<std::string>& arguments);

}  // namespace corvana::app
