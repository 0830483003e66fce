// The provenance of the tables a calculation used, read from fontes.tab.
#include "core/tables/provenance.hpp"

#include "core/tables/converter.hpp"
#include "core/tables/official_series.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/html_text.hpp"

namespace corvana::tables {

namespace fs = std::filesystem;

namespace {

// The last month in column 0 of a table of the data folder; empty when there is none.
std::string lastMonthOf(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return {};
    toolkit::StringGrid g(1, 0);
    try {
        toolkit::LoadFromFile(file, g);
    } catch (const toolkit::Error&) {
        return {};
    }
    for (int r = g.rowCount() - 1; r >= 1; --r)
        if (const int m = monthIndex(g.cell(0, r)); m >= 0) return monthText(m);
    return {};
}

}  // namespace

std::vector<TableSource> tableSources(const fs::path& dataDir,
                                      const std::vector<std::string>& tables) {
    std::vector<std::vector<std::string>> rows;
    try {
        rows = readSources(dataDir);
    } catch (const toolkit::Error&) {
        // An unreadable fontes.tab proves nothing official.
    }
    std::vector<TableSource> out;
    for (const auto& table : tables) {
        TableSource s;
        s.file = table;
        for (size_t r = 1; r < rows.size(); ++r) {
            auto row = rows[r];
            if (row.empty() || row[0] != table) continue;
            row.resize(6);
            s.listed = true;
            s.description = row[1];
            s.source = row[2];
            s.edition = row[3];
            s.lastMonth = row[4];
            s.sample = row[5] != "Não";
        }
        if (!s.listed) s.lastMonth = lastMonthOf(dataDir / table);
        out.push_back(std::move(s));
    }
    return out;
}

bool isSampleTable(const fs::path& dataDir, const std::string& table) {
    return tableSources(dataDir, {table}).front().sample;
}

std::string sourcesLine(const fs::path& dataDir, const std::vector<std::string>& tables) {
    std::string text;
    for (const auto& s : tableSources(dataDir, tables)) {
        if (!text.empty()) text += "; ";
        text += s.file + " — ";
        if (!s.listed)
            text += "origem não registrada em fontes.tab";
        else
            text += s.source.empty() ? "fonte não informada" : s.source;
        if (!s.edition.empty()) text += ", edição " + s.edition;
        if (!s.lastMonth.empty()) text += ", até " + s.lastMonth;
        if (s.sample) text += std::string(" — ") + kSampleWarning;
    }
    return "<p class=\"fontes\">Índices: " + toolkit::htmlText(text) + ".</p>";
}

void addSourcesLine(std::vector<std::string>& lines, const fs::path& dataDir,
                    const std::vector<std::string>& tables) {
    auto at = lines.end();
    for (auto it = lines.begin(); it != lines.end(); ++it)
        if (it->find("</body></html>") != std::string::npos) at = it;
    lines.insert(at, sourcesLine(dataDir, tables));
}

}  // namespace corvana::tables
