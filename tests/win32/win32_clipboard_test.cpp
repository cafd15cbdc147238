#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
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

// How long a capture and a transfer of a 1 MB figure hold the clipboard: the capture's one
// opening copies the three blocks, the transfer's puts three prepared blocks; files and
// conversions come before or after. Another program must find it free soon after either.
TEST_F(Win32ClipboardTest, ACaptureAndATransferHoldTheClipboardBriefly) {
    const auto figure = FigureBytes(1 << 20);
    const std::uint32_t ids[] = {hd0, hd1, hd2};
    std::vector<ClipPut> blocks = {{hd0, ClipBlock(32, 1)}, {hd1, ClipBlock(figure.begin(), figure.end())},
                                   {hd2, ClipBlock(64, 2)}};
    auto ms = [](auto since) {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
    };
    double slowest_put = 0, slowest_read = 0;
    for (int round = 0; round < 5; ++round) {
        auto start = std::chrono::steady_clock::now();
        const auto sizes = clips.ClipPutAll(blocks, {});
        slowest_put = std::max(slowest_put, ms(start));
        EXPECT_EQ(sizes[1], figure.size());
        start = std::chrono::steady_clock::now();
        const auto read = clips.ClipReadAll(ids, true);
        slowest_read = std::max(slowest_read, ms(start));
        ASSERT_TRUE(read[1]);
        EXPECT_EQ(std::string(read[1]->begin(), read[1]->begin() + static_cast<long>(figure.size())), figure);
    }
    std::printf("[ measure  ] clipboard held for a 1 MB figure: capture %.2f ms, transfer %.2f ms (slowest of 5)\n",
                slowest_read, slowest_put);
    EXPECT_LT(slowest_read, 20.0);
    EXPECT_LT(slowest_put, 20.0);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace torvane
