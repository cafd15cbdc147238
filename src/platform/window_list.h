#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace torvane {

// A window handle as the settings file keeps it (32 bits suffice for every Windows handle);
// 0 names no window.
using WindowHandle = std::int32_t;

struct TopLevelWindow {
    WindowHandle handle = 0;
    std::u16string title;  // at most 255 characters
    bool visible = false;
    WindowHandle owner = 0;
    bool operator==(const TopLevelWindow&) const = default;
};

// The top-level windows of the desktop and the few things done to them.
class WindowList {
public:
    virtual ~WindowList() = default;
    // Every top-level window in the system's order (front to back).
    virtual std::vector<TopLevelWindow> Enumerate() = 0;
    virtual WindowHandle Foreground() = 0;
    // The owner of a window; 0 when it has none or is no window.
    virtual WindowHandle Owner(WindowHandle window) = 0;
    virtual bool IsWindow(WindowHandle window) = 0;
    virtual bool IsMinimized(WindowHandle window) = 0;
    virtual void Restore(WindowHandle window) = 0;
    // Asks the system to make the window the foreground window; activation may follow later.
    virtual void BringToFront(WindowHandle window) = 0;
    // True when the window's program runs with more rights than this one (as administrator):
    // the system then drops the keys sent to it.
    virtual bool RunsAboveUs(WindowHandle window) = 0;
};

// The back end's window list: the desktop on Windows, an empty scripted list elsewhere.
WindowList& SystemWindowList();

}  // namespace torvane
