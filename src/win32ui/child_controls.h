#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace torvane {

// Creates a visible child control of `parent` with the command id `id` in `font`; null when it
// could not be made.
HWND CreateControl(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style, const RECT& bounds,
                   int id, HFONT font, DWORD ex_style = 0);
// The same, placed later.
HWND CreateControl(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style, int id, HFONT font);
// Moves a child to (x, y) in its parent at that size, sizes below 0 taken as 0.
void PlaceChild(HWND control, int x, int y, int width, int height);
// The text of a window or control.
std::u16string WindowText(HWND window);
void SetControlText(HWND window, std::u16string_view text);
// Adds a tooltip with `text` for `control` to the tooltip window `tooltip`.
void AddTooltip(HWND tooltip, HWND control, const wchar_t* text);

}  // namespace torvane
