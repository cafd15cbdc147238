#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/test_files.h"
#include "torvane_process.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;
using test::Lines;
using test::TorvaneProcess;

TEST(StartCloseTest, FirstStartCreatesTheClipFoldersAndCloseWritesTheSettingsFile) {
    test::TempDir dir;
    TorvaneProcess torvane(dir.path());
    HWND palette = torvane.Start();
    ASSERT_NE(palette, nullptr) << "no palette window appeared";

    const LONG style = GetWindowLongW(palette, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0) << "the palette has no title bar";
    EXPECT_EQ(style & WS_THICKFRAME, 0) << "the palette has no sizing border";
    for (const char* page : {"1", "2", "3"}) EXPECT_TRUE(fs::is_directory(dir / "Temp" / page)) << page;

    ASSERT_EQ(torvane.CloseAndWait(), 0);
    const auto lines = Lines(dir / "torvane.dat");
    ASSERT_GT(lines.size(), 400u);
    EXPECT_EQ(lines[4], "1000") << "Ktime default";
    EXPECT_EQ(lines[15], "3") << "BtnXn default";
}

TEST(StartCloseTest, SettingsAndPageClipsSurviveARestart) {
    test::TempDir dir;
    {
        TorvaneProcess first(dir.path());
        HWND palette = first.Start();
        ASSERT_NE(palette, nullptr);
        ASSERT_EQ(first.CloseAndWait(), 0);
    }
    auto lines = Lines(dir / "torvane.dat");
    ASSERT_GT(lines.size(), 400u);
    lines[4] = "0";       // Ktime below 1 reads as 1000
    lines[16] = "7";      // BtnYn
    const std::size_t page1_row0 = test::SettingsFile::kFirstClip + 100;
    lines[page1_row0] = "32303236313230395F313330303030";  // "20261209_130000" on page 1
    {
        std::ofstream out(dir / "torvane.dat", std::ios::binary | std::ios::trunc);
        for (const auto& line : lines) out << line << "\r\n";
    }
    TorvaneProcess second(dir.path());
    HWND palette = second.Start();
    ASSERT_NE(palette, nullptr);
    ASSERT_EQ(second.CloseAndWait(), 0);

    const auto written = Lines(dir / "torvane.dat");
    ASSERT_EQ(written.size(), lines.size());
    EXPECT_EQ(written[4], "1000");
    EXPECT_EQ(written[16], "7");
    EXPECT_EQ(written[page1_row0], "32303236313230395F313330303030");
}

}  // namespace
}  // namespace torvane
