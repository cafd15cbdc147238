#include "app/window_on_screen.h"

#include <algorithm>
#include <cstdint>

namespace torvane {
namespace {

std::int64_t OverlapArea(const TRect& a, const TRect& b) {
    const std::int64_t w = std::min<std::int64_t>(std::int64_t{a.Left} + a.Width, std::int64_t{b.Left} + b.Width) -
                           std::max(a.Left, b.Left);
    const std::int64_t h = std::min<std::int64_t>(std::int64_t{a.Top} + a.Height, std::int64_t{b.Top} + b.Height) -
                           std::max(a.Top, b.Top);
    return w > 0 && h > 0 ? w * h : 0;
}

// The start of a span of `length` inside [low, low + room): as near to `start` as fits.
int Inside(int start, int length, int low, int room) { return std::clamp(start, low, low + std::max(room - length, 0)); }

}  // namespace

TRect WindowOnScreen(const TRect& window, std::span<const TRect> work_areas, const TRect& nearest) {
    std::int64_t visible = 0;
    for (const TRect& area : work_areas) visible += OverlapArea(window, area);
    const std::int64_t whole = std::int64_t{std::max(window.Width, 0)} * std::max(window.Height, 0);
    if (whole > 0 && 2 * visible >= whole) return window;
    const int width = std::min(window.Width, nearest.Width);
    const int height = std::min(window.Height, nearest.Height);
    return {Inside(window.Left, width, nearest.Left, nearest.Width), Inside(window.Top, height, nearest.Top, nearest.Height),
            width, height};
}

}  // namespace torvane
