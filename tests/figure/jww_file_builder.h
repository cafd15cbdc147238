#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "figure/stream_builder.h"

namespace torvane::test {

// What a hand-built drawing header holds; every other number is a filler that differs from
// its neighbours, so that a field read from the wrong place shows.
struct JwwHeaderValues {
    std::uint32_t version = 600;
    std::string memo = "memo";  // stored as given (Shift-JIS bytes)
    std::array<double, 16> scales{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
};

// The bytes of a drawing file up to its entity list, field by field in the drawing's layout.
inline std::string JwwHeaderBytes(const JwwHeaderValues& v) {
    StreamBuilder s(static_cast<int>(v.version));
    std::uint32_t filler = 1000;
    auto ints = [&](int n) {
        for (int i = 0; i < n; ++i) s.U32(filler++);
    };
    auto doubles = [&](int n) {
        for (int i = 0; i < n; ++i) s.Doubles({static_cast<double>(filler++) + 0.5});
    };
    s.Raw("JwwData.").U32(v.version).Ansi(v.memo).U32(3).U32(0);  // paper A3, write group 0
    for (std::uint32_t g = 0; g < 16; ++g) {
        s.U32(2).U32(0).Doubles({v.scales[g]}).U32(0);
        for (std::uint32_t l = 0; l < 16; ++l) s.U32(2).U32(0);
    }
    ints(14 + 5 + 2);
    doubles(3);
    ints(2);
    doubles(5);
    for (int g = 0; g < 16; ++g) {
        for (int l = 0; l < 16; ++l) s.Ansi("L" + std::to_string(g) + "-" + std::to_string(l));
    }
    for (int g = 0; g < 16; ++g) s.Ansi("G" + std::to_string(g));
    doubles(2);
    ints(1);
    doubles(1);
    if (v.version >= 300) doubles(2);
    s.U32(77);  // nMMTani3D
    doubles(6);
    if (v.version >= 300) {
        for (int i = 0; i < 8; ++i) doubles(3), ints(1);
        doubles(3), ints(1), doubles(3), ints(1);
    } else {
        doubles(12);
    }
    doubles(11);
    for (int i = 0; i < 10; ++i) ints(2);
    for (int i = 0; i < 10; ++i) ints(2), doubles(1);
    ints(8 * 4 + 5 * 5 + 4 * 4 + 11);
    if (v.version >= 223) s.U32(4321), ints(4), doubles(5);  // drawing time first
    if (v.version >= 225) doubles(4);
    if (v.version >= 230) s.U32(1).U32(0x123456);
    if (v.version >= 420) {
        for (int i = 0; i < 257; ++i) ints(2);
        for (int i = 0; i < 257; ++i) s.Ansi("C"), ints(2), doubles(1);
        for (int i = 0; i < 33; ++i) ints(4);
        for (int i = 0; i < 33; ++i) s.Ansi("T"), ints(1), doubles(10);
    }
    for (int i = 0; i < 10; ++i) doubles(3), ints(1);
    s.Doubles({2.5, 3.5, 0.25});  // the text size and spacing of new texts
    ints(2);
    doubles(2);
    ints(1);
    doubles(6);
    return s.bytes();
}

}  // namespace torvane::test
