#include "screen_picture.h"

#include <algorithm>

#include "platform/win32/gdiplus_flat.h"

namespace torvane::gdiplus {
struct GpImage;
constexpr INT kPixelFormat32bppRgb = 0x00022009;
}  // namespace torvane::gdiplus

extern "C" {
torvane::gdiplus::Status WINAPI GdipCreateBitmapFromScan0(INT width, INT height, INT stride, INT format, BYTE* scan0,
                                                          torvane::gdiplus::GpImage** bitmap);
torvane::gdiplus::Status WINAPI GdipSaveImageToFile(torvane::gdiplus::GpImage* image, const WCHAR* file,
                                                    const CLSID* encoder, const void* parameters);
torvane::gdiplus::Status WINAPI GdipDisposeImage(torvane::gdiplus::GpImage* image);
void WINAPI GdiplusShutdown(ULONG_PTR token);
}

namespace torvane::test {
namespace {

// The encoder GDI+ registers for image/png.
constexpr CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

RECT ClientOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

}  // namespace

Bitmap ScreenPicture(const RECT& rect) {
    Bitmap picture(rect.right - rect.left, rect.bottom - rect.top);
    if (picture.width <= 0 || picture.height <= 0) return {};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, picture.width, picture.height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(picture.height), picture.pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (auto& pixel : picture.pixels) pixel &= 0x00FFFFFF;
    return picture;
}

Bitmap ClientPicture(HWND window) { return ScreenPicture(ClientOnScreen(window)); }

Bitmap InnerPicture(HWND window) {
    const RECT client = ClientOnScreen(window);
    return ScreenPicture({client.left + 1, client.top + 1, client.right - 1, client.bottom - 1});
}

bool ShowsAFigure(HWND window) { return ShowsAFigure(InnerPicture(window)); }

bool ShowsAFigure(const Bitmap& picture) {
    const auto white = std::count(picture.pixels.begin(), picture.pixels.end(), 0x00FFFFFFu);
    const auto all = static_cast<std::ptrdiff_t>(picture.pixels.size());
    // Mostly the white ground: a window just shown can still show, for a moment, whatever lay
    // on the screen before (Wine copies a window's pixels to the screen at most every 50 ms).
    return white * 2 > all && white < all;
}

bool SavePng(const Bitmap& picture, const std::filesystem::path& png) {
    if (picture.width <= 0 || picture.height <= 0) return false;
    const gdiplus::StartupInput input;
    ULONG_PTR token = 0;
    if (GdiplusStartup(&token, &input, nullptr) != gdiplus::kOk) return false;
    // GDI+ reads the pixels in place and leaves them unchanged.
    auto* pixels = reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(picture.pixels.data()));
    gdiplus::GpImage* image = nullptr;
    bool saved = false;
    if (GdipCreateBitmapFromScan0(picture.width, picture.height, picture.width * 4, gdiplus::kPixelFormat32bppRgb, pixels,
                                  &image) == gdiplus::kOk) {
        saved = GdipSaveImageToFile(image, png.c_str(), &kPngEncoder, nullptr) == gdiplus::kOk;
        GdipDisposeImage(image);
    }
    GdiplusShutdown(token);
    return saved;
}

}  // namespace torvane::test
