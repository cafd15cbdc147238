#include "win32ui/modal_loop.h"

namespace torvane {

void RunModalLoop(HWND window, HWND owner, const std::function<bool()>& done, const std::function<void()>& shown,
                  const std::function<bool(MSG&)>& filter) {
    const bool owner_enabled = owner != nullptr && IsWindowEnabled(owner);
    if (owner_enabled) EnableWindow(owner, FALSE);
    if (shown) {
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        shown();
    }
    MSG msg{};
    while (!done() && IsWindow(window)) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        const bool handled = filter ? filter(msg) : IsDialogMessageW(window, &msg) != FALSE;
        if (handled) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (owner_enabled) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
}

}  // namespace torvane
