#pragma once
#include <string_view>

#include "app/palette_layout.h"
#include "platform/bitmap.h"

namespace torvane {

// What the clip search window "クリップ検索" shows: the count of results, and their pictures
// (numbered from 1, carrying the tag n - 1) in a pane with a vertical scroll bar on its right.
class TClipSearchView {
public:
    virtual ~TClipSearchView() = default;
    // The pause after typing: TClipSearch::PauseElapsed once `milliseconds` have passed since
    // the last start; starting again restarts it.
    virtual void StartPauseTimer(int milliseconds) = 0;
    virtual void StopPauseTimer() = 0;
    // "3 件", or empty while nothing is searched.
    virtual void SetResultCount(std::u16string_view text) = 0;
    virtual TSize ResultPaneSize() = 0;
    virtual int ScrollBarWidth() = 0;
    virtual void SetScrollRange(int maximum) = 0;
    virtual void SetScrollPosition(int position) = 0;
    virtual void SetScrollSteps(int small, int large) = 0;
    // Moves picture n to `rect` and shows it.
    virtual void PlacePicture(int picture, const TRect& rect) = 0;
    virtual void ClearPicture(int picture) = 0;
    virtual void HidePicture(int picture) = 0;
    // The drawing with the label ("P0-12") at its top-left corner.
    virtual void ShowPicture(int picture, const Bitmap& drawing, std::u16string_view label, int backColor) = 0;
    // Hides the window (Escape).
    virtual void CloseWindow() = 0;
};

}  // namespace torvane
