#include "win32ui/child_control.h"

#include <algorithm>

namespace torvane {

HWND CreateChildControl(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style, int id, HFONT font) {
    HWND control = CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (control != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void PlaceChild(HWND control, int x, int y, int width, int height) {
    MoveWindow(control, x, y, std::max(width, 0), std::max(height, 0), TRUE);
}

}  // namespace torvane
