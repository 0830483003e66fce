// Writing several files as one set: all are replaced, or none is and nothing is left behind.
#include <gtest/gtest.h>

#include "core/toolkit/error.hpp"
#include "core/toolkit/text_file.hpp"
#include "test_support.hpp"

using namespace corvana;
using namespace corvana::testing;

namespace {

size_t entries(const std::filesystem::path& dir) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++n;
    return n;
}

TEST(FilesAtomic, EveryFileOfTheSetIsReplacedOrNone) {
    TempDir dir;
    writeBytes(dir / "b.tab", "old b");
    toolkit::writeFilesAtomic({{dir / "a.tab", "new a"}, {dir / "b.tab", "new b"}});
    EXPECT_EQ(readBytes(dir / "a.tab"), "new a");
    EXPECT_EQ(readBytes(dir / "b.tab"), "new b");
    EXPECT_EQ(entries(dir.path()), 2u);

    // The third target cannot be replaced (a folder has its name): the file created before it is
    // gone again, the file replaced before it has its old bytes, no temporary file stays.
    std::filesystem::create_directory(dir / "c.tab");
    EXPECT_THROW(toolkit::writeFilesAtomic({{dir / "d.tab", "new d"},
                                            {dir / "b.tab", "newer b"},
                                            {dir / "c.tab", "new c"}}),
                 toolkit::FileError);
    EXPECT_FALSE(std::filesystem::exists(dir / "d.tab"));
    EXPECT_EQ(readBytes(dir / "b.tab"), "new b");
    EXPECT_EQ(entries(dir.path()), 3u);  // a.tab, b.tab and the folder c.tab

    // A target in a folder that does not exist fails before anything is replaced.
    EXPECT_THROW(toolkit::writeFilesAtomic({{dir / "a.tab", "x"}, {dir / "nao" / "e.tab", "y"}}),
                 toolkit::FileError);
    EXPECT_EQ(readBytes(dir / "a.tab"), "new a");
    EXPECT_EQ(entries(dir.path()), 3u);
}

}  // namespace
