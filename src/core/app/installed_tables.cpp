// Listing the data folder's index tables with their last month and their origin.
#include "core/app/installed_tables.hpp"

#include <algorithm>

#include "core/tables/provenance.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::app {

namespace {

std::string trimmed(const std::string& s) {
    const auto a = s.find_first_not_of(" \t");
    return a == std::string::npos ? std::string() : s.substr(a);
}

// The last non-empty first field of the table's text.
std::string lastMonthOf(const std::filesystem::path& table) {
    const std::vector<std::string> lines = toolkit::readLines(table);
    for (size_t i = lines.size(); i-- > 1;) {
        const std::string first = lines[i].substr(0, lines[i].find('\t'));
        if (!trimmed(first).empty()) return trimmed(first);
    }
    return {};
}

}  // namespace

std::vector<InstalledTable> installedTables(const std::filesystem::path& dataFolder) {
    std::vector<InstalledTable> out;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dataFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const auto& p = it->path();
        if (p.extension() != ".tab" || !it->is_regular_file(ec)) continue;
        if (p.filename() == "fontes.tab") continue;  // the list of sources, not an index table
        const auto u8 = p.filename().u8string();
        InstalledTable t;
        t.file.assign(u8.begin(), u8.end());
        try {
            t.lastMonth = lastMonthOf(p);
        } catch (const toolkit::Error&) {
            t.lastMonth.clear();
        }
        t.sample = tables::isSampleTable(dataFolder, t.file);
        out.push_back(std::move(t));
    }
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.file < b.file; });
    return out;
}

std::string installedTablesSummary(const std::vector<InstalledTable>& tables) {
    std::string samples;
    int count = 0;
    for (const auto& t : tables) {
        if (!t.sample) continue;
        samples += (count++ == 0 ? "" : ", ") + t.file;
    }
    std::string text = std::to_string(tables.size()) +
                       (tables.size() == 1 ? " tabela instalada" : " tabelas instaladas");
    if (count == 0) return text + ", todas oficiais.";
    if (count == static_cast<int>(tables.size()))
        return text + ", todas de exemplo (não são índices oficiais): " + samples + ".";
    return text + "; de exemplo (não são índices oficiais): " + samples + ".";
}

}  // namespace corvana::app
