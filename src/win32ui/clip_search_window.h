#pragma once
#include <windows.h>

#include "app/clip_search.h"
#include "app/form1_view.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/window_base.h"
#include "win32ui/thumbnail_pane.h"
#include "win32ui/win32_ui_services.h"

namespace torvane {

// The clip search window "クリップ検索" of TClipSearch, owned by the palette: the text field with
// the count of results beside it, and the results' pictures below. Enter and Escape in the text
// field go to the presenter; closing only hides the window.
class ClipSearchWindow final : public WindowBase, public TClipSearchView {
public:
    explicit ClipSearchWindow(TForm1& form, DeviceFactory device = CreateDevice);

    // Creates the hidden window at `bounds` (beside the owner when they are empty).
    bool Create(HWND owner, const TWindowBounds& bounds);
    // Shows it in front (topmost when `on_top`) with the text field focused and its text selected,
    // and searches that text again.
    void Open(bool on_top);
    TWindowBounds Bounds() const;

    TClipSearch& Form() { return search_; }
    HWND TextField() const { return text_; }
    HWND ResultCount() const { return count_; }
    const ThumbnailPane& Pane() const { return pane_; }

    void StartPauseTimer(int milliseconds) override;
    void StopPauseTimer() override;
    void SetResultCount(std::u16string_view text) override;
    TSize ResultPaneSize() override { return pane_.ClientSize(); }
    int ScrollBarWidth() override { return pane_.ScrollBarWidth(); }
    void SetScrollRange(int maximum) override { pane_.SetScrollRange(maximum); }
    void SetScrollPosition(int position) override { pane_.SetScrollPosition(position); }
    void SetScrollSteps(int small, int large) override { pane_.SetScrollSteps(small, large); }
    void PlacePicture(int picture, const TRect& rect) override { pane_.PlacePicture(picture, rect); }
    void ClearPicture(int picture) override { pane_.ClearPicture(picture); }
    void HidePicture(int picture) override { pane_.HidePicture(picture); }
    void ShowPicture(int picture, const Bitmap& drawing, std::u16string_view label, int backColor) override {
        pane_.ShowPicture(picture, drawing, label, backColor);
    }
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
    ThumbnailPane pane_;
};

}  // namespace torvane
