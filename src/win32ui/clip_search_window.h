#pragma once
#include <windows.h>

#include "app/clip_search.h"
#include "app/form1_view.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/window_base.h"
#include "win32ui/picture_grid_view.h"
#include "win32ui/win32_ui_services.h"

namespace torvane {

// The clip search window "クリップ検索" of TClipSearch, owned by the palette: the text field with
// the count of results beside it, and the results' pictures below. Enter and Escape in the text
// field go to the presenter; closing only hides the window.
class ClipSearchWindow final : public WindowBase, public PictureGridView<TClipSearchView> {
public:
    explicit ClipSearchWindow(TForm1& form, DeviceFactory device = CreateDevice);

    // Creates the hidden window at `bounds` (centred on the owner's screen when never placed).
    bool Create(HWND owner, const TWindowBounds& bounds);
    // Shows it in front (topmost when `on_top`) with the text field focused and its text selected,
    // and searches that text again.
    void Open(bool on_top);
    TWindowBounds Bounds() const;

    void StartPauseTimer(int milliseconds) override;
    void StopPauseTimer() override;
    void SetResultCount(std::u16string_view text) override;
    void CloseWindow() override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    static LRESULT CALLBACK TextFieldProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                          DWORD_PTR self);
    void LayOut();

    Win32UiServices ui_;
    TClipSearch search_;
    GdiFont font_;
    HWND text_ = nullptr;
    HWND count_ = nullptr;
};

}  // namespace torvane
