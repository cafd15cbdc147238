#include "platform/win32/ui/palette_window.h"

#include <windowsx.h>

#include <string>

#include "app/palette_hit_test.h"

namespace torvane {
namespace {

constexpr wchar_t kClassName[] = L"TorvanePalette";
constexpr wchar_t kCaption[] = L"Torvane Ver.2.00";
constexpr UINT_PTR kMonitorTimer = 1;
constexpr UINT_PTR kTrackingTimer = 2;
constexpr int kMinimumSide = 16;

LRESULT HitCode(PaletteHit hit) {
    switch (hit) {
        case PaletteHit::Client: return HTCLIENT;
        case PaletteHit::Caption: return HTCAPTION;
        case PaletteHit::Left: return HTLEFT;
        case PaletteHit::Right: return HTRIGHT;
        case PaletteHit::Top: return HTTOP;
        case PaletteHit::Bottom: return HTBOTTOM;
        case PaletteHit::TopLeft: return HTTOPLEFT;
        case PaletteHit::TopRight: return HTTOPRIGHT;
        case PaletteHit::BottomLeft: return HTBOTTOMLEFT;
        case PaletteHit::BottomRight: return HTBOTTOMRIGHT;
    }
    return HTCLIENT;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

}  // namespace

PaletteWindow::PaletteWindow(HINSTANCE instance) : instance_(instance) {}

PaletteWindow::~PaletteWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool PaletteWindow::Create(TForm1& form) {
    form_ = &form;
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);
    const TWindowBounds& b = form.Geometry.Form1;
    hwnd_ = CreateWindowExW(WS_EX_APPWINDOW, kClassName, kCaption, WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU, b.Left,
                            b.Top, b.Width, b.Height, nullptr, nullptr, instance_, this);
    return hwnd_ != nullptr;
}

LRESULT CALLBACK PaletteWindow::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<PaletteWindow*>(create->lpCreateParams)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<PaletteWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Handle(message, wparam, lparam) : DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT PaletteWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST: {
            POINT pt{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            RECT rect{};
            GetWindowRect(hwnd_, &rect);
            return HitCode(PaletteHitTest(pt.x - rect.left, pt.y - rect.top, rect.right - rect.left,
                                          rect.bottom - rect.top, form_->LocateLoc == 1));
        }
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
            info->ptMinTrackSize = {kMinimumSide, kMinimumSide};
            return 0;
        }
        case WM_ACTIVATEAPP:
            if (wparam) form_->ApplicationActivate();
            return 0;
        case WM_TIMER:
            if (wparam == kMonitorTimer) form_->Timer1Timer();
            if (wparam == kTrackingTimer) form_->Timer2Timer();
            return 0;
        case WM_SIZE:
            form_->FormResize(LOWORD(lparam), HIWORD(lparam));
            return 0;
        case WM_QUERYENDSESSION:
            return form_->WMQueryEndSession();
        case WM_CLOSE:
            Close();
            return 0;
        case WM_DESTROY:
            hwnd_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void PaletteWindow::Close() {
    if (closed_) return;
    closed_ = true;
    form_->FormClose();
    DestroyWindow(hwnd_);
}

// Background `Shape1` with its 2-pixel edge, the monitor indicator `Shape2` and the page label.
void PaletteWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client{};
    GetClientRect(hwnd_, &client);
    const auto back = static_cast<COLORREF>(form_->ColBacc);
    const auto edge = static_cast<COLORREF>(form_->ColEdge);
    FillSolid(dc, client, edge);
    RECT inside{client.left + 2, client.top + 2, client.right - 2, client.bottom - 2};
    FillSolid(dc, inside, back);

    const COLORREF indicator = form_->LocateLoc == 1 ? RGB(0x80, 0x80, 0x80) : RGB(0xFF, 0, 0);
    HBRUSH brush = CreateSolidBrush(indicator);
    HPEN pen = CreatePen(PS_SOLID, 1, indicator);
    HGDIOBJ old_brush = SelectObject(dc, brush);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    if (monitor_running_) {
        Ellipse(dc, 4, 4, 14, 14);
    } else {
        Rectangle(dc, 4, 4, 14, 14);
    }
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(brush);
    DeleteObject(pen);

    const int s = form_->SwSize;
    const bool landscape = client.right >= client.bottom;
    const int x = landscape ? 4 : 5 * s + 14;
    const int y = landscape ? 5 * s + 14 : 4;
    HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    HGDIOBJ old_font = SelectObject(dc, font);
    SetBkColor(dc, back);
    SetTextColor(dc, edge == back ? RGB(0, 0, 0) : edge);
    const std::wstring label(page_label_.begin(), page_label_.end());
    TextOutW(dc, x, y, label.c_str(), static_cast<int>(label.size()));
    SelectObject(dc, old_font);
    DeleteObject(font);
    EndPaint(hwnd_, &ps);
}

// The palette has no clip buttons yet: it shows an empty clip field.
void PaletteWindow::ClearButtonImage(int) {}
void PaletteWindow::LoadButtonImage(int, const std::filesystem::path&) {}
void PaletteWindow::SetButtonRaised(int) {}
void PaletteWindow::FreeClipButtons() {}

void PaletteWindow::SetPageLabel(std::u16string_view text) {
    page_label_ = text;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void PaletteWindow::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void PaletteWindow::SetMonitorTimer(bool enabled, int interval) {
    if (enabled) {
        SetTimer(hwnd_, kMonitorTimer, static_cast<UINT>(interval), nullptr);
    } else {
        KillTimer(hwnd_, kMonitorTimer);
    }
}

void PaletteWindow::SetMonitorIndicator(bool running) {
    monitor_running_ = running;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void PaletteWindow::StartTrackingTimer(int interval) { SetTimer(hwnd_, kTrackingTimer, static_cast<UINT>(interval), nullptr); }

void PaletteWindow::ReadWindowGeometry(TWindowGeometry& geometry) {
    RECT rect{};
    if (!hwnd_ || !GetWindowRect(hwnd_, &rect)) return;
    geometry.Form1 = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void PaletteWindow::ApplyWindowGeometry(const TWindowGeometry& geometry) {
    const TWindowBounds& b = geometry.Form1;
    SetWindowPos(hwnd_, nullptr, b.Left, b.Top, std::max(b.Width, kMinimumSide), std::max(b.Height, kMinimumSide),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The figure browser window comes later; its folder list lives in the form until then.
void PaletteWindow::SetBrowserFolders(const std::vector<std::u16string>&) {}
void PaletteWindow::CloseFigureBrowser() {}

void PaletteWindow::SetPanelColor(int) {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void PaletteWindow::SetStayOnTop(bool on_top) {
    SetWindowPos(hwnd_, on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PaletteWindow::SetTranslucent(int alpha) {
    SetWindowLongW(hwnd_, GWL_EXSTYLE, GetWindowLongW(hwnd_, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd_, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

// The bottom strip's controls come with the palette layout; until then the inputs are kept
// here so that closing writes back what was read.
void PaletteWindow::SetPasteLists(const std::vector<std::u16string>&, const std::vector<std::u16string>&) {}
void PaletteWindow::SetPaletteInputs(const TPaletteInputs& inputs) { inputs_ = inputs; }
TPaletteInputs PaletteWindow::GetPaletteInputs() { return inputs_; }

// The palette's parts beyond the background, indicator and label come with the palette window.
void PaletteWindow::SetPaletteStyle(const TPaletteStyle&) {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}
void PaletteWindow::LayOut(const TPaletteLayout&) {}
void PaletteWindow::SetClipFieldRange(const TSize&) {}
bool PaletteWindow::CreateClipButton(int, const TRect&) { return true; }
void PaletteWindow::PlaceClipButton(int, const TRect&) {}
void PaletteWindow::SetButtonLowered(int) {}
void PaletteWindow::OpenMenu(int, int, bool) {}

void PaletteWindow::SetCursor(TPaletteCursor cursor) {
    const wchar_t* shape = cursor == TPaletteCursor::Busy          ? IDC_WAIT
                           : cursor == TPaletteCursor::AppStarting ? IDC_APPSTARTING
                                                                   : IDC_ARROW;
    ::SetCursor(LoadCursorW(nullptr, shape));
}

void PaletteWindow::BringToFront() { SetForegroundWindow(hwnd_); }
void PaletteWindow::ClosePalette() { Close(); }
void PaletteWindow::StopTrackingTimer() { KillTimer(hwnd_, kTrackingTimer); }

// The dialogs and the other windows come later.
bool PaletteWindow::ShowSettingsDialog() { return false; }
std::optional<WindowHandle> PaletteWindow::ShowJwwSelectDialog() { return std::nullopt; }
void PaletteWindow::ShowClipViewer(const std::filesystem::path&) {}
void PaletteWindow::ShowFigureBrowser(int, bool) {}
void PaletteWindow::ShowFigureImport(int) {}

}  // namespace torvane
