#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/bitmap.h"

namespace torvane {

// Colours here are GDI colours, 0x00BBGGRR.
enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class BrushStyle { Clear, Solid, Horizontal, Vertical, ForwardDiagonal, BackwardDiagonal, Cross, DiagonalCross };

// A logical font as GDI creates it (the fields of LOGFONTW that drawing sets).
struct FontRecord {
    int height = 0;
    int width = 0;
    int escapement = 0;  // tenths of a degree, counter-clockwise
    int orientation = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strike_out = false;
    std::uint8_t charset = 1;
    std::u16string face;
    bool operator==(const FontRecord&) const = default;
};

struct PointF {
    float x = 0;
    float y = 0;
    bool operator==(const PointF&) const = default;
};

// The drawing surface's pixels, with GDI's rules: a line from A to B leaves out B's pixel,
// a rectangle outline covers (x1, y1) to (x2 - 1, y2 - 1), coordinates may lie outside the
// bitmap and are clipped to it.
class Device {
public:
    virtual ~Device() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetPen(std::uint32_t color, int width, PenStyle style) = 0;
    virtual void SetBrush(std::uint32_t color, BrushStyle style) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Outline with the pen, inside with the brush (nothing inside with a clear brush).
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // Fills x1 <= x < x2, y1 <= y < y2 with the colour.
    virtual void FillRect(int x1, int y1, int x2, int y2, std::uint32_t color) = 0;
    // One character (one UTF-16 unit or a surrogate pair) with its cell's top-left at (x, y),
    // rotated by the font's escapement about that point, transparent background.
    virtual void TextChar(int x, int y, std::u16string_view ch, const FontRecord& font, std::uint32_t color) = 0;
    // Fills the polygon (alternate rule, no anti-aliasing); false when the fill failed.
    virtual bool FillPolygon(std::span<const PointF> points, std::uint32_t color) = 0;
    // Completes pending output; after it the target bitmap holds everything drawn.
    virtual void Flush() = 0;
};

// The back end's device, drawing on `target` (which must outlive it).
std::unique_ptr<Device> CreateDevice(Bitmap& target);

// Makes a device drawing on a bitmap: CreateDevice, or another back end's device.
using DeviceFactory = std::function<std::unique_ptr<Device>(Bitmap&)>;

}  // namespace torvane
