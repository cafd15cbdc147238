#include "dialog_driver.h"

#include "torvane_process.h"

namespace torvane::test {
namespace {

struct Search {
    const wchar_t* window_class;
    HWND owner = nullptr;
    int id = 0;
    HWND found = nullptr;
    int count = 0;
};

bool OfClass(HWND window, const wchar_t* window_class) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return _wcsicmp(name, window_class) == 0;
}

}  // namespace

HWND WaitForWindow(const wchar_t* window_class, int milliseconds) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            found = FindWindowW(window_class, nullptr);
            return found != nullptr && IsWindowVisible(found);
        },
        milliseconds);
    return found != nullptr && IsWindowVisible(found) ? found : nullptr;
}

HWND WaitForOwnedWindow(HWND owner, const wchar_t* window_class, int milliseconds) {
    Search search{window_class, owner};
    WaitFor(
        [&] {
            EnumWindows(
                [](HWND window, LPARAM context) -> BOOL {
                    auto& s = *reinterpret_cast<Search*>(context);
                    if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) != s.owner || !OfClass(window, s.window_class)) {
                        return TRUE;
                    }
                    s.found = window;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        milliseconds);
    return search.found;
}

HWND ControlById(HWND root, int id) {
    Search search{L"", nullptr, id};
    EnumChildWindows(
        root,
        [](HWND child, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            if (GetDlgCtrlID(child) != s.id) return TRUE;
            s.found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int CountChildren(HWND root, const wchar_t* window_class) {
    Search search{window_class};
    EnumChildWindows(
        root,
        [](HWND child, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            if (OfClass(child, s.window_class)) ++s.count;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

void PostClick(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void SetText(HWND control, const std::wstring& text) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

std::wstring TextOf(HWND control) {
    // WM_GETTEXT: GetWindowText reads only the caption of another process's window, not a field's text.
    wchar_t text[256]{};
    SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace torvane::test
