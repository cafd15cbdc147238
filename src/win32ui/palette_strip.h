#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "app/form1_view.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/window_base.h"

namespace torvane {

// The palette's bottom strip: label "倍率" and the scale field, label "角度" and the angle field
// (drop-down lists that accept typed text), check boxes "文字倍率" and "点倍率".
class PaletteStrip final : public WindowBase {
public:
    bool Create(HWND parent, HFONT font);
    void SetColor(COLORREF back);
    void Place(const RECT& bounds);
    void SetLists(const std::vector<std::u16string>& scales, const std::vector<std::u16string>& angles);
    void SetInputs(const TPaletteInputs& inputs);
    TPaletteInputs GetInputs() const;

    HWND ScaleField() const { return scale_; }
    HWND AngleField() const { return angle_; }
    HWND TextScaleBox() const { return text_scale_; }
    HWND PointScaleBox() const { return point_scale_; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    HWND Child(const wchar_t* window_class, const wchar_t* text, DWORD style, int x, int width, int height);

    HFONT font_ = nullptr;
    HWND scale_ = nullptr;
    HWND angle_ = nullptr;
    HWND text_scale_ = nullptr;
    HWND point_scale_ = nullptr;
    COLORREF back_ = RGB(255, 255, 255);
    GdiBrush back_brush_;
};

}  // namespace torvane
