// Text files on disk: what the readers take as UTF-8, what the writer leaves behind, and the
// files the readers refuse.
#include "core/toolkit/text_file.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "core/toolkit/error.hpp"
#include "test_support.hpp"

namespace corvana::toolkit {
namespace {

using corvana::testing::readBytes;
using corvana::testing::TempDir;
using corvana::testing::writeBytes;
namespace fs = std::filesystem;

TEST(TextFile, DecodesUtf8WithoutAMarkAndWindows1252Otherwise) {
    const struct {
        std::string bytes, text;
    } cases[] = {
        {"Plano Ver\xC3\xA3o", "Plano Verão"},          // a Linux editor's UTF-8
        {"Plano Ver\xE3o", "Plano Verão"},              // the program's own Windows-1252
        {"Cr\x80 \xC3", "Cr€ Ã"},                       // a lone lead byte: not UTF-8
        {"\xEF\xBB\xBFPlano Ver\xC3\xA3o", "Plano Verão"},
        {"plain", "plain"},
    };
    for (const auto& c : cases) EXPECT_EQ(decodeText(c.bytes), c.text) << c.bytes;
}

TEST(TextFile, EncodedTextReadsBackAsWritten) {
    // Windows-1252 bytes that would look like a byte-order mark or like UTF-8 are written as
    // UTF-8 with its mark; ordinary Portuguese text stays Windows-1252.
    for (const std::string text : {"ÿþabc", "þÿ", "ï»¿x", "Ã£o", "Â ", "Plano Verão", "€ 1.000,00"}) {
        EXPECT_EQ(decodeText(encodeText(text)), text) << text;
    }
    EXPECT_EQ(encodeText("Plano Verão"), "Plano Ver\xE3o");
}

TEST(TextFile, LinesEncodeAsTheirJoinedText) {
    // Lines are converted one by one; the bytes must be those of the whole text with CR LF.
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"plain", ""},
        {"Plano Verão", "R$ 1.000,00", "<td>ação</td>"},
        {"ï»¿x", "Verão"},             // would begin with a byte-order mark
        {"Ã£o", "abc"},                 // its Windows-1252 bytes are valid UTF-8
        {"Verão", "seta → aqui"},       // a character Windows-1252 lacks
        {"corte \xC3", "\xA3 depois"},  // a sequence broken at the line's end
    };
    for (const auto& lines : cases) {
        std::string joined;
        for (const auto& l : lines) joined += l + "\r\n";
        EXPECT_EQ(encodeLines(lines), encodeText(joined)) << joined;
    }
}

TEST(TextFile, ReadsOnlyRegularFilesOfASaneSize) {
    TempDir dir;
    const auto pipe = dir / "cabecalho.dat";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(readFileBytes(pipe), FileError);  // refused without waiting for a writer
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_THROW(readFileBytes(dir.path()), FileError);
    EXPECT_THROW(readFileBytes("/dev/zero"), FileError);

    writeBytes(dir / "big.e12", std::string(2000, 'x'));
    EXPECT_EQ(readFileBytes(dir / "big.e12", 2000).size(), 2000u);
    try {
        readFileBytes(dir / "big.e12", 1999);
        FAIL() << "a file over the limit was read";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("grande demais"), std::string::npos) << e.what();
    }
}

TEST(TextFile, AtomicWriteKeepsModeAndClearsWhatAKilledWriteLeft) {
    TempDir dir;
    const auto file = dir / "temp2.back";
    writeBytes(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    // Left by writes killed half-way: of this file (removed) and of another (kept).
    writeBytes(dir / ".~temp2.back.123456.tmp", std::string(1000, 'x'));
    writeBytes(dir / ".~temp2.back.9.tmp", "");
    writeBytes(dir / ".~teste.html.77.tmp", "other");
    writeBytes(dir / ".~temp2.back.notmine", "kept");

    writeFileAtomic(file, "new");
    EXPECT_EQ(readBytes(file), "new");
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_FALSE(fs::exists(dir / ".~temp2.back.123456.tmp"));
    EXPECT_FALSE(fs::exists(dir / ".~temp2.back.9.tmp"));
    EXPECT_TRUE(fs::exists(dir / ".~teste.html.77.tmp"));
    EXPECT_TRUE(fs::exists(dir / ".~temp2.back.notmine"));
}

TEST(TextFile, APairIsWrittenWholeOrNotAtAll) {
    TempDir dir;
    writeBytes(dir / "teste.html", "old report");
    writeBytes(dir / "temp2.back", "old backup");
    // The second file cannot be written (its folder is missing): the first stays old too.
    EXPECT_THROW(writeFilesAtomic({{dir / "teste.html", "new report"}, {dir / "none" / "temp2.back", "x"}}),
                 FileError);
    EXPECT_EQ(readBytes(dir / "teste.html"), "old report");
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 2u);  // no temporary left

    writeFilesAtomic({{dir / "teste.html", "new report"}, {dir / "temp2.back", "new backup"}});
    EXPECT_EQ(readBytes(dir / "teste.html"), "new report");
    EXPECT_EQ(readBytes(dir / "temp2.back"), "new backup");
}

TEST(Messages, QuoteAtMostSixtyCharacters) {
    EXPECT_EQ(quoteText("1.234,56"), "1.234,56");
    EXPECT_EQ(quoteText(std::string(60, 'a')), std::string(60, 'a'));
    EXPECT_EQ(quoteText(std::string(61, 'a')), std::string(60, 'a') + "…");
    // Whole characters: 60 "ã" are 120 bytes, and none is cut in half.
    std::string accents;
    for (int i = 0; i < 70; ++i) accents += "ã";
    EXPECT_EQ(quoteText(accents), accents.substr(0, 120) + "…");

    const std::string cell(10 * 1024 * 1024, '9');
    const std::string message = ConversionError::notNumber(cell + "x").what();
    EXPECT_LT(message.size(), 120u);
    EXPECT_EQ(message, "'" + std::string(60, '9') + "…' não é um número válido");
}

}  // namespace
}  // namespace corvana::toolkit
