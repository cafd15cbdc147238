#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/device.h"

namespace torvane {

// Draws one character into the bitmap (see Device::TextChar); supplied by the back end.
using GlyphDrawer =
    std::function<void(Bitmap& target, int x, int y, std::u16string_view ch, const FontRecord& font, std::uint32_t color)>;

// A Device that draws straight into a Bitmap with GDI's pixel rules: Bresenham lines that
// leave out their last pixel (ties resolved as GDI does), cosmetic dash patterns, rectangle
// outlines over (x1, y1)–(x2 − 1, y2 − 1), and polygon fills that sample each pixel at its
// integer coordinate (the GDI+ high-speed mode) with the even-odd rule and no anti-aliasing.
// Glyphs are drawn by a GlyphDrawer; without one, text draws nothing.
class SoftwareDevice : public Device {
public:
    explicit SoftwareDevice(Bitmap& target) : target_(target) {}

    void SetGlyphDrawer(GlyphDrawer drawer) { glyph_drawer_ = std::move(drawer); }

    int Width() const override { return target_.width; }
    int Height() const override { return target_.height; }
    void SetPen(std::uint32_t color, int width, PenStyle style) override;
    void SetBrush(std::uint32_t color, BrushStyle style) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(int x1, int y1, int x2, int y2, std::uint32_t color) override;
    void TextChar(int x, int y, std::u16string_view ch, const FontRecord& font, std::uint32_t color) override;
    bool FillPolygon(std::span<const PointF> points, std::uint32_t color) override;
    void Flush() override {}

private:
    void PenPixel(int x, int y);
    void ThinLine(int x1, int y1, int x2, int y2);
    void WideLine(int x1, int y1, int x2, int y2);
    void FillBrushRect(int x1, int y1, int x2, int y2);

    Bitmap& target_;
    GlyphDrawer glyph_drawer_;
    std::uint32_t pen_pixel_ = 0;  // bitmap order, 0x00RRGGBB
    int pen_width_ = 1;
    PenStyle pen_style_ = PenStyle::Solid;
    int dash_pos_ = 0;
    std::uint32_t brush_pixel_ = 0;
    BrushStyle brush_style_ = BrushStyle::Clear;
    int cur_x_ = 0;
    int cur_y_ = 0;
};

// GDI colour 0x00BBGGRR to the bitmap's 0x00RRGGBB.
constexpr std::uint32_t GdiToPixel(std::uint32_t gdi) {
    return ((gdi & 0xFF) << 16) | (gdi & 0xFF00) | ((gdi >> 16) & 0xFF);
}

}  // namespace torvane
