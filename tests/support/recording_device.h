#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/device.h"

namespace torvane::test {

// One call made on a RecordingDevice.
struct DeviceCall {
    enum class Kind { SetPen, SetBrush, MoveTo, LineTo, Rectangle, FillRect, TextChar, FillPolygon, Flush };
    Kind kind = Kind::Flush;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // SetPen: x1 is the width
    std::uint32_t color = 0;
    PenStyle pen_style = PenStyle::Solid;
    BrushStyle brush_style = BrushStyle::Clear;
    std::vector<PointF> points;
    std::u16string text;
    FontRecord font;
};

// A Device that draws nothing and remembers every call, for tests of what the drawing code
// asks of the device.
class RecordingDevice : public Device {
public:
    explicit RecordingDevice(int width = 100, int height = 100) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetPen(std::uint32_t color, int width, PenStyle style) override;
    void SetBrush(std::uint32_t color, BrushStyle style) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(int x1, int y1, int x2, int y2, std::uint32_t color) override;
    void TextChar(int x, int y, std::u16string_view ch, const FontRecord& font, std::uint32_t color) override;
    bool FillPolygon(std::span<const PointF> points, std::uint32_t color) override;
    void Flush() override;

    std::vector<DeviceCall> calls;

    void Clear() { calls.clear(); }
    // The calls of one kind, in order.
    std::vector<DeviceCall> Of(DeviceCall::Kind kind) const;
    // The drawing calls as short text lines: "move 1 2", "line 3 4", "rect 0 0 5 5",
    // "fillrect 0 0 5 5 #0000ff", "text 10 20 A", "poly 74 #0000ff"; pen, brush and flush
    // calls are left out.
    std::vector<std::string> Strokes() const;
    // Every line segment drawn (move/line pairs): {x1, y1, x2, y2}.
    std::vector<std::vector<int>> Segments() const;

private:
    int width_;
    int height_;
    int cur_x_ = 0;
    int cur_y_ = 0;
};

}  // namespace torvane::test
