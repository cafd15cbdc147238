#include "app/clip_names.h"
#include "app/form1.h"
#include "app/form1_globals.h"
#include "util/files.h"

namespace torvane {

void TForm1::MenuCommand(TPaletteCommand command) {
    using C = TPaletteCommand;
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
        case C::FigureImport:
            if (!onClip) break;
            BeforeModal();
            view_.ShowFigureImport(MenuContext);
            AfterModal();
            break;
        case C::ClipTransfer:
            if (onClip) ClipMouseDown(MenuContext, TMouseButton::Left, 0, 0);
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
        case C::ClipDelete: ClipDelete(); break;
        case C::Settings: OpenSettingsDialog(); break;
        case C::Regenerate: RegenerateThumbnails(); break;
        case C::Exit:
            MonitorStop();
            view_.ClosePalette();
            break;
    }
}

void TForm1::BeforeModal() {
    view_.SetStayOnTop(false);
    view_.BringToFront();
}

void TForm1::AfterModal() {
    if (OnTop != 0) view_.SetStayOnTop(true);
}

// The clip buttons are rebuilt even when the dialog is cancelled.
void TForm1::OpenSettingsDialog() {
    MonitorStop();
    BeforeModal();
    view_.ShowSettingsDialog();
    AfterModal();
    BuildPalette();
    if (KanClip == 1) MonitorStart();
}

void TForm1::OpenJwwSelectDialog() {
    BeforeModal();
    const std::optional<WindowHandle> chosen = view_.ShowJwwSelectDialog();
    AfterModal();
    if (chosen) BootJwwHnd = *chosen;
}

void TForm1::OpenClipViewer(int button, bool dialogStyle) {
    if (button < 1 || button > ClipRows) return;
    const std::u16string& name = StringGrid1[CurPage][button - 1];
    if (!IsPlainClipName(name)) return;
    const auto figure = ClipFile(PageFolders[CurPage], name, ".1");
    if (!FileThere(figure)) return;
    if (dialogStyle) {
        BeforeModal();
    } else {
        view_.BringToFront();
    }
    view_.ShowClipViewer(figure);
    if (dialogStyle) AfterModal();
}

}  // namespace torvane
