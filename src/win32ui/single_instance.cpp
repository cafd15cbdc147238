#include "win32ui/single_instance.h"

#include <commctrl.h>

#include <cstdint>

namespace torvane {
namespace {

HWND FindMarkedWindow(const std::wstring& mark) {
    struct Search {
        const wchar_t* mark;
        HWND found = nullptr;
    } search{mark.c_str()};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            if (GetPropW(window, s.mark) != nullptr) s.found = window;
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The mark is removed before the window is gone, as window properties must be.
LRESULT CALLBACK UnmarkOnDestroy(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR mark) {
    if (message == WM_NCDESTROY) {
        RemovePropW(window, reinterpret_cast<const wchar_t*>(mark));
        RemoveWindowSubclass(window, UnmarkOnDestroy, id);
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace

std::wstring SingleInstance::StoreKey(const std::filesystem::path& settings_file) {
    std::wstring path = std::filesystem::absolute(settings_file).lexically_normal().wstring();
    if (!path.empty()) CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
    // FNV-1a over the UTF-16 code units: a name of fixed length whatever the path's length.
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (const wchar_t c : path) {
        hash ^= static_cast<std::uint16_t>(c);
        hash *= 0x100000001B3ull;
    }
    std::wstring key = L"Torvane-";
    for (int shift = 60; shift >= 0; shift -= 4) key += L"0123456789ABCDEF"[(hash >> shift) & 0xF];
    return key;
}

SingleInstance::SingleInstance(const std::filesystem::path& settings_file) : key_(StoreKey(settings_file)) {
    mutex_ = CreateMutexW(nullptr, FALSE, (L"Local\\" + key_).c_str());
    first_ = mutex_ == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
    if (mutex_ != nullptr) CloseHandle(mutex_);
}

void SingleInstance::MarkPalette(HWND palette) const {
    if (SetPropW(palette, key_.c_str(), reinterpret_cast<HANDLE>(1)))
        SetWindowSubclass(palette, UnmarkOnDestroy, 1, reinterpret_cast<DWORD_PTR>(key_.c_str()));
}

bool SingleInstance::ActivateRunning(int milliseconds) const {
    const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    HWND palette = FindMarkedWindow(key_);
    while (palette == nullptr && GetTickCount64() < until) {
        Sleep(50);
        palette = FindMarkedWindow(key_);
    }
    if (palette == nullptr) return false;
    if (IsIconic(palette)) ShowWindow(palette, SW_RESTORE);
    // A program the user has just started may hand the foreground on.
    SetForegroundWindow(palette);
    return true;
}

}  // namespace torvane
