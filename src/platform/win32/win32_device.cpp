#include <windows.h>

#include <algorithm>
#include <cstring>

#include "platform/device.h"
#include "platform/win32/gdiplus_flat.h"

namespace torvane {
namespace {

static_assert(sizeof(PointF) == 2 * sizeof(float), "PointF is passed to GDI+ as GpPointF");

bool StartGdiplus() {
    static const bool started = [] {
        ULONG_PTR token = 0;
        const gdiplus::StartupInput input;
        return GdiplusStartup(&token, &input, nullptr) == gdiplus::kOk;
    }();
    return started;
}

int GdiPenStyle(PenStyle style) {
    switch (style) {
        case PenStyle::Dash: return PS_DASH;
        case PenStyle::Dot: return PS_DOT;
        case PenStyle::DashDot: return PS_DASHDOT;
        case PenStyle::DashDotDot: return PS_DASHDOTDOT;
        case PenStyle::Clear: return PS_NULL;
        case PenStyle::Solid: break;
    }
    return PS_SOLID;
}

HBRUSH CreateGdiBrush(std::uint32_t color, BrushStyle style) {
    switch (style) {
        case BrushStyle::Clear: return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        case BrushStyle::Solid: return CreateSolidBrush(color);
        case BrushStyle::Horizontal: return CreateHatchBrush(HS_HORIZONTAL, color);
        case BrushStyle::Vertical: return CreateHatchBrush(HS_VERTICAL, color);
        case BrushStyle::ForwardDiagonal: return CreateHatchBrush(HS_FDIAGONAL, color);
        case BrushStyle::BackwardDiagonal: return CreateHatchBrush(HS_BDIAGONAL, color);
        case BrushStyle::Cross: return CreateHatchBrush(HS_CROSS, color);
        case BrushStyle::DiagonalCross: return CreateHatchBrush(HS_DIAGCROSS, color);
    }
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

LOGFONTW LogFontOf(const FontRecord& font) {
    LOGFONTW lf{};
    lf.lfHeight = font.height;
    lf.lfWidth = font.width;
    lf.lfEscapement = font.escapement;
    lf.lfOrientation = font.orientation;
    lf.lfWeight = font.weight;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strike_out;
    lf.lfCharSet = font.charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    // Smoothed in grey, never ClearType: a saved thumbnail carries no colour fringes.
    lf.lfQuality = ANTIALIASED_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    const std::size_t n = std::min<std::size_t>(font.face.size(), LF_FACESIZE - 1);
    std::copy_n(font.face.begin(), n, lf.lfFaceName);
    return lf;
}

// GDI on a 32-bit top-down DIB section; polygon fills with GDI+ on the same device context.
class GdiDevice final : public Device {
public:
    explicit GdiDevice(Bitmap& target) : target_(target) {
        dc_ = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = std::max(target.width, 1);
        info.bmiHeader.biHeight = -std::max(target.height, 1);
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dib_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        if (dc_ == nullptr || dib_ == nullptr || bits_ == nullptr) return;
        old_bitmap_ = SelectObject(dc_, dib_);
        if (!target.pixels.empty()) std::memcpy(bits_, target.pixels.data(), target.pixels.size() * sizeof(std::uint32_t));
        SetBkMode(dc_, TRANSPARENT);
        SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        old_pen_ = SelectObject(dc_, GetStockObject(BLACK_PEN));
        old_brush_ = SelectObject(dc_, GetStockObject(NULL_BRUSH));
        old_font_ = SelectObject(dc_, GetStockObject(SYSTEM_FONT));
        ready_ = true;
    }

    ~GdiDevice() override {
        if (ready_) {
            SelectObject(dc_, old_pen_);
            SelectObject(dc_, old_brush_);
            SelectObject(dc_, old_font_);
            SelectObject(dc_, old_bitmap_);
        }
        if (pen_ != nullptr) DeleteObject(pen_);
        if (brush_ != nullptr) DeleteObject(brush_);
        if (font_ != nullptr) DeleteObject(font_);
        if (dib_ != nullptr) DeleteObject(dib_);
        if (dc_ != nullptr) DeleteDC(dc_);
    }

    GdiDevice(const GdiDevice&) = delete;
    GdiDevice& operator=(const GdiDevice&) = delete;

    int Width() const override { return target_.width; }
    int Height() const override { return target_.height; }

    void SetPen(std::uint32_t color, int width, PenStyle style) override {
        if (!ready_) return;
        HPEN pen = CreatePen(GdiPenStyle(style), width, color);
        if (pen == nullptr) return;
        SelectObject(dc_, pen);
        if (pen_ != nullptr) DeleteObject(pen_);
        pen_ = pen;
    }

    void SetBrush(std::uint32_t color, BrushStyle style) override {
        if (!ready_) return;
        HBRUSH brush = CreateGdiBrush(color, style);
        if (brush == nullptr) return;
        SelectObject(dc_, brush);
        if (brush_ != nullptr) DeleteObject(brush_);
        brush_ = style == BrushStyle::Clear ? nullptr : brush;
    }

    void MoveTo(int x, int y) override {
        if (ready_) MoveToEx(dc_, x, y, nullptr);
    }
    void LineTo(int x, int y) override {
        if (ready_) ::LineTo(dc_, x, y);
    }
    void Rectangle(int x1, int y1, int x2, int y2) override {
        if (ready_) ::Rectangle(dc_, x1, y1, x2, y2);
    }

    void FillRect(int x1, int y1, int x2, int y2, std::uint32_t color) override {
        if (!ready_) return;
        HBRUSH brush = CreateSolidBrush(color);
        if (brush == nullptr) return;
        const RECT rect{x1, y1, x2, y2};
        ::FillRect(dc_, &rect, brush);
        DeleteObject(brush);
    }

    void TextChar(int x, int y, std::u16string_view ch, const FontRecord& font, std::uint32_t color) override {
        if (!ready_ || ch.empty() || !SelectFont(font)) return;
        SetTextColor(dc_, color);
        TextOutW(dc_, x, y, reinterpret_cast<const wchar_t*>(ch.data()), static_cast<int>(ch.size()));
    }

    bool FillPolygon(std::span<const PointF> points, std::uint32_t color) override {
        if (!ready_ || points.size() < 3 || !StartGdiplus()) return false;
        GdiFlush();
        gdiplus::GpGraphics* graphics = nullptr;
        if (GdipCreateFromHDC(dc_, &graphics) != gdiplus::kOk) return false;
        bool filled = false;
        gdiplus::GpBrush* brush = nullptr;
        const DWORD argb = 0xFF000000u | ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
        if (GdipSetSmoothingMode(graphics, gdiplus::kSmoothingModeHighSpeed) == gdiplus::kOk &&
            GdipSetPageUnit(graphics, gdiplus::kUnitPixel) == gdiplus::kOk &&
            GdipCreateSolidFill(argb, &brush) == gdiplus::kOk) {
            filled = GdipFillPolygon(graphics, brush, points.data(), static_cast<INT>(points.size()),
                                     gdiplus::kFillModeAlternate) == gdiplus::kOk;
        }
        if (brush != nullptr) GdipDeleteBrush(brush);
        GdipDeleteGraphics(graphics);
        return filled;
    }

    void Flush() override {
        if (!ready_ || target_.pixels.empty()) return;
        GdiFlush();
        for (std::size_t i = 0; i < target_.pixels.size(); ++i) target_.pixels[i] = bits_[i] & 0x00FFFFFFu;
    }

private:
    bool SelectFont(const FontRecord& font) {
        if (font_ != nullptr && font == font_record_) return true;
        const LOGFONTW lf = LogFontOf(font);
        HFONT created = CreateFontIndirectW(&lf);
        if (created == nullptr) return false;
        SelectObject(dc_, created);
        if (font_ != nullptr) DeleteObject(font_);
        font_ = created;
        font_record_ = font;
        return true;
    }

    Bitmap& target_;
    HDC dc_ = nullptr;
    HBITMAP dib_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    HGDIOBJ old_bitmap_ = nullptr;
    HGDIOBJ old_pen_ = nullptr;
    HGDIOBJ old_brush_ = nullptr;
    HGDIOBJ old_font_ = nullptr;
    HPEN pen_ = nullptr;
    HBRUSH brush_ = nullptr;
    HFONT font_ = nullptr;
    FontRecord font_record_;
    bool ready_ = false;
};

}  // namespace

std::unique_ptr<Device> CreateDevice(Bitmap& target) { return std::make_unique<GdiDevice>(target); }

}  // namespace torvane
