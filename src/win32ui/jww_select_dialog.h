#pragma once
#include <windows.h>

#include "app/form7.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/window_base.h"
#include "win32ui/dialog_focus.h"

namespace torvane {

// Command ids of the Jw_cad selection dialog ("ＯＫ(&Y)" is IDOK, "キャンセル(&N)" IDCANCEL).
enum JwwSelectControl : int { kJwwSelectList = 100, kJwwSelectNone, kJwwSelectLast };

// The Jw_cad selection dialog: TForm7's resizable window, a note over the list of Jw_cad
// windows and a bar of four buttons below it.
class JwwSelectDialog final : public WindowBase, public TForm7View {
public:
    // Creates the (hidden) dialog owned by `owner` where the form's bounds say; `form` must
    // outlive it.
    bool Create(HWND owner, TForm7& form);
    // Lists the windows, runs the dialog modally until it closes and keeps its bounds in the form.
    void ShowModal();

    void SetEntries(const std::vector<std::u16string>& entries) override;
    int SelectedIndex() override;
    void Pause(int milliseconds) override;
    void BringToFront() override;
    void Close() override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void LayOut(int width, int height);
    void Command(int id, int code);

    TForm7* form_ = nullptr;
    HWND owner_ = nullptr;
    HWND note_ = nullptr;
    HWND list_ = nullptr;
    HWND buttons_[4]{};
    GdiFont font_;
    DialogFocus focus_;
    bool closed_ = false;
};

}  // namespace torvane
