#include "win32ui/dialog_focus.h"

namespace torvane {

void DialogFocus::Set(HWND control) {
    focus_ = control;
    SetFocus(control);
}

bool DialogFocus::Activate(HWND window, WPARAM wparam) {
    if (LOWORD(wparam) == WA_INACTIVE) {
        HWND current = GetFocus();
        if (current != nullptr && IsChild(window, current)) focus_ = current;
        return false;
    }
    const bool minimized = HIWORD(wparam) != 0;
    if (minimized || focus_ == nullptr || !IsWindow(focus_) || !IsChild(window, focus_)) return false;
    SetFocus(focus_);
    return true;
}

}  // namespace torvane
