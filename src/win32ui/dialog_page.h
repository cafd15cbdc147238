#pragma once
#include <windows.h>

#include "platform/win32/gdi_objects.h"
#include "platform/win32/window_base.h"

namespace torvane {

// One page of a tab control: a plain child window of the dialog laid over the tab control's
// display area. Its controls' notifications and colour requests go on to the dialog, and the
// keyboard moves through its controls as through the dialog's own.
class DialogPage final : public WindowBase {
public:
    bool Create(HWND dialog, const RECT& bounds, COLORREF back);

private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

    COLORREF back_ = RGB(192, 192, 192);
};

}  // namespace torvane
