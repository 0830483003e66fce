// font.ini: the report font name (line 1) and size in points (line 2).
#pragma once

#include <filesystem>
#include <string>

namespace corvana::app {

struct ReportFont {
    std::string name = "Arial";
    std::string size = "8";
};

// The size line written for a size box text: the text when it holds a digit, else "8".
std::string fontSizeLine(const std::string& sizeText);

// Reads font.ini over `font` as far as the file goes: line 1 the name, line 2 the size
// (no digit, or no second line, gives "8"). A missing file changes nothing and gives false.
bool readFontIni(const std::filesystem::path& file, ReportFont& font);

// Writes the two lines, CR LF ended, atomically; throws toolkit::FileError.
void writeFontIni(const std::filesystem::path& file, const ReportFont& font);

}  // namespace corvana::app
