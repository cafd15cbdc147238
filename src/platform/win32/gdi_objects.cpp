#include "platform/win32/gdi_objects.h"

#include <algorithm>

#include "platform/win32/installed_fonts.h"

namespace torvane {

GdiFont PixelFont(std::wstring_view face, int pixel_height, BYTE charset) {
    LOGFONTW lf{};
    lf.lfHeight = -pixel_height;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = charset;
    const std::wstring usable = UsableFace(face);
    const std::size_t n = std::min<std::size_t>(usable.size(), LF_FACESIZE - 1);
    std::copy_n(usable.begin(), n, lf.lfFaceName);
    return GdiFont(CreateFontIndirectW(&lf));
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    const GdiBrush brush = SolidBrush(color);
    FillRect(dc, &rect, brush.get());
}

void FillClient(HWND window, HDC dc, COLORREF color) {
    RECT client{};
    GetClientRect(window, &client);
    FillSolid(dc, client, color);
}

}  // namespace torvane
