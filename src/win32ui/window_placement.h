#pragma once
#include <windows.h>

#include "app/palette_layout.h"

namespace torvane {

// The window rectangle of a window of these styles whose client area is width x height,
// placed at (0, 0).
RECT FrameForClient(int width, int height, DWORD style, DWORD ex_style);

// Places `window` at `bounds` (screen position and size of the whole window). A window never
// placed (width or height 0, or at the origin, where a new settings file puts every dialog) is
// centred on `owner`'s screen, at the given size or else its own; so is one whose rectangle lies
// on no monitor (a screen that is gone).
void PlaceWindow(HWND window, HWND owner, const TRect& bounds);

// The window's position and size now; `bounds` unchanged while it is minimised.
void ReadBounds(HWND window, TRect& bounds);

}  // namespace torvane
