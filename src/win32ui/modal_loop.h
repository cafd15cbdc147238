#pragma once
#include <windows.h>

#include <functional>

namespace torvane {

// Runs the messages of a modal window until `done` holds or the window is gone: its owner is
// disabled meanwhile and comes back enabled and active before the call returns, so that it is
// the active window when the caller destroys the modal one. A quit request ends the loop and
// stays queued for the program's own loop.
// When `shown` is given, the window is shown in front (its owner already disabled) and `shown`
// runs once. `filter` sees each message before it is dispatched and is true when it has handled
// it; without one the dialog keys work (Tab, Enter as IDOK, Escape as IDCANCEL).
void RunModalLoop(HWND window, HWND owner, const std::function<bool()>& done,
                  const std::function<void()>& shown = {}, const std::function<bool(MSG&)>& filter = {});

}  // namespace torvane
