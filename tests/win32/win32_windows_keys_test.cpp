#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "clip/clipboards.h"
#include "clip/jww_windows.h"
#include "support/recording_ui.h"
#include "support/test_files.h"
#include "test_host.h"
#include "wait_for.h"

namespace torvane {
namespace {

WindowHandle HandleOf(HWND window) { return static_cast<WindowHandle>(reinterpret_cast<std::intptr_t>(window)); }

using test::WaitFor;

class Win32WindowsKeysTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::RecordingUi ui;
    WindowList& windows = SystemWindowList();

    // Puts a figure on the clipboard as a transfer does.
    std::string PutFigure() {
        Clipboards clips(SystemClipboard(), SystemClock(), ui);
        const std::string figure = "figure stream " + std::string(100, '\x7F');
        test::WriteBytes(dir / "clip.1", figure);
        clips.Clear();
        EXPECT_EQ(clips.ClipLoadFile(clips.ClipRegister(u"Jw_win"), dir / "clip.1"), figure.size());
        return figure + std::string(1, '\0');
    }
    bool Paste(WindowHandle target) {
        return SendKeysToWindow(target, u"^V", windows, SystemKeyboard(), SystemClock());
    }
};

TEST_F(Win32WindowsKeysTest, HostIsFoundByTitleAndReceivesCtrlV) {
    test::TestHost host(L"図面A.jww", dir / "a.1");
    test::TestHost other(L"図面B.jww", dir / "b.1");
    ASSERT_NE(host.window(), nullptr);
    ASSERT_NE(other.window(), nullptr);
    const auto list = ListJwwWindows(windows);
    const auto target = HandleOf(host.window());
    const auto found = std::find_if(list.begin(), list.end(), [&](const auto& f) { return f.hd == target; });
    ASSERT_NE(found, list.end());
    EXPECT_EQ(found->ac, u"図面A.jww - jw_win");
    EXPECT_TRUE(windows.IsWindow(target));
    EXPECT_FALSE(windows.RunsAboveUs(target)) << "a program of the same user and rights";

    const auto expected = PutFigure();
    EXPECT_TRUE(Paste(target));
    EXPECT_EQ(windows.Foreground(), target);
    ASSERT_TRUE(WaitFor([&] { return host.PasteCount() == 1; }));
    EXPECT_EQ(test::ReadBytes(dir / "a.1"), expected);
    EXPECT_EQ(other.PasteCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "b.1"));
}

TEST_F(Win32WindowsKeysTest, MinimisedHostIsRestoredBeforeTheKeys) {
    test::TestHost host(L"min.jww", dir / "m.1");
    ASSERT_NE(host.window(), nullptr);
    const auto target = HandleOf(host.window());
    host.Minimize();
    ASSERT_TRUE(WaitFor([&] { return windows.IsMinimized(target); }));
    const auto expected = PutFigure();
    EXPECT_TRUE(Paste(target));
    EXPECT_FALSE(windows.IsMinimized(target));
    ASSERT_TRUE(WaitFor([&] { return host.PasteCount() == 1; }));
    EXPECT_EQ(test::ReadBytes(dir / "m.1"), expected);
}

TEST_F(Win32WindowsKeysTest, DialogOwnedByHostResolvesToTheHost) {
    test::TestHost host(L"owner.jww");
    ASSERT_NE(host.window(), nullptr);
    const HWND dialog = host.ShowDialog(L"線属性");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitFor([&] { return windows.Foreground() == HandleOf(dialog); }));
    EXPECT_EQ(windows.Owner(HandleOf(dialog)), HandleOf(host.window()));
    const auto list = ListJwwWindows(windows);
    EXPECT_TRUE(std::none_of(list.begin(), list.end(), [&](const auto& f) { return f.hd == HandleOf(dialog); }));
    EXPECT_EQ(TrackLastJww(windows, list, 0), HandleOf(host.window()));
}

TEST_F(Win32WindowsKeysTest, ClosedWindowGetsNoKeys) {
    WindowHandle closed = 0;
    {
        test::TestHost host(L"closed.jww");
        ASSERT_NE(host.window(), nullptr);
        closed = HandleOf(host.window());
    }
    EXPECT_FALSE(windows.IsWindow(closed));
    EXPECT_FALSE(Paste(closed));
}

}  // namespace
}  // namespace torvane
