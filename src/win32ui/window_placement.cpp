#include "win32ui/window_placement.h"

#include <vector>

#include "app/window_on_screen.h"

namespace torvane {
namespace {

TRect ToTRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }
RECT ToRECT(const TRect& r) { return {r.Left, r.Top, r.Left + r.Width, r.Top + r.Height}; }

MONITORINFO MonitorInfo(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return info;
}

std::vector<TRect> WorkAreas() {
    std::vector<TRect> areas;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM context) -> BOOL {
            reinterpret_cast<std::vector<TRect>*>(context)->push_back(ToTRect(MonitorInfo(monitor).rcWork));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&areas));
    return areas;
}

void MoveTo(HWND window, const TRect& r) {
    SetWindowPos(window, nullptr, r.Left, r.Top, r.Width, r.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

RECT FrameForClient(int width, int height, DWORD style, DWORD ex_style) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    OffsetRect(&frame, -frame.left, -frame.top);
    return frame;
}

TRect OnScreen(const TRect& bounds) {
    const RECT rect = ToRECT(bounds);
    const TRect nearest = ToTRect(MonitorInfo(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST)).rcWork);
    return WindowOnScreen(bounds, WorkAreas(), nearest);
}

void PlaceWindow(HWND window, HWND owner, const TRect& bounds) {
    RECT now{};
    GetWindowRect(window, &now);
    const bool sized = bounds.Width > 0 && bounds.Height > 0;
    TRect wanted{bounds.Left, bounds.Top, sized ? bounds.Width : now.right - now.left,
                 sized ? bounds.Height : now.bottom - now.top};
    if (!sized || (bounds.Left == 0 && bounds.Top == 0)) {
        const RECT work = MonitorInfo(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY)).rcWork;
        wanted.Left = work.left + (work.right - work.left - wanted.Width) / 2;
        wanted.Top = work.top + (work.bottom - work.top - wanted.Height) / 2;
    }
    MoveTo(window, OnScreen(wanted));
}

void KeepOnScreen(HWND window) {
    RECT now{};
    if (!GetWindowRect(window, &now)) return;
    const TRect shown = OnScreen(ToTRect(now));
    if (shown != ToTRect(now)) MoveTo(window, shown);
}

void ReadBounds(HWND window, TRect& bounds) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) return;
    RECT normal = placement.rcNormalPosition;
    // A top-level window that is no tool window has its normal position in workspace
    // coordinates: relative to its monitor's work area rather than to the screen.
    if ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0 && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0) {
        const MONITORINFO monitor = MonitorInfo(MonitorFromRect(&normal, MONITOR_DEFAULTTOPRIMARY));
        OffsetRect(&normal, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    }
    bounds = ToTRect(normal);
}

}  // namespace torvane
