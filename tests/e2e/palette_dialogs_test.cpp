#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "dialog_driver.h"
#include "palette_view.h"
#include "screen_picture.h"
#include "support/test_files.h"
#include "test_host.h"
#include "torvane_process.h"
#include "util/bmp_file.h"
#include "win32ui/clip_viewer_window.h"
#include "win32ui/jww_select_dialog.h"
#include "win32ui/settings_dialog.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;
using namespace test;

constexpr int kSettingsButton = 7;  // "◆"
constexpr int kJwwButton = 6;       // "Ｊ"
// Lines of the settings file past the scale and angle lists when both are empty.
constexpr int kViewerWidthLine = 46;
constexpr int kJwwSelectWidthLine = 63;

int WidthOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.right - r.left;
}

class PaletteDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DataDir()) GTEST_SKIP() << "no real data";
    }
    TempDir dir;
    SettingsFile settings;
};

// The settings dialog from "◆": a refused interval is reported over the dialog, which stays
// open; OK takes the grid and the scale list; Cancel takes nothing, and the palette's clip
// buttons, freed while a dialog is open, come back either way.
TEST_F(PaletteDialogsTest, SettingsAreTakenOnOkOnlyAndThePaletteIsRebuiltEitherWay) {
    settings.Write(dir / "torvane.dat");
    TorvaneProcess torvane(dir.path());
    HWND palette = torvane.Start();
    ASSERT_NE(palette, nullptr);
    const PaletteView view(palette, settings);
    ASSERT_EQ(CountChildren(palette, L"TorvaneClipButton"), 9);

    ClickAt(view.CommandButtonCenter(kSettingsButton));
    HWND dialog = WaitForWindow(L"TorvaneSettingsDialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), L"Torvane Ver.2.00");
    EXPECT_FALSE(IsWindowEnabled(palette)) << "modal over the palette";
    EXPECT_EQ(CountChildren(palette, L"TorvaneClipButton"), 0);
    HWND interval = ControlById(dialog, kSettingsEdit1);
    EXPECT_TRUE(WaitFor([&] { return TextOf(interval) == L"0.1"; })) << "Ktime 100 ms in seconds";

    SetText(interval, L"60.5");
    PostClick(ControlById(dialog, IDOK));
    HWND box = WaitForOwnedWindow(dialog, L"#32770");
    ASSERT_NE(box, nullptr) << "the refusal is shown over the dialog";
    // Dismissed with Enter, as a user does: the keyboard is then in the refused field.
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == box; }));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "a refused value leaves the dialog open";
    EXPECT_TRUE(WaitFor([&] { return FocusOf(dialog) == interval; })) << "the focus is in the interval field";
    // Away to another window and back, as a user who looks at Jw_cad: the field has it again.
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == other; }));
    SetForegroundWindow(dialog);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == dialog; }));
    EXPECT_TRUE(WaitFor([&] { return FocusOf(dialog) == interval; })) << "the focus came back to the field";
    DestroyWindow(other);

    SetText(interval, L"0.0004");
    SetText(ControlById(dialog, kSettingsEdit5), L"4");
    SetText(ControlById(dialog, kSettingsMemo1), L"1.0\r\n \r\n 1/2 \r\n");
    PostClick(ControlById(dialog, IDOK));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(WaitFor([&] { return CountChildren(palette, L"TorvaneClipButton") == 12; })) << "4 x 3 buttons";
    EXPECT_TRUE(IsWindowEnabled(palette));

    ClickAt(view.CommandButtonCenter(kSettingsButton));
    dialog = WaitForWindow(L"TorvaneSettingsDialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(WaitFor([&] { return TextOf(ControlById(dialog, kSettingsEdit5)) == L"4"; }));
    SetText(ControlById(dialog, kSettingsEdit6), L"5");
    PostClick(ControlById(dialog, IDCANCEL));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(WaitFor([&] { return CountChildren(palette, L"TorvaneClipButton") == 12; })) << "rebuilt, unchanged";

    ASSERT_EQ(torvane.CloseAndWait(), 0);
    const auto written = SettingsFile::Read(dir / "torvane.dat");
    EXPECT_EQ(written.lines[SettingsFile::kKtime], "1000") << "0.0004 s rounds to 0 ms, stored as 1 s";
    EXPECT_EQ(written.lines[SettingsFile::kBtnXn], "4");
    EXPECT_EQ(written.lines[SettingsFile::kBtnYn], "3");
    EXPECT_EQ(written.lines[28], "2") << "blank lines dropped";
    EXPECT_EQ(written.lines[29], "1.0");
    EXPECT_EQ(written.lines[30], " 1/2 ") << "kept as typed";
}

// A clip in the viewer from a middle click, zoomed by a key; the Jw_cad selection dialog
// from "Ｊ" lists both hosts, and OK on the second sends the next paste there. The windows'
// sizes are kept in the settings file, also when the palette closes under an open viewer.
TEST_F(PaletteDialogsTest, TheViewerShowsAClipAndTheChosenJwCadTakesThePaste) {
    const fs::path temp = dir / "Temp";
    fs::create_directories(temp);
    const std::string name = "20250101_100000";
    const std::string figure = ReadBytes(*DataDir() / "streams" / "Test1.1");
    for (const char* ext : {".0", ".1", ".2"}) WriteBytes(temp / (name + ext), figure);
    SaveBmp(Bitmap(58, 58), temp / (name + ".bmp"));
    settings.Clip(0, 0) = HexName(name);
    settings.Write(dir / "torvane.dat");
    TestHost first(L"図面A.jww", dir / "pasted-a.1");
    TestHost second(L"図面B.jww", dir / "pasted-b.1");
    ASSERT_NE(second.window(), nullptr);
    TorvaneProcess torvane(dir.path());
    HWND palette = torvane.Start();
    ASSERT_NE(palette, nullptr);
    const PaletteView view(palette, settings);

    MouseButton(view.ClipButtonCenter(1), MOUSEEVENTF_MIDDLEDOWN);
    MouseButton(view.ClipButtonCenter(1), MOUSEEVENTF_MIDDLEUP);
    HWND viewer = WaitForWindow(L"TorvaneClipViewer");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(TextOf(viewer), L"Torvane");
    EXPECT_FALSE(IsWindowEnabled(palette));
    HWND drawing = FindChild(viewer, L"TorvaneClipDrawing", L"");
    ASSERT_TRUE(WaitFor([&] { return ShowsAFigure(drawing); })) << "the clip is drawn";
    const auto at_one = InnerPicture(drawing);
    PressKey(VK_PRIOR);  // seen before the focused field
    EXPECT_TRUE(WaitFor([&] { return InnerPicture(drawing) != at_one; })) << "Page Up zooms";
    const int viewer_width = WidthOf(viewer);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(viewer); }));

    ClickAt(view.CommandButtonCenter(kJwwButton));
    HWND select = WaitForWindow(L"TorvaneJwwSelectDialog");
    ASSERT_NE(select, nullptr);
    HWND list = ControlById(select, kJwwSelectList);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    const std::wstring entry =
        std::wstring(L"図面B.jww　H:") + std::to_wstring(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(second.window())));
    int index = -1;
    for (int i = 0; i < 2; ++i) {
        wchar_t text[128]{};
        if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < 128) SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        if (entry == text) index = i;
    }
    ASSERT_GE(index, 0) << "the second host is listed by its drawing name and handle";
    const int item_height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    POINT item{20, index * item_height + item_height / 2};
    ClientToScreen(list, &item);
    const int shown = second.ActivationCount();
    ClickAt(item);  // selects it, shows the host for a moment, then the dialog again
    EXPECT_TRUE(WaitFor([&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == index; }));
    EXPECT_TRUE(WaitFor([&] { return second.ActivationCount() > shown; })) << "the chosen host was shown";
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == select; }, 3000));
    const int select_width = WidthOf(select);
    // Clicked once the dialog is in front again (a click on an inactive dialog may be lost on Windows).
    PostClick(ControlById(select, IDOK));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(select); }));

    ClickAt(view.ClipButtonCenter(1));
    EXPECT_TRUE(WaitFor([&] { return second.PasteCount() == 1; })) << "pasted into the chosen host";
    EXPECT_EQ(first.PasteCount(), 0);

    // Closed (as at log-off) while the viewer is open: the viewer goes first, cleanly.
    MouseButton(view.ClipButtonCenter(1), MOUSEEVENTF_MIDDLEDOWN);
    MouseButton(view.ClipButtonCenter(1), MOUSEEVENTF_MIDDLEUP);
    ASSERT_NE(WaitForWindow(L"TorvaneClipViewer"), nullptr);
    ASSERT_EQ(torvane.CloseAndWait(), 0);
    const auto written = SettingsFile::Read(dir / "torvane.dat");
    EXPECT_EQ(written.Number(kViewerWidthLine), viewer_width);
    EXPECT_EQ(written.Number(kJwwSelectWidthLine), select_width);
}

}  // namespace
}  // namespace torvane
