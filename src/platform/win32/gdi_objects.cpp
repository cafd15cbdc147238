#include "platform/win32/gdi_objects.h"

#include <algorithm>

namespace torvane {

GdiFont PixelFont(std::wstring_view face, int pixel_height, BYTE charset) {
    LOGFONTW lf{};
    lf.lfHeight = -pixel_height;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = charset;
    const std::size_t n = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    std::copy_n(face.begin(), n, lf.lfFaceName);
    return GdiFont(CreateFontIndirectW(&lf));
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    const GdiBrush brush = SolidBrush(color);
    FillRect(dc, &rect, brush.get());
}

}  // namespace torvane
