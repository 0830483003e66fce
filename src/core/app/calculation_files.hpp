// Saved calculations: which window a file opens in (by its extension or its first line), and
// opening it there as that window's "Abrir" would. The window program and `corvana-cli report`
// share this table; a new calculator adds its line.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvana::app {

class App;
struct Command;

struct CalculationFileKind {
    std::string_view extension;  // ".e12", compared without case; empty: any name
    std::string_view firstLine;  // the file's first line; empty: any
    bool linePrefix = false;     // `firstLine` only has to begin the line
    std::string_view window;     // the window that opens it ("TForm2")
    std::string_view command;    // caption of the command that opens that window
    std::string_view fileName = {};  // the whole name, compared without case (a backup); empty: any
};

// The rows in the order they are tried; the first that matches decides.
const std::vector<CalculationFileKind>& calculationFileKinds();

// The row of a file with this name and first line; null when no window opens it.
const CalculationFileKind* kindOfCalculation(const std::filesystem::path& file,
                                             std::string_view firstLine);
// The same, reading the file's first line (throws toolkit::FileError when it cannot be read).
const CalculationFileKind* kindOfCalculation(const std::filesystem::path& file);

// The command of the main window that opens the row's window; null when there is none.
const Command* openingCommand(const CalculationFileKind& kind);

inline constexpr const char* kNoWindowOpens = "Nenhum cálculo do programa abre o arquivo ";
inline constexpr const char* kWindowNotBuilt =
    "Este cálculo ainda não está disponível nesta versão: ";

// Opens a saved calculation: runs the command that opens its window, then that window's
// "Abrir" with the file already chosen. Messages go through the app's Ui (a file no window
// opens, a calculator this build lacks, a missing table, a refused file). Returns the class
// name of the window opened, empty when nothing was opened.
std::string openCalculation(App& app, const std::filesystem::path& file);

}  // namespace corvana::app
