#pragma once
#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "app/form1_view.h"
#include "platform/bitmap.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/window_base.h"

namespace torvane {

// The palette's clip field: a borderless scrolling area (12-pixel scroll bars, live tracking)
// holding the clip buttons. Each clip button is a panel with a 3-pixel bevel, raised or lowered,
// and a picture inside the bevel that shows its bitmap unstretched from the top-left corner.
class ClipField final : public WindowBase {
public:
    // Button number (from 1), mouse button, pointer in the picture.
    using MouseDown = std::function<void(int, TMouseButton, POINT)>;
    // The field was scrolled to these offsets: the buttons are to be placed again.
    using Scrolled = std::function<void(POINT)>;

    ClipField();
    ~ClipField() override;

    bool Create(HWND parent, MouseDown on_mouse_down, Scrolled on_scroll);
    void SetColors(COLORREF back, COLORREF button);
    // Position in the palette.
    void Place(const RECT& bounds);
    // Size of everything inside, for the scroll ranges.
    void SetContentSize(int width, int height);
    // The current scroll offsets.
    POINT ScrollOffset() const { return offset_; }

    // Buttons 1..count; CreateButton adds the next one at `bounds` (viewport coordinates).
    bool CreateButton(const RECT& bounds);
    void MoveButton(int n, const RECT& bounds);
    void FreeButtons();
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    HWND ButtonHandle(int n) const;
    void SetRaised(int n, bool raised);
    void LoadPicture(int n, const std::filesystem::path& bitmap);
    void ClearPicture(int n);

private:
    class Button;
    class Viewport;
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    Button* At(int n) const;
    void Scroll(int bar, WPARAM request);
    void UpdateScrollBars();

    MouseDown on_mouse_down_;
    Scrolled on_scroll_;
    std::unique_ptr<Viewport> viewport_;
    std::vector<std::unique_ptr<Button>> buttons_;
    HWND horizontal_ = nullptr;
    HWND vertical_ = nullptr;
    GdiBrush back_brush_;
    COLORREF back_ = RGB(255, 255, 255);
    COLORREF button_color_ = RGB(128, 128, 128);
    SIZE size_{};
    SIZE content_{};
    POINT offset_{};
};

}  // namespace torvane
