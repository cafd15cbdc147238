#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "util/byte_writer.h"

namespace torvane::test {

// Builds figure stream bytes by hand, field by field.
class StreamBuilder {
public:
    explicit StreamBuilder(int version = 600) : version_(version) {}

    StreamBuilder& Header(double scale = 1.0, double base_x = 0, double base_y = 0) {
        out_.Double(base_x);
        out_.Double(base_y);
        for (int i = 0; i < 16; ++i) out_.Double(scale);
        return *this;
    }
    StreamBuilder& Count(std::uint32_t n) {
        if (n >= 0xFFFF) {
            out_.U16(0xFFFF);
            out_.U32(n);
        } else {
            out_.U16(static_cast<std::uint16_t>(n));
        }
        return *this;
    }
    StreamBuilder& NewClass(std::string_view name, int schema = -1) {
        out_.U16(0xFFFF);
        out_.U16(static_cast<std::uint16_t>(schema < 0 ? version_ : schema));
        out_.U16(static_cast<std::uint16_t>(name.size()));
        out_.Bytes(name);
        return *this;
    }
    StreamBuilder& Ref(std::uint32_t map_number) {
        out_.U16(static_cast<std::uint16_t>(0x8000 + map_number));
        return *this;
    }
    StreamBuilder& LongRef(std::uint32_t map_number) {
        out_.U16(0x7FFF);
        out_.U32(map_number | 0x80000000u);
        return *this;
    }
    // Attributes in the form of the builder's version.
    StreamBuilder& Attr(std::uint8_t style = 1, std::uint16_t color = 1, std::uint16_t width = 0,
                        std::uint16_t layer = 0, std::uint16_t group_layer = 0, std::uint16_t flag = 0,
                        std::uint32_t curve = 0) {
        out_.U32(curve);
        out_.U8(style);
        out_.U16(color);
        if (version_ > 350) out_.U16(width);
        out_.U16(layer);
        out_.U16(group_layer);
        out_.U16(flag);
        return *this;
    }
    StreamBuilder& Doubles(std::initializer_list<double> values) {
        for (double v : values) out_.Double(v);
        return *this;
    }
    StreamBuilder& U8(std::uint8_t v) { return out_.U8(v), *this; }
    StreamBuilder& U16(std::uint16_t v) { return out_.U16(v), *this; }
    StreamBuilder& U32(std::uint32_t v) { return out_.U32(v), *this; }
    StreamBuilder& Raw(std::string_view bytes) { return out_.Bytes(bytes), *this; }
    // An ANSI string in the short form.
    StreamBuilder& Ansi(std::string_view text) {
        out_.U8(static_cast<std::uint8_t>(text.size()));
        out_.Bytes(text);
        return *this;
    }
    StreamBuilder& Utf16(std::u16string_view text) {
        out_.U8(0xFF);
        out_.U16(0xFFFE);
        out_.U8(static_cast<std::uint8_t>(text.size()));
        for (char16_t c : text) out_.U16(c);
        return *this;
    }

    StreamBuilder& Line(double x1, double y1, double x2, double y2, std::uint8_t style = 1, std::uint16_t color = 1) {
        return Attr(style, color).Doubles({x1, y1, x2, y2});
    }
    // Text data with the given strings, sizes 3 × 3.
    StreamBuilder& Text(std::string_view font, std::string_view str, double size_x = 3, double size_y = 3) {
        Attr(1, 1).Doubles({0, 0, 10, 0}).U32(1).Doubles({size_x, size_y, 0.5, 0});
        return Ansi(font).Ansi(str);
    }
    StreamBuilder& Block(double x, double y, std::uint32_t number, double angle = 0, double sx = 1, double sy = 1) {
        return Attr(1, 1).Doubles({x, y, sx, sy, angle}).U32(number);
    }

    const std::string& bytes() const { return out_.bytes(); }
    std::size_t size() const { return out_.size(); }

private:
    int version_;
    ByteWriter out_;
};

}  // namespace torvane::test
