#include "win32ui/win32_ui_services.h"

#include "platform/win32/wide_text.h"

namespace torvane {
namespace {

// A box is owned by the window the user works in (a dialog over the palette), so that it
// blocks that window rather than the palette behind it; while another program is in front, by
// the palette's last active window.
HWND BoxOwner(HWND palette) {
    HWND active = GetActiveWindow();
    if (active != nullptr || palette == nullptr) return active;
    return GetLastActivePopup(palette);
}

}  // namespace

void Win32UiServices::Message(std::u16string_view text) {
    MessageBoxW(BoxOwner(owner_), WideText(text).c_str(), L"Torvane", MB_OK);
}

bool Win32UiServices::Confirm(std::u16string_view text) {
    return MessageBoxW(BoxOwner(owner_), WideText(text).c_str(), L"Torvane", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Win32UiServices::Beep() { MessageBeep(MB_OK); }

void Win32UiServices::SetBusy(bool busy) {
    if (busy) {
        saved_cursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    } else {
        SetCursor(saved_cursor_ ? saved_cursor_ : LoadCursorW(nullptr, IDC_ARROW));
        saved_cursor_ = nullptr;
    }
}

}  // namespace torvane
