#include "win32ui/thumbnail_pane.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/win32/bitmap_blit.h"
#include "platform/win32/wide_text.h"

namespace torvane {
namespace {

constexpr int kNamePoints = 10;

// A font of `points` at the screen's resolution.
GdiFont PointFont(const wchar_t* face, int points) {
    const HDC screen = GetDC(nullptr);
    const int pixels = MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return PixelFont(face, pixels, SHIFTJIS_CHARSET);
}

}  // namespace

bool ThumbnailPane::Create(HWND parent, int picture_count, Events events) {
    events_ = std::move(events);
    pictures_.assign(static_cast<std::size_t>(picture_count), Picture{});
    WindowParams params;
    params.class_name = L"TorvaneThumbnailPane";
    params.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    params.parent = parent;
    params.class_style = CS_DBLCLKS;
    if (!CreateWindowOf(params)) return false;
    scroll_bar_ = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, 0, 0, Handle(), nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    name_font_ = PointFont(L"ＭＳ Ｐゴシック", kNamePoints);
    return scroll_bar_ != nullptr;
}

void ThumbnailPane::Place(const RECT& bounds) {
    MoveWindow(Handle(), bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, TRUE);
    RECT client{};
    GetClientRect(Handle(), &client);
    const int bar = ScrollBarWidth();
    MoveWindow(scroll_bar_, client.right - bar, 0, bar, client.bottom, TRUE);
}

TSize ThumbnailPane::ClientSize() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return {client.right, client.bottom};
}

int ThumbnailPane::ScrollBarWidth() const { return GetSystemMetrics(SM_CXVSCROLL); }

void ThumbnailPane::SetScrollRange(int maximum) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    info.nMax = std::max(maximum, 0);
    SetScrollInfo(scroll_bar_, SB_CTL, &info, TRUE);
}

void ThumbnailPane::SetScrollPosition(int position) { SetScrollPos(scroll_bar_, SB_CTL, position, TRUE); }

void ThumbnailPane::SetScrollSteps(int small, int large) {
    small_step_ = std::max(small, 1);
    large_step_ = std::max(large, 1);
}

int ThumbnailPane::ScrollPosition() const { return GetScrollPos(scroll_bar_, SB_CTL); }

ThumbnailPane::Picture* ThumbnailPane::At(int picture) {
    return picture >= 1 && picture <= static_cast<int>(pictures_.size()) ? &pictures_[static_cast<std::size_t>(picture - 1)]
                                                                         : nullptr;
}

void ThumbnailPane::Repaint(const Picture& picture, bool now) {
    InvalidateRect(Handle(), &picture.rect, TRUE);
    if (now) UpdateWindow(Handle());
}

void ThumbnailPane::PlacePicture(int picture, const TRect& rect) {
    Picture* p = At(picture);
    if (p == nullptr) return;
    Repaint(*p, false);
    p->rect = {rect.Left, rect.Top, rect.Left + rect.Width, rect.Top + rect.Height};
    p->visible = true;
    Repaint(*p, false);
}

void ThumbnailPane::ClearPicture(int picture) {
    if (Picture* p = At(picture)) {
        p->drawing.reset();
        p->name.clear();
        Repaint(*p, false);
    }
}

void ThumbnailPane::HidePicture(int picture) {
    if (Picture* p = At(picture)) {
        p->visible = false;
        Repaint(*p, false);
    }
}

void ThumbnailPane::ShowPicture(int picture, const Bitmap& drawing, std::u16string_view name, int back_color) {
    Picture* p = At(picture);
    if (p == nullptr) return;
    p->drawing = drawing;
    p->name = WideText(name);
    p->back_color = back_color;
    Repaint(*p, true);
}

RECT ThumbnailPane::PictureRect(int picture) const {
    if (picture < 1 || picture > static_cast<int>(pictures_.size())) return {};
    const Picture& p = pictures_[static_cast<std::size_t>(picture - 1)];
    return p.visible ? p.rect : RECT{};
}

LRESULT ThumbnailPane::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND: FillClient(Handle(), reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_BTNFACE)); return 1;
        case WM_PAINT: Paint(); return 0;
        case WM_VSCROLL: Scroll(LOWORD(wparam)); return 0;
        case WM_MOUSEWHEEL: Scroll(GET_WHEEL_DELTA_WPARAM(wparam) > 0 ? SB_LINEUP : SB_LINEDOWN); return 0;
        case WM_LBUTTONDOWN:
            pressed_tag_ = TagAt(lparam);
            return 0;
        case WM_LBUTTONUP: {
            // A click: pressed and released on the same picture.
            const int tag = TagAt(lparam);
            const bool clicked = tag >= 0 && tag == pressed_tag_;
            pressed_tag_ = -1;
            if (clicked) events_.click(tag);
            return 0;
        }
        case WM_LBUTTONDBLCLK: {
            const int tag = TagAt(lparam);
            if (tag >= 0 && events_.double_click) events_.double_click(tag);
            return 0;
        }
        default: return DefaultHandling(message, wparam, lparam);
    }
}

int ThumbnailPane::TagAt(LPARAM point) const {
    const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        if (pictures_[i].visible && PtInRect(&pictures_[i].rect, at)) return static_cast<int>(i);
    }
    return -1;
}

void ThumbnailPane::Scroll(WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(scroll_bar_, SB_CTL, &info);
    int position = info.nPos;
    switch (request) {
        case SB_LINEUP: position -= small_step_; break;
        case SB_LINEDOWN: position += small_step_; break;
        case SB_PAGEUP: position -= large_step_; break;
        case SB_PAGEDOWN: position += large_step_; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = info.nTrackPos; break;
        case SB_TOP: position = info.nMin; break;
        case SB_BOTTOM: position = info.nMax; break;
        default: return;
    }
    position = std::clamp(position, info.nMin, info.nMax);
    if (position == info.nPos) return;
    SetScrollPos(scroll_bar_, SB_CTL, position, TRUE);
    events_.scroll(position);
}

void ThumbnailPane::Paint() {
    const PaintDc paint(Handle());
    RECT invalid{};
    GetClipBox(paint.get(), &invalid);
    for (const Picture& picture : pictures_) {
        RECT overlap{};
        if (picture.visible && picture.drawing && IntersectRect(&overlap, &picture.rect, &invalid)) {
            PaintPicture(paint.get(), picture);
        }
    }
}

// The drawing, and over its top-left corner the file name on a solid background.
void ThumbnailPane::PaintPicture(HDC dc, const Picture& picture) const {
    const RECT& r = picture.rect;
    BlitBitmap(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, *picture.drawing);
    if (picture.name.empty()) return;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, name_font_.get());
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, picture.back_color == 0 ? RGB(255, 255, 255) : RGB(0, 0, 0));
    SetTextColor(dc, picture.back_color == 0 ? RGB(0, 0, 0) : RGB(255, 255, 255));
    TextOutW(dc, r.left, r.top, picture.name.c_str(), static_cast<int>(picture.name.size()));
    RestoreDC(dc, saved);
}

}  // namespace torvane
