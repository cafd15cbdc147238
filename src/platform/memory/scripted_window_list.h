#pragma once
#include <set>

#include "platform/window_list.h"

namespace torvane {

// A window list that tests script: the windows, the foreground window, the minimised ones.
// BringToFront makes a window the foreground one after `activation_polls` further calls of
// Foreground, as activation on a real desktop follows the request a little later.
class ScriptedWindowList final : public WindowList {
public:
    std::vector<TopLevelWindow> windows;
    WindowHandle foreground = 0;
    std::set<WindowHandle> minimized;
    // Windows of programs run as administrator.
    std::set<WindowHandle> elevated;
    int activation_polls = 0;
    // When false, BringToFront is ignored (another program keeps the foreground).
    bool activation_allowed = true;
    std::vector<WindowHandle> restored;
    std::vector<WindowHandle> brought_to_front;

    std::vector<TopLevelWindow> Enumerate() override { return windows; }
    WindowHandle Foreground() override;
    WindowHandle Owner(WindowHandle window) override;
    bool IsWindow(WindowHandle window) override;
    bool IsMinimized(WindowHandle window) override { return minimized.contains(window); }
    void Restore(WindowHandle window) override;
    void BringToFront(WindowHandle window) override;
    bool RunsAboveUs(WindowHandle window) override { return elevated.contains(window); }

private:
    WindowHandle pending_ = 0;
    int polls_left_ = 0;
};

}  // namespace torvane
