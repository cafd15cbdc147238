#include "platform/memory/scripted_window_list.h"

#include <algorithm>

namespace torvane {

WindowHandle ScriptedWindowList::Foreground() {
    if (pending_ != 0 && polls_left_-- <= 0) {
        foreground = pending_;
        pending_ = 0;
    }
    return foreground;
}

WindowHandle ScriptedWindowList::Owner(WindowHandle window) {
    auto it = std::find_if(windows.begin(), windows.end(), [window](const auto& w) { return w.handle == window; });
    return it == windows.end() ? 0 : it->owner;
}

bool ScriptedWindowList::IsWindow(WindowHandle window) {
    return window != 0 &&
           std::any_of(windows.begin(), windows.end(), [window](const auto& w) { return w.handle == window; });
}

void ScriptedWindowList::Restore(WindowHandle window) {
    restored.push_back(window);
    minimized.erase(window);
}

void ScriptedWindowList::BringToFront(WindowHandle window) {
    brought_to_front.push_back(window);
    if (!activation_allowed) return;
    pending_ = window;
    polls_left_ = activation_polls;
}

}  // namespace torvane
