#pragma once
#include <string_view>

#include "app/picture_grid_view.h"

namespace torvane {

// What the clip search window "クリップ検索" shows: the count of results, and their pictures
// labelled "P0-12".
class TClipSearchView : public TPictureGridView {
public:
    // The pause after typing: TClipSearch::PauseElapsed once `milliseconds` have passed since
    // the last start; starting again restarts it.
    virtual void StartPauseTimer(int milliseconds) = 0;
    virtual void StopPauseTimer() = 0;
    // "3 件", or empty while nothing is searched.
    virtual void SetResultCount(std::u16string_view text) = 0;
    // Hides the window (Escape).
    virtual void CloseWindow() = 0;
};

}  // namespace torvane
