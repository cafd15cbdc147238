#include <windows.h>

#include "platform/win32/process_integrity.h"
#include "platform/win32/wide_text.h"
#include "platform/window_list.h"

namespace torvane {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(window)); }

// Window handles fit in 32 bits on every Windows version (they are shared with 32-bit programs).
WindowHandle ToHandle(HWND window) { return static_cast<WindowHandle>(reinterpret_cast<std::intptr_t>(window)); }

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto& list = *reinterpret_cast<std::vector<TopLevelWindow>*>(context);
    wchar_t title[256] = {};
    const int n = GetWindowTextW(window, title, 256);
    list.push_back({ToHandle(window), Utf16Text(std::wstring_view(title, n > 0 ? n : 0)),
                    IsWindowVisible(window) != 0, ToHandle(GetWindow(window, GW_OWNER))});
    return TRUE;
}

class Win32WindowList final : public WindowList {
public:
    std::vector<TopLevelWindow> Enumerate() override {
        std::vector<TopLevelWindow> list;
        EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&list));
        return list;
    }
    WindowHandle Foreground() override { return ToHandle(GetForegroundWindow()); }
    WindowHandle Owner(WindowHandle window) override {
        return window == 0 ? 0 : ToHandle(GetWindow(ToHwnd(window), GW_OWNER));
    }
    bool IsWindow(WindowHandle window) override { return window != 0 && ::IsWindow(ToHwnd(window)) != 0; }
    bool IsMinimized(WindowHandle window) override { return IsIconic(ToHwnd(window)) != 0; }
    void Restore(WindowHandle window) override { ShowWindow(ToHwnd(window), SW_RESTORE); }
    void BringToFront(WindowHandle window) override { SetForegroundWindow(ToHwnd(window)); }
    bool RunsAboveUs(WindowHandle window) override { return RunsAboveThisProcess(ToHwnd(window)); }
};

}  // namespace

WindowList& SystemWindowList() {
    static Win32WindowList windows;
    return windows;
}

}  // namespace torvane
