// What the FGTS windows share: amount readers, the money mask, report assembly and the
// step guard that puts a window back as a failed step found it.
#pragma once

#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/context.hpp"
#include "core/toolkit/numbers.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::fgts {

using toolkit::Real;

inline constexpr const char* kMoney = "#,##0.00";

// Data-folder files are opened only when they are regular files.
inline bool regularFile(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec);
}

// A field or cell counts as filled when it holds a digit.
inline bool has(std::string_view text) {
    return toolkit::checkinteiro(text);
}
// Strict reader: typed fields and table values, read only after `has` found a digit.
inline Real strict(std::string_view text) {
    return toolkit::RemovePonto(toolkit::RemovePontoVariant::Strict, text);
}
// Shared reader: the cells of the result grids (no digit reads as 0).
inline Real shared(std::string_view text) {
    return toolkit::RemovePonto(toolkit::RemovePontoVariant::Shared, text);
}
inline std::string money(Real v) {
    return toolkit::formatfloatx(kMoney, v);
}
// Rounds a value to the money mask and reads the text back, as every stored step does.
inline Real rounded(Real v) {
    return shared(money(v));
}

// A grid cell as it goes into a report: escaped, except the bold tags the windows put
// around their own labels and totals.
std::string reportCell(std::string_view cell);

// A report document: pieces in order, each followed by CR LF.
class ReportPieces {
  public:
    void add(std::string_view piece);
    // One table row: "<tr>" CR LF and its cells as one piece, then "</tr>".
    void addRow(const toolkit::StringGrid& grid, int row,
                const char* cellOpen = "<td><div align=Right>",
                const char* cellClose = "</div></td>");
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// Writes the report into the data folder and shows it when the file is there afterwards.
void writeAndShowReport(app::SharedContext& ctx, const std::filesystem::path& file,
                        const ReportPieces& report);

// Copies a backup of the data folder to a name chosen in the save dialog; a failed copy
// says which files it concerned.
void copyBackup(app::SharedContext& ctx, const std::filesystem::path& backup,
                const std::string& filter, const std::string& defaultExt);

// A quoted text shortened to about 60 characters for a message.
std::string quoteText(std::string_view text);

// Runs a step on the window's state; an error puts the state back and goes on up.
template <class State, class F>
void guardedStep(State& state, F&& step) {
    State before = state;
    try {
        step();
    } catch (...) {
        state = std::move(before);
        throw;
    }
}

}  // namespace corvana::fgts
