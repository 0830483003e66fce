// Portuguese messages of the core's errors.
#include "core/toolkit/error.hpp"

namespace corvana::toolkit {

ConversionError ConversionError::notNumber(const std::string& text) {
    return ConversionError("'" + text + "' não é um número válido");
}

ConversionError ConversionError::notInteger(const std::string& text) {
    return ConversionError("'" + text + "' não é um número inteiro válido");
}

ConversionError ConversionError::notDate(const std::string& text) {
    return ConversionError("'" + text + "' não é uma data válida");
}

FileError FileError::cannotOpen(const std::filesystem::path& file) {
    return FileError("Não foi possível abrir o arquivo \"" + file.string() + "\"");
}

FileError FileError::cannotWrite(const std::filesystem::path& file) {
    return FileError("Não foi possível gravar o arquivo \"" + file.string() + "\"");
}

}  // namespace corvana::toolkit
