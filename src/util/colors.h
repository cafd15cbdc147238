#pragma once
#include <array>
#include <cstdint>

namespace torvane {

// A Windows colour is 0x00BBGGRR, an ARGB value 0xAARRGGBB.

std::uint32_t RgbToColor(std::uint8_t r, std::uint8_t g, std::uint8_t b);
// The opaque ARGB value of r, g, b.
std::uint32_t RgbToArgb(std::uint8_t r, std::uint8_t g, std::uint8_t b);
// The bytes of v from the highest.
std::array<std::uint8_t, 4> SplitBytes(std::uint32_t v);
// The opaque ARGB value of a Windows colour (its highest byte ignored).
std::uint32_t ColorToArgb(std::uint32_t col);
// The Windows colour of an ARGB value, alpha dropped.
std::uint32_t ArgbToColor(std::uint32_t a);

}  // namespace torvane
