#include "win32ui/clip_field.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>

#include "platform/win32/bitmap_blit.h"
#include "util/bmp_file.h"

namespace torvane {
namespace {

constexpr int kScrollBarSide = 12;
constexpr int kBevel = 3;
constexpr int kLineStep = 16;

// Draws `width` nested one-pixel frames: light top-left and dark bottom-right when raised.
void DrawBevel(HDC dc, RECT rect, int width, bool raised) {
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF top_left = raised ? light : dark;
    const COLORREF bottom_right = raised ? dark : light;
    for (int i = 0; i < width && rect.right - rect.left > 1 && rect.bottom - rect.top > 1; ++i) {
        FillSolid(dc, {rect.left, rect.top, rect.right, rect.top + 1}, top_left);
        FillSolid(dc, {rect.left, rect.top, rect.left + 1, rect.bottom}, top_left);
        FillSolid(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottom_right);
        FillSolid(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, bottom_right);
        InflateRect(&rect, -1, -1);
    }
}

}  // namespace

// One clip button: the panel with its bevel and the picture inside it.
class ClipField::Button final : public WindowBase {
public:
    Button(ClipField& field, int number) : field_(field), number_(number) {}

    bool Create(HWND parent, const RECT& bounds) {
        WindowSpec spec;
        spec.class_name = L"TorvaneClipButton";
        spec.style = WS_CHILD | WS_VISIBLE;
        spec.bounds = bounds;
        spec.parent = parent;
        return CreateWindowOf(spec);
    }
    void SetRaised(bool raised) {
        if (raised_ == raised) return;
        raised_ = raised;
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    // Shown at once: regeneration draws page after page without handling window messages.
    void SetPicture(std::optional<Bitmap> picture) {
        picture_ = std::move(picture);
        InvalidateRect(Handle(), nullptr, FALSE);
        UpdateWindow(Handle());
    }

private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
        switch (message) {
            case WM_ERASEBKGND: return 1;
            case WM_PAINT: Paint(); return 0;
            case WM_LBUTTONDOWN: return MouseDown(TMouseButton::Left, lparam);
            case WM_RBUTTONDOWN: return MouseDown(TMouseButton::Right, lparam);
            case WM_MBUTTONDOWN: return MouseDown(TMouseButton::Middle, lparam);
            default: return DefaultHandling(message, wparam, lparam);
        }
    }

    // Only the picture reacts, not the bevel around it.
    LRESULT MouseDown(TMouseButton button, LPARAM lparam) {
        RECT client{};
        GetClientRect(Handle(), &client);
        const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        InflateRect(&client, -kBevel, -kBevel);
        if (!PtInRect(&client, at)) return 0;
        field_.on_mouse_down_(number_, button, {at.x - kBevel, at.y - kBevel});
        return 0;
    }

    void Paint() {
        const PaintDc paint(Handle());
        RECT client{};
        GetClientRect(Handle(), &client);
        FillSolid(paint.get(), client, field_.button_color_);
        DrawBevel(paint.get(), client, kBevel, raised_);
        if (picture_) {
            BlitBitmap(paint.get(), kBevel, kBevel, client.right - 2 * kBevel, client.bottom - 2 * kBevel, *picture_);
        }
    }

    ClipField& field_;
    int number_;
    bool raised_ = true;
    std::optional<Bitmap> picture_;
};

// The visible part of the field, inside the scroll bars; the buttons are its children.
class ClipField::Viewport final : public WindowBase {
public:
    explicit Viewport(ClipField& field) : field_(field) {}
    bool Create(HWND parent) {
        WindowSpec spec;
        spec.class_name = L"TorvaneClipViewport";
        spec.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
        spec.parent = parent;
        return CreateWindowOf(spec);
    }

private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
        if (message == WM_ERASEBKGND) {
            RECT client{};
            GetClientRect(Handle(), &client);
            FillSolid(reinterpret_cast<HDC>(wparam), client, field_.back_);
            return 1;
        }
        return DefaultHandling(message, wparam, lparam);
    }
    ClipField& field_;
};

ClipField::ClipField() = default;

ClipField::~ClipField() {
    FreeButtons();
    viewport_.reset();
}

bool ClipField::Create(HWND parent, MouseDown on_mouse_down, Scrolled on_scroll) {
    on_mouse_down_ = std::move(on_mouse_down);
    on_scroll_ = std::move(on_scroll);
    WindowSpec spec;
    spec.class_name = L"TorvaneClipField";
    spec.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    spec.parent = parent;
    if (!CreateWindowOf(spec)) return false;
    viewport_ = std::make_unique<Viewport>(*this);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    horizontal_ = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_HORZ, 0, 0, 0, 0, Handle(), nullptr, instance, nullptr);
    vertical_ = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_VERT, 0, 0, 0, 0, Handle(), nullptr, instance, nullptr);
    SetColors(back_, button_color_);
    return viewport_->Create(Handle()) && horizontal_ != nullptr && vertical_ != nullptr;
}

void ClipField::SetColors(COLORREF back, COLORREF button) {
    back_ = back;
    button_color_ = button;
    back_brush_ = SolidBrush(back);
    InvalidateRect(Handle(), nullptr, TRUE);
    if (viewport_) InvalidateRect(viewport_->Handle(), nullptr, TRUE);
    for (const auto& b : buttons_) InvalidateRect(b->Handle(), nullptr, FALSE);
}

void ClipField::Place(const RECT& bounds) {
    size_ = {std::max(0L, bounds.right - bounds.left), std::max(0L, bounds.bottom - bounds.top)};
    MoveWindow(Handle(), bounds.left, bounds.top, size_.cx, size_.cy, TRUE);
    UpdateScrollBars();
}

void ClipField::SetContentSize(int width, int height) {
    content_ = {width, height};
    UpdateScrollBars();
}

// A bar shows only when the content does not fit; showing one narrows the room for the other.
void ClipField::UpdateScrollBars() {
    bool need_h = content_.cx > size_.cx;
    bool need_v = content_.cy > size_.cy;
    if (need_v && !need_h) need_h = content_.cx > size_.cx - kScrollBarSide;
    if (need_h && !need_v) need_v = content_.cy > size_.cy - kScrollBarSide;
    const int view_w = std::max(0L, size_.cx - (need_v ? kScrollBarSide : 0));
    const int view_h = std::max(0L, size_.cy - (need_h ? kScrollBarSide : 0));
    const POINT offset{std::clamp(offset_.x, 0L, std::max(0L, content_.cx - view_w)),
                       std::clamp(offset_.y, 0L, std::max(0L, content_.cy - view_h))};
    const bool moved = offset.x != offset_.x || offset.y != offset_.y;
    offset_ = offset;
    MoveWindow(viewport_->Handle(), 0, 0, view_w, view_h, TRUE);
    MoveWindow(horizontal_, 0, view_h, view_w, kScrollBarSide, TRUE);
    MoveWindow(vertical_, view_w, 0, kScrollBarSide, view_h, TRUE);
    ShowWindow(horizontal_, need_h ? SW_SHOWNA : SW_HIDE);
    ShowWindow(vertical_, need_v ? SW_SHOWNA : SW_HIDE);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = std::max(0L, content_.cx - 1);
    info.nPage = static_cast<UINT>(view_w);
    info.nPos = offset_.x;
    SetScrollInfo(horizontal_, SB_CTL, &info, TRUE);
    info.nMax = std::max(0L, content_.cy - 1);
    info.nPage = static_cast<UINT>(view_h);
    info.nPos = offset_.y;
    SetScrollInfo(vertical_, SB_CTL, &info, TRUE);
    InvalidateRect(Handle(), nullptr, TRUE);
    if (moved) on_scroll_(offset_);
}

// Moves the content as the scroll bar asks, while the thumb is dragged too (live tracking).
void ClipField::Scroll(int bar, WPARAM request) {
    HWND control = bar == SB_HORZ ? horizontal_ : vertical_;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(control, SB_CTL, &info);
    int pos = info.nPos;
    const int page = static_cast<int>(info.nPage);
    switch (LOWORD(request)) {
        case SB_LINEUP: pos -= kLineStep; break;
        case SB_LINEDOWN: pos += kLineStep; break;
        case SB_PAGEUP: pos -= page; break;
        case SB_PAGEDOWN: pos += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: pos = info.nTrackPos; break;
        case SB_TOP: pos = 0; break;
        case SB_BOTTOM: pos = info.nMax; break;
        default: return;
    }
    pos = std::clamp(pos, 0, std::max(0, info.nMax - page + 1));
    LONG& offset = bar == SB_HORZ ? offset_.x : offset_.y;
    if (offset == pos) return;
    offset = pos;
    SetScrollPos(control, SB_CTL, pos, TRUE);
    on_scroll_(offset_);
    InvalidateRect(viewport_->Handle(), nullptr, TRUE);
}

LRESULT ClipField::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(Handle(), &client);
            FillSolid(reinterpret_cast<HDC>(wparam), client, back_);
            return 1;
        }
        case WM_HSCROLL: Scroll(SB_HORZ, wparam); return 0;
        case WM_VSCROLL: Scroll(SB_VERT, wparam); return 0;
        case WM_MOUSEWHEEL:
            Scroll(SB_VERT, GET_WHEEL_DELTA_WPARAM(wparam) > 0 ? SB_LINEUP : SB_LINEDOWN);
            return 0;
        case WM_CTLCOLORSCROLLBAR: return reinterpret_cast<LRESULT>(back_brush_.get());
        default: return DefaultHandling(message, wparam, lparam);
    }
}

ClipField::Button* ClipField::At(int n) const {
    return n >= 1 && n <= ButtonCount() ? buttons_[static_cast<std::size_t>(n - 1)].get() : nullptr;
}

bool ClipField::CreateButton(const RECT& bounds) {
    auto button = std::make_unique<Button>(*this, ButtonCount() + 1);
    if (!button->Create(viewport_->Handle(), bounds)) return false;
    buttons_.push_back(std::move(button));
    return true;
}

void ClipField::MoveButton(int n, const RECT& bounds) {
    if (Button* b = At(n)) {
        MoveWindow(b->Handle(), bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, TRUE);
    }
}

// From the last to the first, as they were made.
void ClipField::FreeButtons() {
    while (!buttons_.empty()) buttons_.pop_back();
}

HWND ClipField::ButtonHandle(int n) const {
    const Button* b = At(n);
    return b != nullptr ? b->Handle() : nullptr;
}

void ClipField::SetRaised(int n, bool raised) {
    if (Button* b = At(n)) b->SetRaised(raised);
}

void ClipField::LoadPicture(int n, const std::filesystem::path& bitmap) {
    Button* b = At(n);
    if (b == nullptr) return;
    if (auto picture = LoadBmp(bitmap)) b->SetPicture(std::move(picture));
}

void ClipField::ClearPicture(int n) {
    if (Button* b = At(n)) b->SetPicture(std::nullopt);
}

}  // namespace torvane
