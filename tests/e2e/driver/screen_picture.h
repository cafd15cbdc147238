#pragma once
#include <windows.h>

#include <filesystem>

#include "platform/bitmap.h"

namespace torvane::test {

// What the screen shows inside `rect` (screen coordinates), rows from the top.
Bitmap ScreenPicture(const RECT& rect);
// What the screen shows of the client area of `window` (without a caption, which the system
// draws only where a window manager runs).
Bitmap ClientPicture(HWND window);
// What the screen shows inside the client area of `window`, without its one-pixel frame.
Bitmap InnerPicture(HWND window);
// True when the client area of `window`, inside its frame, shows a figure on its white ground.
bool ShowsAFigure(HWND window);
// True when the picture is mostly white and not all white.
bool ShowsAFigure(const Bitmap& picture);
// Writes a picture as a PNG file (through GDI+); false when it could not be written.
bool SavePng(const Bitmap& picture, const std::filesystem::path& png);

}  // namespace torvane::test
