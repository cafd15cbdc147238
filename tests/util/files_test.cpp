#include <gtest/gtest.h>

#include "platform/file_times.h"
#include "support/test_files.h"
#include "util/files.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

std::size_t EntryCount(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(FileThereTest, OnlyRegularFiles) {
    TempDir dir;
    test::WriteBytes(dir / "a.txt", "x");
    EXPECT_TRUE(FileThere(dir / "a.txt"));
    EXPECT_FALSE(FileThere(dir / "b.txt"));
    EXPECT_FALSE(FileThere(dir.path()));
}

TEST(FileDeleteTest, FalseInsteadOfAnError) {
    TempDir dir;
    test::WriteBytes(dir / "a.txt", "x");
    EXPECT_TRUE(FileDelete(dir / "a.txt"));
    EXPECT_FALSE(FileThere(dir / "a.txt"));
    EXPECT_FALSE(FileDelete(dir / "a.txt"));
    fs::create_directory(dir / "sub");
    EXPECT_FALSE(FileDelete(dir / "sub"));
    EXPECT_TRUE(fs::exists(dir / "sub"));
}

TEST(FileCopyTest, CopiesContentAcrossBlocksAndKeepsTimes) {
    TempDir dir;
    std::string content;
    for (int i = 0; i < 4096 * 2 + 17; ++i) content += static_cast<char>(i * 7);
    test::WriteBytes(dir / "src.1", content);
    const FileTimes old{132000000000000000LL, 132000000010000000LL, 132000000020000000LL};
    ASSERT_TRUE(SetFileTimes(dir / "src.1", old));
    test::WriteBytes(dir / "dst.1", "old content that is replaced");

    EXPECT_TRUE(FileCopy(dir / "src.1", dir / "dst.1"));
    const auto times = GetFileTimes(dir / "dst.1");  // before reading the copy updates its access time
    ASSERT_TRUE(times);
    EXPECT_EQ(times->write, old.write);
    EXPECT_EQ(times->access, old.access);
    EXPECT_EQ(test::ReadBytes(dir / "dst.1"), content);
    EXPECT_EQ(EntryCount(dir.path()), 2u);
}

TEST(FileCopyTest, EmptyFileAndCopyOntoItself) {
    TempDir dir;
    test::WriteBytes(dir / "empty", "");
    EXPECT_TRUE(FileCopy(dir / "empty", dir / "copy"));
    EXPECT_TRUE(FileThere(dir / "copy"));
    EXPECT_EQ(test::ReadBytes(dir / "copy"), "");
    test::WriteBytes(dir / "self", "keep me");
    EXPECT_TRUE(FileCopy(dir / "self", dir / "self"));
    EXPECT_EQ(test::ReadBytes(dir / "self"), "keep me");
}

TEST(FileCopyTest, MissingSourceCreatesNothing) {
    TempDir dir;
    EXPECT_FALSE(FileCopy(dir / "missing", dir / "dst"));
    EXPECT_FALSE(FileCopy(dir.path(), dir / "dst"));
    EXPECT_EQ(EntryCount(dir.path()), 0u);
}

TEST(FileCopyTest, FailedWriteLeavesNoPartialFile) {
    TempDir dir;
    test::WriteBytes(dir / "src", "data");
    EXPECT_FALSE(FileCopy(dir / "src", dir / "no-such-folder" / "dst"));
    // The destination is a folder: the finished copy cannot replace it and is removed.
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(FileCopy(dir / "src", dir / "folder"));
    EXPECT_EQ(EntryCount(dir.path()), 2u);
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
}

TEST(WriteFileAtomicTest, ReplacesWholeFileAndLeavesNoTemporary) {
    TempDir dir;
    EXPECT_TRUE(WriteFileAtomic(dir / "settings.dat", std::string("a\0b", 3)));
    EXPECT_EQ(ReadFileBytes(dir / "settings.dat"), std::string("a\0b", 3));
    EXPECT_TRUE(WriteFileAtomic(dir / "settings.dat", "new"));
    EXPECT_EQ(ReadFileBytes(dir / "settings.dat"), "new");
    EXPECT_EQ(EntryCount(dir.path()), 1u);
    EXPECT_FALSE(WriteFileAtomic(dir / "missing" / "x.dat", "new"));
    EXPECT_EQ(ReadFileBytes(dir / "missing" / "x.dat"), std::nullopt);
}

TEST(WriteFileAtomicTest, NameWithoutRoomForATemporaryFailsInsteadOfHanging) {
    TempDir dir;
    const std::string longest(255, 'n');
    EXPECT_FALSE(WriteFileAtomic(dir / longest, "data"));
    ASSERT_TRUE(WriteFileAtomic(dir / "source", "data"));
    EXPECT_FALSE(FileCopy(dir / "source", dir / longest));
    EXPECT_EQ(EntryCount(dir.path()), 1u);
}

TEST(FileDateSizeTest, FirstMatchingFileOrZeros) {
    TempDir dir;
    test::WriteBytes(dir / "b.jws", "12345");
    test::WriteBytes(dir / "a.JWS", "12");
    ASSERT_TRUE(SetFileTimes(dir / "a.JWS", {0, 0, 116444736000000000LL + 86400LL * 10000000LL * 365}));
    LocalTime time;
    std::uintmax_t size = 99;
    EXPECT_TRUE(FileDateSize(dir / "b.jws", time, size));
    EXPECT_EQ(size, 5u);
    EXPECT_TRUE(FileDateSize(dir / "*.jws", time, size));
    EXPECT_EQ(size, 2u);
    EXPECT_EQ(time.year, 1971);
    EXPECT_FALSE(FileDateSize(dir / "*.bmp", time, size));
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(time, LocalTime{});
}

TEST(FileNameTest, NameExtensionAndChange) {
    EXPECT_EQ(NameOf(fs::path("folder") / "Plan.JWS"), u"Plan.JWS");
    EXPECT_EQ(ExtOf(fs::path("folder") / "Plan.JWS"), u".jws");
    EXPECT_EQ(ExtOf("noext"), u"");
    EXPECT_EQ(NameOf(fs::path("folder") / ""), u"");
    EXPECT_EQ(ChangeExt(fs::path("clips") / "20240101_120000.1", u".bmp"), fs::path("clips") / "20240101_120000.bmp");
    EXPECT_EQ(ChangeExt(fs::path("folder") / "", u".bmp"), fs::path());
}

#ifndef _WIN32
// A POSIX folder may hold names that are no UTF-8; they read as empty text instead of throwing.
TEST(FileNameTest, NamesThatAreNoText) {
    EXPECT_EQ(PathText(fs::path("a\xff.jws")), u"");
    EXPECT_EQ(NameOf(fs::path("folder") / "a\xff.jws"), u"");
    TempDir dir;
    test::WriteBytes(dir / "a\xff.jws", "1");
    test::WriteBytes(dir / "b.jws", "123");
    LocalTime time;
    std::uintmax_t size = 0;
    EXPECT_TRUE(FileDateSize(dir / "b*.jws", time, size));
    EXPECT_EQ(size, 3u);
}
#endif

}  // namespace
}  // namespace torvane
