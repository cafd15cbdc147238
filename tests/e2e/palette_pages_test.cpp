#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "figure/jcf_data.h"
#include "palette_view.h"
#include "support/test_files.h"
#include "test_host.h"
#include "torvane_process.h"
#include "util/bmp_file.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;
using namespace test;

fs::path Stream(const std::string& name) { return *DataDir() / "streams" / name; }

bool HasCurves(const TJcfData& doc) {
    return std::any_of(doc.EntLine.begin(), doc.EntLine.end(), [](const auto& e) { return e.att.lGroup != 0; }) ||
           std::any_of(doc.EntEnko.begin(), doc.EntEnko.end(), [](const auto& e) { return e.att.lGroup != 0; });
}

// The clip name of second s of a day: "20250101_HHMMSS".
std::string ClipNameAt(int s) {
    char name[16];
    std::snprintf(name, sizeof name, "20250101_%02d%02d%02d", s / 3600, s / 60 % 60, s % 60);
    return name;
}

class PalettePagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DataDir()) GTEST_SKIP() << "no real data";
    }
    TempDir dir;
    SettingsFile settings;
};

// Transfer at once, with the curve attributes cleared, while page 2 is shown; without work-page
// history the work page is forgotten and its files deleted at close.
TEST_F(PalettePagesTest, AutomaticTransferConvertsAndLeavesTheShownPageAlone) {
    std::string stream;
    for (const auto& entry : fs::directory_iterator(*DataDir() / "streams")) {
        TJcfData doc;
        if (doc.FileIn(entry.path()) && HasCurves(doc)) stream = entry.path().filename().string();
    }
    ASSERT_FALSE(stream.empty()) << "a real figure with curve attributes";
    settings.lines[SettingsFile::kTranAut] = "1";
    settings.lines[SettingsFile::kTranKyo] = "1";
    settings.lines[SettingsFile::kHisto] = "0";
    settings.Write(dir / "torvane.dat");
    TestHost host(L"図面.jww", dir / "pasted.1");
    TorvaneProcess torvane(dir.path());
    HWND palette = torvane.Start();
    ASSERT_NE(palette, nullptr);
    const PaletteView view(palette, settings);

    const auto page0_label = view.PageLabelPixels();
    ClickAt(view.CommandButtonCenter(3));  // "2"
    ASSERT_TRUE(WaitFor([&] { return view.PageLabelPixels() != page0_label; })) << "page 2 is shown";
    const auto empty_button = view.ClipPicturePixels(1);
    ASSERT_TRUE(host.Put(Stream(stream)));
    ASSERT_TRUE(WaitFor([&] { return host.PasteCount() == 1; }, 5000)) << "the new copy is pasted at once";
    TJcfData pasted;
    ASSERT_TRUE(WaitFor([&] { return pasted.FileIn(dir / "pasted.1"); }, 2000));
    EXPECT_FALSE(HasCurves(pasted)) << "curve attributes cleared";
    EXPECT_EQ(view.ClipPicturePixels(1), empty_button) << "page 2's first button is unchanged";
    const auto names = ClipNames(dir / "Temp");
    ASSERT_EQ(names.size(), 1u);

    ASSERT_EQ(torvane.CloseAndWait(), 0);
    EXPECT_TRUE(HasNoClipFiles(dir / "Temp", names[0]));
    EXPECT_EQ(SettingsFile::Read(dir / "torvane.dat").Clip(0, 0), "");
}

// A full work page, a locked palette, and the page operations of the menu.
TEST_F(PalettePagesTest, TheMenuCopiesMovesDeletesAndSwitchesPages) {
    const fs::path temp = dir / "Temp";
    fs::create_directories(temp);
    const std::string figure = ReadBytes(Stream("Test2.1"));
    for (int row = 0; row < 100; ++row) {
        const std::string name = ClipNameAt(36000 - row);
        settings.Clip(0, row) = HexName(name);
        for (const char* ext : {".0", ".1", ".2"}) WriteBytes(temp / (name + ext), figure);
        SaveBmp(Bitmap(58, 58), temp / (name + ".bmp"));
    }
    settings.lines[SettingsFile::kLocateLoc] = "1";
    settings.Write(dir / "torvane.dat");
    TestHost host(L"図面.jww");
    TorvaneProcess torvane(dir.path());
    HWND palette = torvane.Start();
    ASSERT_NE(palette, nullptr);
    const PaletteView view(palette, settings);

    // A drag on the locked palette and a right press on "Ｚ" change nothing: input is handled in
    // order, so once the menu of the next press on "▽" is open, both have been handled.
    RECT before{}, after{};
    GetWindowRect(palette, &before);
    const POINT background{before.left + 10, before.bottom - 40};
    PressMoveRelease(background, {background.x + 40, background.y + 30});
    MouseButton(view.CommandButtonCenter(5), MOUSEEVENTF_RIGHTDOWN);
    MouseButton(view.CommandButtonCenter(5), MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(view.ChooseFromMenu(view.CommandButtonCenter(0), "\x1b")) << "\"Ｚ\" opened no menu of its own";
    GetWindowRect(palette, &after);
    EXPECT_EQ(after.left, before.left) << "a locked palette does not move";
    EXPECT_EQ(after.top, before.top);

    // The 101st clip drops the oldest with its files.
    ASSERT_TRUE(host.Put(Stream("Test1.1")));
    const std::string oldest = ClipNameAt(36000 - 99);
    ASSERT_TRUE(WaitFor([&] { return HasNoClipFiles(temp, oldest); }, 5000));
    const auto names = ClipNames(temp);
    const std::string captured = names.back();
    ASSERT_EQ(names.size(), 100u);
    // The new clip's thumbnail (a figure) on button 1 beside the blank ones.
    ASSERT_TRUE(WaitFor([&] { return view.ClipPicturePixels(1) != view.ClipPicturePixels(2); }));
    const auto blank_thumbnail = view.ClipPicturePixels(2);

    // Each command's effect is awaited before the next press.
    EXPECT_TRUE(view.ChooseFromMenu(view.ClipButtonCenter(2), "V1"));  // row 1 to the end of page 1
    ASSERT_TRUE(WaitFor([&] { return ClipNames(temp / "1").size() == 1; }, 2000));
    const std::string copy = ClipNames(temp / "1")[0];
    EXPECT_TRUE(WaitFor([&] { return HasClipFiles(temp / "1", copy); }, 2000));
    EXPECT_TRUE(view.ChooseFromMenu(view.ClipButtonCenter(1), "B"));  // rows 0 and 1 swap
    EXPECT_TRUE(WaitFor([&] {
        return view.ClipPicturePixels(1) == blank_thumbnail && view.ClipPicturePixels(2) != blank_thumbnail;
    })) << "the thumbnails swapped";
    EXPECT_TRUE(view.ChooseFromMenu(view.ClipButtonCenter(3), "D"));  // row 2 deleted
    const std::string deleted = ClipNameAt(36000 - 1);
    EXPECT_TRUE(WaitFor([&] { return HasNoClipFiles(temp, deleted); }, 2000));
    const auto page0_label = view.PageLabelPixels();
    EXPECT_TRUE(view.ChooseFromMenu(view.CommandButtonCenter(0), "P3"));  // page 3, empty
    EXPECT_TRUE(WaitFor([&] { return view.PageLabelPixels() != page0_label; }, 2000));

    ASSERT_EQ(torvane.CloseAndWait(), 0);
    const auto written = SettingsFile::Read(dir / "torvane.dat");
    EXPECT_EQ(NameOfHex(written.Clip(0, 0)), ClipNameAt(36000));
    EXPECT_EQ(NameOfHex(written.Clip(0, 1)), captured);
    EXPECT_EQ(NameOfHex(written.Clip(0, 2)), ClipNameAt(36000 - 2));
    EXPECT_EQ(NameOfHex(written.Clip(0, 98)), ClipNameAt(36000 - 98));
    EXPECT_EQ(written.Clip(0, 99), "");
    EXPECT_EQ(NameOfHex(written.Clip(1, 0)), copy);
}

}  // namespace
}  // namespace torvane
