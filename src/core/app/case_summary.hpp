// Recomputing saved calculations with the tables of a data folder, for "corvana-cli resumo":
// which window opens a file, the family that replays that window, and what each file comes to.
//
// The replay never touches the data folder it is given: each file is recomputed in a fresh
// temporary copy of it (reports and backups land there), removed afterwards.
//
// Which window opens a file is the program's one table (calculation_files.hpp). A family that
// saves calculations plugs in with one line in recompute_families.cpp,
//     registry.add("TFurv", urv::recomputeCalculation);
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/app/commands.hpp"
#include "core/tables/provenance.hpp"

namespace corvana::app {

class App;
class ScriptedUi;

// What one saved calculation comes to.
struct CaseSummary {
    std::filesystem::path file;
    std::string calculator;               // caption of the window that recomputed it
    std::string finalMonth;               // the month it updates to, "mm/yyyy"
    std::string total;                    // the grand total the report states, "R$ 1.234,56"
    std::vector<std::string> tableNames;  // the tables it used
    std::vector<tables::TableSource> tables;
    std::string message;  // what stopped it; empty when it ran to its end
    bool ok() const { return message.empty(); }
};

// Recomputes `file` in the window `command` opens (that command chooses the table, as the menu
// entry the user would pick) the way the family's "corvana-cli report" replay does, and fills
// calculator, finalMonth, total and tableNames, or message.
using Recompute = std::function<void(App& app, ScriptedUi& ui, const std::filesystem::path& file,
                                     const Command& command, CaseSummary& summary)>;

class RecomputeRegistry {
  public:
    void add(std::string window, Recompute recompute);
    const Recompute* find(const std::string& window) const;

  private:
    std::map<std::string, Recompute> families_;
};
// The families of this build (recompute_families.cpp).
void registerRecomputes(RecomputeRegistry& registry);

// Whether a file found in a folder is worth trying: its extension is one a window saves, or its
// name is a window's backup.
bool isCalculationFile(const std::filesystem::path& file);

// The command of a --window name: tjsp, tjmg, tjpr, tjpre, jf, sp (courts), conf, conftodos,
// conftodosII (configured savings), urv, fgts, juros, revisao; null when unknown.
const Command* commandForWindowName(const std::string& name);

// Recomputes one file with the tables of `dataDir`; `command` forces the window (and table)
// instead of the one the file's first line or extension says.
CaseSummary summarizeCalculation(const std::filesystem::path& file,
                                 const std::filesystem::path& dataDir,
                                 const Command* command = nullptr);

// For the families' Recompute: the message that stopped a replay (the last one shown, else a
// general one) goes into `summary`.
void summaryStopped(const ScriptedUi& ui, CaseSummary& summary);
// "mm/yyyy" of a date "dd/mm/yyyy"; the text as it is when it is no such date.
std::string monthOfDate(const std::string& date);
// "mm/yyyy" of a month label of a table or grid, "jul/94" or "MAR/26"; the label as it is when
// it is no such month.
std::string monthOfLabel(const std::string& label);

// now − before of two totals ("R$ 1.234,56"), "#,##0.00"; empty when either is not a number.
std::string totalDifference(const std::string& now, const std::string& before);

}  // namespace corvana::app
