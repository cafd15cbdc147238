#include "platform/win32/window_base.h"

#include <new>
#include <string>

namespace torvane {
namespace {

std::wstring FromUtf8(const char* text) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (n <= 1) return {};
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), n);
    wide.resize(static_cast<std::size_t>(n - 1));
    return wide;
}

std::wstring ErrorText(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return L"メモリが不足しています。";
    } catch (const std::exception& e) {
        const std::wstring what = FromUtf8(e.what());
        if (!what.empty()) return what;
    } catch (...) {
    }
    return L"予期しないエラーが発生しました。";
}

bool reporting = false;

}  // namespace

void ReportUnhandledException(HWND window, std::exception_ptr error) noexcept {
    if (reporting) {
        MessageBeep(MB_ICONHAND);
        return;
    }
    reporting = true;
    const HWND owner = window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr;
    try {
        const std::wstring text = ErrorText(error);
        MessageBoxW(owner, text.c_str(), L"Torvane", MB_OK | MB_ICONERROR);
    } catch (...) {
        MessageBoxW(owner, L"Error", L"Torvane", MB_OK | MB_ICONERROR);
    }
    reporting = false;
}

WindowBase::~WindowBase() {
    if (hwnd_ == nullptr) return;
    // Detached first: the derived part is gone, so no message may reach HandleMessage.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

bool WindowBase::CreateWindowOf(const WindowParams& params) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance, params.class_name, &wc)) {
        wc = {};
        wc.cbSize = sizeof wc;
        wc.style = params.class_style;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, params.cursor);
        // The program's icon (resource 1), at the large and the small size; none in a test program.
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kProgramIcon));
        wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        wc.lpszClassName = params.class_name;
        if (!RegisterClassExW(&wc)) return false;
    }
    const RECT& b = params.bounds;
    CreateWindowExW(params.ex_style, params.class_name, params.title, params.style, b.left, b.top, b.right - b.left,
                    b.bottom - b.top, params.parent, nullptr, instance, this);
    return hwnd_ != nullptr;
}

LRESULT WindowBase::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefaultHandling(message, wparam, lparam);
}

LRESULT WindowBase::DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK WindowBase::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = window;
    }
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(window, message, wparam, lparam);
    }
    return ExceptionBarrier(window, 0, [&] { return self->HandleMessage(message, wparam, lparam); });
}

}  // namespace torvane
