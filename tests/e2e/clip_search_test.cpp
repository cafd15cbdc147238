#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "palette_view.h"
#include "support/test_files.h"
#include "test_host.h"
#include "torvane_process.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;
using namespace test;

HWND WaitForShown(const wchar_t* window_class, const wchar_t* caption) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindWindowW(window_class, caption)) != nullptr && IsWindowVisible(found); }, 5000);
    return found;
}

// The text of a control of the other process (asked for: an edit field keeps its own).
std::wstring TextOf(HWND control) {
    wchar_t text[64]{};
    SendMessageW(control, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return text;
}

void PressCtrl(WORD key) {
    INPUT inputs[4]{};
    for (INPUT& input : inputs) input.type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[3].ki.wVk = VK_CONTROL;
    inputs[1].ki.wVk = inputs[2].ki.wVk = key;
    inputs[2].ki.dwFlags = inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, inputs, sizeof(INPUT));
}

POINT ScreenPoint(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    return at;
}

class ClipSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DataDir()) GTEST_SKIP() << "no real data";
    }
    TempDir dir;
    SettingsFile settings;
};

// Two figures copied in the stand-in become clips. The search window, opened from the menu,
// finds the one with the Japanese word "切妻屋根" and a click pastes it; the half-width twin
// of "５ｍラインの書" finds the other and Enter pastes that; Escape closes, Ctrl+F on the palette
// opens it again, and its place is kept in the settings file after the clip index.
TEST_F(ClipSearchTest, FindsClipsByTheirWordsAndPastesThem) {
    settings.Write(dir / "torvane.dat");
    TestHost host(L"図面.jww", dir / "pasted.1");
    ASSERT_NE(host.window(), nullptr);
    TorvaneProcess torvane(dir.path());
    HWND palette = torvane.Start();
    ASSERT_NE(palette, nullptr);
    const PaletteView view(palette, settings);
    const fs::path temp = dir / "Temp";
    ASSERT_TRUE(WaitFor([&] { return view.MonitorShownRunning(); }, 5000));
    // The newest clip once there are `count` clips with all their files.
    auto captured = [&](const char* stream, std::size_t count) {
        std::string newest;
        EXPECT_TRUE(host.Put(*DataDir() / "streams" / stream));
        WaitFor([&] {
            const auto names = ClipNames(temp);
            return names.size() == count && HasClipFiles(temp, newest = names.back());
        });
        return newest;
    };
    const std::string test1 = captured("Test1.1", 1);
    const std::string test2 = captured("Test2.1", 2);
    ASSERT_NE(test1, test2);

    ASSERT_TRUE(view.ChooseFromMenu(view.CommandButtonCenter(7), "K"));
    HWND search = WaitForShown(L"TorvaneClipSearch", L"クリップ検索");
    ASSERT_NE(search, nullptr);
    HWND field = FindChild(search, L"Edit", L"");
    HWND count = FindChild(search, L"Static", L"");
    HWND pane = FindChild(search, L"TorvaneThumbnailPane", L"");
    ASSERT_TRUE(field && count && pane);
    // Beside the stand-in, which comes to the front at every paste and would cover the field.
    RECT host_rect{};
    GetWindowRect(host.window(), &host_rect);
    SetWindowPos(search, nullptr, host_rect.right + 10, host_rect.top, 480, 400, SWP_NOZORDER | SWP_NOACTIVATE);

    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"切妻屋根"));
    ASSERT_TRUE(WaitFor([&] { return TextOf(count) == L"1 件"; })) << "found: " << TextOf(count).size();
    ASSERT_TRUE(WaitIdle(search));
    ClickAt(ScreenPoint(pane, 40, 40));
    ASSERT_TRUE(WaitFor([&] { return host.PasteCount() == 1; })) << "no Ctrl+V reached the stand-in";
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(dir / "pasted.1") == ReadBytes(temp / (test2 + ".1")) + '\0'; }, 2000));

    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"5mﾗｲﾝの書"));
    ASSERT_TRUE(WaitFor([&] { return TextOf(count) == L"1 件"; }));
    ClickAt(ScreenPoint(field, 8, 8));
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == search; }));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return host.PasteCount() == 2; })) << "Enter pasted nothing";
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(dir / "pasted.1") == ReadBytes(temp / (test1 + ".1")) + '\0'; }, 2000));

    ClickAt(ScreenPoint(field, 8, 8));
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == search; }));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(search); })) << "Escape did not close";

    // The page label's place is the palette's own surface: a click there activates it.
    ClickAt(ScreenPoint(palette, 10, 100));
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == palette; }));
    PressCtrl('F');
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(search); })) << "Ctrl+F did not open the search";
    EXPECT_EQ(TextOf(field), L"5mﾗｲﾝの書");

    SetWindowPos(search, nullptr, 321, 234, 480, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(torvane.CloseAndWait(), 0);
    const auto written = SettingsFile::Read(dir / "torvane.dat");
    ASSERT_EQ(written.lines.size(), settings.lines.size() + 4);
    EXPECT_EQ(std::vector<std::string>(written.lines.end() - 4, written.lines.end()),
              (std::vector<std::string>{"321", "234", "480", "400"}));
}

}  // namespace
}  // namespace torvane
