#include <windows.h>

#include <gtest/gtest.h>

#include "platform/device.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/installed_fonts.h"

namespace torvane {
namespace {

std::wstring FaceOf(const GdiFont& font) {
    LOGFONTW lf{};
    GetObjectW(font.get(), sizeof lf, &lf);
    return lf.lfFaceName;
}

// The faces the windows name are kept where they exist (here through the prefix's font
// substitutes, as on a Windows that maps them); a missing one falls back at the same size.
TEST(Fonts, NamedFacesWhereInstalledAndAFallbackWhereNot) {
    EXPECT_TRUE(FontInstalled(L"MS UI Gothic"));
    EXPECT_EQ(FaceOf(PixelFont(L"ＭＳ ゴシック", 11, SHIFTJIS_CHARSET)), L"ＭＳ ゴシック");
    EXPECT_FALSE(FontInstalled(L"Torvane No Such Face"));
    const GdiFont fallback = PixelFont(L"Torvane No Such Face", 13, SHIFTJIS_CHARSET);
    EXPECT_EQ(FaceOf(fallback), L"MS UI Gothic");
    LOGFONTW lf{};
    GetObjectW(fallback.get(), sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, -13);
}

// Figure texts on a thumbnail are smoothed in grey even where the desktop uses ClearType, so that
// the saved bitmap has no colour fringes. Wine draws these glyphs in grey whatever the smoothing
// type asked for, so under Wine this holds either way; on Windows with ClearType it does not.
TEST(Fonts, ThumbnailTextHasNoColourFringes) {
    BOOL smoothing = FALSE;
    UINT type = 0;
    SystemParametersInfoW(SPI_GETFONTSMOOTHING, 0, &smoothing, 0);
    SystemParametersInfoW(SPI_GETFONTSMOOTHINGTYPE, 0, &type, 0);
    SystemParametersInfoW(SPI_SETFONTSMOOTHING, TRUE, nullptr, 0);
    SystemParametersInfoW(SPI_SETFONTSMOOTHINGTYPE, 0, reinterpret_cast<void*>(FE_FONTSMOOTHINGCLEARTYPE), 0);
    Bitmap bitmap(120, 40);
    {
        auto device = CreateDevice(bitmap);
        FontRecord font;
        font.height = -24;
        font.charset = SHIFTJIS_CHARSET;
        font.face = u"ＭＳ ゴシック";
        int x = 4;
        for (const char16_t* ch : {u"図", u"W", u"a", u"8"}) {
            device->TextChar(x, 6, ch, font, 0x000000);
            x += 26;
        }
        device->Flush();
    }
    SystemParametersInfoW(SPI_SETFONTSMOOTHINGTYPE, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(type)), 0);
    SystemParametersInfoW(SPI_SETFONTSMOOTHING, smoothing, nullptr, 0);
    int ink = 0, coloured = 0;
    for (const std::uint32_t pixel : bitmap.pixels) {
        const std::uint32_t r = pixel >> 16 & 0xFF, g = pixel >> 8 & 0xFF, b = pixel & 0xFF;
        ink += pixel != 0x00FFFFFF;
        coloured += r != g || g != b;
    }
    EXPECT_GT(ink, 50);
    EXPECT_EQ(coloured, 0);
}

}  // namespace
}  // namespace torvane
