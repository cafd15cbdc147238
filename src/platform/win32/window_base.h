#pragma once
#include <windows.h>

#include <exception>

namespace torvane {

// Shows the program's error message box for an exception that reached a window procedure or a
// timer, owned by `window`'s top-level window. Never throws; while one such box is open, further
// errors only beep, so a failing timer cannot stack boxes.
void ReportUnhandledException(HWND window, std::exception_ptr error) noexcept;

// Runs `handler` and returns its result; a C++ exception from it is reported as above and
// `fallback` is returned instead, so that no exception ever leaves a window procedure.
template <class Handler>
LRESULT ExceptionBarrier(HWND window, LRESULT fallback, Handler&& handler) noexcept {
    try {
        return handler();
    } catch (...) {
        ReportUnhandledException(window, std::current_exception());
        return fallback;
    }
}

// The resource number of the program's icon, which every window class shows.
inline constexpr int kProgramIcon = 1;

// What a window needs to be created: its class (registered on first use) and its styles.
struct WindowParams {
    const wchar_t* class_name = L"";
    const wchar_t* title = L"";
    DWORD style = 0;
    DWORD ex_style = 0;
    RECT bounds{};
    HWND parent = nullptr;
    UINT class_style = 0;
    LPCWSTR cursor = IDC_ARROW;
};

// A window of our own class: the window procedure finds the C++ object (the `this` pointer kept
// in GWLP_USERDATA from WM_NCCREATE on) and dispatches every message to HandleMessage behind
// the exception barrier.
class WindowBase {
public:
    WindowBase() = default;
    virtual ~WindowBase();
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    HWND Handle() const { return hwnd_; }

protected:
    bool CreateWindowOf(const WindowParams& params);
    // Handles one message; the default passes it to DefWindowProc.
    virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    HWND hwnd_ = nullptr;
};

}  // namespace torvane
