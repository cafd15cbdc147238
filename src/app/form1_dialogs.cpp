#include <algorithm>
#include <iterator>

#include "app/clip_names.h"
#include "app/form1.h"
#include "app/form1_globals.h"
#include "app/form2.h"
#include "app/form3.h"
#include "app/form7.h"
#include "util/files.h"
#include "util/text_widths.h"

namespace torvane {
namespace {

// Fully transparent is 0; 255 is opaque.
constexpr int kOpaque = 255;

void CopyToDialog(const TForm1Settings& s, TForm2& d) {
    d.S_P1 = s.Ktime;
    d.S_P2 = BackColorNo;
    d.S_P3 = s.Histo;
    d.S_P4 = s.KanBoot;
    d.S_P5 = s.KanClip;
    d.S_P6 = s.LocateLoc;
    d.S_P7 = s.ColBacc;
    d.S_P8 = s.ColEdge;
    d.S_P9 = s.ColMnuB;
    d.S_P10 = s.BtnXn;
    d.S_P11 = s.BtnYn;
    d.S_P12 = s.BtnWi;
    d.S_P13 = s.BtnHe;
    d.S_P14 = s.SwSize;
    d.S_P15 = s.OnTop;
    d.S_P16 = s.AlphaCheck1;
    d.S_P17 = s.AlphaValue1;
    d.S_P18 = s.AlphaCheck2;
    d.S_P19 = s.AlphaValue2;
    d.S_T1 = s.TranKyo;
    d.S_T2 = s.TranCol;
    d.S_T3 = s.TranLtp;
    d.S_T99 = s.TranAut;
    d.Memo1 = s.PasteBa;
    d.Memo2 = s.PasteAn;
}

// The lines of a list box that hold more than blanks, as typed.
std::vector<std::u16string> ListEntries(const std::vector<std::u16string>& lines) {
    std::vector<std::u16string> entries;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(entries),
                 [](const std::u16string& line) { return !IsBlankText(line); });
    return entries;
}

void TakeFromDialog(const TForm2& d, TForm1Settings& s) {
    s.Ktime = d.S_P1;
    BackColorNo = d.S_P2;
    s.Histo = d.S_P3;
    s.KanBoot = d.S_P4;
    s.KanClip = d.S_P5;
    s.LocateLoc = d.S_P6;
    s.ColBacc = d.S_P7;
    s.ColEdge = d.S_P8;
    s.ColMnuB = d.S_P9;
    s.BtnXn = d.S_P10;
    s.BtnYn = d.S_P11;
    s.BtnWi = d.S_P12;
    s.BtnHe = d.S_P13;
    s.SwSize = d.S_P14;
    s.OnTop = d.S_P15;
    s.AlphaCheck1 = d.S_P16;
    s.AlphaValue1 = d.S_P17;
    s.AlphaCheck2 = d.S_P18;
    s.AlphaValue2 = d.S_P19;
    s.TranKyo = d.S_T1;
    s.TranCol = d.S_T2;
    s.TranLtp = d.S_T3;
    s.TranAut = d.S_T99;
    s.PasteBa = ListEntries(d.Memo1);
    s.PasteBaN = static_cast<int>(s.PasteBa.size());
    s.PasteAn = ListEntries(d.Memo2);
    s.PasteAnN = static_cast<int>(s.PasteAn.size());
}

}  // namespace

void TForm1::BeforeModal() {
    view_.SetStayOnTop(false);
    view_.BringToFront();
}

void TForm1::AfterModal() {
    if (OnTop != 0) view_.SetStayOnTop(true);
}

// The clip buttons are rebuilt even when the dialog is cancelled: they were freed before it.
void TForm1::OpenSettingsDialog() {
    MonitorStop();
    FreePalette();
    TForm2 dialog(ui_);
    CopyToDialog(*this, dialog);
    dialog.Left = Geometry.Form2Left;
    dialog.Top = Geometry.Form2Top;
    BeforeModal();
    view_.ShowSettingsDialog(dialog);
    // The style of the OnTop from before the dialog; a new value counts from the next dialog.
    AfterModal();
    Geometry.Form2Left = dialog.Left;
    Geometry.Form2Top = dialog.Top;
    if (dialog.OKflag) {
        TakeFromDialog(dialog, *this);
        view_.SetPasteLists(PasteBa, PasteAn);
        view_.SetTranslucent(AlphaCheck1 == 1 ? AlphaValue1 : kOpaque);
        view_.SetFigureBrowserTranslucent(AlphaCheck2 == 1 ? AlphaValue2 : kOpaque);
    }
    BuildPalette();
    if (KanClip == 1) MonitorStart();
}

void TForm1::OpenJwwSelectDialog() {
    TForm7 dialog(services_.windows);
    dialog.Bounds = Geometry.Form7;
    BeforeModal();
    view_.ShowJwwSelectDialog(dialog);
    AfterModal();
    Geometry.Form7 = dialog.Bounds;
    if (dialog.OKflag) BootJwwHnd = dialog.S_HND;
}

void TForm1::OpenClipViewer(int button, bool dialogStyle) {
    if (button < 1 || button > ClipRows || !JCF) return;
    const std::u16string& name = StringGrid1[CurPage][button - 1];
    if (!IsPlainClipName(name)) return;
    const auto figure = ClipFile(PageFolders[CurPage], name, ".1");
    if (!FileThere(figure)) return;
    if (dialogStyle) {
        BeforeModal();
    } else {
        view_.BringToFront();
    }
    // The monitor waits while the viewer is open: a capture would read into the document and
    // the shared view the viewer draws with.
    const bool monitoring = monitoring_;
    if (monitoring) MonitorStop();
    TForm3 viewer(services_.device);
    viewer.JCF = JCF.get();
    viewer.S_FName = figure;
    viewer.Bounds = Geometry.Form3;
    view_.ShowClipViewer(viewer);
    Geometry.Form3 = viewer.Bounds;
    if (dialogStyle) AfterModal();
    if (monitoring) MonitorStart();
}

}  // namespace torvane
