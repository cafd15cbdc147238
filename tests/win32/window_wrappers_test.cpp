#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/win32/bitmap_blit.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_base.h"

namespace torvane {
namespace {

constexpr UINT kThrow = WM_APP + 1;
constexpr UINT kCount = WM_APP + 2;

class ThrowingWindow final : public WindowBase {
public:
    bool Create() {
        WindowSpec spec;
        spec.class_name = L"TorvaneTestWindow";
        spec.style = WS_POPUP;
        spec.bounds = {0, 0, 50, 50};
        return CreateWindowOf(spec);
    }
    int counted = 0;

private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
        if (message == kThrow) throw std::runtime_error("ファイルを書けません");
        if (message == kCount) return ++counted;
        return DefaultHandling(message, wparam, lparam);
    }
};

// The error box's text, read and the box closed by a timer that runs inside the box's loop.
std::wstring box_text;
int boxes = 0;

void CALLBACK CloseErrorBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = FindWindowW(L"#32770", L"Torvane");
    if (box == nullptr) return;
    wchar_t text[256]{};
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    box_text = text;
    ++boxes;
    SendMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(WindowBase, AnExceptionInAHandlerBecomesTheErrorBoxAndTheWindowGoesOn) {
    ThrowingWindow window;
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(SendMessageW(window.Handle(), kCount, 0, 0), 1) << "messages reach the C++ object";
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseErrorBox);
    EXPECT_EQ(SendMessageW(window.Handle(), kThrow, 0, 0), 0);
    KillTimer(nullptr, timer);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(box_text, L"ファイルを書けません");
    EXPECT_EQ(SendMessageW(window.Handle(), kCount, 0, 0), 2) << "the window still works";
    HWND handle = window.Handle();
    DestroyWindow(handle);
    EXPECT_EQ(window.Handle(), nullptr) << "the object forgets its destroyed window";
}

TEST(WideText, KeepsEveryCodeUnitIncludingSurrogatesBothWays) {
    const std::u16string text = u"図形\U0001F600a";
    EXPECT_EQ(WideText(text), L"図形\U0001F600a");
    EXPECT_EQ(Utf16Text(WideText(text)), text);
}

TEST(BlitBitmap, DrawsUnstretchedFromTheTopLeftAndCropsToTheGivenSize) {
    const MemoryDc dc;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, -6, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::uint32_t* bits = nullptr;
    const GdiBitmap target(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0));
    ASSERT_TRUE(target);
    const SelectedObject selected(dc.get(), target.get());
    FillSolid(dc.get(), {0, 0, 8, 6}, RGB(255, 255, 255));
    Bitmap picture(4, 3, 0x000000FF);
    picture.at(0, 0) = 0x00FF0000;
    BlitBitmap(dc.get(), 2, 1, 3, 2, picture);
    GdiFlush();
    auto pixel = [&](int x, int y) { return bits[y * 8 + x] & 0x00FFFFFFu; };
    EXPECT_EQ(pixel(2, 1), 0x00FF0000u) << "the picture's top-left pixel lands at (2, 1)";
    EXPECT_EQ(pixel(4, 2), 0x000000FFu);
    EXPECT_EQ(pixel(5, 1), 0x00FFFFFFu) << "cropped to 3 columns";
    EXPECT_EQ(pixel(2, 3), 0x00FFFFFFu) << "cropped to 2 rows";
    EXPECT_EQ(pixel(1, 1), 0x00FFFFFFu);
}

}  // namespace
}  // namespace torvane
