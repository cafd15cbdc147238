#include "win32ui/child_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace torvane {

HWND CreateControl(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style, const RECT& bounds,
                   int id, HFONT font, DWORD ex_style) {
    HWND control = CreateWindowExW(ex_style, window_class, text, WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
                                   bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (control != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

HWND CreateControl(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style, int id, HFONT font) {
    return CreateControl(parent, window_class, text, style, RECT{}, id, font);
}

void PlaceChild(HWND control, int x, int y, int width, int height) {
    MoveWindow(control, x, y, std::max(width, 0), std::max(height, 0), TRUE);
}

std::u16string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Utf16Text(text);
}

void SetControlText(HWND window, std::u16string_view text) { SetWindowTextW(window, WideText(text).c_str()); }

void AddTooltip(HWND tooltip, HWND control, const wchar_t* text) {
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace torvane
