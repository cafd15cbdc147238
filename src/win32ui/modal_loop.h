#pragma once
#include <windows.h>

#include <functional>

namespace torvane {

// Runs the messages of a modal window until `done` holds or the window is gone: its owner is disabled meanwhile,
// dialog keys work (Tab, Enter as IDOK, Escape as IDCANCEL), and the owner comes back active.
// A quit request ends the loop and stays queued for the program's own loop.
void RunModalLoop(HWND window, HWND owner, const std::function<bool()>& done);

}  // namespace torvane
