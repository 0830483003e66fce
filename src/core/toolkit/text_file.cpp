// Windows-1252 codec, byte-order-mark detection, line splitting and atomic file writes.
#include "core/toolkit/text_file.hpp"

#include <array>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#include "core/toolkit/error.hpp"

namespace corvana::toolkit {

namespace {

// Unicode code points of the bytes 0x80..0x9F; the unassigned ones map to themselves.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at s[i]; returns its length, or 0 when malformed.
size_t decodeUtf8At(std::string_view s, size_t i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    size_t len;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

int cp1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (size_t k = 0; k < kHigh.size(); ++k)
        if (kHigh[k] == cp) return static_cast<int>(0x80 + k);
    return -1;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? static_cast<char32_t>((a << 8) | b) : static_cast<char32_t>((b << 8) | a);
    };
    size_t i = 0;
    while (i + 1 < bytes.size()) {
        char32_t u = unit(i);
        i += 2;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < bytes.size()) {
            const char32_t lo = unit(i);
            if (lo >= 0xDC00 && lo <= 0xDFFF) {
                i += 2;
                u = 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00);
            }
        }
        appendUtf8(out, u);  // a lone surrogate becomes U+FFFD
    }
    if (i < bytes.size()) appendUtf8(out, 0xFFFD);  // odd trailing byte
    return out;
}

}  // namespace

bool isPlainAscii(std::string_view bytes) {
    unsigned char any = 0;
    for (const char ch : bytes) any |= static_cast<unsigned char>(ch);
    return any < 0x80;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    if (isPlainAscii(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out.push_back(ch);
        else if (b < 0xA0)
            appendUtf8(out, kHigh[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

bool utf8ToCp1252(std::string_view utf8, std::string& out) {
    if (isPlainAscii(utf8)) {
        out.assign(utf8);
        return true;
    }
    out.clear();
    out.reserve(utf8.size());
    bool exact = true;
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const size_t len = decodeUtf8At(utf8, i, cp);
        if (len == 0) {  // a stray byte keeps its value
            out.push_back(utf8[i]);
            ++i;
            continue;
        }
        i += len;
        const int b = cp1252Byte(cp);
        if (b < 0) {
            out.push_back('?');
            exact = false;
        } else {
            out.push_back(static_cast<char>(b));
        }
    }
    return exact;
}

std::string decodeText(std::string_view bytes) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        // Keep valid UTF-8; a malformed byte is read as Windows-1252.
        std::string out;
        const std::string_view body = bytes.substr(3);
        out.reserve(body.size());
        for (size_t i = 0; i < body.size();) {
            char32_t cp = 0;
            const size_t len = decodeUtf8At(body, i, cp);
            if (len == 0) {
                out += cp1252ToUtf8(body.substr(i, 1));
                ++i;
            } else {
                out.append(body.substr(i, len));
                i += len;
            }
        }
        return out;
    }
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") return utf16ToUtf8(bytes.substr(2), false);
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF") return utf16ToUtf8(bytes.substr(2), true);
    return cp1252ToUtf8(bytes);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            i += (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string readFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw FileError::cannotOpen(file);
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) throw FileError::cannotOpen(file);
    std::string bytes;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size > 0) {
        bytes.resize(static_cast<size_t>(size));
        in.seekg(0);
        in.read(bytes.data(), size);
        if (!in) throw FileError::cannotOpen(file);
    }
    return bytes;
}

std::string readTextFile(const std::filesystem::path& file) { return decodeText(readFileBytes(file)); }

std::vector<std::string> readLines(const std::filesystem::path& file) {
    return splitLines(readTextFile(file));
}

namespace {

// A free temporary name beside `file`.
std::filesystem::path temporaryBeside(const std::filesystem::path& file, const char* kind) {
    namespace fs = std::filesystem;
    static thread_local std::mt19937_64 rng{std::random_device{}()};
    const fs::path dir = file.has_parent_path() ? file.parent_path() : fs::path(".");
    fs::path tmp;
    for (int attempt = 0; attempt < 16; ++attempt) {
        tmp = dir / (".~" + file.filename().string() + "." + std::to_string(rng() % 1000000000) + kind);
        std::error_code ec;
        if (!fs::exists(tmp, ec)) break;
    }
    return tmp;
}

// Writes the bytes whole into `tmp`; removes it and throws FileError naming `file` on failure.
void writeWhole(const std::filesystem::path& tmp, const std::filesystem::path& file,
                std::string_view bytes) {
    namespace fs = std::filesystem;
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) throw FileError::cannotWrite(file);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        out.close();
        std::error_code ec;
        fs::remove(tmp, ec);
        throw FileError::cannotWrite(file);
    }
}

}  // namespace

void writeFilesAtomic(const std::vector<std::pair<std::filesystem::path, std::string>>& files) {
    namespace fs = std::filesystem;
    std::vector<fs::path> temps;
    auto removeTemps = [&] {
        std::error_code ec;
        for (const auto& t : temps) fs::remove(t, ec);
    };
    try {
        for (const auto& [file, bytes] : files) {
            temps.push_back(temporaryBeside(file, ".tmp"));
            writeWhole(temps.back(), file, bytes);
        }
    } catch (...) {
        removeTemps();
        throw;
    }
    // Old contents are kept under a backup name until every new file is in place.
    std::vector<fs::path> backups(files.size());
    size_t done = 0;
    for (; done < files.size(); ++done) {
        const fs::path& file = files[done].first;
        std::error_code ec;
        if (fs::exists(file, ec)) {
            backups[done] = temporaryBeside(file, ".old");
            fs::create_hard_link(file, backups[done], ec);
            if (ec) {
                ec.clear();
                fs::copy_file(file, backups[done], ec);
            }
            if (ec) break;
        }
        fs::rename(temps[done], file, ec);
        if (ec) break;
    }
    std::error_code ec;
    if (done == files.size()) {
        for (const auto& b : backups)
            if (!b.empty()) fs::remove(b, ec);
        return;
    }
    for (size_t i = 0; i <= done && i < files.size(); ++i) {
        const fs::path& file = files[i].first;
        if (i < done) {
            if (backups[i].empty())
                fs::remove(file, ec);
            else
                fs::rename(backups[i], file, ec);
        } else if (!backups[i].empty()) {
            fs::remove(backups[i], ec);
        }
    }
    for (size_t i = done; i < temps.size(); ++i) fs::remove(temps[i], ec);
    throw FileError::cannotWrite(files[done].first);
}

void writeFileAtomic(const std::filesystem::path& file, std::string_view bytes) {
    namespace fs = std::filesystem;
    const fs::path tmp = temporaryBeside(file, ".tmp");
    writeWhole(tmp, file, bytes);
    std::error_code ec;
    fs::rename(tmp, file, ec);
    if (ec) {
        fs::remove(tmp, ec);
        throw FileError::cannotWrite(file);
    }
}

std::string encodeText(std::string_view utf8) {
    std::string bytes;
    if (utf8ToCp1252(utf8, bytes)) return bytes;
    std::string withBom = "\xEF\xBB\xBF";
    withBom.append(utf8);
    return withBom;
}

void writeTextFile(const std::filesystem::path& file, std::string_view utf8) {
    writeFileAtomic(file, encodeText(utf8));
}

void writeLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    writeTextFile(file, text);
}

}  // namespace corvana::toolkit
