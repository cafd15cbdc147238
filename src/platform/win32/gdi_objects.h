#pragma once
#include <windows.h>

#include <string_view>
#include <utility>

namespace torvane {

// A GDI object (pen, brush, font, bitmap) deleted with its owner.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using GdiPen = GdiObject<HPEN>;
using GdiBrush = GdiObject<HBRUSH>;
using GdiFont = GdiObject<HFONT>;
using GdiBitmap = GdiObject<HBITMAP>;

inline GdiPen SolidPen(int width, COLORREF color) { return GdiPen(CreatePen(PS_SOLID, width, color)); }
inline GdiBrush SolidBrush(COLORREF color) { return GdiBrush(CreateSolidBrush(color)); }
// A font `pixel_height` pixels high (character height, as a negative LOGFONT height), normal
// weight, of `face` or, where that is not installed, of a fallback at the same size (UsableFace).
GdiFont PixelFont(std::wstring_view face, int pixel_height, BYTE charset = DEFAULT_CHARSET);

// An object selected into a device context for the lifetime of this; the previous one comes back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A memory device context compatible with `reference` (the screen when null).
class MemoryDc {
public:
    explicit MemoryDc(HDC reference = nullptr) : dc_(CreateCompatibleDC(reference)) {}
    ~MemoryDc() {
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Fills the rectangle with a solid colour.
void FillSolid(HDC dc, const RECT& rect, COLORREF color);
// Fills the window's whole client area (a WM_ERASEBKGND answer).
void FillClient(HWND window, HDC dc, COLORREF color);

}  // namespace torvane
