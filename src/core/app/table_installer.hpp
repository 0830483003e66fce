// What the updater does to a data folder: installs the bundled tables and help files,
// replacing the program's own files and keeping the user's.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace corvana::app {

// Files the user changes (plan table, overrides, header and footer, settings): installed
// when missing, never overwritten.
bool isUserFile(const std::filesystem::path& relative);

struct InstallReport {
    std::vector<std::filesystem::path> installed;  // new in the data folder
    std::vector<std::filesystem::path> replaced;   // program files brought up to date
    std::vector<std::filesystem::path> kept;       // user files left as they were
};

// Copies every file below `source` into `target` (created when needed), each written
// atomically. Throws toolkit::FileError naming the file that failed; files already copied stay.
InstallReport installTables(const std::filesystem::path& source,
                            const std::filesystem::path& target);

// The bundled data folder the updater installs from: "tabelas" beside the program, then
// "tabelas" in the installed shared files (sharedFilesFolder), then `fallback`. Empty when
// none exists.
std::filesystem::path bundledTables(const std::filesystem::path& programDir,
                                    const std::filesystem::path& fallback);
// The same with the source tree's sample folder as the fallback, so that a program run from
// its build folder finds the tables it was built with.
std::filesystem::path bundledTables(const std::filesystem::path& programDir);

}  // namespace corvana::app
