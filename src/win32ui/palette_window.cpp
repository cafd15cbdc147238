#include "win32ui/palette_window.h"

#include <windowsx.h>

#include <string>

#include "app/palette_hit_test.h"
#include "platform/win32/gdi_objects.h"

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

}  // namespace

bool PaletteWindow::Create(TForm1& form) {
    form_ = &form;
    const TWindowBounds& b = form.Geometry.Form1;
    WindowSpec spec;
    spec.class_name = kClassName;
    spec.title = kCaption;
    spec.style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU;
    spec.ex_style = WS_EX_APPWINDOW;
    spec.bounds = {b.Left, b.Top, b.Left + b.Width, b.Top + b.Height};
    spec.class_style = CS_HREDRAW | CS_VREDRAW;
    return CreateWindowOf(spec);
}

LRESULT PaletteWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST: {
            POINT pt{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            RECT rect{};
            GetWindowRect(Handle(), &rect);
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
            if (wparam == kMonitorTimer || wparam == kTrackingTimer) return 0;
            break;
        case WM_QUERYENDSESSION:
            form_->MonitorStop();
            Close();
            return TRUE;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wparam, lparam);
}

void PaletteWindow::Close() {
    if (closed_) return;
    closed_ = true;
    form_->FormClose();
    DestroyWindow(Handle());
}

// Background `Shape1` with its 2-pixel edge, the monitor indicator `Shape2` and the page label.
void PaletteWindow::Paint() {
    const PaintDc paint(Handle());
    const HDC dc = paint.get();
    RECT client{};
    GetClientRect(Handle(), &client);
    const auto back = static_cast<COLORREF>(form_->ColBacc);
    const auto edge = static_cast<COLORREF>(form_->ColEdge);
    FillSolid(dc, client, edge);
    RECT inside{client.left + 2, client.top + 2, client.right - 2, client.bottom - 2};
    FillSolid(dc, inside, back);

    const COLORREF indicator = form_->LocateLoc == 1 ? RGB(0x80, 0x80, 0x80) : RGB(0xFF, 0, 0);
    const GdiBrush brush = SolidBrush(indicator);
    const GdiPen pen = SolidPen(1, indicator);
    {
        const SelectedObject with_brush(dc, brush.get());
        const SelectedObject with_pen(dc, pen.get());
        if (monitor_running_) {
            Ellipse(dc, 4, 4, 14, 14);
        } else {
            Rectangle(dc, 4, 4, 14, 14);
        }
    }

    const int s = form_->SwSize;
    const bool landscape = client.right >= client.bottom;
    const int x = landscape ? 4 : 5 * s + 14;
    const int y = landscape ? 5 * s + 14 : 4;
    const GdiFont font = PixelFont(L"Arial", 13);
    const SelectedObject with_font(dc, font.get());
    SetBkColor(dc, back);
    SetTextColor(dc, edge == back ? RGB(0, 0, 0) : edge);
    const std::wstring label(page_label_.begin(), page_label_.end());
    TextOutW(dc, x, y, label.c_str(), static_cast<int>(label.size()));
}

// The palette has no clip buttons yet: it shows an empty clip field.
void PaletteWindow::ClearButtonImage(int) {}
void PaletteWindow::LoadButtonImage(int, const std::filesystem::path&) {}
void PaletteWindow::SetButtonRaised(int) {}
void PaletteWindow::FreeClipButtons() {}

void PaletteWindow::SetPageLabel(std::u16string_view text) {
    page_label_ = text;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
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
        SetTimer(Handle(), kMonitorTimer, static_cast<UINT>(interval), nullptr);
    } else {
        KillTimer(Handle(), kMonitorTimer);
    }
}

void PaletteWindow::SetMonitorIndicator(bool running) {
    monitor_running_ = running;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void PaletteWindow::StartTrackingTimer(int interval) { SetTimer(Handle(), kTrackingTimer, static_cast<UINT>(interval), nullptr); }

void PaletteWindow::ReadWindowGeometry(TWindowGeometry& geometry) {
    RECT rect{};
    if (!Handle() || !GetWindowRect(Handle(), &rect)) return;
    geometry.Form1 = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void PaletteWindow::ApplyWindowGeometry(const TWindowGeometry& geometry) {
    const TWindowBounds& b = geometry.Form1;
    SetWindowPos(Handle(), nullptr, b.Left, b.Top, std::max(b.Width, kMinimumSide), std::max(b.Height, kMinimumSide),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The figure browser window comes later; its folder list lives in the form until then.
void PaletteWindow::SetBrowserFolders(const std::vector<std::u16string>&) {}
void PaletteWindow::CloseFigureBrowser() {}

void PaletteWindow::SetPanelColor(int) {
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void PaletteWindow::SetStayOnTop(bool on_top) {
    SetWindowPos(Handle(), on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PaletteWindow::SetTranslucent(int alpha) {
    SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

// The bottom strip's controls come with the palette layout; until then the inputs are kept
// here so that closing writes back what was read.
void PaletteWindow::SetPasteLists(const std::vector<std::u16string>&, const std::vector<std::u16string>&) {}
void PaletteWindow::SetPaletteInputs(const TPaletteInputs& inputs) { inputs_ = inputs; }
TPaletteInputs PaletteWindow::GetPaletteInputs() { return inputs_; }

}  // namespace torvane
