// Reading and writing font.ini.
#include "core/app/font_ini.hpp"

#include "core/toolkit/numbers.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::app {

std::string fontSizeLine(const std::string& sizeText) {
    return toolkit::checkinteiro(sizeText) ? sizeText : "8";
}

bool readFontIni(const std::filesystem::path& file, ReportFont& font) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return false;
    const auto lines = toolkit::readLines(file);
    if (!lines.empty()) font.name = lines[0];
    font.size = fontSizeLine(lines.size() >= 2 ? lines[1] : std::string());
    return true;
}

void writeFontIni(const std::filesystem::path& file, const ReportFont& font) {
    toolkit::writeLines(file, {font.name, fontSizeLine(font.size)});
}

}  // namespace corvana::app
