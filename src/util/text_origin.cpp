#include <cmath>
#include <numbers>

#include "util/geometry.h"

namespace torvane {
namespace {

// Fractions of the length and height from the lower-left start to the reference point.
struct Anchor {
    double kx;
    double ky;
};

Anchor AnchorOf(int type) {
    if (type < 0 || type > 8) type = 0;
    return {(type % 3) * 0.5, (type / 3) * 0.5};
}

// r + R(ang)(dx, dy), ang in degrees.
TDPoint Offset(const TDPoint& r, double ang, double dx, double dy) {
    const double a = ang * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    return {r.X + c * dx - s * dy, r.Y + s * dx + c * dy};
}

}  // namespace

TDPoint TextOrigin(int type, double l, double h, double ang, const TDPoint& r) {
    const Anchor anchor = AnchorOf(type);
    return Offset(r, ang, -anchor.kx * l, -anchor.ky * h);
}

TDPoint TextRefMove(int from, int to, double l, double h, double ang, const TDPoint& r) {
    if (from == to) return r;
    const Anchor anchor = AnchorOf(to);
    return Offset(TextOrigin(from, l, h, ang, r), ang, anchor.kx * l, anchor.ky * h);
}

}  // namespace torvane
