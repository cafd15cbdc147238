#include "win32ui/clip_search_window.h"

#include <commctrl.h>

#include "win32ui/child_controls.h"
#include "win32ui/window_placement.h"

namespace torvane {
namespace {

enum ControlId : int { kTextId = 301, kCountId };

constexpr UINT_PTR kPauseTimer = 1;
constexpr int kClientWidth = 440;
constexpr int kClientHeight = 340;
constexpr int kBar = 28;
constexpr int kMargin = 4;
constexpr int kFieldHeight = 22;
constexpr int kCountWidth = 64;
constexpr int kFontPixels = 13;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

}  // namespace

ClipSearchWindow::ClipSearchWindow(TForm1& form, DeviceFactory device) : search_(*this, form, ui_, std::move(device)) {}

bool ClipSearchWindow::Create(HWND owner, const TWindowBounds& bounds) {
    WindowParams params;
    params.class_name = L"TorvaneClipSearch";
    params.title = L"クリップ検索";
    params.style = kStyle;
    params.parent = owner;
    const RECT frame = FrameForClient(kClientWidth, kClientHeight, kStyle, 0);
    params.bounds = {0, 0, frame.right - frame.left, frame.bottom - frame.top};
    if (!CreateWindowOf(params)) return false;
    PlaceWindow(Handle(), owner, bounds);
    ui_.SetOwner(Handle());
    font_ = PixelFont(L"ＭＳ Ｐゴシック", kFontPixels, SHIFTJIS_CHARSET);
    text_ = CreateControl(Handle(), L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, RECT{}, kTextId, font_.get(),
                          WS_EX_CLIENTEDGE);
    count_ = CreateControl(Handle(), L"STATIC", L"", SS_RIGHT | SS_CENTERIMAGE, kCountId, font_.get());
    if (text_ == nullptr || count_ == nullptr ||
        !pane_.Create(Handle(), TClipSearch::PictureCount,
                      {[this](int tag) { search_.ResultClick(tag); }, nullptr,
                       [this](int position) { search_.ScrollChange(position); }})) {
        return false;
    }
    SetWindowSubclass(text_, TextFieldProc, 0, reinterpret_cast<DWORD_PTR>(this));
    LayOut();
    return true;
}

void ClipSearchWindow::LayOut() {
    RECT client{};
    GetClientRect(Handle(), &client);
    PlaceChild(text_, kMargin, 3, client.right - 3 * kMargin - kCountWidth, kFieldHeight);
    PlaceChild(count_, client.right - kMargin - kCountWidth, 3, kCountWidth, kFieldHeight);
    pane_.Place({0, kBar, client.right, client.bottom});
}

void ClipSearchWindow::Open(bool on_top) {
    SetWindowPos(Handle(), on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    SetFocus(text_);
    SendMessageW(text_, EM_SETSEL, 0, -1);
    UpdateWindow(Handle());
    search_.FormShow(WindowText(text_));
}

TWindowBounds ClipSearchWindow::Bounds() const {
    TWindowBounds bounds;
    ReadBounds(Handle(), bounds);
    return bounds;
}

void ClipSearchWindow::StartPauseTimer(int milliseconds) {
    SetTimer(Handle(), kPauseTimer, static_cast<UINT>(milliseconds), nullptr);
}

void ClipSearchWindow::StopPauseTimer() { KillTimer(Handle(), kPauseTimer); }

void ClipSearchWindow::SetResultCount(std::u16string_view text) { SetControlText(count_, text); }

void ClipSearchWindow::CloseWindow() { ShowWindow(Handle(), SW_HIDE); }

LRESULT ClipSearchWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wparam) == kTextId && HIWORD(wparam) == EN_CHANGE) search_.TextChange(WindowText(text_));
            return 0;
        case WM_TIMER:
            if (wparam == kPauseTimer) search_.PauseElapsed();
            return 0;
        case WM_SIZE:
            LayOut();
            if (IsWindowVisible(Handle())) search_.Resize();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wparam) != WA_INACTIVE) SetFocus(text_);
            return 0;
        case WM_CLOSE: search_.EscapeKey(); return 0;
        default: break;
    }
    return DefaultHandling(message, wparam, lparam);
}

// Enter and Escape in the text field: the first result and closing, without the field's beep.
LRESULT CALLBACK ClipSearchWindow::TextFieldProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                                 DWORD_PTR self) {
    auto* window = reinterpret_cast<ClipSearchWindow*>(self);
    if (message == WM_KEYDOWN && (wparam == VK_RETURN || wparam == VK_ESCAPE)) {
        return ExceptionBarrier(field, 0, [&] {
            if (wparam == VK_RETURN) {
                window->search_.EnterKey();
            } else {
                window->search_.EscapeKey();
            }
            return LRESULT{0};
        });
    }
    if (message == WM_CHAR && (wparam == L'\r' || wparam == 0x1B)) return 0;
    if (message == WM_GETDLGCODE) return DefSubclassProc(field, message, wparam, lparam) | DLGC_WANTALLKEYS;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(field, TextFieldProc, id);
    return DefSubclassProc(field, message, wparam, lparam);
}

}  // namespace torvane
