// Readers of the official index publications: BCB SGS exports (CSV and JSON), the key;value CSV
// of the project's official folder, and the words of the TJSP "Tabela Prática" PDF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/toolkit/error.hpp"

namespace corvana::tables {

// One value of a series: its period, "mm/yyyy" (monthly) or "dd/mm/yyyy" (daily), and the value
// in Brazilian form with the source's own digits (only the decimal point becomes a comma and
// thousands points are dropped).
struct SeriesPoint {
    std::string key;
    std::string value;
    bool operator==(const SeriesPoint&) const = default;
};
using Series = std::vector<SeriesPoint>;

enum class Period { Monthly, Daily };

// A file that is not an export of the kind expected; the Portuguese message names the line.
class ImportError : public toolkit::Error {
  public:
    using Error::Error;
};

// How a series is read from a file.
struct ExportShape {
    Period period = Period::Monthly;
    // A daily BCB export of a monthly series (the TR of SGS 226): only the periods that start on
    // day 1 are kept. Otherwise a monthly series refuses a date that is not day 1.
    bool firstDayOnly = false;
};

// Reads a BCB SGS CSV export ("data";"valor" header, dd/mm/aaaa, decimal comma), a BCB SGS JSON
// export ([{"data":"dd/mm/aaaa","valor":"1.23"}]) or the headerless key;value CSV of the official
// folder; the format is told by the file's first line. The periods must be strictly ascending.
// `fileName` names the file in messages. Throws ImportError.
Series readExport(std::string_view bytes, const ExportShape& shape, const std::string& fileName);

// One word of a PDF page with its box, in points from the page's top left corner.
struct TextBox {
    std::string text;  // UTF-8
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    int page = 0;
};

// Reads the TJSP table from the words of its PDF, pages in order: blocks of years in columns
// under a line of years, months (JAN … DEZ) in rows, "----------" for a month without value; a
// block may go on at the top of the next page under the same years. The result holds the months
// with a value, ascending and without gaps. Throws ImportError.
Series readTjspTable(const std::vector<TextBox>& words, const std::string& fileName);

// A text for a message: at most 60 characters, then "…".
std::string quoteText(std::string_view text);

// Month index (year × 12 + month − 1) of "mm/yyyy" or "dd/mm/yyyy"; -1 when it is neither.
int monthIndex(std::string_view key);
// "mm/yyyy" of a month index.
std::string monthText(int index);

}  // namespace corvana::tables
