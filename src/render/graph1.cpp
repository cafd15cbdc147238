#include "render/graph1.h"

#include <cmath>
#include <numbers>

#include "render/gra_attribute.h"
#include "util/colors.h"

namespace torvane {

double LogicWx1 = 0, LogicWy1 = 0, LogicWx2 = 0, LogicWy2 = 0;
double LogicScale = 1;
double Phsx = 0, Phsy = 0;
double GLayScale = 1;
std::vector<TDPoint> WPoly;
std::int32_t WPolyN = 0;
std::vector<TGPPointF> DPoly;
std::int32_t DPolyN = 0;
TGraph1* gGraph1 = nullptr;

namespace {

constexpr double kEps = 1e-12;
// Device coordinates beyond this are held at it: far outside any bitmap, and the device's
// arithmetic on them cannot overflow.
constexpr double kDeviceLimit = 1 << 28;

}  // namespace

void WPolyAdd(double x, double y) {
    WPoly.resize(static_cast<std::size_t>(WPolyN));
    WPoly.push_back({x, y});
    ++WPolyN;
}

void WPolyClear() {
    WPoly.clear();
    WPolyN = 0;
}

void DPolyAdd(double x, double y) {
    DPoly.resize(static_cast<std::size_t>(DPolyN));
    DPoly.push_back({static_cast<float>(x), static_cast<float>(y)});
    ++DPolyN;
}

void DPolyClear() {
    DPoly.clear();
    DPolyN = 0;
}

std::int32_t ClipOutCode(double x, double y, double xmin, double ymin, double xmax, double ymax) {
    // Written so that a coordinate that is no number lies outside every edge.
    std::int32_t code = 0;
    if (!(x - xmin >= kEps)) code |= 1;
    if (!(x - xmax <= -kEps)) code |= 2;
    if (!(y - ymin >= kEps)) code |= 4;
    if (!(y - ymax <= -kEps)) code |= 8;
    return code;
}

std::int32_t ClipPoint(double x, double y, double xmin, double ymin, double xmax, double ymax) {
    return ClipOutCode(x, y, xmin, ymin, xmax, ymax) != 0 ? 2 : 0;
}

namespace {

// Moves one end of a segment onto the window edges its outcode names (one pass, in the order
// left, right, below, above), using the direction of the unclipped segment.
void ClipEnd(double& x, double& y, double x0, double y0, double dx, double dy, double xmin, double ymin, double xmax,
             double ymax) {
    std::int32_t c = ClipOutCode(x, y, xmin, ymin, xmax, ymax);
    if ((c & 1) && std::fabs(dx) > kEps) {
        x = xmin;
        y = y0 + (xmin - x0) * dy / dx;
        c = ClipOutCode(x, y, xmin, ymin, xmax, ymax);
    }
    if ((c & 2) && std::fabs(dx) > kEps) {
        x = xmax;
        y = y0 + (xmax - x0) * dy / dx;
        c = ClipOutCode(x, y, xmin, ymin, xmax, ymax);
    }
    if ((c & 4) && std::fabs(dy) > kEps) {
        y = ymin;
        x = x0 + (ymin - y0) * dx / dy;
        c = ClipOutCode(x, y, xmin, ymin, xmax, ymax);
    }
    if ((c & 8) && std::fabs(dy) > kEps) {
        y = ymax;
        x = x0 + (ymax - y0) * dx / dy;
    }
}

}  // namespace

std::int32_t ClipLine(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin, double xmax,
                      double ymax) {
    // A segment reaching to infinity or to no number has no visible part to cut out.
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return 2;
    const std::int32_t c1 = ClipOutCode(x1, y1, xmin, ymin, xmax, ymax);
    const std::int32_t c2 = ClipOutCode(x2, y2, xmin, ymin, xmax, ymax);
    if (c1 == 0 && c2 == 0) return 0;
    if ((c1 & c2) != 0) return 2;
    const double x0 = x1, y0 = y1, dx = x2 - x1, dy = y2 - y1;
    ClipEnd(x1, y1, x0, y0, dx, dy, xmin, ymin, xmax, ymax);
    ClipEnd(x2, y2, x0, y0, dx, dy, xmin, ymin, xmax, ymax);
    if (std::fabs(x1 - x2) < kEps && std::fabs(y1 - y2) < kEps) return 2;
    return 1;
}

int DeviceRound(double v) {
    if (std::isnan(v)) return 0;
    if (v > kDeviceLimit) v = kDeviceLimit;
    if (v < -kDeviceLimit) v = -kDeviceLimit;
    return static_cast<int>(std::nearbyint(v));
}

TGraph1::TGraph1(Device& canvas) : C(&canvas) {
    DPolyClear();
    WPolyClear();
    PoArClear();
}

TGraph1::~TGraph1() {
    G_End();
    DPolyClear();
    WPolyClear();
}

void TGraph1::G_Start() {
    PoArClear();
    SetDevicePen(0, 1, PenStyle::Solid);
    gpb_color_ = 0;
    started_ = true;
}

void TGraph1::RefreshGDIplus() { C->Flush(); }

void TGraph1::G_End() {
    if (!started_) return;
    RefreshGDIplus();
    PoArClear();
    started_ = false;
}

void TGraph1::SetDevicePen(std::uint32_t col, std::int32_t width, PenStyle style) {
    pen_color_ = col;
    pen_width_ = width;
    pen_style_ = style;
    C->SetPen(col, width, style);
}

void TGraph1::GCls(std::uint32_t col) {
    SetDevicePen(col, 1, pen_style_);
    brush_color_ = col;
    brush_style_ = BrushStyle::Solid;
    C->SetBrush(col, BrushStyle::Solid);
    C->FillRect(0, 0, DeviceRound(Phsx), DeviceRound(Phsy), col);
    brush_style_ = BrushStyle::Clear;
    C->SetBrush(col, BrushStyle::Clear);
}

void TGraph1::GPenSet(std::uint32_t col, std::int32_t typ, std::int32_t wid) {
    static constexpr PenStyle kStyles[] = {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot,
                                           PenStyle::DashDot, PenStyle::DashDotDot, PenStyle::Clear};
    brush_style_ = BrushStyle::Clear;
    C->SetBrush(brush_color_, BrushStyle::Clear);
    SetDevicePen(col, wid, typ >= 1 && typ <= 5 ? kStyles[typ] : PenStyle::Solid);
    GBrushSet(col, 0);
}

void TGraph1::GBrushSet(std::uint32_t col, std::int32_t typ) {
    static constexpr BrushStyle kStyles[] = {BrushStyle::Clear,     BrushStyle::Solid,
                                             BrushStyle::Horizontal, BrushStyle::Vertical,
                                             BrushStyle::ForwardDiagonal, BrushStyle::BackwardDiagonal,
                                             BrushStyle::Cross,      BrushStyle::DiagonalCross};
    brush_color_ = col;
    brush_style_ = typ >= 1 && typ <= 7 ? kStyles[typ] : BrushStyle::Clear;
    C->SetBrush(col, brush_style_);
    gpb_color_ = col;
}

void TGraph1::GTen(double x, double y) {
    const int ix = DeviceRound(x), iy = DeviceRound(y);
    C->MoveTo(ix, iy);
    C->LineTo(ix + 1, iy);
}

void TGraph1::GLine(double x1, double y1, double x2, double y2) {
    C->MoveTo(DeviceRound(x1), DeviceRound(y1));
    C->LineTo(DeviceRound(x2), DeviceRound(y2));
}

void TGraph1::GBox(double x1, double y1, double x2, double y2) {
    const bool wide = std::fabs(x1 - x2) > 2;
    const bool high = std::fabs(y1 - y2) > 2;
    if (wide && high) {
        C->Rectangle(DeviceRound(x1), DeviceRound(y1), DeviceRound(x2), DeviceRound(y2));
    } else if (wide) {
        GLine(x1, y1, x2, y1);
    } else if (high) {
        GLine(x1, y1, x1, y2);
    } else {
        GTen(x1, y1);
    }
}

void TGraph1::GPolyline() {
    if (DPolyN < 2) return;
    C->MoveTo(DeviceRound(DPoly[0].x), DeviceRound(DPoly[0].y));
    for (std::int32_t i = 1; i < DPolyN; ++i) {
        C->LineTo(DeviceRound(DPoly[static_cast<std::size_t>(i)].x), DeviceRound(DPoly[static_cast<std::size_t>(i)].y));
    }
}

void TGraph1::GLTransPt(double x1, double y1, double& x2, double& y2) const {
    x2 = (x1 - LogicWx1) * LogicScale;
    y2 = Phsy - (y1 - LogicWy1) * LogicScale;
}

void TGraph1::GLPenSet(std::int32_t lay, std::int32_t col, std::int32_t, double) {
    std::uint32_t color;
    switch (gGraAtt.GetAttrLayerState(lay)) {
        case 2: color = gGraAtt.GetGrayColor(); break;
        case 3: color = gGraAtt.GetBackColor(); break;
        default: color = gGraAtt.GetAttrColcol(col); break;
    }
    if (gGraAtt.GetAll1ColorState()) color = gGraAtt.GetAll1Color();
    // Display mode stays off, so every pen is one pixel wide and solid.
    GPenSet(ArgbToColor(color), 0, 1);
}

void TGraph1::GLPenSet(std::int32_t lay, std::int32_t col, std::int32_t typ, double wid, std::uint32_t dcol) {
    GLPenSet(lay, col, typ, wid);
    if (dcol == 0) return;
    const std::uint32_t gdi = ArgbToColor(dcol);
    SetDevicePen(gdi, pen_width_, pen_style_);
    brush_color_ = gdi;
    C->SetBrush(gdi, brush_style_);
    gpb_color_ = gdi;
}

void TGraph1::DotAtEnd(double x, double y) {
    if (ClipPoint(x, y, LogicWx1, LogicWy1, LogicWx2, LogicWy2) != 0) return;
    double dx, dy;
    GLTransPt(x, y, dx, dy);
    GTen(dx, dy);
}

std::int32_t TGraph1::GLTen(double x, double y) {
    if (ClipPoint(x, y, LogicWx1, LogicWy1, LogicWx2, LogicWy2) != 0) return kGLOutside;
    DotAtEnd(x, y);
    return kGLDrawn;
}

std::int32_t TGraph1::GLLine(double x1, double y1, double x2, double y2) {
    if (ClipLine(x1, y1, x2, y2, LogicWx1, LogicWy1, LogicWx2, LogicWy2) == 2) return kGLOutside;
    double dx1, dy1, dx2, dy2;
    GLTransPt(x1, y1, dx1, dy1);
    GLTransPt(x2, y2, dx2, dy2);
    if (std::fabs(dx2 - dx1) + std::fabs(dy2 - dy1) > 2) {
        GLine(dx1, dy1, dx2, dy2);
        return kGLDrawn;
    }
    GTen(dx1, dy1);
    return kGLDot;
}

std::int32_t TGraph1::GLBoxA(double x1, double y1, double x2, double y2, double a) {
    const double c = std::cos(a), s = std::sin(a);
    const auto corner = [&](double x, double y) {
        const double px = x - x1, py = y - y1;
        WPolyAdd(x1 + px * c - py * s, y1 + px * s + py * c);
    };
    WPolyClear();
    corner(x1, y1);
    corner(x2, y1);
    corner(x2, y2);
    corner(x1, y2);
    corner(x1, y1);
    const std::int32_t code = GLPolyline();
    WPolyClear();
    return code;
}

void TGraph1::EllipsePoints(double cx, double cy, double r, double h, double a, double sa, double da, bool full,
                            const TBlockTransform* place) {
    const double step = full ? std::numbers::pi / 36 : da / 72;
    const double c = std::cos(a), s = std::sin(a);
    const double t = full ? 0.0 : sa;
    // The angle advances by a rotation: one sine and cosine per ellipse instead of per point.
    const double cos_step = std::cos(step), sin_step = std::sin(step);
    double cos_t = std::cos(t), sin_t = std::sin(t);
    for (int k = 0; k <= 72; ++k) {
        const double px = r * cos_t, py = r * h * sin_t;
        const double x = cx + px * c - py * s, y = cy + px * s + py * c;
        if (place != nullptr) {
            const TDPoint p = place->Apply(x, y);
            WPolyAdd(p.X, p.Y);
        } else {
            WPolyAdd(x, y);
        }
        const double next_cos = cos_t * cos_step - sin_t * sin_step;
        sin_t = sin_t * cos_step + cos_t * sin_step;
        cos_t = next_cos;
    }
}

std::int32_t TGraph1::GLEllipse(double cx, double cy, double r, double h, double a) {
    WPolyClear();
    EllipsePoints(cx, cy, r, h, a, 0, 0, true, nullptr);
    const std::int32_t code = GLPolyline();
    WPolyClear();
    return code;
}

std::int32_t TGraph1::GLEllipseArc(double cx, double cy, double r, double h, double a, double sa, double da) {
    WPolyClear();
    EllipsePoints(cx, cy, r, h, a, sa, da, false, nullptr);
    const std::int32_t code = GLPolyline();
    WPolyClear();
    return code;
}

std::int32_t TGraph1::GLEllipseBL(double cx, double cy, double r, double h, double a, double bx, double by,
                                  double b1, double b2, double b3, double b4, double sc) {
    const TBlockTransform place{bx, by, b1, b2, b3, b4, sc};
    WPolyClear();
    EllipsePoints(cx, cy, r, h, a, 0, 0, true, &place);
    const std::int32_t code = GLPolyline();
    WPolyClear();
    return code;
}

std::int32_t TGraph1::GLEllipseArcBL(double cx, double cy, double r, double h, double a, double sa, double da,
                                     double bx, double by, double b1, double b2, double b3, double b4, double sc) {
    const TBlockTransform place{bx, by, b1, b2, b3, b4, sc};
    WPolyClear();
    EllipsePoints(cx, cy, r, h, a, sa, da, false, &place);
    const std::int32_t code = GLPolyline();
    WPolyClear();
    return code;
}

std::int32_t TGraph1::GLPolyline() {
    if (WPolyN < 2) return kGLTooFewPoints;
    std::int32_t all = 15;
    for (std::int32_t i = 0; i < WPolyN; ++i) {
        const TDPoint& p = WPoly[static_cast<std::size_t>(i)];
        all &= ClipOutCode(p.X, p.Y, LogicWx1, LogicWy1, LogicWx2, LogicWy2);
    }
    if (all != 0) return kGLOutside;

    const std::int32_t segments = WPolyN - 1;
    std::int32_t invisible = 0;
    double total = 0;
    double end_x = 0, end_y = 0;
    for (std::int32_t i = 0; i < segments; ++i) {
        double x1 = WPoly[static_cast<std::size_t>(i)].X, y1 = WPoly[static_cast<std::size_t>(i)].Y;
        double x2 = WPoly[static_cast<std::size_t>(i + 1)].X, y2 = WPoly[static_cast<std::size_t>(i + 1)].Y;
        const std::int32_t code = ClipLine(x1, y1, x2, y2, LogicWx1, LogicWy1, LogicWx2, LogicWy2);
        end_x = x2;
        end_y = y2;
        if (code == 2) {
            ++invisible;
            continue;
        }
        double dx1, dy1, dx2, dy2;
        GLTransPt(x1, y1, dx1, dy1);
        GLTransPt(x2, y2, dx2, dy2);
        total += std::sqrt((dx2 - dx1) * (dx2 - dx1) + (dy2 - dy1) * (dy2 - dy1));
        if (total > 2) break;  // long enough to be stroked; the rest does not change that
    }
    if (invisible == segments) return kGLOutside;

    if (total <= 2) {
        DotAtEnd(end_x, end_y);
        return kGLDot;
    }
    DPolyClear();
    for (std::int32_t i = 0; i < segments; ++i) {
        double x1 = WPoly[static_cast<std::size_t>(i)].X, y1 = WPoly[static_cast<std::size_t>(i)].Y;
        double x2 = WPoly[static_cast<std::size_t>(i + 1)].X, y2 = WPoly[static_cast<std::size_t>(i + 1)].Y;
        const std::int32_t code = ClipLine(x1, y1, x2, y2, LogicWx1, LogicWy1, LogicWx2, LogicWy2);
        if (code == 2) {
            if (DPolyN > 1) GPolyline();
            DPolyClear();
            continue;
        }
        double dx1, dy1, dx2, dy2;
        GLTransPt(x1, y1, dx1, dy1);
        GLTransPt(x2, y2, dx2, dy2);
        if (DPolyN == 0) DPolyAdd(dx1, dy1);
        DPolyAdd(dx2, dy2);
        if (code == 1 && DPolyN > 1) {
            GPolyline();
            DPolyClear();
        }
    }
    if (DPolyN > 1) GPolyline();
    DPolyClear();
    return kGLDrawn;
}

}  // namespace torvane
