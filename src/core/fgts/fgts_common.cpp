// Report assembly and file copying of the FGTS windows.
#include "core/fgts/fgts_common.hpp"

#include "core/toolkit/error.hpp"
#include "core/toolkit/html_text.hpp"
#include "core/toolkit/text_file.hpp"

namespace corvana::fgts {

namespace {

void replaceAll(std::string& s, std::string_view from, std::string_view to) {
    for (size_t pos = s.find(from); pos != std::string::npos; pos = s.find(from, pos + to.size()))
        s.replace(pos, from.size(), to);
}

}  // namespace

std::string reportCell(std::string_view cell) {
    std::string out = toolkit::htmlText(cell);
    replaceAll(out, "&lt;b&gt;", "<b>");
    replaceAll(out, "&lt;/b&gt;", "</b>");
    return out;
}

void ReportPieces::add(std::string_view piece) {
    text_ += piece;
    text_ += "\r\n";
}

void ReportPieces::addRow(const toolkit::StringGrid& grid, int row, const char* cellOpen,
                          const char* cellClose) {
    std::string piece = "<tr>\r\n";
    for (int c = 0; c < grid.colCount(); ++c)
        piece += std::string(cellOpen) + reportCell(grid.cell(c, row)) + cellClose;
    add(piece);
    add("</tr>");
}

void writeAndShowReport(app::SharedContext& ctx, const std::filesystem::path& file,
                        const ReportPieces& report) {
    toolkit::writeTextFile(file, report.text());
    if (regularFile(file)) ctx.ui->showReport(file);
}

void copyBackup(app::SharedContext& ctx, const std::filesystem::path& backup,
                const std::string& filter, const std::string& defaultExt) {
    const auto target = ctx.ui->chooseSaveFile(filter, defaultExt);
    if (!target) return;
    try {
        if (!regularFile(backup)) throw toolkit::FileError::cannotOpen(backup);
        toolkit::writeFileAtomic(*target, toolkit::readFileBytes(backup));
    } catch (const toolkit::Error&) {
        ctx.ui->showMessage("Erro ao copiar " +
                            std::filesystem::path(backup).make_preferred().string() + " para " +
                            target->string());
    }
}

std::string quoteText(std::string_view text) {
    // Cut on a character boundary of the UTF-8 text.
    size_t n = 0, chars = 0;
    while (n < text.size() && chars < 60) {
        ++n;
        while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) ++n;
        ++chars;
    }
    std::string out(text.substr(0, n));
    if (n < text.size()) out += "…";
    return "'" + out + "'";
}

}  // namespace corvana::fgts
