// Portuguese messages of the core's errors.
#include "core/toolkit/error.hpp"

namespace corvana::toolkit {

ConversionError ConversionError::notNumber(const std::string& text) {
    return ConversionError("'" + quoteText(text) + "' não é um número válido");
}

ConversionError ConversionError::notInteger(const std::string& text) {
    return ConversionError("'" + quoteText(text) + "' não é um número inteiro válido");
}

ConversionError ConversionError::notDate(const std::string& text) {
    return ConversionError("'" + quoteText(text) + "' não é uma data válida");
}

FileError FileError::cannotOpen(const std::filesystem::path& file) {
    return FileError("Não foi possível abrir o arquivo \"" + file.string() + "\"");
}

FileError FileError::tooLarge(const std::filesystem::path& file, size_t maxBytes) {
    return FileError("O arquivo \"" + file.string() + "\" é grande demais (mais de " +
                     std::to_string(maxBytes / (1024 * 1024)) + " MB)");
}

std::string quoteText(std::string_view text, size_t maxChars) {
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // inside a character
        if (chars == maxChars) return std::string(text.substr(0, i)) + "…";
        ++chars;
    }
    return std::string(text);
}

FileError FileError::cannotWrite(const std::filesystem::path& file) {
    return FileError("Não foi possível gravar o arquivo \"" + file.string() + "\"");
}

}  // namespace corvana::toolkit
