#include "win32ui/modal_loop.h"

namespace torvane {

void RunModalLoop(HWND window, HWND owner, const std::function<bool()>& done) {
    const bool owner_enabled = owner != nullptr && IsWindowEnabled(owner);
    if (owner_enabled) EnableWindow(owner, FALSE);
    MSG msg;
    while (!done() && IsWindow(window)) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (IsDialogMessageW(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (owner_enabled) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
}

}  // namespace torvane
