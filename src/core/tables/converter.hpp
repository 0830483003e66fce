// The table converter: imports an official series into the data folder and rebuilds, as one set,
// every table that derives from it, together with the provenance table "fontes.tab".
//
// Each official series is kept in the data folder as its own table "serie-<SERIE>.tab" (month or
// day, value), except the TJSP factors, kept as "t0001.tab" (month, factor, currency), and the
// savings yields, kept as "serie-poupanca.tab" and spread into the day columns of
// "poupanca13.tab". An import merges the file into the stored series (its periods replace the
// same periods, the others stay; a stored table that fontes.tab does not list as official is
// sample data and none of its periods stays), lists every period whose value changed, and then
// writes the series, every table derived from it and "fontes.tab" atomically as a set: a refused
// file or a failed write changes nothing.
//
// Adding a table for another calculator: write one function
//     bool buildMyTable(const Series& series, toolkit::StringGrid& table)
// that fills `table` (it arrives holding the file's current contents, or empty) from the series
// and returns true, and add one line to kDerived in converter.cpp:
//     {"my table.tab", "what it is", "serie", buildMyTable},
// The converter then rebuilds it on every import of that series, and fontes.tab lists it with
// the series' source and edition, as official.
// A table made from several series takes a function of the series by name,
//     bool buildMyTable(const SeriesSet& series, toolkit::StringGrid& table)
// (core/tables/bundled_tables.hpp), registered with the names separated by spaces ("tr inpc")
// in place of the one series; it is rebuilt on an import of any of them, once the data folder
// holds them all.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/tables/official_series.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::tables {

// One official series the converter imports.
struct SeriesInfo {
    const char* name;         // the SERIE of "importar": "inpc", "tjsp", …
    const char* file;         // the table that stores it in the data folder
    const char* description;  // what it is, for fontes.tab and "importar --help"
    const char* source;       // the official publication it comes from
    ExportShape shape;
};
const std::vector<SeriesInfo>& officialSeries();
const SeriesInfo* findSeries(const std::string& name);

// The words of a PDF file, pages in order (the poppler reader lives outside the core).
using PdfWordsReader = std::function<std::vector<TextBox>(const std::filesystem::path&)>;

struct ImportResult {
    std::vector<std::string> changes;  // "03/2025: 0,56 → 0,58"; a new period "04/2026: — → 0,43"
    std::vector<std::string> written;  // the files written, in the order written
};

// How far an import is: percent done and the step it starts ("Lendo o arquivo", …).
using ImportProgress = std::function<void(int percent, const std::string& step)>;

// Imports `file` as the series `name` into the data folder. A PDF (only for "tjsp") is read with
// `pdfWords`. Throws ImportError for a file that is not such an export, toolkit::FileError when
// a file cannot be read or written; the data folder is unchanged then. `progress`, when set,
// hears of each step.
ImportResult importSeries(const std::filesystem::path& dataDir, const std::string& name,
                          const std::filesystem::path& file, const PdfWordsReader& pdfWords,
                          const ImportProgress& progress = {});

// The rows of "fontes.tab" of the data folder (header row first); empty when there is none.
std::vector<std::vector<std::string>> readSources(const std::filesystem::path& dataDir);

// The derived tables: built from the stored series, exposed for the tests.
bool buildFactorTable(const Series& tjsp, toolkit::StringGrid& table);      // t0001.tab
bool buildSaoPauloMonthly(const Series& tjsp, toolkit::StringGrid& table);  // tjsp.tab
bool buildSaoPauloPercentages(
    const Series& tjsp,
    toolkit::StringGrid& table);  // "Tribunal de Justiça São Paulo (mensal)"
bool buildFederalMonthly(const Series& jf, toolkit::StringGrid& table);  // jf.tab
bool buildFederalPercentages(const Series& jf,
                             toolkit::StringGrid& table);  // "Justiça Federal - …"
bool buildSavingsYields(const Series& poupanca, toolkit::StringGrid& table);  // poupanca13.tab

}  // namespace corvana::tables
