#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "platform/device.h"

namespace torvane {
namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kRedGdi = 0x000000FF;     // GDI colours are 0x00BBGGRR
constexpr std::uint32_t kRedPixel = 0x00FF0000;   // bitmap pixels are 0x00RRGGBB
constexpr std::uint32_t kBlueGdi = 0x00FF0000;
constexpr std::uint32_t kBluePixel = 0x000000FF;

int CountOf(const Bitmap& b, std::uint32_t pixel) {
    return static_cast<int>(std::count(b.pixels.begin(), b.pixels.end(), pixel));
}

int Ink(const Bitmap& b) { return static_cast<int>(b.pixels.size()) - CountOf(b, kWhite); }

TEST(GdiDevice, LinesLeaveOutTheirLastPixelAndColoursKeepTheirChannels) {
    Bitmap bitmap(10, 10);
    auto device = CreateDevice(bitmap);
    device->SetPen(kRedGdi, 1, PenStyle::Solid);
    device->MoveTo(2, 3);
    device->LineTo(7, 3);
    device->MoveTo(4, 8);
    device->LineTo(5, 8);  // a one-pixel dot
    device->Flush();
    EXPECT_EQ(CountOf(bitmap, kRedPixel), 6);
    for (int x = 2; x < 7; ++x) EXPECT_EQ(bitmap.at(x, 3), kRedPixel) << x;
    EXPECT_EQ(bitmap.at(7, 3), kWhite);
    EXPECT_EQ(bitmap.at(4, 8), kRedPixel);
}

TEST(GdiDevice, RectangleOutlineFillRectAndDrawingOverExistingPixels) {
    Bitmap bitmap(12, 12, 0x00123456);
    auto device = CreateDevice(bitmap);
    device->FillRect(0, 0, 12, 12, kWhite);
    device->SetPen(kBlueGdi, 1, PenStyle::Solid);
    device->SetBrush(0, BrushStyle::Clear);
    device->Rectangle(1, 1, 6, 5);
    device->FillRect(8, 8, 10, 11, kRedGdi);
    device->Flush();
    EXPECT_EQ(CountOf(bitmap, kBluePixel), 2 * 5 + 2 * 2);  // x 1..5, y 1..4
    EXPECT_EQ(bitmap.at(5, 4), kBluePixel);
    EXPECT_EQ(bitmap.at(6, 4), kWhite);
    EXPECT_EQ(bitmap.at(3, 3), kWhite);
    EXPECT_EQ(CountOf(bitmap, kRedPixel), 6);

    Bitmap kept(4, 4, 0x00123456);
    CreateDevice(kept)->Flush();
    EXPECT_EQ(CountOf(kept, 0x00123456), 16);
}

TEST(GdiDevice, PolygonFillsWithTheEvenOddRule) {
    Bitmap bitmap(40, 40);
    auto device = CreateDevice(bitmap);
    // A pentagram: the even-odd rule leaves its centre empty.
    const std::array<PointF, 5> star{{{20, 2}, {31, 36}, {2, 14}, {38, 14}, {9, 36}}};
    EXPECT_TRUE(device->FillPolygon(star, kBlueGdi));
    device->Flush();
    EXPECT_EQ(bitmap.at(20, 20), kWhite);
    EXPECT_EQ(bitmap.at(20, 8), kBluePixel);
    EXPECT_EQ(bitmap.at(8, 15), kBluePixel);
    EXPECT_EQ(bitmap.at(2, 2), kWhite);
    EXPECT_EQ(Ink(bitmap), CountOf(bitmap, kBluePixel));  // no anti-aliasing

    const std::array<PointF, 2> too_few{{{1, 1}, {5, 5}}};
    EXPECT_FALSE(device->FillPolygon(too_few, kBlueGdi));
}

// Draws one character in black on white.
Bitmap Glyph(std::u16string_view ch, const FontRecord& font, int x = 4, int y = 4, int size = 40) {
    Bitmap bitmap(size, size);
    auto device = CreateDevice(bitmap);
    device->TextChar(x, y, ch, font, 0);
    device->Flush();
    return bitmap;
}

TEST(GdiDevice, JapaneseGlyphsDrawWithTheSubstituteFonts) {
    FontRecord gothic;
    gothic.height = -24;
    gothic.charset = 128;
    gothic.face = u"ＭＳ ゴシック";
    const Bitmap a = Glyph(u"あ", gothic);
    const Bitmap i = Glyph(u"い", gothic);
    EXPECT_GT(Ink(a), 40);
    EXPECT_GT(Ink(i), 20);
    EXPECT_NE(a, i);  // real glyphs, not the same missing-glyph box

    FontRecord mincho = gothic;
    mincho.face = u"ＭＳ 明朝";
    EXPECT_GT(Ink(Glyph(u"漢", mincho)), 40);
    EXPECT_NE(Glyph(u"漢", mincho), Glyph(u"漢", gothic));

    FontRecord latin = gothic;
    latin.face = u"MS Gothic";
    latin.charset = 0;
    EXPECT_GT(Ink(Glyph(u"A", latin)), 10);
}

TEST(GdiDevice, EscapementRotatesTheCellAboutItsTopLeft) {
    FontRecord font;
    font.height = -20;
    font.charset = 128;
    font.face = u"ＭＳ ゴシック";
    font.escapement = 900;
    font.orientation = 900;
    const Bitmap rotated = Glyph(u"あ", font, 4, 44, 48);
    int above = 0;
    int below = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            if (rotated.at(x, y) == kWhite) continue;
            (y < 44 ? above : below) += 1;
        }
    }
    EXPECT_GT(above, 40);
    EXPECT_EQ(below, 0);
}

}  // namespace
}  // namespace torvane
