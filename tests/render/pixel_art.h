#pragma once
#include <map>
#include <string>

#include "platform/bitmap.h"

namespace torvane::test {

// A bitmap as text, one line per row: '.' white, '#' black, 'R' red, 'G' green, 'B' blue,
// '?' anything else.
inline std::string PixelArt(const Bitmap& b) {
    static const std::map<std::uint32_t, char> kLetters = {
        {0xFFFFFF, '.'}, {0x000000, '#'}, {0xFF0000, 'R'}, {0x00FF00, 'G'}, {0x0000FF, 'B'}};
    std::string out;
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            const auto it = kLetters.find(b.at(x, y));
            out += it == kLetters.end() ? '?' : it->second;
        }
        out += '\n';
    }
    return out;
}

// GDI colours (0x00BBGGRR) of the letters.
constexpr std::uint32_t kGdiBlack = 0x000000;
constexpr std::uint32_t kGdiRed = 0x0000FF;
constexpr std::uint32_t kGdiGreen = 0x00FF00;
constexpr std::uint32_t kGdiBlue = 0xFF0000;

}  // namespace torvane::test
