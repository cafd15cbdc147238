#include "app/form3.h"

#include <algorithm>
#include <cmath>

#include "app/form1_globals.h"
#include "figure/text_code_context.h"
#include "render/gra_attribute.h"
#include "render/graph1.h"
#include "render/text_clock.h"
#include "render/thumbnail.h"
#include "util/files.h"

namespace torvane {
namespace {

constexpr double kMaxZoom = 50;
constexpr int kWheelNotch = 120;

// Nearest integer, halves to even.
int RoundEven(double x) { return static_cast<int>(std::nearbyint(x)); }

}  // namespace

void TForm3::FormShow(TForm3View& view) {
    Bk = TSharedView::Current();
    bai = 1;
    px = py = 0;
    wheel_ = 0;
    view.ClearPicture();
    view.SetStatusText(ViewerStatusText);
    const TSize area = view.DrawingSize();
    Phsx = area.Width;
    Phsy = area.Height;
    if (S_FName.empty()) return;
    if (JCF && FileThere(S_FName)) {
        JCF->DataFree();
        JCF->DataInit();
        if (JCF->FileCheck(S_FName) && JCF->FileIn(S_FName)) {
            TxtFileDate = FigureFileDate(S_FName).value_or(TextCodeNow());
            gGraAtt.SetBackColor(BackColorNo);
            RestoreColorDefaults();
            RestoreLtypeDefaults();
            JCF->SetGAttLayer();
            JCF->GetMinMaxZahyo();
            Draw(view);
            return;
        }
    }
    S_FName.clear();
}

void TForm3::FormClose(TForm3View& view) {
    view.ClearPicture();
    if (JCF) JCF->DataFree();
    Bk.Restore();
}

void TForm3::ZoomButtonClick(TForm3View& view, int factor) {
    bai = std::clamp(factor, 1, static_cast<int>(kMaxZoom));
    if (factor == 1) px = py = 0;
    Draw(view);
    view.FocusEdit1();
}

void TForm3::PageUp() {
    bai *= 2;
    px *= 2;
    py *= 2;
    if (bai > kMaxZoom) {
        bai = kMaxZoom;
        px /= 2;
        py /= 2;
    }
}

void TForm3::PageDown() {
    bai /= 2;
    px /= 2;
    py /= 2;
    if (bai < 1) {
        bai = 1;
        px *= 2;
        py *= 2;
    }
}

bool TForm3::KeyDown(TForm3View& view, int key) {
    const TSize area = view.DrawingSize();
    switch (key) {
        case VkEscape: view.Close(); return true;
        case VkHome: px = py = 0; break;
        case VkLeft: px -= RoundEven(area.Width / 4.0); break;
        case VkRight: px += RoundEven(area.Width / 4.0); break;
        case VkDown: py -= RoundEven(area.Height / 4.0); break;
        case VkUp: py += RoundEven(area.Height / 4.0); break;
        case VkPageUp: PageUp(); break;
        case VkPageDown: PageDown(); break;
        default: return false;
    }
    Draw(view);
    return true;
}

void TForm3::PictureMouseDown(TForm3View& view, int x, int y) {
    const TSize area = view.DrawingSize();
    px += x - RoundEven(area.Width / 2.0);
    py += RoundEven(area.Height / 2.0) - y;
    Draw(view);
}

void TForm3::MouseWheel(TForm3View& view, int delta) {
    wheel_ += delta;
    const int notches = wheel_ / kWheelNotch;
    if (notches == 0) return;
    wheel_ -= notches * kWheelNotch;
    for (int i = 0; i < std::abs(notches); ++i) notches > 0 ? PageUp() : PageDown();
    Draw(view);
}

void TForm3::Draw(TForm3View& view) {
    if (S_FName.empty() || !JCF) return;
    // A minimised or collapsed drawing area still gets a picture of at least one pixel.
    const TSize area = view.DrawingSize();
    const int width = std::max(area.Width, 1);
    const int height = std::max(area.Height, 1);
    FitViewToExtents(width, height, 1e-12, bai, px, py);
    Bitmap picture(width, height);
    PaintFigure(*JCF, picture, BackColorNo, device_);
    view.ShowPicture(picture);
}

}  // namespace torvane
