// Shared by the fuzz targets that drive the whole program: a private data folder filled from
// the bundled data folder, and the calculator windows by their command-line names.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/app/app.hpp"
#include "core/app/commands.hpp"

namespace corvana::fuzzing {

// A data folder of this process (in memory when /dev/shm exists), holding a fresh copy of the
// bundled data folder; `reset` copies its files over it again.
inline std::filesystem::path dataFolder(bool reset = false) {
    namespace fs = std::filesystem;
    static const fs::path folder = [] {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        return base / ("corvana-fuzz-" + std::to_string(::getpid()));
    }();
    static bool made = false;
    if (!made || reset) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const auto& e : fs::directory_iterator(CORVANA_SOURCE_DIR "/data/tabelas"))
            if (e.is_regular_file()) fs::copy_file(e.path(), folder / e.path().filename());
        made = true;
    }
    return folder;
}

// The window a --window name of corvana-cli opens, with its menu command; TForm2 otherwise.
inline const app::Command* courtCommand(int which) {
    static const char* const kCaptions[] = {
        "Débitos Judiciais São Paulo (mês a mês)", "Débitos Judiciais MG - MT - MS - ES (mês a mês)",
        "Débitos Judiciais PR (mês a mês)", "Débitos Judiciais PR (mês a mês - não expurgada)",
        "Justiça Federal", "Débitos Judiciais São Paulo"};
    if (which < 0 || which >= 6) return nullptr;
    for (const auto& c : app::commandTable())
        if (c.place == app::Place::PopupCalcular && c.caption == kCaptions[which]) return &c;
    return nullptr;
}

}  // namespace corvana::fuzzing
