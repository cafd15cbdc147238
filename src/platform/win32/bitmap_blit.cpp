#include "platform/win32/bitmap_blit.h"

#include <algorithm>

namespace torvane {

void BlitBitmap(HDC dc, int x, int y, int width, int height, const Bitmap& bitmap) {
    if (bitmap.width <= 0 || bitmap.height <= 0 || width <= 0 || height <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bitmap.width;
    info.bmiHeader.biHeight = -bitmap.height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // The whole bitmap is copied 1:1 inside a clip rectangle, which crops it to width x height.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, x, y, x + std::min(width, bitmap.width), y + std::min(height, bitmap.height));
    StretchDIBits(dc, x, y, bitmap.width, bitmap.height, 0, 0, bitmap.width, bitmap.height, bitmap.pixels.data(), &info,
                  DIB_RGB_COLORS, SRCCOPY);
    RestoreDC(dc, saved);
}

}  // namespace torvane
