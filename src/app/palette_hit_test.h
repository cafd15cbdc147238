#pragma once

namespace torvane {

// Where a point of the borderless palette counts as frame or title bar, so that the window can be
// dragged by its own surface and resized by a 5-pixel frame.
enum class PaletteHit {
    Client, Caption, Left, Right, Top, Bottom, TopLeft, TopRight, BottomLeft, BottomRight
};

// x, y: the pointer in window coordinates; w, h: the window size. A locked palette
// (`LocateLoc` = 1) is client area everywhere, so it can be neither moved nor resized.
PaletteHit PaletteHitTest(int x, int y, int w, int h, bool locked);

}  // namespace torvane
