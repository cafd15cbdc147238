#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <string>

#include "clip/clipboards.h"
#include "support/recording_ui.h"
#include "support/test_files.h"
#include "test_host.h"
#include "wait_for.h"

namespace torvane {
namespace {

std::string FigureBytes(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 31 + 7) % 253);
    return s;
}

class Win32ClipboardTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::RecordingUi ui;
    Clipboards clips{SystemClipboard(), SystemClock(), ui};
    std::uint32_t hd0 = clips.ClipRegister(u"DataObject");
    std::uint32_t hd1 = clips.ClipRegister(u"Jw_win");
    std::uint32_t hd2 = clips.ClipRegister(u"Ole Private Data");
};

TEST_F(Win32ClipboardTest, FormatsPutByAnotherProgramAreSizedSavedAndCompared) {
    const auto figure = FigureBytes(5000);
    test::WriteBytes(dir / "figure.1", figure);
    test::TestHost host(L"put", {}, {L"--put", (dir / "figure.1").wstring()});
    ASSERT_NE(host.window(), nullptr);

    EXPECT_GE(clips.ClipFormatCount(), 3);
    EXPECT_EQ(clips.ClipDataSize(hd0), 32u);
    EXPECT_GE(clips.ClipDataSize(hd1).value_or(0), figure.size());
    EXPECT_EQ(clips.ClipDataSize(hd2), 64u);
    EXPECT_TRUE(clips.ClipSameAsFile(hd1, dir / "figure.1"));

    {
        ClipboardOpen open(clips);
        for (int q = 0; q < 3; ++q) {
            EXPECT_TRUE(clips.ClipSaveFile(q == 0 ? hd0 : q == 1 ? hd1 : hd2, dir / ("prev." + std::to_string(q))));
        }
    }
    EXPECT_EQ(test::ReadBytes(dir / "prev.1").substr(0, figure.size()), figure);
    EXPECT_EQ(test::ReadBytes(dir / "prev.0").size(), 32u);
    EXPECT_EQ(test::ReadBytes(dir / "prev.2").substr(0, 4), std::string("\x47\xDA\0\0", 4));
    EXPECT_TRUE(ui.messages.empty());

    test::WriteBytes(dir / "other.1", FigureBytes(4999) + "x");
    EXPECT_FALSE(clips.ClipSameAsFile(hd1, dir / "other.1"));
}

TEST_F(Win32ClipboardTest, LoadedFilesReachAnotherProgramWithTheZeroByte) {
    const auto figure = FigureBytes(3001);
    test::WriteBytes(dir / "clip.1", figure);
    ASSERT_TRUE(ClipDefaultFile0(dir / "clip.0"));
    ASSERT_TRUE(ClipDefaultFile2(dir / "clip.2"));
    test::TestHost host(L"paste", dir / "pasted.1");
    ASSERT_NE(host.window(), nullptr);

    clips.Clear();
    {
        ClipboardOpen open(clips);
        EXPECT_EQ(clips.ClipLoadFile(hd0, dir / "clip.0"), 32u);
        EXPECT_EQ(clips.ClipLoadFile(hd1, dir / "clip.1"), figure.size());
        EXPECT_EQ(clips.ClipLoadFile(hd2, dir / "clip.2"), 64u);
    }
    EXPECT_GE(clips.ClipFormatCount(), 4);
    ASSERT_TRUE(host.PasteNow());
    EXPECT_EQ(test::ReadBytes(dir / "pasted.1"), figure + std::string(1, '\0'));
    EXPECT_TRUE(clips.ClipSameAsFile(hd1, dir / "clip.1"));
}

TEST_F(Win32ClipboardTest, ClipboardHeldByAnotherProgramIsRetriedThenReported) {
    test::TestHost host(L"hold");
    ASSERT_NE(host.window(), nullptr);

    ASSERT_TRUE(host.HoldClipboard(3000));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(clips.ClipDataSize(hd1), ClipboardUnavailable);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(450));
    EXPECT_LT(waited, std::chrono::milliseconds(2500));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].starts_with(u"クリップボード "));
    EXPECT_TRUE(ui.messages[0].ends_with(u" を開けません"));
    EXPECT_GT(ui.messages[0].size(), std::u16string_view(u"クリップボード  を開けません").size());

    // Released while the retries run: the operation succeeds without a message.
    ASSERT_TRUE(test::WaitFor([] {
        if (!OpenClipboard(nullptr)) return false;
        CloseClipboard();
        return true;
    }));
    ASSERT_TRUE(host.HoldClipboard(150));
    EXPECT_NO_THROW(clips.ClipDataSize(hd1));
    EXPECT_EQ(ui.messages.size(), 1u);
}

// The system clipboard, timing how long it stays open from each Open to its Close.
class HoldTimingClipboard final : public Clipboard {
public:
    double shortest_ms = std::numeric_limits<double>::infinity();
    double longest_ms = 0;

    std::uint32_t RegisterFormat(std::u16string_view name) override { return inner_.RegisterFormat(name); }
    int FormatCount() override { return inner_.FormatCount(); }
    std::uint32_t SequenceNumber() override { return inner_.SequenceNumber(); }
    bool IsFormatAvailable(std::uint32_t format) override { return inner_.IsFormatAvailable(format); }
    bool Open(std::u16string& reason) override {
        opened_ = std::chrono::steady_clock::now();
        return inner_.Open(reason);
    }
    void Close() override {
        inner_.Close();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - opened_).count();
        shortest_ms = std::min(shortest_ms, ms);
        longest_ms = std::max(longest_ms, ms);
    }
    bool Empty() override { return inner_.Empty(); }
    std::optional<std::size_t> DataSize(std::uint32_t format) override { return inner_.DataSize(format); }
    std::optional<std::vector<std::uint8_t>> GetData(std::uint32_t format) override { return inner_.GetData(format); }
    bool ViewData(std::uint32_t format, const std::function<void(std::span<const std::uint8_t>)>& visit) override {
        return inner_.ViewData(format, visit);
    }
    bool SetData(std::uint32_t format, std::span<const std::uint8_t> bytes) override { return inner_.SetData(format, bytes); }

private:
    Clipboard& inner_ = SystemClipboard();
    std::chrono::steady_clock::time_point opened_;
};

// How long a capture and a transfer of a 1 MB figure hold the clipboard open: the capture's one
// opening copies the three blocks, the transfer's puts three blocks made before it opened. The
// bound is on the shortest of five rounds: a busy machine only lengthens some of them, while
// slow work inside the opening would lengthen every one.
TEST_F(Win32ClipboardTest, ACaptureAndATransferHoldTheClipboardBriefly) {
    const auto figure = FigureBytes(1 << 20);
    const std::uint32_t ids[] = {hd0, hd1, hd2};
    const std::vector<ClipPut> blocks = {{hd0, ClipBlock(32, 1)}, {hd1, ClipBlock(figure.begin(), figure.end())},
                                         {hd2, ClipBlock(64, 2)}};
    HoldTimingClipboard putting, reading;
    Clipboards put_clips{putting, SystemClock(), ui}, read_clips{reading, SystemClock(), ui};
    for (int round = 0; round < 5; ++round) {
        const auto sizes = put_clips.ClipPutAll(blocks, {});
        EXPECT_EQ(sizes[1], figure.size());
        const auto read = read_clips.ClipReadAll(ids, true);
        ASSERT_TRUE(read[1]);
        EXPECT_EQ(std::string(read[1]->begin(), read[1]->begin() + static_cast<long>(figure.size())), figure);
    }
    std::printf("[ measure  ] clipboard held for a 1 MB figure: capture %.2f to %.2f ms, transfer %.2f to %.2f ms "
                "(5 rounds)\n",
                reading.shortest_ms, reading.longest_ms, putting.shortest_ms, putting.longest_ms);
    EXPECT_LT(reading.shortest_ms, 20.0);
    EXPECT_LT(putting.shortest_ms, 20.0);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace torvane
