#include "clip/clipboards.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/memory/key_recorder.h"
#include "platform/memory/memory_clipboard.h"
#include "support/recording_ui.h"
#include "support/test_files.h"

namespace torvane {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

std::string Patterned(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i * 7 + i / 251);
    return s;
}

class ClipboardsTest : public ::testing::Test {
protected:
    MemoryClipboard board;
    KeyRecorder clock;
    test::RecordingUi ui;
    Clipboards clips{board, clock, ui};
    test::TempDir dir;

    void PutBlock(std::uint32_t id, std::string_view bytes) {
        std::u16string reason;
        ASSERT_TRUE(board.Open(reason));
        board.SetData(id, Bytes(bytes));
        board.Close();
    }
    std::optional<std::vector<std::uint8_t>> Block(std::uint32_t id) {
        std::u16string reason;
        EXPECT_TRUE(board.Open(reason));
        auto data = board.GetData(id);
        board.Close();
        return data;
    }
};

TEST_F(ClipboardsTest, RegisterGivesOneIdentifierPerName) {
    const auto a = clips.ClipRegister(u"Jw_win");
    EXPECT_NE(a, 0u);
    EXPECT_EQ(clips.ClipRegister(u"Jw_win"), a);
    EXPECT_NE(clips.ClipRegister(u"DataObject"), a);
    EXPECT_EQ(clips.ClipRegister(u""), 0u);
}

TEST_F(ClipboardsTest, LoadFilePutsBytesWithZeroAndUnicodeCopy) {
    const auto id = clips.ClipRegister(u"Jw_win");
    test::WriteBytes(dir / "a.1", std::string("A\0B\0C\0\0\0xyz", 11));
    EXPECT_EQ(clips.ClipLoadFile(id, dir / "a.1"), 11u);
    EXPECT_FALSE(board.IsOpen());
    EXPECT_EQ(Block(id), Bytes(std::string("A\0B\0C\0\0\0xyz\0", 12)));
    EXPECT_EQ(Block(Clipboard::kUnicodeText), Bytes(std::string("A\0B\0C\0\0\0", 8)));
    EXPECT_EQ(clips.ClipFormatCount(), 2);
}

TEST_F(ClipboardsTest, UnicodeCopyStaysInsideAnOddSizedBlock) {
    const auto id = clips.ClipRegister(u"Jw_win");
    test::WriteBytes(dir / "odd", "abc");  // block "abc\0": units "ba", "\0c"
    EXPECT_EQ(clips.ClipLoadFile(id, dir / "odd"), 3u);
    EXPECT_EQ(Block(Clipboard::kUnicodeText), Bytes(std::string("abc\0\0\0", 6)));
    test::WriteBytes(dir / "one", "a");  // block "a\0": one unit 0x0061
    clips.ClipLoadFile(id, dir / "one");
    EXPECT_EQ(Block(Clipboard::kUnicodeText), Bytes(std::string("a\0\0\0", 4)));
}

TEST_F(ClipboardsTest, LoadsOfOneOpeningReplaceTheOldContentOnce) {
    const auto foreign = clips.ClipRegister(u"Rich Text Format");
    PutBlock(foreign, "old");
    const auto h0 = clips.ClipRegister(u"DataObject");
    const auto h1 = clips.ClipRegister(u"Jw_win");
    const auto h2 = clips.ClipRegister(u"Ole Private Data");
    ASSERT_TRUE(ClipDefaultFile0(dir / "c.0"));
    test::WriteBytes(dir / "c.1", Patterned(5000));
    ASSERT_TRUE(ClipDefaultFile2(dir / "c.2"));
    clips.Clear();
    {
        ClipboardOpen open(clips);
        EXPECT_EQ(clips.ClipLoadFile(h0, dir / "c.0"), 32u);
        EXPECT_EQ(clips.ClipLoadFile(h1, dir / "c.1"), 5000u);
        EXPECT_EQ(clips.ClipLoadFile(h2, dir / "c.2"), 64u);
        EXPECT_TRUE(board.IsOpen());
    }
    EXPECT_FALSE(board.IsOpen());
    EXPECT_EQ(clips.ClipFormatCount(), 4);  // the three and Unicode text
    EXPECT_FALSE(Block(foreign));
    EXPECT_EQ(clips.ClipDataSize(h1), 5001u);
    EXPECT_TRUE(clips.ClipSameAsFile(h1, dir / "c.1"));
}

TEST_F(ClipboardsTest, LoadOfMissingFilePutsNothing) {
    const auto id = clips.ClipRegister(u"Jw_win");
    PutBlock(id, "kept");
    EXPECT_EQ(clips.ClipLoadFile(id, dir / "missing"), 0u);
    EXPECT_EQ(Block(id), Bytes("kept"));
}

TEST_F(ClipboardsTest, DataSizeIsTheReportedBlockSize) {
    const auto id = clips.ClipRegister(u"Jw_win");
    EXPECT_FALSE(clips.ClipDataSize(id));
    PutBlock(id, Patterned(3000));
    EXPECT_EQ(clips.ClipDataSize(id), 3000u);
    EXPECT_FALSE(board.IsOpen());
}

TEST_F(ClipboardsTest, SaveFileWritesTheWholeBlockOrNoFile) {
    const auto id = clips.ClipRegister(u"Jw_win");
    const auto block = Patterned(2048 * 2 + 5);
    PutBlock(id, block);
    EXPECT_TRUE(clips.ClipSaveFile(id, dir / "prev.1"));
    EXPECT_EQ(test::ReadBytes(dir / "prev.1"), block);
    PutBlock(id, "shorter");
    EXPECT_TRUE(clips.ClipSaveFile(id, dir / "prev.1"));  // replaces the file whole
    EXPECT_EQ(test::ReadBytes(dir / "prev.1"), "shorter");

    const auto absent = clips.ClipRegister(u"Ole Private Data");
    test::WriteBytes(dir / "prev.2", "stale");
    EXPECT_FALSE(clips.ClipSaveFile(absent, dir / "prev.2"));
    EXPECT_FALSE(std::filesystem::exists(dir / "prev.2"));

    EXPECT_FALSE(clips.ClipSaveFile(id, dir / "no-such-folder" / "prev.1"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(ClipboardsTest, SaveFileOverAFolderLeavesNoTemporaryFile) {
    const auto id = clips.ClipRegister(u"Jw_win");
    PutBlock(id, "data");
    std::filesystem::create_directory(dir / "prev.1");
    EXPECT_FALSE(clips.ClipSaveFile(id, dir / "prev.1"));
    EXPECT_FALSE(std::filesystem::exists(dir / "prev.1.tmp"));
}

TEST_F(ClipboardsTest, SameAsFileComparesTheFileWithTheStartOfTheBlock) {
    const auto id = clips.ClipRegister(u"Jw_win");
    const auto file = Patterned(4100);
    test::WriteBytes(dir / "prev.1", file);
    EXPECT_FALSE(clips.ClipSameAsFile(id, dir / "prev.1"));  // format absent
    PutBlock(id, file + std::string("\0\0\0", 3));
    EXPECT_TRUE(clips.ClipSameAsFile(id, dir / "prev.1"));
    EXPECT_FALSE(clips.ClipSameAsFile(id, dir / "missing"));
    PutBlock(id, file.substr(0, 4099));
    EXPECT_FALSE(clips.ClipSameAsFile(id, dir / "prev.1"));  // block shorter than the file
    auto changed = file;
    changed[4096] ^= 1;  // in the third chunk
    PutBlock(id, changed);
    EXPECT_FALSE(clips.ClipSameAsFile(id, dir / "prev.1"));
    test::WriteBytes(dir / "empty", "");
    EXPECT_TRUE(clips.ClipSameAsFile(id, dir / "empty"));
    EXPECT_FALSE(board.IsOpen());
}

TEST_F(ClipboardsTest, OpenAndCloseNest) {
    clips.Open();
    clips.Open();
    clips.ClipDataSize(1);
    clips.Close();
    EXPECT_TRUE(board.IsOpen());
    clips.Close();
    EXPECT_FALSE(board.IsOpen());
    clips.Close();  // unbalanced close is harmless
    EXPECT_EQ(board.OpenAttempts(), 1);
}

TEST_F(ClipboardsTest, HeldClipboardIsRetriedForHalfASecondThenReported) {
    const auto id = clips.ClipRegister(u"Jw_win");
    board.HoldElsewhere(true);
    try {
        clips.ClipDataSize(id);
        FAIL() << "no exception";
    } catch (const ClipboardUnavailable& e) {
        EXPECT_EQ(e.message(), u"クリップボード アクセスが拒否されました。 を開けません");
    }
    EXPECT_EQ(board.OpenAttempts(), Clipboards::kOpenAttempts);
    EXPECT_EQ(clock.Elapsed(), 500u);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], u"クリップボード アクセスが拒否されました。 を開けません");

    board.HoldElsewhere(false);
    PutBlock(id, "x");
    EXPECT_EQ(clips.ClipDataSize(id), 1u);
    EXPECT_FALSE(board.IsOpen());
}

// Capture reads every block in one opening and closes; a quiet read gives up after one attempt
// without a word.
TEST_F(ClipboardsTest, ReadAllCopiesTheBlocksInOneOpening) {
    const std::uint32_t ids[] = {clips.ClipRegister(u"A"), clips.ClipRegister(u"B"), clips.ClipRegister(u"C")};
    PutBlock(ids[0], "a");
    PutBlock(ids[2], "cc");
    const int opened = board.OpenAttempts();
    const auto blocks = clips.ClipReadAll(ids, true);
    EXPECT_EQ(board.OpenAttempts(), opened + 1);
    EXPECT_FALSE(board.IsOpen());
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0], Bytes("a"));
    EXPECT_FALSE(blocks[1]);
    EXPECT_EQ(blocks[2], Bytes("cc"));

    board.HoldElsewhere(true);
    EXPECT_THROW(clips.ClipReadAll(ids, true), ClipboardUnavailable);
    EXPECT_EQ(board.OpenAttempts(), opened + 2);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(clock.Elapsed(), 0u);
}

TEST_F(ClipboardsTest, DefaultFilesHoldTheDefaultContents) {
    ASSERT_TRUE(ClipDefaultFile0(dir / "d.0"));
    std::string data_object(32, '\0');
    data_object.replace(0, 12, "\x88\x09\0\0\0\0\0\0\xE0\x0F\x73\0", 12);
    EXPECT_EQ(test::ReadBytes(dir / "d.0"), data_object);
    ASSERT_TRUE(ClipDefaultFile2(dir / "d.2"));
    std::string ole(64, '\0');
    ole.replace(0, 20, "\x47\xDA\0\0\0\0\0\0\x01\0\0\0\xFF\xFF\xFF\xFF\x01\0\0\0", 20);
    EXPECT_EQ(test::ReadBytes(dir / "d.2"), ole);
    EXPECT_FALSE(ClipDefaultFile0(dir / "missing" / "d.0"));
}

}  // namespace
}  // namespace torvane
