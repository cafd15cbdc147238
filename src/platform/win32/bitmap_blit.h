#pragma once
#include <windows.h>

#include "platform/bitmap.h"

namespace torvane {

// Draws `bitmap` unstretched with its top-left corner at (x, y), showing no more than
// `width` x `height` pixels of it.
void BlitBitmap(HDC dc, int x, int y, int width, int height, const Bitmap& bitmap);

}  // namespace torvane
