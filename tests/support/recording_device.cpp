#include "support/recording_device.h"

#include <cstdio>

namespace torvane::test {

namespace {

std::string Hex(std::uint32_t color) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%06x", static_cast<unsigned>(color & 0xFFFFFF));
    return buf;
}

// The name followed by the numbers, each after a blank.
std::string Words(std::string name, std::initializer_list<int> values) {
    for (int v : values) {
        name.push_back(' ');
        name.append(std::to_string(v));
    }
    return name;
}

}  // namespace

void RecordingDevice::SetPen(std::uint32_t color, int width, PenStyle style) {
    DeviceCall c;
    c.kind = DeviceCall::Kind::SetPen;
    c.color = color;
    c.x1 = width;
    c.pen_style = style;
    calls.push_back(c);
}

void RecordingDevice::SetBrush(std::uint32_t color, BrushStyle style) {
    DeviceCall c;
    c.kind = DeviceCall::Kind::SetBrush;
    c.color = color;
    c.brush_style = style;
    calls.push_back(c);
}

void RecordingDevice::MoveTo(int x, int y) {
    DeviceCall c;
    c.kind = DeviceCall::Kind::MoveTo;
    c.x1 = x;
    c.y1 = y;
    calls.push_back(c);
    cur_x_ = x;
    cur_y_ = y;
}

void RecordingDevice::LineTo(int x, int y) {
    DeviceCall c;
    c.kind = DeviceCall::Kind::LineTo;
    c.x1 = cur_x_;
    c.y1 = cur_y_;
    c.x2 = x;
    c.y2 = y;
    calls.push_back(c);
    cur_x_ = x;
    cur_y_ = y;
}

void RecordingDevice::Rectangle(int x1, int y1, int x2, int y2) {
    DeviceCall c;
    c.kind = DeviceCall::Kind::Rectangle;
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    calls.push_back(c);
}

void RecordingDevice::FillRect(int x1, int y1, int x2, int y2, std::uint32_t color) {
    DeviceCall c;
    c.kind = DeviceCall::Kind::FillRect;
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.color = color;
    calls.push_back(c);
}

void RecordingDevice::TextChar(int x, int y, std::u16string_view ch, const FontRecord& font, std::uint32_t color) {
    DeviceCall c;
    c.kind = DeviceCall::Kind::TextChar;
    c.x1 = x;
    c.y1 = y;
    c.text = std::u16string(ch);
    c.font = font;
    c.color = color;
    calls.push_back(c);
}

bool RecordingDevice::FillPolygon(std::span<const PointF> points, std::uint32_t color) {
    DeviceCall c;
    c.kind = DeviceCall::Kind::FillPolygon;
    c.points.assign(points.begin(), points.end());
    c.color = color;
    calls.push_back(c);
    return true;
}

void RecordingDevice::Flush() {
    DeviceCall c;
    c.kind = DeviceCall::Kind::Flush;
    calls.push_back(c);
}

std::vector<DeviceCall> RecordingDevice::Of(DeviceCall::Kind kind) const {
    std::vector<DeviceCall> out;
    for (const DeviceCall& c : calls) {
        if (c.kind == kind) out.push_back(c);
    }
    return out;
}

std::vector<std::string> RecordingDevice::Strokes() const {
    std::vector<std::string> out;
    for (const DeviceCall& c : calls) {
        switch (c.kind) {
            case DeviceCall::Kind::MoveTo: out.push_back(Words("move", {c.x1, c.y1})); break;
            case DeviceCall::Kind::LineTo: out.push_back(Words("line", {c.x2, c.y2})); break;
            case DeviceCall::Kind::Rectangle: out.push_back(Words("rect", {c.x1, c.y1, c.x2, c.y2})); break;
            case DeviceCall::Kind::FillRect:
                out.push_back(Words("fillrect", {c.x1, c.y1, c.x2, c.y2}).append(" ").append(Hex(c.color)));
                break;
            case DeviceCall::Kind::TextChar: {
                std::string utf8;
                for (char16_t ch : c.text) utf8 += ch < 0x80 ? static_cast<char>(ch) : '?';
                out.push_back(Words("text", {c.x1, c.y1}).append(" ").append(utf8));
                break;
            }
            case DeviceCall::Kind::FillPolygon:
                out.push_back(Words("poly", {static_cast<int>(c.points.size())}).append(" ").append(Hex(c.color)));
                break;
            default: break;
        }
    }
    return out;
}

std::vector<std::vector<int>> RecordingDevice::Segments() const {
    std::vector<std::vector<int>> out;
    for (const DeviceCall& c : calls) {
        if (c.kind == DeviceCall::Kind::LineTo) out.push_back({c.x1, c.y1, c.x2, c.y2});
    }
    return out;
}

}  // namespace torvane::test
