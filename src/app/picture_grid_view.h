#pragma once
#include <string_view>

#include "app/palette_layout.h"
#include "platform/bitmap.h"

namespace torvane {

// A pane of pictures numbered from 1 (carrying the tag n - 1) with a vertical scroll bar on its
// right, as the figure windows and the clip search show them.
class TPictureGridView {
public:
    virtual ~TPictureGridView() = default;
    // Client size of the pane, and the width of the vertical scroll bar on its right.
    virtual TSize ThumbnailPaneSize() = 0;
    virtual int ScrollBarWidth() = 0;
    virtual void SetScrollRange(int maximum) = 0;
    virtual void SetScrollPosition(int position) = 0;
    virtual void SetScrollSteps(int small, int large) = 0;
    // Moves picture n to `rect` and shows it.
    virtual void PlacePicture(int picture, const TRect& rect) = 0;
    virtual void ClearPicture(int picture) = 0;
    virtual void HidePicture(int picture) = 0;
    // Shows the drawing with `name` written at its top-left corner in 10-point type on a solid
    // background: black on white for background 0, white on black otherwise.
    virtual void ShowPicture(int picture, const Bitmap& drawing, std::u16string_view name, int backColor) = 0;
};

}  // namespace torvane
