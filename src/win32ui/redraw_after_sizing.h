#pragma once
#include <windows.h>

#include <utility>

namespace torvane {

// Redrawing the pictures of a window that is resized: at once for a resize by the program or a
// maximise, but only once at the end while the user drags the frame.
class RedrawAfterSizing {
public:
    // Handles the size and size-move messages; true when the pictures are to be drawn now.
    bool Due(UINT message, WPARAM wparam) {
        switch (message) {
            case WM_ENTERSIZEMOVE: sizing_ = true; return false;
            case WM_EXITSIZEMOVE:
                sizing_ = false;
                return std::exchange(resized_, false);
            case WM_SIZE:
                if (sizing_) resized_ = true;
                return !sizing_ && wparam != SIZE_MINIMIZED;
            default: return false;
        }
    }

private:
    bool sizing_ = false;
    bool resized_ = false;
};

}  // namespace torvane
