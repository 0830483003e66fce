// The words of a PDF file with their boxes, read with poppler's C++ library.
#include "pdf/pdf_words.hpp"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>
#include <memory>

#include "core/toolkit/text_file.hpp"

namespace corvana::pdf {

namespace {
void quiet(const std::string&, void*) {}  // poppler's diagnostics are not the user's business
}  // namespace

std::vector<tables::TextBox> readWords(const std::filesystem::path& file) {
    poppler::set_debug_error_function(quiet, nullptr);
    const std::string bytes = toolkit::readFileBytes(file);
    std::vector<char> data(bytes.begin(), bytes.end());
    std::unique_ptr<poppler::document> doc(poppler::document::load_from_data(&data));
    const std::string name = file.filename().string();
    if (!doc || doc->is_locked())
        throw tables::ImportError("O arquivo " + name + " não é um PDF que se possa ler.");
    std::vector<tables::TextBox> words;
    for (int i = 0; i < doc->pages(); ++i) {
        std::unique_ptr<poppler::page> page(doc->create_page(i));
        if (!page) continue;
        for (const auto& box : page->text_list()) {
            const auto utf8 = box.text().to_utf8();
            const auto r = box.bbox();
            words.push_back(
                {std::string(utf8.begin(), utf8.end()), r.x(), r.y(), r.width(), r.height(), i});
        }
    }
    return words;
}

}  // namespace corvana::pdf
