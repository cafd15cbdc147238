#pragma once
#include <windows.h>

#include "win32ui/thumbnail_pane.h"

namespace torvane {

// The picture pane part of a view (View derives from TPictureGridView), shown by a ThumbnailPane.
template <class View>
class PictureGridView : public View {
public:
    TSize ThumbnailPaneSize() override { return pane_.ClientSize(); }
    int ScrollBarWidth() override { return pane_.ScrollBarWidth(); }
    void SetScrollRange(int maximum) override { pane_.SetScrollRange(maximum); }
    void SetScrollPosition(int position) override { pane_.SetScrollPosition(position); }
    void SetScrollSteps(int small, int large) override { pane_.SetScrollSteps(small, large); }
    void PlacePicture(int picture, const TRect& rect) override { pane_.PlacePicture(picture, rect); }
    void ClearPicture(int picture) override { pane_.ClearPicture(picture); }
    void HidePicture(int picture) override { pane_.HidePicture(picture); }
    void ShowPicture(int picture, const Bitmap& drawing, std::u16string_view name, int backColor) override {
        pane_.ShowPicture(picture, drawing, name, backColor);
    }

    const ThumbnailPane& Pane() const { return pane_; }

protected:
    ThumbnailPane pane_;
};

}  // namespace torvane
