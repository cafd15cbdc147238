#pragma once
#include <windows.h>

namespace torvane {

// A visible child control of `parent` with the control id `id`, speaking in `font`; null when
// it could not be made. It is placed later.
HWND CreateChildControl(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style, int id, HFONT font);

// Moves a child to (x, y) in its parent at that size, sizes below 0 taken as 0.
void PlaceChild(HWND control, int x, int y, int width, int height);

}  // namespace torvane
