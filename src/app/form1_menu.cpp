#include <algorithm>

#include "app/clip_names.h"
#include "app/form1.h"
#include "app/form1_globals.h"
#include "util/files.h"

namespace torvane {

bool TForm1::FollowMenuClip() {
    if (!MenuClip || MenuContext < 1) return true;
    if (MenuClip->Page != CurPage) return false;
    const auto& rows = StringGrid1[CurPage];
    if (MenuClip->Name.empty() && MenuContext <= ClipRows && rows[MenuContext - 1].empty()) return true;
    const auto found = std::find(rows.begin(), rows.end(), MenuClip->Name);
    if (found == rows.end()) return false;
    MenuContext = static_cast<int>(found - rows.begin()) + 1;
    return true;
}

void TForm1::MenuCommand(TPaletteCommand command) {
    using C = TPaletteCommand;
    if (IsClipCommand(command) && !FollowMenuClip()) return;
    const bool onClip = ContextRow() >= 0;
    switch (command) {
        case C::None: break;
        case C::MonitorStart: MonitorStart(); break;
        case C::MonitorStop: MonitorStop(); break;
        case C::Page0: PageSwitch(0); break;
        case C::Page1: PageSwitch(1); break;
        case C::Page2: PageSwitch(2); break;
        case C::Page3: PageSwitch(3); break;
        case C::JwwSelect: OpenJwwSelectDialog(); break;
        case C::FigureBrowser: view_.ShowFigureBrowser(AlphaCheck2 == 1 ? AlphaValue2 : 255, OnTop != 0); break;
        case C::ManualCapture: ManualCapture(); break;
        case C::FigureImport: MnuZukeiClick(); break;
        case C::ClipTransfer:
            if (!onClip) break;
            // A clip moved past the buttons by a capture is still transferred, without a button to lower.
            if (MenuContext <= BtnNum) {
                ClipMouseDown(MenuContext, TMouseButton::Left, 0, 0);
            } else {
                TransferClip(CurPage, MenuContext - 1);
            }
            break;
        case C::MovePrior: ClipMovePrior(); break;
        case C::MoveBack: ClipMoveBack(); break;
        case C::MoveFirst: ClipMoveFirst(); break;
        case C::MoveLast: ClipMoveLast(); break;
        case C::CopyToEnd1: ClipCopyToEnd(1); break;
        case C::CopyToEnd2: ClipCopyToEnd(2); break;
        case C::CopyToEnd3: ClipCopyToEnd(3); break;
        case C::CopyToStart1: ClipCopyToStart(1); break;
        case C::CopyToStart2: ClipCopyToStart(2); break;
        case C::CopyToStart3: ClipCopyToStart(3); break;
        case C::ClipView:
            if (onClip) OpenClipViewer(MenuContext, true);
            break;
        case C::SaveFigure: MnuZukeiSaveClick(); break;
        case C::ClipDelete: ClipDelete(); break;
        case C::ClipSearch: view_.ShowClipSearch(OnTop != 0); break;
        case C::Settings: OpenSettingsDialog(); break;
        case C::Regenerate: RegenerateThumbnails(); break;
        case C::Exit:
            MonitorStop();
            view_.ClosePalette();
            break;
    }
}

}  // namespace torvane
