// What the main window shares with every calculator: folders, the index grids, the Ui.
#pragma once

#include <filesystem>
#include <string>

#include "core/app/ui.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::app {

struct SharedContext {
    explicit SharedContext(Ui& u) : ui(&u) {}

    Ui* ui;
    std::filesystem::path meudir;    // the data folder
    std::filesystem::path meudirx2;  // the program's own folder
    toolkit::StringGrid indice{8, 2};  // the shared index grid a command loads its table into
    toolkit::StringGrid Taburv{8, 2};  // URV day values
    std::string Cnomefont = "Arial";   // report font name
    std::string Cfont = "8";           // report font size

    // A file of the data folder.
    std::filesystem::path file(const std::string& name) const { return meudir / name; }
    // Empties `indice`, gives it 2 rows and 1 column and loads the table when it exists.
    // Returns whether the table was there.
    bool reloadIndice(const std::string& table);
};

}  // namespace corvana::app
