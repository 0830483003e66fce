// The index tables of the data folder as a user sees them: name, last month, official or sample.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace corvana::app {

struct InstalledTable {
    std::string file;       // "poupanca13.tab"
    std::string lastMonth;  // column 0 of the last row, "" when the table has no rows
    bool sample = true;     // not presented as official unless fontes.tab says so
};

// The .tab files of the folder, by name. A table counts as official only when fontes.tab lists
// it with "Não" under "Exemplo"; anything else is a sample.
std::vector<InstalledTable> installedTables(const std::filesystem::path& dataFolder);

// "8 tabelas instaladas; de exemplo: a.tab, b.tab." and the like.
std::string installedTablesSummary(const std::vector<InstalledTable>& tables);

}  // namespace corvana::app
