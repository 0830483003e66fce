// Index-table files (.tab) and the grid operations every calculator shares.
#pragma once

#include <filesystem>
#include <string>

#include "core/toolkit/string_grid.hpp"

namespace corvana::toolkit {

// A rectangle of a grid: left, top, right, bottom. What a negative or crossed bound means
// is said by each routine.
struct GridRange {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
};

// Loads text lines (the bytes of a file: BOM-selected encoding, else Windows-1252) into the
// grid from (range.left, range.top), one line a row, cells split at `separator`. The grid
// grows one row and one column at a time, never shrinks, and cells the text does not reach
// keep their texts. A null stream does nothing.
void CSV2Contents(const std::string* stream, char separator, StringGrid& grid, GridRange range = {});

// Writes the rectangle as lines, each cell followed by the separator, each line by CR LF,
// encoded for disk (see encodeText).
std::string Contents2CSV(char separator, const StringGrid& grid, GridRange range = {});

// A .tab file into the grid from (0, 0); throws FileError (grid unchanged) when unreadable.
void LoadFromFile(const std::filesystem::path& filename, StringGrid& grid);
// The whole grid, header row included, written over the file atomically; throws FileError.
void SaveToFile(const std::filesystem::path& filename, const StringGrid& grid);

// Locale-aware, case-insensitive comparison of two texts: accents sort with their letter
// ("Á" with "A") and only break ties. Returns <0, 0 or >0.
int compareText(const std::string& a, const std::string& b);

// Sorts the rows below the fixed rows by the text of one column (exchange sort, ascending).
void Sortgrid(StringGrid& grid, int column);
// Deletes one row; the rows below move up and the last row's old content is gone.
void RemoveLinha(StringGrid& grid, int row);
// Inserts after `column` a new column holding a copy of it.
void InsereCol(StringGrid& grid, int column);

}  // namespace corvana::toolkit
