#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "figure/jwk_data.h"
#include "figure/jws_data.h"
#include "platform/window_list.h"
#include "support/recording_ui.h"
#include "support/test_files.h"
#include "util/bmp_file.h"
#include "win32ui/figure_select_dialog.h"
#include "win32ui/jww_select_dialog.h"
#include "win32ui/settings_dialog.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

// The folder named by TORVANE_SCREENSHOTS, or nothing (the test is then skipped).
std::optional<fs::path> ScreenshotFolder() {
    const char* folder = std::getenv("TORVANE_SCREENSHOTS");
    if (folder == nullptr || *folder == '\0') return std::nullopt;
    return fs::path(folder);
}

// Shows the window, lets it paint, and saves what the screen shows of its client area (without a
// window manager the caption is nobody's to draw, and the screen there shows what lies behind).
void Save(HWND window, const fs::path& file) {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    // Painted once this thread has no message left to handle (the controls paint through the queue).
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    Bitmap picture(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, picture.width, picture.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(picture.height), picture.pixels.data(), &info, DIB_RGB_COLORS);
    for (auto& pixel : picture.pixels) pixel &= 0x00FFFFFF;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(SaveBmp(picture, file)) << file.string();
}

// Pictures of the dialogs as this program draws them, with the common controls 6 of its
// manifest, for a person to look at: the settings dialog's three tabs, the Jw_cad selection
// dialog and the figure selection dialog. Run with TORVANE_SCREENSHOTS set to a folder.
TEST(Screenshots, DialogsUnderTheProgramsCommonControls) {
    const auto folder = ScreenshotFolder();
    if (!folder) GTEST_SKIP() << "TORVANE_SCREENSHOTS not set";
    fs::create_directories(*folder);
    test::RecordingUi ui;

    TForm2 settings_form(ui);
    SettingsDialog settings;
    ASSERT_TRUE(settings.Create(nullptr, settings_form));
    HWND tabs = FindWindowExW(settings.Handle(), nullptr, WC_TABCONTROLW, nullptr);
    ASSERT_NE(tabs, nullptr);
    for (int tab = 0; tab < 3; ++tab) {
        SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
        NMHDR changed{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(settings.Handle(), WM_NOTIFY, changed.idFrom, reinterpret_cast<LPARAM>(&changed));
        Save(settings.Handle(), *folder / ("settings-" + std::to_string(tab + 1) + ".bmp"));
    }

    TForm7 jww_form(SystemWindowList());
    JwwSelectDialog jww;
    ASSERT_TRUE(jww.Create(nullptr, jww_form));
    Save(jww.Handle(), *folder / "jww-select.bmp");

    TJwsData jws;
    TJwkData jwk;
    FigureSelectDialog figures(jws, jwk, &ui);
    TFigureSelection selection;
    selection.S_P1 = 1;
    selection.S_AP = selection.S_P2 = test::DataDir().value_or(fs::current_path()) / "jws";
    ASSERT_TRUE(figures.Open(nullptr, selection, TWindowGeometry{}));
    Save(figures.Handle(), *folder / "figure-select.bmp");
}

}  // namespace
}  // namespace torvane
