#pragma once
#include <windows.h>

#include "app/palette_layout.h"

namespace torvane {

// The window rectangle of a window of these styles whose client area is width x height,
// placed at (0, 0).
RECT FrameForClient(int width, int height, DWORD style, DWORD ex_style);

// Where a window of this rectangle (screen coordinates) shows: where it is while at least half
// of it lies on the monitors' work areas, else moved into the work area of the nearest monitor
// (a screen that is gone, a position saved while minimised).
TRect OnScreen(const TRect& bounds);

// Places `window` at `bounds` (screen position and size of the whole window), brought on
// screen. A window never placed (width or height 0, or at the origin, where a new settings file
// puts every dialog) is centred on `owner`'s screen, at the given size or else its own.
void PlaceWindow(HWND window, HWND owner, const TRect& bounds);

// Moves a window that lies mostly off screen into the nearest work area (OnScreen).
void KeepOnScreen(HWND window);

// The window's normal position and size in screen coordinates, also while it is minimised or
// maximised (what it comes back to); `bounds` unchanged when the window cannot be asked.
void ReadBounds(HWND window, TRect& bounds);

}  // namespace torvane
