#pragma once
#include <windows.h>

#include "platform/ui_services.h"

namespace torvane {

// Message boxes owned by the palette, the default beep and the wait cursor.
class Win32UiServices final : public UiServices {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    void Message(std::u16string_view text) override;
    bool Confirm(std::u16string_view text) override;
    void Beep() override;
    void SetBusy(bool busy) override;

private:
    HWND owner_ = nullptr;
    HCURSOR saved_cursor_ = nullptr;
};

}  // namespace torvane
