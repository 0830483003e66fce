// The report style block (TFcab): the style lines the URV and FGTS revision reports put into
// their document head, between their own "<style>" and "</style></head> ".
#pragma once

#include <string>
#include <vector>

#include "core/app/window_model.hpp"
#include "core/toolkit/string_grid.hpp"
#include "core/urv/urv_text.hpp"

namespace corvana::urv {

// A never-shown window in the program's list; any calculator may call cab() on it (or build
// one of its own: it holds nothing but the lines of its last call).
class TFcab : public app::WindowModel {
  public:
    static constexpr const char* kClassName = "TFcab";
    TFcab() : WindowModel(kClassName, "") {}

    // Clears the line list and fills it with the 68 style lines; `fontSize` is the report
    // font size text ("8"), used by five of them.
    void cab(const std::string& fontSize);
    const std::vector<std::string>& lines() const { return lines_; }

  private:
    std::vector<std::string> lines_;
};

// Cells and rows of the tables in the reports that use this style block; cell texts are escaped.
namespace report_html {
std::string headCell(const std::string& text);  // a bold, right-aligned cell
std::string bodyCell(const std::string& text);  // a right-aligned cell
// "<tr>" and the row's cells (bold when `header`); the caller closes the row.
std::string gridRow(const toolkit::StringGrid& g, int row, bool header);
// A bold justified paragraph in a one-cell row (the caller's markup, not escaped).
std::string H(const std::string& markup);
// The lines after the table: the amount owed in `owedMonth`, the interest (month by month, or
// simple from the citation to `finalMonth`), the fees and the "TOTAL" when they add up.
void closingLines(std::vector<std::string>& re, const OwedFigures& o, const OwedChoices& c,
                  const std::string& owedMonth, const std::string& finalMonth);
}  // namespace report_html

}  // namespace corvana::urv
