#include "win32ui/clip_viewer_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>

#include "platform/win32/bitmap_blit.h"
#include "win32ui/child_controls.h"
#include "win32ui/modal_loop.h"
#include "win32ui/window_placement.h"

namespace torvane {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int kClientWidth = 602;
constexpr int kClientHeight = 474;
constexpr int kFontPixels = 13;
constexpr int kBarHeight = 25;
constexpr int kCloseWidth = 25;
constexpr int kZoomWidth = 40;
constexpr int kEditWidth = 9;
constexpr int kZoomFactors[] = {1, 2, 5, 10, 20, 50};
constexpr const wchar_t* kZoomCaptions[] = {L"１倍", L"２倍", L"５倍", L"10倍", L"20倍", L"50倍"};

}  // namespace

// The drawing area: shows the form's picture from its top-left corner on the panel's colour and
// passes a left click on the picture to the form.
class ClipViewerWindow::Drawing final : public WindowBase {
public:
    explicit Drawing(ClipViewerWindow& viewer) : viewer_(viewer) {}

    bool Create(HWND parent) {
        WindowParams params;
        params.class_name = L"TorvaneClipDrawing";
        params.style = WS_CHILD | WS_VISIBLE;
        params.parent = parent;
        return CreateWindowOf(params);
    }

    void SetPicture(std::optional<Bitmap> picture) {
        picture_ = std::move(picture);
        InvalidateRect(Handle(), nullptr, FALSE);
    }

private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
        switch (message) {
            case WM_PAINT: Paint(); return 0;
            case WM_ERASEBKGND: return 1;
            case WM_LBUTTONDOWN: {
                const int x = GET_X_LPARAM(lparam);
                const int y = GET_Y_LPARAM(lparam);
                if (picture_ && x < picture_->width && y < picture_->height) {
                    viewer_.form_->PictureMouseDown(viewer_, x, y);
                }
                return 0;
            }
            default: return DefaultHandling(message, wparam, lparam);
        }
    }

    void Paint() {
        const PaintDc paint(Handle());
        RECT client{};
        GetClientRect(Handle(), &client);
        // Only the part the picture leaves uncovered is filled, so a redraw does not flicker.
        const int saved = SaveDC(paint.get());
        if (picture_) ExcludeClipRect(paint.get(), 0, 0, picture_->width, picture_->height);
        FillSolid(paint.get(), client, GetSysColor(COLOR_BTNFACE));
        RestoreDC(paint.get(), saved);
        if (picture_) BlitBitmap(paint.get(), 0, 0, client.right, client.bottom, *picture_);
    }

    ClipViewerWindow& viewer_;
    std::optional<Bitmap> picture_;
};

ClipViewerWindow::ClipViewerWindow() : drawing_(std::make_unique<Drawing>(*this)) {}

ClipViewerWindow::~ClipViewerWindow() {
    if (tooltip_ != nullptr) DestroyWindow(tooltip_);
}

bool ClipViewerWindow::Create(HWND owner, TForm3& form) {
    form_ = &form;
    owner_ = owner;
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    WindowParams params;
    params.class_name = L"TorvaneClipViewer";
    params.title = L"Torvane";
    params.style = kStyle;
    params.bounds = FrameForClient(kClientWidth, kClientHeight, kStyle, 0);
    params.parent = owner;
    if (!CreateWindowOf(params) || !drawing_->Create(Handle())) return false;
    font_ = PixelFont(L"Tahoma", kFontPixels);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    const RECT none{};
    buttons_[0] = CreateControl(Handle(), L"BUTTON", L"×", BS_PUSHBUTTON, none, kViewerClose, font_.get());
    for (std::size_t i = 0; i < std::size(kZoomCaptions); ++i) {
        buttons_[i + 1] = CreateControl(Handle(), L"BUTTON", kZoomCaptions[i], BS_PUSHBUTTON, none,
                                        kViewerFirstZoom + static_cast<int>(i), font_.get());
    }
    edit_ = CreateControl(Handle(), L"EDIT", L"", ES_AUTOHSCROLL, none, kViewerEdit1, font_.get(), WS_EX_CLIENTEDGE);
    status_ = CreateControl(Handle(), STATUSCLASSNAMEW, L"", CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | SBARS_SIZEGRIP,
                            none, kViewerStatus, font_.get());
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                               0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    for (HWND button : buttons_) {
        if (button == nullptr) return false;
    }
    if (edit_ == nullptr || status_ == nullptr) return false;
    if (tooltip_ != nullptr) AddTooltip(tooltip_, buttons_[0], L"閉じる");
    RECT client{};
    GetClientRect(Handle(), &client);
    LayOut(client.right, client.bottom);
    PlaceWindow(Handle(), owner, form.Bounds);
    return true;
}

void ClipViewerWindow::LayOut(int width, int height) {
    const int bar = height - kBarHeight;
    MoveWindow(drawing_->Handle(), 0, 0, width, std::max(bar, 0), TRUE);
    int x = 0;
    MoveWindow(buttons_[0], x, bar, kCloseWidth, kBarHeight, TRUE);
    x += kCloseWidth;
    for (std::size_t i = 1; i < buttons_.size(); ++i, x += kZoomWidth) MoveWindow(buttons_[i], x, bar, kZoomWidth, kBarHeight, TRUE);
    MoveWindow(edit_, x, bar, kEditWidth, kBarHeight, TRUE);
    x += kEditWidth;
    MoveWindow(status_, x, bar, std::max(width - x, 0), kBarHeight, TRUE);
}

void ClipViewerWindow::ShowModal() {
    const auto shown = [this] {
        UpdateWindow(Handle());
        form_->FormShow(*this);
        FocusEdit1();
    };
    RunModalLoop(Handle(), owner_, [this] { return closed_; },
                 shown,
                 [this](MSG& msg) { return FilterMessage(msg); });
    Close();
}

bool ClipViewerWindow::FilterMessage(const MSG& msg) {
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
    if (msg.message == WM_KEYDOWN) return form_->KeyDown(*this, static_cast<int>(msg.wParam));
    if (msg.message == WM_MOUSEWHEEL) {
        form_->MouseWheel(*this, GET_WHEEL_DELTA_WPARAM(msg.wParam));
        return true;
    }
    return false;
}

HWND ClipViewerWindow::DrawingArea() const { return drawing_->Handle(); }

TSize ClipViewerWindow::DrawingSize() {
    RECT client{};
    GetClientRect(drawing_->Handle(), &client);
    return {client.right, client.bottom};
}

void ClipViewerWindow::ShowPicture(const Bitmap& picture) { drawing_->SetPicture(picture); }
void ClipViewerWindow::ClearPicture() { drawing_->SetPicture(std::nullopt); }
void ClipViewerWindow::SetStatusText(std::u16string_view text) { SetControlText(status_, text); }
void ClipViewerWindow::FocusEdit1() { focus_.Set(edit_); }
// The form lets go of the document and the shared view at once, before whatever closes the
// viewer (the palette closing, say) goes on.
void ClipViewerWindow::Close() {
    if (closed_) return;
    closed_ = true;
    ReadBounds(Handle(), form_->Bounds);
    form_->FormClose(*this);
}

void ClipViewerWindow::Command(int id) {
    if (id == kViewerClose) {
        Close();
    } else if (id >= kViewerFirstZoom && id < kViewerFirstZoom + static_cast<int>(std::size(kZoomFactors))) {
        form_->ZoomButtonClick(*this, kZoomFactors[id - kViewerFirstZoom]);
    }
}

LRESULT ClipViewerWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wparam) == BN_CLICKED) Command(LOWORD(wparam));
            return 0;
        case WM_SIZE: LayOut(LOWORD(lparam), HIWORD(lparam)); return 0;
        case WM_ERASEBKGND: FillClient(Handle(), reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_BTNFACE)); return 1;
        case WM_ACTIVATE:
            if (focus_.Activate(Handle(), wparam)) return 0;
            break;
        case WM_CLOSE: Close(); return 0;
        default: return DefaultHandling(message, wparam, lparam);
    }
    return DefaultHandling(message, wparam, lparam);
}

}  // namespace torvane
