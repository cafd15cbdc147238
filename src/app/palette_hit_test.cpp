#include "app/palette_hit_test.h"

namespace torvane {

PaletteHit PaletteHitTest(int x, int y, int w, int h, bool locked) {
    if (locked) return PaletteHit::Client;
    const bool right = x > w - 5;
    const bool bottom = y > h - 5;
    const bool left = x <= 4;
    const bool top = y <= 4;
    if (right && bottom) return PaletteHit::BottomRight;
    if (right && top) return PaletteHit::TopRight;
    if (x < 5 && bottom) return PaletteHit::BottomLeft;
    if (left && top) return PaletteHit::TopLeft;
    if (left) return PaletteHit::Left;
    if (right) return PaletteHit::Right;
    if (top) return PaletteHit::Top;
    if (bottom) return PaletteHit::Bottom;
    return PaletteHit::Caption;
}

}  // namespace torvane
