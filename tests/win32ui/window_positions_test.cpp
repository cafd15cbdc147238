#include <windows.h>

#include <gtest/gtest.h>

#include "app/form1.h"
#include "support/recording_ui.h"
#include "support/test_files.h"
#include "win32ui/palette_window.h"

namespace torvane {
namespace {

bool OnTheScreen(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) && r.bottom <= GetSystemMetrics(SM_CYSCREEN);
}

class WindowPositionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.FormCreate(dir / "torvane.exe");
        ASSERT_TRUE(palette.Create(form));
    }
    test::TempDir dir;
    test::RecordingUi ui;
    PaletteWindow palette;
    TForm1 form{palette, SystemServices(ui)};
};

// Positions saved while minimised or on a screen that is gone come back on the screen; the
// position of a minimised palette is the one it is restored to.
TEST_F(WindowPositionsTest, SavedPositionsOffTheScreenComeBackOnIt) {
    for (const TRect saved : {TRect{-32000, -32000, 400, 240}, TRect{5000, 5000, 400, 240}}) {
        form.Geometry.Form1 = saved;
        palette.ApplyWindowGeometry(form.Geometry);
        EXPECT_TRUE(OnTheScreen(palette.Handle())) << saved.Left;
    }
    form.Geometry.Form1 = {100, 80, 400, 240};
    palette.ApplyWindowGeometry(form.Geometry);
    ShowWindow(palette.Handle(), SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(palette.Handle()));
    TWindowGeometry read;
    palette.ReadWindowGeometry(read);
    EXPECT_EQ(read.Form1, (TRect{100, 80, 400, 240}));
    palette.ClosePalette();
}

// The figure browser comes back where it was, also after being minimised, session after session.
// Its normal place is kept in workspace coordinates, which differ from the screen's by the
// taskbar above or left of the work area; under Xvfb there is no taskbar, so there this checks
// the round trip and the minimised case only.
TEST_F(WindowPositionsTest, TheFigureBrowserKeepsItsPlace) {
    form.FormShow();
    const TRect place{210, 130, 520, 420};
    form.Geometry.Form6 = place;
    for (int session = 0; session < 2; ++session) {
        palette.ShowFigureBrowser(255, false);
        ASSERT_NE(palette.Browser(), nullptr);
        ShowWindow(palette.Browser()->Handle(), SW_MINIMIZE);
        palette.CloseFigureBrowser();
        EXPECT_EQ(form.Geometry.Form6, place) << "session " << session;
    }
    palette.ClosePalette();
}

}  // namespace
}  // namespace torvane
