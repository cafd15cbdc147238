#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "render/gra_attribute.h"
#include "render/graph1.h"
#include "util/colors.h"

namespace torvane {

namespace {


// Places points of a marker's own frame: rotated by the marker's angle, moved to its point.
struct MarkerFrame {
    double x, y, c, s;
    TDPoint At(double p, double q) const { return {x + p * c - q * s, y + p * s + q * c}; }
    TDPoint Polar(double radius, double degrees) const {
        return At(radius * std::cos(degrees * kRadPerDeg), radius * std::sin(degrees * kRadPerDeg));
    }
};

// Collects the codes of a marker's parts: drawn when any part was drawn, else the last code.
struct MarkerCode {
    std::int32_t code = kGLOutside;
    bool drawn = false;
    void Add(std::int32_t c) {
        code = c;
        drawn = drawn || c == kGLDrawn;
    }
    std::int32_t Result() const { return drawn ? kGLDrawn : code; }
};

}  // namespace

std::int32_t TGraph1::GLTenMarker(double x, double y, std::int32_t kf, std::int32_t pc, double a, double ba,
                                  std::int32_t lay, std::int32_t col, std::int32_t wd, std::uint32_t dcol) {
    if (kf == 1) {
        GLPenSet(lay, col, 1, 0, dcol);
        return GLEllipse(x, y, 3 / LogicScale, 1, 0);
    }
    const double wid = wd != 0 ? wd * 0.01 : gGraAtt.GetAttrColwid(col);
    GLPenSet(lay, col, 1, wid, dcol);
    if (ba <= 1e-8) ba = 1;
    const double u = 1.25 * ba;
    const MarkerFrame frame{x, y, std::cos(a), std::sin(a)};
    MarkerCode result;

    const auto line = [&](TDPoint p, TDPoint q) { result.Add(GLLine(p.X, p.Y, q.X, q.Y)); };
    const auto load = [&](std::initializer_list<TDPoint> points) {
        WPolyClear();
        for (const TDPoint& p : points) WPolyAdd(p.X, p.Y);
    };
    // Fills the polygon in `fill` (GDI colour), then outlines it with the pen; the fill colour
    // goes back to the pen's afterwards.
    const auto polygon = [&](std::initializer_list<TDPoint> points, bool filled, std::uint32_t fill) {
        if (filled) {
            gpb_color_ = fill;
            load(points);
            result.Add(GLSolid());
            gpb_color_ = pen_color_;
        }
        load(points);
        WPolyAdd(points.begin()->X, points.begin()->Y);
        result.Add(GLPolyline());
        WPolyClear();
    };
    const auto circle = [&](bool filled, std::uint32_t fill) {
        if (filled) {
            gpb_color_ = fill;
            result.Add(GLSolidCircle(x, y, u));
            gpb_color_ = pen_color_;
        }
        result.Add(GLEllipse(x, y, u, 1, 0));
    };
    const std::uint32_t back = ArgbToColor(gGraAtt.GetBackColor());
    const std::uint32_t pen = pen_color_;
    const auto arrow = {frame.At(0, 0), frame.At(-6 * u, u), frame.At(-6 * u, -u)};
    const auto square = {frame.At(-u, -u), frame.At(u, -u), frame.At(u, u), frame.At(-u, u)};

    switch (pc) {
        case 0:
            GLPenSet(lay, col, 1, 0, dcol);
            result.Add(GLSolidCircle(x, y, std::max(wid / 2 + gGraAtt.GetAttrColten(col), 2 / LogicScale)));
            break;
        case 1: polygon(arrow, true, back); break;
        case 2: polygon(square, true, back); break;
        case 3: circle(true, back); break;
        case 4:
        case -2: circle(false, 0); break;
        case 5: polygon(square, true, pen); break;
        case 6: polygon(arrow, true, pen); break;
        case 8: {
            const double r = std::numbers::sqrt2 * u;
            const TDPoint c1 = frame.At(r, 0), c2 = frame.At(-r, 0);
            result.Add(GLEllipseArc(c1.X, c1.Y, r, 1, a, 90 * kRadPerDeg, 90 * kRadPerDeg));
            result.Add(GLEllipseArc(c2.X, c2.Y, r, 1, a, 270 * kRadPerDeg, 90 * kRadPerDeg));
            break;
        }
        case 9:
            line(frame.At(0, 0), frame.At(-6 * u, u));
            line(frame.At(0, 0), frame.At(-6 * u, -u));
            break;
        case 10: line(frame.Polar(2 * u, 225), frame.Polar(2 * u, 45)); break;
        case 11: polygon(arrow, false, 0); break;
        case -1:
            line(frame.At(0, u), frame.At(0, -u));
            line(frame.Polar(u, 30), frame.Polar(u, 210));
            line(frame.Polar(u, 150), frame.Polar(u, 330));
            break;
        case -3: {
            const double w = gGraAtt.GetAttrColwid(col);
            GLPenSet(lay, col, 1, w, dcol);
            result.Add(GLSolidCircle(x, y, std::max(ba * w, 1 / LogicScale)));
            break;
        }
        case -4:
            line(frame.At(0, u), frame.At(0, -u));
            line(frame.At(-u, 0), frame.At(u, 0));
            break;
        case -5:
            line(frame.At(-u, -u), frame.At(u, -u));
            line(frame.At(u, -u), frame.At(u, u));
            line(frame.At(u, u), frame.At(-u, u));
            line(frame.At(-u, u), frame.At(-u, -u));
            break;
        case -6: {
            const double rt = 4 * u / 3;
            line(frame.Polar(rt, 90), frame.Polar(rt, 210));
            line(frame.Polar(rt, 210), frame.Polar(rt, 330));
            line(frame.Polar(rt, 330), frame.Polar(rt, 90));
            break;
        }
        case -7:
            line(frame.Polar(u, 45), frame.Polar(u, 225));
            line(frame.Polar(u, 135), frame.Polar(u, 315));
            break;
        default: circle(true, pen); break;
    }
    return result.Result();
}

}  // namespace torvane
