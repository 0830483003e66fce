// Installing the bundled tables into a data folder.
#include "core/app/table_installer.hpp"

#include <algorithm>
#include <array>

#include "core/app/platform.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/text_file.hpp"

// The bundled data folder of the source tree, for programs run from their build folder.
#ifndef CORVANA_SOURCE_TABLES
#define CORVANA_SOURCE_TABLES ""
#endif

namespace corvana::app {

namespace fs = std::filesystem;

bool isUserFile(const fs::path& relative) {
    static const std::array<const char*, 2> userFiles = {"cabecalho.dat", "rodape.dat"};
    const auto name = relative.filename().string();
    if (relative.extension() == ".ini") return true;  // planos, indice, exp, font, save
    return std::find(userFiles.begin(), userFiles.end(), name) != userFiles.end();
}

InstallReport installTables(const fs::path& source, const fs::path& target) {
    std::error_code ec;
    if (!fs::is_directory(source, ec)) throw toolkit::FileError::cannotOpen(source);
    fs::create_directories(target, ec);
    if (!fs::is_directory(target, ec)) throw toolkit::FileError::cannotWrite(target);

    std::vector<fs::path> files;
    for (auto it = fs::recursive_directory_iterator(source, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_regular_file(ec)) files.push_back(fs::relative(it->path(), source, ec));
    }
    if (ec) throw toolkit::FileError::cannotOpen(source);
    std::sort(files.begin(), files.end());

    InstallReport report;
    for (const auto& rel : files) {
        const auto dest = target / rel;
        const bool exists = fs::exists(dest, ec);
        if (exists && isUserFile(rel)) {
            report.kept.push_back(rel);
            continue;
        }
        fs::create_directories(dest.parent_path(), ec);
        toolkit::writeFileAtomic(dest, toolkit::readFileBytes(source / rel));
        (exists ? report.replaced : report.installed).push_back(rel);
    }
    return report;
}

fs::path bundledTables(const fs::path& programDir, const fs::path& fallback) {
    std::error_code ec;
    const fs::path shared = sharedFilesFolder(programDir);
    for (const auto& candidate : {programDir.empty() ? fs::path() : programDir / "tabelas",
                                  shared.empty() ? fs::path() : shared / "tabelas", fallback}) {
        if (!candidate.empty() && fs::is_directory(candidate, ec))
            return candidate.lexically_normal();
    }
    return {};
}

fs::path bundledTables(const fs::path& programDir) {
    return bundledTables(programDir, CORVANA_SOURCE_TABLES);
}

}  // namespace corvana::app
