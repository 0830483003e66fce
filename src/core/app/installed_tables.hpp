// The index tables of the data folder as a user sees them: name, last month, official or sample.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace corvana::app {

struct InstalledTable {
    std::string file;       // "poupanca13.tab"
    std::string lastMonth;  // column 0 of the last row, "" when the table has no rows
    bool sample = true;     // not presented as official unless LEIA-ME.txt says so
};

// The .tab files of the folder, by name. A table counts as official only when its entry in
// LEIA-ME.txt (its line, the lines indented under it and the heading above it) calls it
// "oficial" and nowhere "exemplo"; anything else is a sample.
std::vector<InstalledTable> installedTables(const std::filesystem::path& dataFolder);

// "8 tabelas instaladas; de exemplo: a.tab, b.tab." and the like.
std::string installedTablesSummary(const std::vector<InstalledTable>& tables);

}  // namespace corvana::app
