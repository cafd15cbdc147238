#pragma once
#include <windows.h>

#include <array>
#include <memory>

#include "app/form3.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/window_base.h"
#include "win32ui/dialog_focus.h"

namespace torvane {

// Command ids of the clip viewer's bottom bar: "×" and the zoom buttons "１倍" to "50倍".
enum ClipViewerControl : int { kViewerClose = 100, kViewerFirstZoom = 110, kViewerEdit1 = 120, kViewerStatus };

// The clip viewer: TForm3's resizable window, the drawing area above a bottom bar of buttons,
// a small field that keeps the focus, and a status bar. Keys and the mouse wheel reach the form
// before the focused control sees them.
class ClipViewerWindow final : public WindowBase, public TForm3View {
public:
    ClipViewerWindow();
    ~ClipViewerWindow() override;

    // Creates the (hidden) viewer owned by `owner` where the form's bounds say; `form` must
    // outlive it.
    bool Create(HWND owner, TForm3& form);
    // Shows the figure and runs the viewer modally until it closes; closing keeps the window's
    // bounds in the form and lets the form restore the shared view.
    void ShowModal();
    // Gives a key or wheel message of this window or its controls to the form; true when used.
    bool FilterMessage(const MSG& msg);
    HWND DrawingArea() const;

    TSize DrawingSize() override;
    void ShowPicture(const Bitmap& picture) override;
    void ClearPicture() override;
    void SetStatusText(std::u16string_view text) override;
    void FocusEdit1() override;
    void Close() override;

private:
    class Drawing;
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void LayOut(int width, int height);
    void Command(int id);

    TForm3* form_ = nullptr;
    HWND owner_ = nullptr;
    std::unique_ptr<Drawing> drawing_;
    std::array<HWND, 7> buttons_{};
    HWND edit_ = nullptr;
    HWND status_ = nullptr;
    HWND tooltip_ = nullptr;
    GdiFont font_;
    DialogFocus focus_;
    bool closed_ = false;
};

}  // namespace torvane
