#include "win32ui/palette_strip.h"

#include "platform/win32/wide_text.h"
#include "win32ui/child_controls.h"

namespace torvane {
namespace {

constexpr int kDropDownHeight = 200;

void FillList(HWND combo, const std::vector<std::u16string>& entries) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const auto& entry : entries) {
        // An empty entry would be an invisible line: it shows as one space.
        const std::wstring text = entry.empty() ? L" " : WideText(entry);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

}  // namespace

bool PaletteStrip::Create(HWND parent, HFONT font) {
    font_ = font;
    WindowParams params;
    params.class_name = L"TorvanePaletteStrip";
    params.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    params.parent = parent;
    if (!CreateWindowOf(params)) return false;
    const DWORD combo = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
    const DWORD check = WS_TABSTOP | BS_AUTOCHECKBOX;
    Child(L"STATIC", L"倍率", SS_LEFT | SS_CENTERIMAGE, 4, 28, 21);
    scale_ = Child(L"COMBOBOX", L"", combo, 34, 64, kDropDownHeight);
    Child(L"STATIC", L"角度", SS_LEFT | SS_CENTERIMAGE, 104, 28, 21);
    angle_ = Child(L"COMBOBOX", L"", combo, 134, 64, kDropDownHeight);
    text_scale_ = Child(L"BUTTON", L"文字倍率", check, 206, 80, 21);
    point_scale_ = Child(L"BUTTON", L"点倍率", check, 290, 68, 21);
    SetColor(back_);
    return scale_ != nullptr && angle_ != nullptr && text_scale_ != nullptr && point_scale_ != nullptr;
}

HWND PaletteStrip::Child(const wchar_t* window_class, const wchar_t* text, DWORD style, int x, int width, int height) {
    HWND child = CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, x, 0, width, height, Handle(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (child != nullptr) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return child;
}

void PaletteStrip::SetColor(COLORREF back) {
    back_ = back;
    back_brush_ = SolidBrush(back);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void PaletteStrip::Place(const RECT& bounds) {
    MoveWindow(Handle(), bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, TRUE);
}

void PaletteStrip::SetLists(const std::vector<std::u16string>& scales, const std::vector<std::u16string>& angles) {
    FillList(scale_, scales);
    FillList(angle_, angles);
}

void PaletteStrip::SetInputs(const TPaletteInputs& inputs) {
    SetWindowTextW(scale_, WideText(inputs.Scale).c_str());
    SetWindowTextW(angle_, WideText(inputs.Angle).c_str());
    SendMessageW(text_scale_, BM_SETCHECK, inputs.TextScale ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(point_scale_, BM_SETCHECK, inputs.PointScale ? BST_CHECKED : BST_UNCHECKED, 0);
}

TPaletteInputs PaletteStrip::GetInputs() const {
    TPaletteInputs inputs;
    inputs.Scale = WindowText(scale_);
    inputs.Angle = WindowText(angle_);
    inputs.TextScale = SendMessageW(text_scale_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    inputs.PointScale = SendMessageW(point_scale_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return inputs;
}

LRESULT PaletteStrip::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND: FillClient(Handle(), reinterpret_cast<HDC>(wparam), back_); return 1;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            SetBkColor(reinterpret_cast<HDC>(wparam), back_);
            return reinterpret_cast<LRESULT>(back_brush_.get());
        default: return DefaultHandling(message, wparam, lparam);
    }
}

}  // namespace torvane
