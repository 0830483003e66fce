// Recomputing saved calculations with the tables of a data folder, for "corvana-cli resumo":
// which window opens a file, the family that replays that window, and what each file comes to.
//
// The replay never touches the data folder it is given: each file is recomputed in a fresh
// temporary copy of it (reports and backups land there), removed afterwards.
//
// A family that saves calculations plugs in with one line in recompute_families.cpp,
//     registry.add("TFurv", urv::recomputeCalculation);
// and, when its files have an extension or a first line of their own, one row of kOpeners in
// case_summary.cpp.
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
    std::string total;                    // the total owed, as the report's "TOTAL" states it
    std::vector<std::string> tableNames;  // the tables it used
    std::vector<tables::TableSource> tables;
    std::string message;  // what stopped it; empty when it ran to its end
    bool ok() const { return message.empty(); }
};

// Recomputes `file` in `window` of `app` (its table already loaded by the window's command)
// and fills calculator, finalMonth, total and tableNames, or message.
using Recompute = std::function<void(App& app, ScriptedUi& ui, const std::filesystem::path& file,
                                     const std::string& window, CaseSummary& summary)>;

class RecomputeRegistry {
  public:
    void add(std::string window, Recompute recompute);
    const Recompute* find(const std::string& window) const;

  private:
    std::map<std::string, Recompute> families_;
};
// The families of this build (recompute_families.cpp).
void registerRecomputes(RecomputeRegistry& registry);

// The window a saved calculation opens in, by its first line, else its extension; empty when
// no window opens it.
std::string windowForFile(const std::filesystem::path& file, const std::string& firstLine);
// Whether a file found in a folder is worth trying (its extension is one a window saves).
bool isCalculationFile(const std::filesystem::path& file);

// The command of a --window name (tjsp, tjmg, tjpr, tjpre, jf, sp); null when unknown.
const Command* commandForWindowName(const std::string& name);

// Recomputes one file with the tables of `dataDir`; `command` forces the window (and table)
// instead of the one the file's first line or extension says.
CaseSummary summarizeCalculation(const std::filesystem::path& file,
                                 const std::filesystem::path& dataDir,
                                 const Command* command = nullptr);

// now − before of two totals ("R$ 1.234,56"), "#,##0.00"; empty when either is not a number.
std::string totalDifference(const std::string& now, const std::string& before);

}  // namespace corvana::app
