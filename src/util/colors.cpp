#include "util/colors.h"

namespace torvane {

std::uint32_t RgbToColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return r | static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b) << 16;
}

std::uint32_t RgbToArgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return 0xFF000000u | static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 | b;
}

std::array<std::uint8_t, 4> SplitBytes(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16 & 0xFF),
            static_cast<std::uint8_t>(v >> 8 & 0xFF), static_cast<std::uint8_t>(v & 0xFF)};
}

std::uint32_t ColorToArgb(std::uint32_t col) {
    const auto bytes = SplitBytes(col);  // 0, blue, green, red
    return RgbToArgb(bytes[3], bytes[2], bytes[1]);
}

std::uint32_t ArgbToColor(std::uint32_t a) {
    const auto bytes = SplitBytes(a);  // alpha, red, green, blue
    return RgbToColor(bytes[1], bytes[2], bytes[3]);
}

}  // namespace torvane
