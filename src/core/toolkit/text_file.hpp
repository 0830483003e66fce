// Text files of the data folder: Windows-1252 with CR LF on disk, UTF-8 inside the program.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvana::toolkit {

// Windows-1252 bytes to UTF-8. The five bytes Windows-1252 leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same number, as Windows does,
// so that no byte is lost.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. Returns false when some character has no Windows-1252 byte
// (it is then written as '?'); malformed UTF-8 bytes are taken as Windows-1252 bytes.
bool utf8ToCp1252(std::string_view utf8, std::string& out);

// True when no byte is above 0x7F (such bytes read the same in every encoding we accept).
bool isPlainAscii(std::string_view bytes);

// Decodes a file's bytes: a UTF-8 or UTF-16 (LE/BE) byte-order mark selects that encoding;
// without a mark, valid UTF-8 holding non-ASCII characters (what text editors save) is UTF-8,
// anything else is Windows-1252.
std::string decodeText(std::string_view bytes);

// Splits text into lines: CR LF, a lone CR or a lone LF end a line; a last line without a
// line end is a line; a line end at the very end does not make an extra empty line.
std::vector<std::string> splitLines(std::string_view text);

// True when the bytes are valid UTF-8 (plain ASCII included).
bool isValidUtf8(std::string_view bytes);

// The largest file the program reads: far more than any calculation, table or report.
inline constexpr size_t kMaxFileBytes = 64u * 1024 * 1024;

// Whole file as bytes; throws FileError when it cannot be opened or read, when it is not a
// regular file (a folder, a named pipe, a device: refused without waiting on it) or when it
// is larger than `maxBytes`.
std::string readFileBytes(const std::filesystem::path& file, size_t maxBytes = kMaxFileBytes);
// Whole file decoded to UTF-8 (see decodeText).
std::string readTextFile(const std::filesystem::path& file);
// The file's lines (decoded, split as splitLines).
std::vector<std::string> readLines(const std::filesystem::path& file);

// Writes the bytes to a temporary file ".~NAME.<digits>.tmp" in the same folder, flushes it to
// the disk and renames it over `file`, then flushes the folder, so a crash, a power cut or a
// full disk never leaves a half-written or empty file. A replaced file keeps its permission
// bits; temporaries that an interrupted earlier write of the same file left are removed.
// Throws FileError (the old file is then untouched).
void writeFileAtomic(const std::filesystem::path& file, std::string_view bytes);

struct FileContents {
    std::filesystem::path path;
    std::string bytes;
};
// Writes a set of files that belong together (a report and the calculation file it came
// from): every temporary file is written and flushed before any of them is renamed over its
// file, so a failed write (full disk, no permission) changes none of them and a crash leaves
// either the old set or, at most during the renames themselves, old and new files side by
// side; a rename that fails puts back the files already replaced (or removes those that did
// not exist), so either every file is replaced or none is. Each file is written as
// writeFileAtomic does. Throws FileError.
void writeFilesAtomic(const std::vector<FileContents>& files);

// Encodes UTF-8 text for disk: Windows-1252 when every character has a byte there and those
// bytes read back as written (they neither begin with a byte-order mark nor form valid UTF-8
// with non-ASCII bytes); otherwise UTF-8 with a byte-order mark, which the readers take back
// without loss.
std::string encodeText(std::string_view utf8);

// Writes UTF-8 text (already holding its CR LF line ends) as encodeText does, atomically.
void writeTextFile(const std::filesystem::path& file, std::string_view utf8);
// The lines, each followed by CR LF, encoded as encodeText does.
std::string encodeLines(const std::vector<std::string>& lines);
// Writes the lines, each followed by CR LF, as writeTextFile does.
void writeLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

}  // namespace corvana::toolkit
