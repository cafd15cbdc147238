#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/form1.h"
#include "app/palette_layout.h"
#include "support/test_files.h"
#include "support/recording_ui.h"
#include "win32ui/palette_window.h"

namespace torvane {
namespace {

RECT ChildRect(HWND child, HWND parent) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Same(const RECT& r, const TRect& t) {
    return r.left == t.Left && r.top == t.Top && r.right - r.left == t.Width && r.bottom - r.top == t.Height;
}

// The palette built from the default settings, looked at from inside the process.
class PaletteWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.FormCreate(dir / "torvane.exe");
        ASSERT_TRUE(palette.Create(form));
        form.FormShow();
    }
    test::TempDir dir;
    test::RecordingUi ui;
    PaletteWindow palette;
    TForm1 form{palette, SystemServices(ui)};
};

TEST_F(PaletteWindowTest, BuildsItsPartsWhereTheLayoutPutsThemAndFollowsAResize) {

    RECT client{};
    GetClientRect(palette.Handle(), &client);
    const TPaletteLayout layout = LayoutPalette(client.right, client.bottom, 16);
    for (int i = 0; i < CommandButtonCount; ++i) {
        HWND button = palette.CommandButton(i);
        wchar_t caption[8]{};
        GetWindowTextW(button, caption, 8);
        EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(caption)), PaletteCommandButtons()[i].Caption);
        EXPECT_TRUE(Same(ChildRect(button, palette.Handle()), layout.Buttons[i])) << i;
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, L"ＭＳ ゴシック");
        EXPECT_EQ(font.lfHeight, -11) << "8 points at 96 dots per inch";
    }
    EXPECT_TRUE(Same(ChildRect(palette.Field().Handle(), palette.Handle()), layout.ClipField));
    ASSERT_EQ(palette.Field().ButtonCount(), 9);
    EXPECT_TRUE(Same(ChildRect(palette.Field().ButtonHandle(5), palette.Field().Handle()), ClipButtonRect(5, 3, 64, 64, 0, 0)));
    EXPECT_EQ(palette.GetPaletteInputs(), (TPaletteInputs{u"1.0", u"0.0", true, true}));
    // The program's icon (this test program carries torvane.exe's resources), large and small,
    // and a tooltip for every command button under the common controls 6 of its manifest (Wine's
    // older controls take these tooltips too; Windows' do not).
    EXPECT_NE(GetClassLongPtrW(palette.Handle(), GCLP_HICON), 0);
    EXPECT_NE(GetClassLongPtrW(palette.Handle(), GCLP_HICONSM), 0);
    HWND tooltip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[32]{};
            GetClassNameW(window, name, 32);
            if (std::wstring(name) == TOOLTIPS_CLASSW) *reinterpret_cast<HWND*>(found) = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), CommandButtonCount);

    SetWindowPos(palette.Handle(), nullptr, 0, 0, 300, 400, SWP_NOMOVE | SWP_NOZORDER);
    const TPaletteLayout portrait = LayoutPalette(300, 400, 16);
    ASSERT_TRUE(portrait.Portrait);
    EXPECT_TRUE(Same(ChildRect(palette.CommandButton(1), palette.Handle()), portrait.Buttons[1]));
    EXPECT_TRUE(Same(ChildRect(palette.Strip().Handle(), palette.Handle()), portrait.BottomStrip));
    palette.ClosePalette();
    EXPECT_TRUE(std::filesystem::exists(dir / "torvane.dat"));
}

// Inside its long loops (page switch, rebuild, start of the monitor) the palette repaints but
// leaves clicks and timers queued: handled there, a click would act on a palette half made or
// on rows still moving. They are handled once the loop is done.
TEST_F(PaletteWindowTest, LongLoopsRepaintButLeaveClicksForLater) {

    HWND page1 = palette.CommandButton(2);
    PostMessageW(palette.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(page1), BN_CLICKED), reinterpret_cast<LPARAM>(page1));
    palette.ProcessMessages();
    EXPECT_EQ(form.CurPage, 0) << "the click waits";
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    EXPECT_EQ(form.CurPage, 1);
    palette.ClosePalette();
}

}  // namespace
}  // namespace torvane
