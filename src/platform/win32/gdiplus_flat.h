#pragma once
#include <windows.h>

// The few functions of the GDI+ flat API that polygon fills use, declared here so that the
// C++ wrapper headers are not needed.
namespace torvane::gdiplus {

using Status = int;
constexpr Status kOk = 0;
constexpr int kSmoothingModeHighSpeed = 1;
constexpr int kUnitPixel = 2;
constexpr int kFillModeAlternate = 0;

struct GpGraphics;
struct GpBrush;

struct StartupInput {
    UINT32 version = 1;
    void* debug_event_callback = nullptr;
    BOOL suppress_background_thread = FALSE;
    BOOL suppress_external_codecs = FALSE;
};

}  // namespace torvane::gdiplus

extern "C" {
torvane::gdiplus::Status WINAPI GdiplusStartup(ULONG_PTR* token, const torvane::gdiplus::StartupInput* input, void* output);
torvane::gdiplus::Status WINAPI GdipCreateFromHDC(HDC dc, torvane::gdiplus::GpGraphics** graphics);
torvane::gdiplus::Status WINAPI GdipDeleteGraphics(torvane::gdiplus::GpGraphics* graphics);
torvane::gdiplus::Status WINAPI GdipSetSmoothingMode(torvane::gdiplus::GpGraphics* graphics, int mode);
torvane::gdiplus::Status WINAPI GdipSetPageUnit(torvane::gdiplus::GpGraphics* graphics, int unit);
torvane::gdiplus::Status WINAPI GdipCreateSolidFill(DWORD argb, torvane::gdiplus::GpBrush** brush);
torvane::gdiplus::Status WINAPI GdipDeleteBrush(torvane::gdiplus::GpBrush* brush);
torvane::gdiplus::Status WINAPI GdipFillPolygon(torvane::gdiplus::GpGraphics* graphics, torvane::gdiplus::GpBrush* brush,
                                                const void* points, INT count, int fill_mode);
}
