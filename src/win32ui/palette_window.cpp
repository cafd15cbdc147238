#include "win32ui/palette_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "app/palette_hit_test.h"
#include "platform/win32/wide_text.h"
#include "win32ui/clip_viewer_window.h"
#include "win32ui/figure_select_dialog.h"
#include "win32ui/jww_select_dialog.h"
#include "win32ui/settings_dialog.h"
#include "win32ui/window_placement.h"

namespace torvane {
namespace {

constexpr wchar_t kCaption[] = L"Torvane Ver.2.00";
constexpr UINT_PTR kMonitorTimer = 1;
constexpr UINT_PTR kTrackingTimer = 2;
constexpr UINT_PTR kCloseTimer = 3;
constexpr UINT kForegroundChanged = WM_APP + 1;
constexpr int kFirstCommandId = 100;
constexpr UINT kFirstMenuId = 1000;
// Fonts in pixels at 96 dots per inch: the palette is not scaled by the screen's resolution.
constexpr int kWindowFontPixels = 13;
constexpr int kLabelFontPixels = 13;
constexpr int kEdgeWidth = 2;

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

RECT ToRect(const TRect& r) { return {r.Left, r.Top, r.Left + r.Width, r.Top + r.Height}; }

void MoveTo(HWND window, const TRect& r) { MoveWindow(window, r.Left, r.Top, r.Width, r.Height, TRUE); }

// The popup menu from the command table; commands become item ids from kFirstMenuId on.
HMENU BuildMenu(std::span<const TMenuItem> items, bool clip_items) {
    HMENU menu = CreatePopupMenu();
    for (const TMenuItem& item : items) {
        const std::wstring caption = WideText(item.Caption);
        const UINT enabled = MenuItemEnabled(item, clip_items) ? MF_ENABLED : MF_GRAYED;
        if (!item.Submenu.empty()) {
            AppendMenuW(menu, MF_POPUP | enabled, reinterpret_cast<UINT_PTR>(BuildMenu(item.Submenu, clip_items)),
                        caption.c_str());
        } else {
            AppendMenuW(menu, MF_STRING | enabled, kFirstMenuId + static_cast<UINT>(item.Command), caption.c_str());
        }
        if (item.SeparatorAfter) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    }
    return menu;
}

TMouseButton MouseOf(UINT message) {
    return message == WM_RBUTTONDOWN ? TMouseButton::Right
           : message == WM_MBUTTONDOWN ? TMouseButton::Middle
                                       : TMouseButton::Left;
}

}  // namespace

PaletteWindow::~PaletteWindow() {
    if (tooltip_ != nullptr) DestroyWindow(tooltip_);
}

bool PaletteWindow::Create(TForm1& form) {
    form_ = &form;
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WindowParams params;
    params.class_name = L"TorvanePalette";
    params.title = kCaption;
    params.style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
    params.ex_style = WS_EX_APPWINDOW;
    params.bounds = {32, 32, 32 + 400, 32 + 240};
    if (!CreateWindowOf(params)) return false;
    window_font_ = PixelFont(L"Tahoma", kWindowFontPixels);
    label_font_ = PixelFont(L"Arial", kLabelFontPixels);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(window_font_.get()), FALSE);
    const bool made =
        CreateCommandButtons() &&
        field_.Create(
            Handle(), [this](int n, TMouseButton mouse, POINT at) { form_->ClipMouseDown(n, mouse, at.x, at.y); },
            [this](POINT offset) { form_->ClipFieldScroll(offset.x, offset.y); }) &&
        strip_.Create(Handle(), window_font_.get());
    RECT client{};
    GetClientRect(Handle(), &client);
    form_->FormResize(client.right, client.bottom);
    return made;
}

bool PaletteWindow::CreateCommandButtons() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0,
                               Handle(), nullptr, instance, nullptr);
    for (int i = 0; i < CommandButtonCount; ++i) {
        const TCommandButton& command = PaletteCommandButtons()[static_cast<std::size_t>(i)];
        HWND button = CreateWindowExW(0, L"BUTTON", WideText(command.Caption).c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                      0, 0, 16, 16, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstCommandId + i)),
                                      instance, nullptr);
        if (button == nullptr) return false;
        commands_[static_cast<std::size_t>(i)] = button;
        SetWindowSubclass(button, CommandButtonProc, static_cast<UINT_PTR>(i), reinterpret_cast<DWORD_PTR>(this));
        if (tooltip_ != nullptr) {
            std::wstring tip = WideText(command.Tooltip);
            TTTOOLINFOW info{};
            info.cbSize = sizeof info;
            info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            info.hwnd = Handle();
            info.uId = reinterpret_cast<UINT_PTR>(button);
            info.lpszText = tip.data();
            SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        }
    }
    ApplyCommandFont();
    return true;
}

// The captions' font: "ＭＳ ゴシック" at the style's point size, counted at 96 dots per inch.
void PaletteWindow::ApplyCommandFont() {
    command_font_ = PixelFont(L"ＭＳ ゴシック", MulDiv(style_.CommandFontPoints, 96, 72), SHIFTJIS_CHARSET);
    for (HWND button : commands_) SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(command_font_.get()), TRUE);
}

// Right (and middle) button presses on a command button go to the form; left clicks arrive as
// BN_CLICKED in the palette.
LRESULT CALLBACK PaletteWindow::CommandButtonProc(HWND button, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR index,
                                                  DWORD_PTR self) {
    if (message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
        auto* palette = reinterpret_cast<PaletteWindow*>(self);
        return ExceptionBarrier(button, 0, [&] {
            palette->form_->CommandButtonMouseDown(static_cast<int>(index), MouseOf(message), GET_X_LPARAM(lparam),
                                                   GET_Y_LPARAM(lparam));
            return LRESULT{0};
        });
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(button, CommandButtonProc, index);
    return DefSubclassProc(button, message, wparam, lparam);
}

LRESULT PaletteWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: Paint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_NCHITTEST: {
            RECT rect{};
            GetWindowRect(Handle(), &rect);
            return HitCode(PaletteHitTest(GET_X_LPARAM(lparam) - rect.left, GET_Y_LPARAM(lparam) - rect.top,
                                          rect.right - rect.left, rect.bottom - rect.top, form_->LocateLoc == 1));
        }
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
            info->ptMinTrackSize = {PaletteMinimumSide, PaletteMinimumSide};
            return 0;
        }
        case WM_SIZE: form_->FormResize(LOWORD(lparam), HIWORD(lparam)); return 0;
        case WM_SETCURSOR:
            if (cursor_ != nullptr) {
                ::SetCursor(cursor_);
                return TRUE;
            }
            break;
        case WM_COMMAND:
            if (HIWORD(wparam) == BN_CLICKED && LOWORD(wparam) >= kFirstCommandId &&
                LOWORD(wparam) < kFirstCommandId + CommandButtonCount) {
                form_->CommandButtonMouseDown(LOWORD(wparam) - kFirstCommandId, TMouseButton::Left, 0, 0);
                return 0;
            }
            break;
        case WM_ACTIVATEAPP:
            if (wparam) form_->ApplicationActivate();
            return 0;
        case WM_TIMER:
            if (wparam == kMonitorTimer) form_->Timer1Timer();
            if (wparam == kTrackingTimer) form_->Timer2Timer();
            if (wparam == kCloseTimer) {
                KillTimer(Handle(), kCloseTimer);
                Close();
            }
            return 0;
        case kForegroundChanged:
            if (tracking_) form_->Timer2Timer();
            return 0;
        case WM_CLIPBOARDUPDATE:
            form_->ClipboardUpdate();
            return 0;
        case WM_QUERYENDSESSION: return form_->WMQueryEndSession() ? TRUE : FALSE;
        case WM_CLOSE: Close(); return 0;
        case WM_DESTROY:
            foreground_.Stop();
            PostQuitMessage(0);
            return 0;
        default: break;
    }
    return DefaultHandling(message, wparam, lparam);
}

void PaletteWindow::Close() {
    if (closed_) return;
    // The figure selection dialog reads into the form's documents: it ends first (its message
    // box too), the palette right after it.
    if (figure_dialog_ != nullptr) {
        PostMessageW(GetLastActivePopup(figure_dialog_->Handle()), WM_COMMAND, IDCANCEL, 0);
        figure_dialog_->Form().CancelClick();
        close_after_dialog_ = true;
        return;
    }
    // The figure browser is inside a dialog of its own: that dialog is cancelled, and the palette
    // closes once the browser is done.
    if (browser_ && browser_->Busy()) {
        PostMessageW(GetLastActivePopup(browser_->Handle()), WM_COMMAND, IDCANCEL, 0);
        SetTimer(Handle(), kCloseTimer, 50, nullptr);
        return;
    }
    closed_ = true;
    // A modal window over the palette closes first: its form still uses the palette's objects.
    if (HWND popup = GetLastActivePopup(Handle()); popup != Handle()) SendMessageW(popup, WM_CLOSE, 0, 0);
    form_->FormClose();
    DestroyWindow(Handle());
}

// The background with its edge, the monitor indicator and the page label.
void PaletteWindow::Paint() {
    const PaintDc paint(Handle());
    const HDC dc = paint.get();
    RECT client{};
    GetClientRect(Handle(), &client);
    const RECT back = ToRect(layout_.Background);
    FillSolid(dc, client, static_cast<COLORREF>(style_.Background));
    FillSolid(dc, back, static_cast<COLORREF>(style_.Edge));
    const RECT inside{back.left + kEdgeWidth, back.top + kEdgeWidth, back.right - kEdgeWidth, back.bottom - kEdgeWidth};
    if (inside.right > inside.left && inside.bottom > inside.top) FillSolid(dc, inside, static_cast<COLORREF>(style_.Background));

    const auto indicator_color = static_cast<COLORREF>(style_.Indicator);
    const GdiBrush brush = SolidBrush(indicator_color);
    const GdiPen pen = SolidPen(1, indicator_color);
    {
        const SelectedObject with_brush(dc, brush.get());
        const SelectedObject with_pen(dc, pen.get());
        const RECT r = ToRect(layout_.Indicator);
        if (monitor_running_) {
            Ellipse(dc, r.left, r.top, r.right, r.bottom);
        } else {
            Rectangle(dc, r.left, r.top, r.right, r.bottom);
        }
    }
    const SelectedObject with_font(dc, label_font_.get());
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, static_cast<COLORREF>(style_.Background));
    SetTextColor(dc, static_cast<COLORREF>(style_.LabelText));
    TextOutW(dc, layout_.PageLabel.Left, layout_.PageLabel.Top, page_label_.c_str(), static_cast<int>(page_label_.size()));
}

void PaletteWindow::SetPaletteStyle(const TPaletteStyle& style) {
    const bool font_changed = style.CommandFontPoints != style_.CommandFontPoints;
    style_ = style;
    if (font_changed) ApplyCommandFont();
    field_.SetColors(static_cast<COLORREF>(style.Background), static_cast<COLORREF>(style.ClipButton));
    strip_.SetColor(static_cast<COLORREF>(style.Background));
    InvalidateRect(Handle(), nullptr, FALSE);
}

void PaletteWindow::LayOut(const TPaletteLayout& layout) {
    layout_ = layout;
    for (std::size_t i = 0; i < commands_.size(); ++i) MoveTo(commands_[i], layout.Buttons[i]);
    field_.Place(ToRect(layout.ClipField));
    strip_.Place(ToRect(layout.BottomStrip));
    InvalidateRect(Handle(), nullptr, FALSE);
}

void PaletteWindow::SetClipFieldRange(const TSize& content) { field_.SetContentSize(content.Width, content.Height); }

bool PaletteWindow::CreateClipButton(int button, const TRect& rect) {
    return button == field_.ButtonCount() + 1 && field_.CreateButton(ToRect(rect));
}

void PaletteWindow::PlaceClipButton(int button, const TRect& rect) { field_.MoveButton(button, ToRect(rect)); }
void PaletteWindow::FreeClipButtons() { field_.FreeButtons(); }
void PaletteWindow::ClearButtonImage(int button) { field_.ClearPicture(button); }
void PaletteWindow::LoadButtonImage(int button, const std::filesystem::path& bitmap) { field_.LoadPicture(button, bitmap); }
void PaletteWindow::SetButtonRaised(int button) { field_.SetRaised(button, true); }
void PaletteWindow::SetButtonLowered(int button) { field_.SetRaised(button, false); }

void PaletteWindow::SetPageLabel(std::u16string_view text) {
    page_label_ = WideText(text);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void PaletteWindow::OpenMenu(int screen_x, int screen_y, bool clip_items) {
    HMENU menu = BuildMenu(PaletteMenu(), clip_items);
    // The palette must be in front, or the menu does not close when the user clicks elsewhere.
    SetForegroundWindow(Handle());
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, screen_x, screen_y, 0, Handle(), nullptr));
    DestroyMenu(menu);
    PostMessageW(Handle(), WM_NULL, 0, 0);
    if (chosen >= kFirstMenuId) form_->MenuCommand(static_cast<TPaletteCommand>(chosen - kFirstMenuId));
}

// Painting only (and what other threads send): clicks, keys and timers wait until the operation
// that asked is done, so that none acts on a half-built palette, a freed button or a row that
// is still moving.
void PaletteWindow::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE)) {
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

void PaletteWindow::SetClipboardListener(bool listening) {
    if (listening == listening_) return;
    // Without the listener the monitor's timer still finds every copy, only later.
    listening_ = listening ? AddClipboardFormatListener(Handle()) != 0 : !RemoveClipboardFormatListener(Handle());
}

void PaletteWindow::SetMonitorIndicator(bool running) {
    monitor_running_ = running;
    const RECT r = ToRect(layout_.Indicator);
    InvalidateRect(Handle(), &r, FALSE);
}

void PaletteWindow::StartTrackingTimer(int interval) {
    SetTimer(Handle(), kTrackingTimer, static_cast<UINT>(interval), nullptr);
    tracking_ = true;
    foreground_.Start(Handle(), kForegroundChanged);
}

void PaletteWindow::StopTrackingTimer() {
    KillTimer(Handle(), kTrackingTimer);
    tracking_ = false;
}

void PaletteWindow::ReadWindowGeometry(TWindowGeometry& geometry) {
    if (Handle() != nullptr) ReadBounds(Handle(), geometry.Form1);
    if (search_) geometry.ClipSearch = search_->Bounds();
}

void PaletteWindow::ApplyWindowGeometry(const TWindowGeometry& geometry) {
    const TWindowBounds& b = geometry.Form1;
    const TRect shown = OnScreen({b.Left, b.Top, std::max(b.Width, PaletteMinimumSide), std::max(b.Height, PaletteMinimumSide)});
    SetWindowPos(Handle(), nullptr, shown.Left, shown.Top, shown.Width, shown.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PaletteWindow::SetPanelColor(int color) { strip_.SetColor(static_cast<COLORREF>(color)); }

void PaletteWindow::SetStayOnTop(bool on_top) {
    SetWindowPos(Handle(), on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PaletteWindow::SetTranslucent(int alpha) {
    SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), 0, static_cast<BYTE>(std::clamp(alpha, 0, 255)), LWA_ALPHA);
}

void PaletteWindow::SetPasteLists(const std::vector<std::u16string>& scales, const std::vector<std::u16string>& angles) {
    strip_.SetLists(scales, angles);
}

void PaletteWindow::SetPaletteInputs(const TPaletteInputs& inputs) { strip_.SetInputs(inputs); }
TPaletteInputs PaletteWindow::GetPaletteInputs() { return strip_.GetInputs(); }

void PaletteWindow::SetCursor(TPaletteCursor cursor) {
    const wchar_t* shape = cursor == TPaletteCursor::Busy          ? IDC_WAIT
                           : cursor == TPaletteCursor::AppStarting ? IDC_APPSTARTING
                                                                   : nullptr;
    cursor_ = shape != nullptr ? LoadCursorW(nullptr, shape) : nullptr;
    ::SetCursor(cursor_ != nullptr ? cursor_ : LoadCursorW(nullptr, IDC_ARROW));
}

void PaletteWindow::BringToFront() { SetForegroundWindow(Handle()); }
void PaletteWindow::ClosePalette() { Close(); }

void PaletteWindow::ShowSettingsDialog(TForm2& dialog) {
    SettingsDialog window;
    if (window.Create(Handle(), dialog)) window.ShowModal();
}

void PaletteWindow::ShowJwwSelectDialog(TForm7& dialog) {
    JwwSelectDialog window;
    if (window.Create(Handle(), dialog)) window.ShowModal();
}

void PaletteWindow::ShowClipViewer(TForm3& viewer) {
    ClipViewerWindow window;
    if (window.Create(Handle(), viewer)) window.ShowModal();
}

void PaletteWindow::SetBrowserFolders(const std::vector<std::u16string>& folders) {
    if (!browser_) return;
    const bool chosen = form_->ZukeiBrwF >= 0 && form_->ZukeiBrwF < static_cast<int>(folders.size());
    browser_->SetFolderList(folders, chosen ? form_->ZukeiBrwF : -1);
}

// The browser is made at its first opening, where it was last, and kept until the palette closes.
void PaletteWindow::ShowFigureBrowser(int alpha, bool on_top) {
    if (!browser_) {
        auto browser = std::make_unique<FigureBrowserWindow>(*form_);
        if (!browser->Create(form_->Geometry.Form6)) return;
        browser_ = std::move(browser);
    }
    browser_->Open(alpha, on_top);
}

// The search window is made at its first opening, where it was last, and kept until the palette closes.
void PaletteWindow::ShowClipSearch(bool on_top) {
    if (!search_) {
        auto search = std::make_unique<ClipSearchWindow>(*form_);
        if (!search->Create(Handle(), form_->Geometry.ClipSearch)) return;
        search_ = std::move(search);
    }
    search_->Open(on_top);
}

bool PaletteWindow::PaletteShortcut(const MSG& msg) {
    const bool ctrl_f = msg.message == WM_KEYDOWN && msg.wParam == 'F' && (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (!ctrl_f || Handle() == nullptr || GetAncestor(msg.hwnd, GA_ROOT) != Handle()) return false;
    ExceptionBarrier(Handle(), 0, [this] {
        form_->MenuCommand(TPaletteCommand::ClipSearch);
        return LRESULT{0};
    });
    return true;
}

void PaletteWindow::SetFigureBrowserTranslucent(int alpha) {
    if (browser_) browser_->SetTranslucent(alpha);
}

// Destroyed without being hidden first: the palette is closing.
void PaletteWindow::CloseFigureBrowser() {
    if (!browser_) return;
    if (IsWindowVisible(browser_->Handle())) browser_->Form().FormClose();
    form_->Geometry.Form6 = browser_->Bounds();
    browser_.reset();
}

bool PaletteWindow::ShowFigureSelectDialog(TFigureSelection& selection) {
    if (!form_->JWS || !form_->JWK) return false;
    FigureSelectDialog dialog(*form_->JWS, *form_->JWK);
    figure_dialog_ = &dialog;
    bool chosen = false;
    if (dialog.Open(Handle(), selection, form_->Geometry)) {
        dialog.RunModal();
        chosen = dialog.Finish(selection, form_->Geometry);
    }
    figure_dialog_ = nullptr;
    if (!std::exchange(close_after_dialog_, false)) return chosen;
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
    return false;
}

}  // namespace torvane
