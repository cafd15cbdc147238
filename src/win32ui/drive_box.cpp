#include "win32ui/drive_box.h"

#include <cwctype>
#include <string>

namespace torvane {

bool DriveBox::Create(HWND parent, int id, HFONT font) {
    combo_ = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0,
                             0, 200, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                             nullptr);
    if (combo_ == nullptr) return false;
    SendMessageW(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const DWORD drives = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if ((drives & (1u << letter)) == 0) continue;
        const wchar_t text[] = {static_cast<wchar_t>(L'a' + letter), L':', L'\0'};
        SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    return true;
}

void DriveBox::Select(const std::filesystem::path& folder) {
    const std::wstring text = folder.wstring();
    if (text.size() < 2 || text[1] != L':') return;
    const wchar_t drive[] = {static_cast<wchar_t>(std::towlower(text[0])), L':', L'\0'};
    SendMessageW(combo_, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(drive));
}

std::filesystem::path DriveBox::Root() const {
    const LRESULT item = SendMessageW(combo_, CB_GETCURSEL, 0, 0);
    if (item == CB_ERR) return {};
    wchar_t text[8]{};
    if (SendMessageW(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(item), 0) != 2) return {};
    SendMessageW(combo_, CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text));
    return std::filesystem::path(std::wstring{static_cast<wchar_t>(std::towupper(text[0])), L':', L'\\'});
}

}  // namespace torvane
