// What replaying a saved calculation (open, walk the wizard, "Finalizar") ended with.
#pragma once

#include <filesystem>
#include <string>

namespace corvana::app {

struct ReplayResult {
    enum Status { Written = 0, Stopped = 1, Unavailable = 2 };
    Status status = Unavailable;
    std::filesystem::path report;  // the report written into the data folder
    std::filesystem::path backup;  // the backup written with it
    std::string window;            // the window the file opened in, when the replay says
};

}  // namespace corvana::app
