#include "win32ui/dialog_page.h"

namespace torvane {

bool DialogPage::Create(HWND dialog, const RECT& bounds, COLORREF back) {
    back_ = back;
    WindowParams params;
    params.class_name = L"TorvaneDialogPage";
    params.style = WS_CHILD | WS_CLIPSIBLINGS;
    params.ex_style = WS_EX_CONTROLPARENT;
    params.bounds = bounds;
    params.parent = dialog;
    return CreateWindowOf(params);
}

LRESULT DialogPage::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: return SendMessageW(GetParent(Handle()), message, wparam, lparam);
        case WM_ERASEBKGND: FillClient(Handle(), reinterpret_cast<HDC>(wparam), back_); return 1;
        default: return DefaultHandling(message, wparam, lparam);
    }
}

}  // namespace torvane
