#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/palette_layout.h"
#include "platform/bitmap.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/window_base.h"

namespace torvane {

// The thumbnail area of the figure windows: pictures numbered from 1 (carrying the tag n - 1)
// that the presenter places, clears, hides and fills, and a vertical scroll bar on the right
// edge with the presenter's steps. Each filled picture shows its drawing with the file name
// written at its top-left corner in 10-point type.
class ThumbnailPane final : public WindowBase {
public:
    struct Events {
        std::function<void(int tag)> click;
        // The second press of a double-click; without it that press does nothing (one click).
        std::function<void(int tag)> double_click;
        std::function<void(int position)> scroll;
    };

    bool Create(HWND parent, int picture_count, Events events);
    void Place(const RECT& bounds);

    TSize ClientSize() const;
    int ScrollBarWidth() const;
    void SetScrollRange(int maximum);
    void SetScrollPosition(int position);
    void SetScrollSteps(int small, int large);
    int ScrollPosition() const;
    HWND ScrollBar() const { return scroll_bar_; }

    void PlacePicture(int picture, const TRect& rect);
    void ClearPicture(int picture);
    void HidePicture(int picture);
    // Painted at once, so the grid fills picture by picture while the others are read.
    void ShowPicture(int picture, const Bitmap& drawing, std::u16string_view name, int back_color);
    // The picture's place in the pane; empty when it is hidden.
    RECT PictureRect(int picture) const;

private:
    struct Picture {
        RECT rect{};
        bool visible = false;
        std::optional<Bitmap> drawing;
        std::wstring name;
        int back_color = 0;
    };

    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void Paint();
    void PaintPicture(HDC dc, const Picture& picture) const;
    void Scroll(WORD request);
    // The tag of the visible picture under a point of the pane; -1 when none.
    int TagAt(LPARAM point) const;
    Picture* At(int picture);
    void Repaint(const Picture& picture, bool now);

    Events events_;
    std::vector<Picture> pictures_;
    HWND scroll_bar_ = nullptr;
    GdiFont name_font_;
    int small_step_ = 1;
    int large_step_ = 1;
    int pressed_tag_ = -1;
};

}  // namespace torvane
