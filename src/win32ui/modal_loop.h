#pragma once
#include <windows.h>

#include <functional>

namespace torvane {

// Sees a message before it is dispatched; true when it has handled it.
using MessageFilter = std::function<bool(MSG&)>;

// Disables `owner`, shows `window` in front, lets `shown` fill it and runs the event loop until
// `closed` turns true. The owner is enabled again before the call returns, so that it becomes
// the active window when the caller destroys the window. A quit request ends the loop and is
// left for the main loop.
void RunModal(HWND owner, HWND window, const bool& closed, const std::function<void()>& shown,
              const MessageFilter& filter);

}  // namespace torvane
