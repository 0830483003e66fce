// Comma text: how one grid row is written to and read from one line of a calculation file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/toolkit/string_grid.hpp"

namespace corvana::toolkit {

// Joins items with commas; an item holding a blank, a comma, a double quote or a control
// character goes between double quotes with inner quotes doubled; an empty item is nothing.
std::string toCommaText(const std::vector<std::string>& items);

// Splits a line at commas and blanks outside double quotes and undoubles quoted items.
// Blanks before an item are skipped; consecutive commas give empty items; a comma ending
// the line gives one more empty item. An unterminated quote runs to the end of the line.
std::vector<std::string> fromCommaText(std::string_view line);

// The row's cells in use, as comma text.
std::string rowToCommaText(const StringGrid& grid, int row);
// Puts the pieces of the line into the row from column 0; the row's other cells in use
// become empty.
void rowFromCommaText(StringGrid& grid, int row, std::string_view line);

}  // namespace corvana::toolkit
