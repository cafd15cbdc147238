#pragma once
#include <windows.h>

namespace torvane {

// Keeps a window's keyboard focus across its activations, as the system's dialogs do: the
// control that had the focus when the window was left gets it back when the window is active
// again, after a message box it owned or after the user came back from another program.
// Without it the window's default handling gives the focus to the window itself, where typing
// goes nowhere.
class DialogFocus {
public:
    // Gives `control` the focus now and whenever its window is activated again.
    void Set(HWND control);
    // WM_ACTIVATE of `window`; true when the focus was restored and the message is handled.
    bool Activate(HWND window, WPARAM wparam);

private:
    HWND focus_ = nullptr;
};

}  // namespace torvane
