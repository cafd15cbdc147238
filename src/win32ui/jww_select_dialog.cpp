#include "win32ui/jww_select_dialog.h"

#include "platform/win32/wide_text.h"
#include "win32ui/child_controls.h"
#include "win32ui/modal_loop.h"
#include "win32ui/window_placement.h"

namespace torvane {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr int kClientWidth = 510;
constexpr int kClientHeight = 297;
constexpr int kFontPixels = 13;
constexpr int kTopBar = 28;
constexpr int kBottomBar = 38;
constexpr int kButtonWidth = 116;
constexpr int kButtonHeight = 26;
constexpr int kGap = 8;
// Small enough for any screen, large enough for the four buttons side by side.
constexpr int kMinimumClientWidth = 4 * (kButtonWidth + kGap) + kGap;
constexpr int kMinimumClientHeight = kTopBar + kBottomBar + 40;

}  // namespace

bool JwwSelectDialog::Create(HWND owner, TForm7& form) {
    form_ = &form;
    owner_ = owner;
    WindowParams params;
    params.class_name = L"TorvaneJwwSelectDialog";
    params.title = L"Jw_cad選択";
    params.style = kStyle;
    params.ex_style = kExStyle;
    params.bounds = FrameForClient(kClientWidth, kClientHeight, kStyle, kExStyle);
    params.parent = owner;
    if (!CreateWindowOf(params)) return false;
    font_ = PixelFont(L"Tahoma", kFontPixels);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    const RECT none{};
    note_ = CreateControl(Handle(), L"STATIC", L"起動中のJw_cadを選択して下さい", SS_LEFT | SS_CENTERIMAGE, none, 0,
                          font_.get());
    list_ = CreateControl(Handle(), L"LISTBOX", L"", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, none,
                          kJwwSelectList, font_.get(), WS_EX_CLIENTEDGE);
    const struct {
        const wchar_t* caption;
        int id;
        DWORD style;
    } buttons[] = {{L"ＯＫ(&Y)", IDOK, BS_DEFPUSHBUTTON},
                   {L"キャンセル(&N)", IDCANCEL, BS_PUSHBUTTON},
                   {L"選択しない(&S)", kJwwSelectNone, BS_PUSHBUTTON},
                   {L"直前のJw_cad(&J)", kJwwSelectLast, BS_PUSHBUTTON}};
    for (int i = 0; i < 4; ++i) {
        buttons_[i] = CreateControl(Handle(), L"BUTTON", buttons[i].caption, buttons[i].style | WS_TABSTOP, none,
                                    buttons[i].id, font_.get());
        if (buttons_[i] == nullptr) return false;
    }
    if (note_ == nullptr || list_ == nullptr) return false;
    RECT client{};
    GetClientRect(Handle(), &client);
    LayOut(client.right, client.bottom);
    PlaceWindow(Handle(), owner, form.Bounds);
    return true;
}

void JwwSelectDialog::LayOut(int width, int height) {
    MoveWindow(note_, kGap, 0, width - 2 * kGap, kTopBar, TRUE);
    MoveWindow(list_, 0, kTopBar, width, height - kTopBar - kBottomBar, TRUE);
    const int top = height - kBottomBar + (kBottomBar - kButtonHeight) / 2;
    for (int i = 0; i < 4; ++i) MoveWindow(buttons_[i], kGap + i * (kButtonWidth + kGap), top, kButtonWidth, kButtonHeight, TRUE);
}

void JwwSelectDialog::ShowModal() {
    const auto shown = [this] {
        form_->FormShow(*this);
        focus_.Set(list_);
    };
    RunModalLoop(Handle(), owner_, [this] { return closed_; }, shown);
    ReadBounds(Handle(), form_->Bounds);
}

void JwwSelectDialog::SetEntries(const std::vector<std::u16string>& entries) {
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const std::u16string& entry : entries) {
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideText(entry).c_str()));
    }
}

int JwwSelectDialog::SelectedIndex() {
    const LRESULT index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void JwwSelectDialog::Pause(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }
void JwwSelectDialog::BringToFront() { SetForegroundWindow(Handle()); }
void JwwSelectDialog::Close() { closed_ = true; }

void JwwSelectDialog::Command(int id, int code) {
    if (id == kJwwSelectList) {
        if (code == LBN_SELCHANGE) form_->ListBox1Click(*this);
        return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
        case IDOK: form_->OkClick(*this); break;
        case IDCANCEL: form_->CancelClick(*this); break;
        case kJwwSelectNone: form_->NoneClick(*this); break;
        case kJwwSelectLast: form_->LastJwwClick(*this); break;
        default: break;
    }
}

LRESULT JwwSelectDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND: Command(LOWORD(wparam), HIWORD(wparam)); return 0;
        case WM_SIZE: LayOut(LOWORD(lparam), HIWORD(lparam)); return 0;
        case WM_GETMINMAXINFO: {
            const RECT frame = FrameForClient(kMinimumClientWidth, kMinimumClientHeight, kStyle, kExStyle);
            reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize = {frame.right, frame.bottom};
            return 0;
        }
        case WM_ERASEBKGND: FillClient(Handle(), reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_BTNFACE)); return 1;
        case WM_ACTIVATE:
            if (focus_.Activate(Handle(), wparam)) return 0;
            break;
        case WM_CLOSE: form_->CancelClick(*this); return 0;
        default: return DefaultHandling(message, wparam, lparam);
    }
    return DefaultHandling(message, wparam, lparam);
}

}  // namespace torvane
