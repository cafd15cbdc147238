#pragma once
#include <cstdint>
#include <vector>

namespace torvane {

// A W x H picture, rows from the top, each pixel 0x00RRGGBB (the byte order of a 32-bit DIB).
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Bitmap() = default;
    Bitmap(int w, int h, std::uint32_t fill = 0x00FFFFFF)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool operator==(const Bitmap&) const = default;
};

}  // namespace torvane
