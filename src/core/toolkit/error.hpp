// Errors of the core: a text that is not a number or date, a file that cannot be read or written.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvana::toolkit {

// Base of every error a command of the core may end with; its message is Portuguese UI text.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that cannot be read as a number or a date ends the running command.
class ConversionError : public Error {
public:
    using Error::Error;
    static ConversionError notNumber(const std::string& text);
    static ConversionError notInteger(const std::string& text);
    static ConversionError notDate(const std::string& text);
};

// A file that cannot be opened, read or written; the message names the file.
class FileError : public Error {
public:
    using Error::Error;
    static FileError cannotOpen(const std::filesystem::path& file);
    static FileError cannotWrite(const std::filesystem::path& file);
    static FileError tooLarge(const std::filesystem::path& file, size_t maxBytes);
};

// The offending text as a message quotes it: at most `maxChars` characters (whole UTF-8
// characters), then "…" when it was longer.
std::string quoteText(std::string_view text, size_t maxChars = 60);

}  // namespace corvana::toolkit
