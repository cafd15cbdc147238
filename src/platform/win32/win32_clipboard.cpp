#include <windows.h>

#include <cstring>
#include <string>

#include "platform/clipboard.h"
#include "platform/win32/wide_text.h"

namespace torvane {
namespace {

// The system's text for an error code, without the trailing line break.
std::u16string SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string reason;
    if (n != 0 && text != nullptr) reason = Utf16Text(std::wstring_view(text, n));
    if (text != nullptr) LocalFree(text);
    while (!reason.empty() && (reason.back() == u'\r' || reason.back() == u'\n' || reason.back() == u' ')) reason.pop_back();
    if (reason.empty()) {
        const std::string code = "error " + std::to_string(error);
        reason.assign(code.begin(), code.end());
    }
    return reason;
}

// The clipboard is opened for a hidden message-only window, which becomes the owner of what
// this process puts on it.
HWND OwnerWindow() {
    static HWND window = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TorvaneClipboardOwner";
        RegisterClassW(&wc);
        return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }();
    return window;
}

class Win32Clipboard final : public Clipboard {
public:
    std::uint32_t RegisterFormat(std::u16string_view name) override {
        return RegisterClipboardFormatW(WideText(name).c_str());
    }

    int FormatCount() override { return CountClipboardFormats(); }

    std::uint32_t SequenceNumber() override { return GetClipboardSequenceNumber(); }

    bool IsFormatAvailable(std::uint32_t format) override { return IsClipboardFormatAvailable(format) != 0; }

    bool Open(std::u16string& reason) override {
        if (OpenClipboard(OwnerWindow())) return true;
        reason = SystemReason(GetLastError());
        return false;
    }

    void Close() override { CloseClipboard(); }

    bool Empty() override { return EmptyClipboard() != 0; }

    std::optional<std::size_t> DataSize(std::uint32_t format) override {
        HANDLE handle = GetClipboardData(format);
        if (handle == nullptr) return std::nullopt;
        return GlobalSize(handle);
    }

    std::optional<std::vector<std::uint8_t>> GetData(std::uint32_t format) override {
        HANDLE handle = GetClipboardData(format);
        if (handle == nullptr) return std::nullopt;
        const SIZE_T size = GlobalSize(handle);
        const void* data = GlobalLock(handle);
        if (data == nullptr) return std::nullopt;
        std::vector<std::uint8_t> bytes(static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + size);
        GlobalUnlock(handle);
        return bytes;
    }

    bool ViewData(std::uint32_t format, const std::function<void(std::span<const std::uint8_t>)>& visit) override {
        HANDLE handle = GetClipboardData(format);
        if (handle == nullptr) return false;
        const SIZE_T size = GlobalSize(handle);
        const void* data = GlobalLock(handle);
        if (data == nullptr) return false;
        // Unlocked however the visit ends.
        struct Unlock {
            HANDLE handle;
            ~Unlock() { GlobalUnlock(handle); }
        } unlock{handle};
        visit({static_cast<const std::uint8_t*>(data), size});
        return true;
    }

    bool SetData(std::uint32_t format, std::span<const std::uint8_t> bytes) override {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
        if (block == nullptr) return false;
        void* data = GlobalLock(block);
        if (data == nullptr) {
            GlobalFree(block);
            return false;
        }
        if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
        GlobalUnlock(block);
        if (SetClipboardData(format, block) == nullptr) {
            GlobalFree(block);
            return false;
        }
        return true;
    }
};

}  // namespace

Clipboard& SystemClipboard() {
    static Win32Clipboard clipboard;
    return clipboard;
}

}  // namespace torvane
