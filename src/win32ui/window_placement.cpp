#include "win32ui/window_placement.h"

namespace torvane {

RECT FrameForClient(int width, int height, DWORD style, DWORD ex_style) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    OffsetRect(&frame, -frame.left, -frame.top);
    return frame;
}

void PlaceWindow(HWND window, HWND owner, const TRect& bounds) {
    RECT now{};
    GetWindowRect(window, &now);
    const bool sized = bounds.Width > 0 && bounds.Height > 0;
    RECT wanted{bounds.Left, bounds.Top, bounds.Left + (sized ? bounds.Width : now.right - now.left),
                bounds.Top + (sized ? bounds.Height : now.bottom - now.top)};
    const bool at_origin = bounds.Left == 0 && bounds.Top == 0;
    if (!sized || at_origin || MonitorFromRect(&wanted, MONITOR_DEFAULTTONULL) == nullptr) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        const int width = wanted.right - wanted.left;
        const int height = wanted.bottom - wanted.top;
        const int left = work.left + (work.right - work.left - width) / 2;
        const int top = work.top + (work.bottom - work.top - height) / 2;
        wanted = {left, top, left + width, top + height};
    }
    SetWindowPos(window, nullptr, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ReadBounds(HWND window, TRect& bounds) {
    RECT rect{};
    if (IsIconic(window) || !GetWindowRect(window, &rect)) return;
    bounds = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace torvane
