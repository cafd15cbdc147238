#include <algorithm>
#include <string>

#include "app/form1.h"

namespace torvane {
namespace {

// Indicator colours: red, grey while the palette cannot be dragged.
constexpr int kIndicatorRed = 255;
constexpr int kIndicatorGrey = 0x808080;

}  // namespace

void TForm1::BuildPalette() {
    FreePalette();
    view_.SetPaletteStyle({ColBacc, ColEdge, LocateLoc == 1 ? kIndicatorGrey : kIndicatorRed,
                           ColEdge == ColBacc ? 0 : ColEdge, ColMnuB, SwSize, SwSize / 2});
    view_.SetPageLabel(u"P" + std::u16string(1, static_cast<char16_t>(u'0' + CurPage)));
    view_.LayOut(LayoutPalette(ClientWidth, ClientHeight, SwSize));
    view_.SetClipFieldRange(ClipFieldContent(BtnXn, BtnYn, BtnWi, BtnHe));
    BtnNum = BtnXn * BtnYn;
    for (int button = 1; button <= BtnNum; ++button) {
        if (!view_.CreateClipButton(button, ClipButtonRect(button, BtnXn, BtnWi, BtnHe, ScrollX, ScrollY))) continue;
        ReloadThumbnail(button - 1);
        view_.ProcessMessages();
    }
    ReadyFlag = true;
}

void TForm1::FreePalette() {
    ReadyFlag = false;
    view_.FreeClipButtons();
    BtnNum = 0;
}

void TForm1::FormResize(int clientWidth, int clientHeight) {
    ClientWidth = std::max(clientWidth, PaletteMinimumSide);
    ClientHeight = std::max(clientHeight, PaletteMinimumSide);
    if (!ReadyFlag) return;
    view_.LayOut(LayoutPalette(ClientWidth, ClientHeight, SwSize));
    PlaceClipButtons();
}

void TForm1::ClipFieldScroll(int x, int y) {
    ScrollX = x;
    ScrollY = y;
    if (ReadyFlag) PlaceClipButtons();
}

void TForm1::PlaceClipButtons() {
    for (int button = 1; button <= BtnNum; ++button)
        view_.PlaceClipButton(button, ClipButtonRect(button, BtnXn, BtnWi, BtnHe, ScrollX, ScrollY));
}

void TForm1::ClipMouseDown(int button, TMouseButton mouse, int x, int y) {
    if (button < 1 || button > BtnXn * BtnYn || button > BtnNum) return;
    switch (mouse) {
        case TMouseButton::Left:
            if (PreBtnNo >= 1 && PreBtnNo <= BtnNum) view_.SetButtonRaised(PreBtnNo);
            view_.SetButtonLowered(button);
            TransferClip(CurPage, button - 1);
            PreBtnNo = button;
            break;
        case TMouseButton::Right: {
            const TRect field = LayoutPalette(ClientWidth, ClientHeight, SwSize).ClipField;
            const TRect panel = ClipButtonRect(button, BtnXn, BtnWi, BtnHe, ScrollX, ScrollY);
            OpenMenuAt(button, field.Left + panel.Left + ClipBevel + x, field.Top + panel.Top + ClipBevel + y);
            break;
        }
        case TMouseButton::Middle:
            OpenClipViewer(button, false);
            break;
    }
}

void TForm1::CommandButtonMouseDown(int index, TMouseButton mouse, int x, int y) {
    if (index < 0 || index >= CommandButtonCount) return;
    const TCommandButton& command = PaletteCommandButtons()[static_cast<std::size_t>(index)];
    if (mouse == TMouseButton::Left) {
        MenuCommand(command.Command);
    } else if (mouse == TMouseButton::Right && command.OpensMenu) {
        const TRect at = LayoutPalette(ClientWidth, ClientHeight, SwSize).Buttons[static_cast<std::size_t>(index)];
        OpenMenuAt(0, at.Left + x, at.Top + y);
    }
}

void TForm1::OpenMenuAt(int button, int clientX, int clientY) {
    MenuContext = button;
    MenuClip.reset();
    if (button >= 1 && button <= ClipRows) MenuClip = TMenuClip{CurPage, StringGrid1[CurPage][button - 1]};
    view_.ReadWindowGeometry(Geometry);
    view_.OpenMenu(Geometry.Form1.Left + clientX, Geometry.Form1.Top + clientY, button > 0);
}

}  // namespace torvane
