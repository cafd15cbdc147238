#pragma once
#include <windows.h>

namespace torvane {

// A visible child control of `parent` with the control id `id`, speaking in `font`; null when
// it could not be made. It is placed later.
HWND CreateChildControl(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style, int id, HFONT font);

}  // namespace torvane
