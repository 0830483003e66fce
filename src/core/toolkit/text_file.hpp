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

// Decodes a file's bytes: a UTF-8 or UTF-16 (LE/BE) byte-order mark selects that encoding,
// anything else is Windows-1252.
std::string decodeText(std::string_view bytes);

// Splits text into lines: CR LF, a lone CR or a lone LF end a line; a last line without a
// line end is a line; a line end at the very end does not make an extra empty line.
std::vector<std::string> splitLines(std::string_view text);

// Whole file as bytes; throws FileError when it cannot be opened or read.
std::string readFileBytes(const std::filesystem::path& file);
// Whole file decoded to UTF-8 (see decodeText).
std::string readTextFile(const std::filesystem::path& file);
// The file's lines (decoded, split as splitLines).
std::vector<std::string> readLines(const std::filesystem::path& file);

// Writes the bytes to a temporary file in the same folder and renames it over `file`, so a
// crash or a full disk never leaves a half-written file. Throws FileError.
void writeFileAtomic(const std::filesystem::path& file, std::string_view bytes);

// Writes several files as one set: every new content first goes to a temporary file beside its
// target, and only when all are written are they renamed over their targets; if a rename fails,
// the targets already replaced get their old contents back (or are removed when they did not
// exist). Either every file is replaced or none is. Throws FileError.
void writeFilesAtomic(const std::vector<std::pair<std::filesystem::path, std::string>>& files);

// Encodes UTF-8 text for disk: Windows-1252 when every character has a byte there; otherwise
// UTF-8 with a byte-order mark, which the readers take back without loss.
std::string encodeText(std::string_view utf8);

// Writes UTF-8 text (already holding its CR LF line ends) as encodeText does, atomically.
void writeTextFile(const std::filesystem::path& file, std::string_view utf8);
// Writes the lines, each followed by CR LF, as writeTextFile does.
void writeLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

}  // namespace corvana::toolkit
