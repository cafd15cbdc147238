#include <cmath>
#include <new>

#include "render/graph1.h"

namespace torvane {

namespace {

constexpr double kEps = 1e-12;
constexpr double kZfEps = 1e-14;

// Even-odd test of a world point against the closed polygon in WPoly.
bool WPolyContains(double x, double y) {
    bool inside = false;
    for (std::int32_t i = 0, j = WPolyN - 1; i < WPolyN; j = i++) {
        const TDPoint& a = WPoly[static_cast<std::size_t>(i)];
        const TDPoint& b = WPoly[static_cast<std::size_t>(j)];
        if ((a.Y > y) != (b.Y > y) && x < a.X + (y - a.Y) * (b.X - a.X) / (b.Y - a.Y)) inside = !inside;
    }
    return inside;
}

}  // namespace

void TGraph1::PoArClear() {
    PoAr.clear();
    PoAr.shrink_to_fit();
    PoArN = 0;
}

void TGraph1::PoArSet1(std::int32_t n) {
    PoArClear();
    try {
        PoAr.resize(static_cast<std::size_t>(n < 1 ? 1 : n));
        PoArN = static_cast<std::int32_t>(PoAr.size());
    } catch (const std::bad_alloc&) {
        PoArClear();
    }
}

void TGraph1::GSolid() {
    if (DPolyN < 3) return;
    try {
        PoArSet1(1);
        if (PoArN < 1) return;
        TWorkPolygonArea& area = PoAr[0];
        const TGPPointF first = DPoly[0];
        const TGPPointF last = DPoly[static_cast<std::size_t>(DPolyN - 1)];
        const bool close = std::fabs(last.x - first.x) > 0.01f || std::fabs(last.y - first.y) > 0.01f;
        area.an = DPolyN + (close ? 1 : 0);
        area.pnts.assign(DPoly.begin(), DPoly.begin() + DPolyN);
        if (close) area.pnts.push_back(first);
        C->FillPolygon(area.pnts, gpb_color_);
    } catch (const std::bad_alloc&) {
        // The fill is skipped; drawing never reports errors.
    }
    PoArClear();
}

std::int32_t TGraph1::GLSolid() {
    if (WPolyN < 3) return kGLTooFewPoints;
    const TDPoint first = WPoly[0];
    const TDPoint last = WPoly[static_cast<std::size_t>(WPolyN - 1)];
    if (std::fabs(last.X - first.X) > kEps || std::fabs(last.Y - first.Y) > kEps) WPolyAdd(first.X, first.Y);

    std::int32_t all = 15;
    for (std::int32_t i = 0; i < WPolyN; ++i) {
        const TDPoint& p = WPoly[static_cast<std::size_t>(i)];
        all &= ClipOutCode(p.X, p.Y, LogicWx1, LogicWy1, LogicWx2, LogicWy2);
    }
    if (all != 0) return kGLOutside;

    double total = 0;
    bool any_visible = false;
    double end_x = 0, end_y = 0;
    for (std::int32_t i = 0; i + 1 < WPolyN; ++i) {
        double x1 = WPoly[static_cast<std::size_t>(i)].X, y1 = WPoly[static_cast<std::size_t>(i)].Y;
        double x2 = WPoly[static_cast<std::size_t>(i + 1)].X, y2 = WPoly[static_cast<std::size_t>(i + 1)].Y;
        const std::int32_t code = ClipLine(x1, y1, x2, y2, LogicWx1, LogicWy1, LogicWx2, LogicWy2);
        end_x = x2;
        end_y = y2;
        if (code == 2) continue;
        any_visible = true;
        double dx1, dy1, dx2, dy2;
        GLTransPt(x1, y1, dx1, dy1);
        GLTransPt(x2, y2, dx2, dy2);
        total += std::hypot(dx2 - dx1, dy2 - dy1);
    }
    // A polygon whose edges all miss the window may still cover it entirely.
    const bool covers_window =
        !any_visible && WPolyContains((LogicWx1 + LogicWx2) / 2, (LogicWy1 + LogicWy2) / 2);
    if (total > 2 || covers_window) {
        DPolyClear();
        for (std::int32_t i = 0; i < WPolyN; ++i) {
            double dx, dy;
            GLTransPt(WPoly[static_cast<std::size_t>(i)].X, WPoly[static_cast<std::size_t>(i)].Y, dx, dy);
            DPolyAdd(dx, dy);
        }
        GSolid();
        DPolyClear();
        return kGLDrawn;
    }
    DotAtEnd(end_x, end_y);
    return kGLDot;
}

std::int32_t TGraph1::GLSolidCircle(double cx, double cy, double r) {
    if (!(r * LogicScale > 2)) {
        DotAtEnd(cx, cy);
        return kGLDot;
    }
    WPolyClear();
    EllipsePoints(cx, cy, r, 1, 0, 0, 0, true, nullptr);
    const std::int32_t code = GLSolid();
    WPolyClear();
    return code;
}

std::int32_t TGraph1::GLSolidArc(std::int32_t sty, double cx, double cy, double r, double h, double a, double sa,
                                 double da, double zf) {
    return SolidArc(sty, cx, cy, r, h, a, sa, da, zf, nullptr);
}

std::int32_t TGraph1::GLSolidArcBL(std::int32_t sty, double cx, double cy, double r, double h, double a, double sa,
                                   double da, double zf, double bx, double by, double b1, double b2, double b3,
                                   double b4, double sc) {
    const TBlockTransform place{bx, by, b1, b2, b3, b4, sc};
    return SolidArc(sty, cx, cy, r, h, a, sa, da, zf, &place);
}

std::int32_t TGraph1::SolidArc(std::int32_t sty, double cx, double cy, double r, double h, double a, double sa,
                               double da, double zf, const TBlockTransform* place) {
    const auto add = [place](double x, double y) {
        if (place == nullptr) {
            WPolyAdd(x, y);
        } else {
            const TDPoint p = place->Apply(x, y);
            WPolyAdd(p.X, p.Y);
        }
    };
    const bool full = std::fabs(zf - 100) < kZfEps;
    WPolyClear();
    std::int32_t code = kGLTooFewPoints;
    switch (sty) {
        case 101:
            if (full) {
                EllipsePoints(cx, cy, r, h, a, 0, 0, true, place);
            } else {
                EllipsePoints(cx, cy, r, h, a, sa, da, false, place);
                if (std::fabs(zf) < kZfEps) {
                    add(cx, cy);
                } else if (std::fabs(zf - 5) >= kZfEps) {
                    // Where the tangents at the arc's two ends meet, in the ellipse's own frame.
                    const double ea = sa + da;
                    const double p0x = r * std::cos(sa), p0y = r * h * std::sin(sa);
                    const double p1x = r * std::cos(ea), p1y = r * h * std::sin(ea);
                    const double d0x = -r * std::sin(sa), d0y = r * h * std::cos(sa);
                    const double d1x = r * std::sin(ea), d1y = -r * h * std::cos(ea);
                    const double det = d0y * d1x - d0x * d1y;
                    const double scale = std::hypot(d0x, d0y) * std::hypot(d1x, d1y);
                    if (std::fabs(det) <= kEps * scale || scale == 0) {
                        add(cx, cy);
                    } else {
                        const double s = ((p1y - p0y) * d1x - (p1x - p0x) * d1y) / det;
                        const double qx = p0x + s * d0x, qy = p0y + s * d0y;
                        const double c = std::cos(a), sn = std::sin(a);
                        add(cx + qx * c - qy * sn, cy + qx * sn + qy * c);
                    }
                }
            }
            code = GLSolid();
            break;
        case 111:
            EllipsePoints(cx, cy, r, h, a, sa, da, full, place);
            code = GLPolyline();
            break;
        case 105:
        case 106: {
            // An inner radius of 0 collapses the inner ellipse to the centre whatever its flatness.
            const double inner_h = sty == 105 || std::fabs(zf) < kZfEps ? h : 1 + (r * h - r) / zf;
            EllipsePoints(cx, cy, r, h, a, sa, da, false, place);
            EllipsePoints(cx, cy, zf, inner_h, a, sa + da, -da, false, place);
            code = GLSolid();
            break;
        }
        default:
            break;
    }
    WPolyClear();
    return code;
}

}  // namespace torvane
