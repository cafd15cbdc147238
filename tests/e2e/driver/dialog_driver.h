#pragma once
#include <windows.h>

#include <string>

namespace torvane::test {

// Finding another process's dialogs and driving their controls through window messages, as the
// user's clicks and typing would.

// The first visible top-level window of that class; null when none appeared within `milliseconds`.
HWND WaitForWindow(const wchar_t* window_class, int milliseconds = 5000);
// A visible window of that class owned by `owner` (a message box: "#32770"); null when none
// appeared in time.
HWND WaitForOwnedWindow(HWND owner, const wchar_t* window_class, int milliseconds = 5000);
// The descendant of `root` with that command id; null when none.
HWND ControlById(HWND root, int id);
// How many descendants of `root` are of that class.
int CountChildren(HWND root, const wchar_t* window_class);
// Clicks a button; posted, so that a window the click opens or a modal loop it ends does not
// hold the caller.
void PostClick(HWND button);
void SetText(HWND control, const std::wstring& text);
// The control that has the keyboard focus in the thread of `window`.
HWND FocusOf(HWND window);
std::wstring TextOf(HWND control);

}  // namespace torvane::test
