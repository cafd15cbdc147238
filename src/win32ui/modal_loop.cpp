#include "win32ui/modal_loop.h"

namespace torvane {

void RunModal(HWND owner, HWND window, const bool& closed, const std::function<void()>& shown,
              const MessageFilter& filter) {
    if (owner != nullptr) EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    shown();
    MSG msg{};
    while (!closed) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        if (filter && filter(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (owner != nullptr) EnableWindow(owner, TRUE);
}

}  // namespace torvane
