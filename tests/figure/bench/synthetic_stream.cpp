#include "bench/synthetic_stream.h"

#include <cstdint>
#include <string_view>

#include "util/byte_writer.h"

namespace torvane::bench {
namespace {

class Stream {
public:
    void ClassTag(int kind, std::string_view name) {
        std::uint32_t& number = classes_[kind];
        if (number == 0) {
            out.U16(0xFFFF);
            out.U16(600);
            out.U16(static_cast<std::uint16_t>(name.size()));
            out.Bytes(name);
            number = next_++;
        } else if (number <= 0x7FFE) {
            out.U16(static_cast<std::uint16_t>(0x8000 + number));
        } else {
            out.U16(0x7FFF);
            out.U32(number | 0x80000000u);
        }
    }
    void Attr(std::uint8_t style, std::uint16_t color, std::uint16_t layer) {
        out.U32(0);
        out.U8(style);
        out.U16(color);
        out.U16(0);
        out.U16(layer);
        out.U16(0);
        out.U16(0);
    }
    void Doubles(std::initializer_list<double> values) {
        for (double v : values) out.Double(v);
    }
    void Ansi(std::string_view text) {
        out.U8(static_cast<std::uint8_t>(text.size()));
        out.Bytes(text);
    }
    void Line(double x, double y) {
        ClassTag(1, "CDataSen");
        Attr(1, 2, 0);
        Doubles({x, y, x + 10, y + 5});
        ++next_;
    }
    void Object(std::size_t i) {
        const double x = static_cast<double>(i % 1000);
        const double y = static_cast<double>(i / 1000);
        switch (i % 20) {
            case 0: case 1: case 2:
                ClassTag(2, "CDataEnko");
                Attr(1, 3, 1);
                Doubles({x, y, 5, 0, 3.14159, 0, 1});
                out.U32(i % 2 == 0 ? 1 : 0);
                break;
            case 3: case 4:
                ClassTag(3, "CDataTen");
                Attr(i % 2 == 0 ? 100 : 1, 1, 2);
                Doubles({x, y});
                out.U32(0);
                if (i % 2 == 0) {
                    out.U32(3);
                    Doubles({0.5, 1.0});
                }
                break;
            case 5: case 6: case 7:
                ClassTag(4, "CDataMoji");
                Attr(1, 1, 3);
                Doubles({x, y, x + 20, y});
                out.U32(1);
                Doubles({3, 3, 0.5, 0});
                Ansi("MS Gothic");
                Ansi(i % 3 == 0 ? "Room 101" : "W900 x D450");
                break;
            case 8:
                if (i % 40 == 8) {
                    ClassTag(5, "CDataSunpou");
                    Attr(1, 1, 4);
                    Attr(1, 1, 4);
                    Doubles({x, y, x + 30, y});
                    Attr(1, 1, 4);
                    Doubles({x + 10, y + 1, x + 20, y + 1});
                    out.U32(0);
                    Doubles({2.5, 2.5, 0, 0});
                    Ansi("MS Gothic");
                    Ansi("3000");
                    out.U16(0);
                    for (int part = 0; part < 2; ++part) {
                        Attr(1, 1, 4);
                        Doubles({x, y, x, y - 5});
                    }
                    for (int part = 0; part < 4; ++part) {
                        Attr(1, 1, 4);
                        Doubles({x, y});
                        out.U32(0);
                    }
                } else {
                    ClassTag(6, "CDataSolid");
                    Attr(1, i % 80 == 48 ? 10 : 5, 5);
                    Doubles({x, y, x + 1, y, x + 1, y + 1, x, y + 1});
                    if (i % 80 == 48) out.U32(0x00336699);
                }
                break;
            case 9:
                if (i % 40 == 9) {
                    ClassTag(7, "CDataBlock");
                    Attr(1, 1, 6);
                    Doubles({x, y, 1, 1, 0});
                    out.U32(static_cast<std::uint32_t>((i / 40) % 10));
                    break;
                }
                Line(x, y);
                return;
            default:
                Line(x, y);
                return;
        }
        ++next_;
    }

    // A real drawing's mix: a quarter each lines, arcs, texts and points. The texts are in
    // Shift-JIS, with the font name and the kind of contents Jw_cad's drawings carry.
    void QuarterObject(std::size_t i) {
        const double x = static_cast<double>(i % 1000);
        const double y = static_cast<double>(i / 1000);
        switch (i % 4) {
            case 0:
                Line(x, y);
                return;
            case 1:
                ClassTag(2, "CDataEnko");
                Attr(1, 3, 1);
                Doubles({x, y, 5, 0, 3.14159, 0, 1});
                out.U32(0);
                break;
            case 2:
                ClassTag(4, "CDataMoji");
                Attr(1, 1, 3);
                Doubles({x, y, x + 20, y});
                out.U32(1);
                Doubles({3, 3, 0.5, 0});
                Ansi("\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E");  // ＭＳ ゴシック
                Ansi(i % 8 == 2 ? "15.000" : "\x82\x54\x82\x8D\x83\x89\x83\x43\x83\x93");  // ５ｍライン
                break;
            default:
                ClassTag(3, "CDataTen");
                Attr(1, 1, 2);
                Doubles({x, y});
                out.U32(0);
                break;
        }
        ++next_;
    }

    void Definition(std::uint32_t number) {
        ClassTag(8, "CDataList");
        Attr(1, 1, 0);
        out.U32(number);
        out.U32(1);
        out.U32(0);
        Ansi("block");
        out.U16(3);
        ++next_;
        for (int k = 0; k < 3; ++k) Line(k, k);
    }

    ByteWriter out;

private:
    std::uint32_t classes_[9] = {};
    std::uint32_t next_ = 1;
};

// The stream header (base point, scales) and the object count.
void Begin(Stream& s, std::size_t entities) {
    s.out.Reserve(entities * 70);
    s.out.Double(0);
    s.out.Double(0);
    for (int i = 0; i < 16; ++i) s.out.Double(100);
    if (entities > 0xFFFE) {
        s.out.U16(0xFFFF);
        s.out.U32(static_cast<std::uint32_t>(entities));
    } else {
        s.out.U16(static_cast<std::uint16_t>(entities));
    }
}

}  // namespace

std::string SyntheticStream(std::size_t entities) {
    Stream s;
    Begin(s, entities);
    for (std::size_t i = 0; i < entities; ++i) s.Object(i);
    s.out.U16(10);
    for (std::uint32_t n = 0; n < 10; ++n) s.Definition(n);
    return s.out.Take();
}

std::string QuarterMixStream(std::size_t entities) {
    Stream s;
    Begin(s, entities);
    for (std::size_t i = 0; i < entities; ++i) s.QuarterObject(i);
    s.out.U16(0);
    return s.out.Take();
}

}  // namespace torvane::bench
