// Windows-1252 codec, byte-order-mark detection, line splitting and atomic file writes.
#include "core/toolkit/text_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
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

bool startsWithMark(std::string_view bytes) {
    return bytes.substr(0, 3) == "\xEF\xBB\xBF" || bytes.substr(0, 2) == "\xFF\xFE" ||
           bytes.substr(0, 2) == "\xFE\xFF";
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
        // Plain ASCII runs (most of a report) are copied as they are.
        size_t run = i;
        while (run < utf8.size() && static_cast<unsigned char>(utf8[run]) < 0x80) ++run;
        if (run > i) {
            out.append(utf8.data() + i, run - i);
            i = run;
            continue;
        }
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
    // What a text editor saves without a mark: Windows-1252 Portuguese text is never valid
    // UTF-8 (an accented letter is a lone byte above 0x7F), so valid UTF-8 is taken as such.
    if (isValidUtf8(bytes)) return std::string(bytes);
    return cp1252ToUtf8(bytes);
}

bool isValidUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t cp = 0;
        const size_t len = decodeUtf8At(bytes, i, cp);
        if (len == 0) return false;
        i += len;
    }
    return true;
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

std::string readFileBytes(const std::filesystem::path& file, size_t maxBytes) {
    // Opened without blocking, so that a named pipe or a device in place of a file is refused
    // at once instead of waiting for a writer; only regular files are read.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw FileError::cannotOpen(file);
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) throw FileError::cannotOpen(file);
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) throw FileError::tooLarge(file, maxBytes);
    std::string bytes(static_cast<size_t>(st.st_size), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw FileError::cannotOpen(file);
        if (n == 0) break;  // the file shrank while being read
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

std::string readTextFile(const std::filesystem::path& file) { return decodeText(readFileBytes(file)); }

std::vector<std::string> readLines(const std::filesystem::path& file) {
    return splitLines(readTextFile(file));
}

namespace {

namespace fs = std::filesystem;

fs::path folderOf(const fs::path& file) { return file.has_parent_path() ? file.parent_path() : fs::path("."); }

// ".~NAME." + digits + ".tmp": the temporary files of writes of NAME.
bool isTemporaryOf(const std::string& candidate, const std::string& prefix) {
    if (candidate.size() <= prefix.size() + 4 || candidate.rfind(prefix, 0) != 0) return false;
    if (candidate.compare(candidate.size() - 4, 4, ".tmp") != 0) return false;
    const auto digits = std::string_view(candidate).substr(prefix.size(), candidate.size() - prefix.size() - 4);
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Removes what a write of `file` killed half-way left behind.
void removeStaleTemporaries(const fs::path& file) {
    const std::string prefix = ".~" + file.filename().string() + ".";
    std::error_code ec;
    fs::directory_iterator it(folderOf(file), ec);
    if (ec) return;
    for (const auto& entry : it) {
        const std::string name = entry.path().filename().string();
        if (isTemporaryOf(name, prefix)) {
            std::error_code rm;
            fs::remove(entry.path(), rm);
        }
    }
}

void syncFolder(const fs::path& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool writeAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// Writes the bytes into a new temporary file beside `file`, with the permission bits of the
// file it will replace, and flushes it to the disk. Returns the temporary's path.
fs::path writeTemporary(const fs::path& file, std::string_view bytes) {
    static thread_local std::mt19937_64 rng{std::random_device{}()};
    removeStaleTemporaries(file);
    struct stat old {};
    const bool replaces = ::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const fs::path dir = folderOf(file);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path tmp =
            dir / (".~" + file.filename().string() + "." + std::to_string(rng() % 1000000000) + ".tmp");
        const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) break;
        bool ok = !replaces || ::fchmod(fd, old.st_mode & 07777) == 0;
        ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
        ok = ::close(fd) == 0 && ok;
        if (ok) return tmp;
        std::error_code ec;
        fs::remove(tmp, ec);
        break;
    }
    throw FileError::cannotWrite(file);
}

}  // namespace

void writeFileAtomic(const std::filesystem::path& file, std::string_view bytes) {
    writeFilesAtomic({{file, std::string(bytes)}});
}

void writeFilesAtomic(const std::vector<FileContents>& files) {
    std::vector<fs::path> temporaries;
    auto discard = [&temporaries] {
        for (const auto& tmp : temporaries) {
            std::error_code ec;
            fs::remove(tmp, ec);
        }
    };
    try {
        for (const auto& f : files) temporaries.push_back(writeTemporary(f.path, f.bytes));
    } catch (...) {
        discard();
        throw;
    }
    // Every file is complete on disk: only now does any of them replace its old version. The
    // old contents stay reachable under a second name until every new file is in place, so a
    // rename that fails puts back the files already replaced.
    std::vector<fs::path> olds(files.size());
    size_t done = 0;
    for (; done < files.size(); ++done) {
        const fs::path& file = files[done].path;
        std::error_code ec;
        if (fs::exists(file, ec)) {
            olds[done] = folderOf(file) / (temporaries[done].filename().string() + ".old");
            fs::create_hard_link(file, olds[done], ec);
            if (ec) {
                ec.clear();
                fs::copy_file(file, olds[done], ec);
            }
            if (ec) break;
        }
        fs::rename(temporaries[done], file, ec);
        if (ec) break;
    }
    if (done < files.size()) {
        std::error_code ec;
        for (size_t i = 0; i < done; ++i) {
            if (olds[i].empty())
                fs::remove(files[i].path, ec);
            else
                fs::rename(olds[i], files[i].path, ec);
        }
        if (!olds[done].empty()) fs::remove(olds[done], ec);
        for (size_t i = done; i < temporaries.size(); ++i) fs::remove(temporaries[i], ec);
        throw FileError::cannotWrite(files[done].path);
    }
    for (const auto& old : olds) {
        std::error_code ec;
        if (!old.empty()) fs::remove(old, ec);
    }
    std::vector<fs::path> folders;
    for (const auto& f : files) {
        const fs::path dir = folderOf(f.path);
        if (std::find(folders.begin(), folders.end(), dir) == folders.end()) folders.push_back(dir);
    }
    for (const auto& dir : folders) syncFolder(dir);
}

std::string encodeText(std::string_view utf8) {
    std::string bytes;
    // Windows-1252 only when it reads back as written: not when its bytes would begin with a
    // byte-order mark or be valid UTF-8 themselves (decodeText would take them as such).
    if (utf8ToCp1252(utf8, bytes) && !startsWithMark(bytes) && (isPlainAscii(bytes) || !isValidUtf8(bytes)))
        return bytes;
    std::string withBom = "\xEF\xBB\xBF";
    withBom.append(utf8);
    return withBom;
}

void writeTextFile(const std::filesystem::path& file, std::string_view utf8) {
    writeFileAtomic(file, encodeText(utf8));
}

std::string encodeLines(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const auto& l : lines) size += l.size() + 2;
    // Each line converted into one buffer: the same bytes encodeText gives for the joined text
    // (a line break never belongs to a UTF-8 sequence), without building that text first.
    std::string bytes, piece;
    bytes.reserve(size);
    bool exact = true;
    for (const auto& l : lines) {
        if (isPlainAscii(l)) {
            bytes += l;
        } else {
            exact = utf8ToCp1252(l, piece) && exact;
            bytes += piece;
        }
        bytes += "\r\n";
    }
    if (exact && !startsWithMark(bytes) && (isPlainAscii(bytes) || !isValidUtf8(bytes))) return bytes;
    std::string withBom = "\xEF\xBB\xBF";
    withBom.reserve(size + 3);
    for (const auto& l : lines) {
        withBom += l;
        withBom += "\r\n";
    }
    return withBom;
}

void writeLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::vector<FileContents> one;
    one.push_back({file, encodeLines(lines)});  // moved, not copied
    writeFilesAtomic(one);
}

}  // namespace corvana::toolkit
