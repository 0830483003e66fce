// The words of a PDF file with their boxes, read with poppler.
#pragma once

#include <filesystem>
#include <vector>

#include "core/tables/official_series.hpp"

namespace corvana::pdf {

// Every word of every page, pages in order. Throws tables::ImportError when the file is not a
// PDF poppler can open (or is locked).
std::vector<tables::TextBox> readWords(const std::filesystem::path& file);

}  // namespace corvana::pdf
