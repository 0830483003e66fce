// Where the tables of a calculation come from, as fontes.tab of the data folder says: the line
// every report ends with, and the sample-table flag the windows show.
//
// A report writer adds the line with one call, after the report's last line is in place:
//     tables::addSourcesLine(lines, ctx_.meudir, {"INPC IBGE.tab", "IPCA-E.tab"});
// It goes directly before the line that holds "</body></html>" (at the end when none does).
// A window that shows "Tabela atualizada até" for a table it loaded also shows
// "TABELA DE EXEMPLO" when tables::isSampleTable(ctx_.meudir, "<table>.tab") is true.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace corvana::tables {

// What fontes.tab tells about one table.
struct TableSource {
    std::string file;         // "t0001.tab"
    std::string description;  // empty when fontes.tab does not list the table
    std::string source;
    std::string edition;
    std::string lastMonth;  // "mm/yyyy"; from the table itself when fontes.tab does not list it
    bool listed = false;    // fontes.tab has a row for it
    bool sample = true;     // holds sample values, or is not known to be official
};

// The provenance of each table, in the order given.
std::vector<TableSource> tableSources(const std::filesystem::path& dataDir,
                                      const std::vector<std::string>& tables);

// True unless fontes.tab lists the table as built from official data only ("Exemplo" "Não").
bool isSampleTable(const std::filesystem::path& dataDir, const std::string& table);

// The words a report and a window use for a sample table.
inline constexpr const char* kSampleWarning =
    "TABELA DE EXEMPLO — valores fictícios, não usar em juízo";
inline constexpr const char* kSampleLabel = "TABELA DE EXEMPLO";

// `<p class="fontes">Índices: t0001.tab — Tabela Prática …, edição 01/2026, até 01/2026.</p>`
std::string sourcesLine(const std::filesystem::path& dataDir,
                        const std::vector<std::string>& tables);

// Inserts sourcesLine() directly before the last line holding "</body></html>".
void addSourcesLine(std::vector<std::string>& lines, const std::filesystem::path& dataDir,
                    const std::vector<std::string>& tables);

}  // namespace corvana::tables
