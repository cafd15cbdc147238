#include "util/geometry.h"

#include <cmath>
#include <numbers>

namespace torvane {
namespace {

constexpr double kSamePoint = 1e-12;
constexpr double kVertical = 1e-10;

// p turned about q1 so that the direction q1 → q2 points along +x.
TDPoint AlongLine(const TDPoint& p, const TDPoint& q1, const TDPoint& q2) {
    return RotPt(-VecAngle(q2.X - q1.X, q2.Y - q1.Y), q1, p);
}

}  // namespace

double RotX(double a, const TDPoint& m, const TDPoint& p) {
    return m.X + (p.X - m.X) * std::cos(a) - (p.Y - m.Y) * std::sin(a);
}

double RotY(double a, const TDPoint& m, const TDPoint& p) {
    return m.Y + (p.X - m.X) * std::sin(a) + (p.Y - m.Y) * std::cos(a);
}

TDPoint RotPt(double a, const TDPoint& m, const TDPoint& p) { return {RotX(a, m, p), RotY(a, m, p)}; }

TDPoint RotPtDeg(double a, const TDPoint& m, const TDPoint& p) { return RotPt(a * std::numbers::pi / 180.0, m, p); }

double VecAngle(double dx, double dy) {
    if (std::fabs(dx) < 1e-14 && std::fabs(dy) < 1e-14) return 0.0;
    const double a = std::atan2(dy, dx);
    return a < 0 ? a + 2 * std::numbers::pi : a;
}

double NormDeg(double a) {
    if (!std::isfinite(a)) return 0.0;
    a = std::fmod(a, 360.0);
    if (a < 0) a += 360.0;
    if (std::fabs(a) <= 1e-10 || std::fabs(a - 360.0) <= 1e-10) return 0.0;
    return a;
}

double Dist(const TDPoint& p, const TDPoint& q) { return std::hypot(q.X - p.X, q.Y - p.Y); }

bool SamePt(const TDPoint& p, const TDPoint& q) {
    return std::fabs(p.X - q.X) <= kSamePoint && std::fabs(p.Y - q.Y) <= kSamePoint;
}

double PtLineDist(const TDPoint& p, const TDPoint& q1, const TDPoint& q2) {
    return std::fabs(AlongLine(p, q1, q2).Y - q1.Y);
}

bool OnSegment(const TDPoint& p, const TDPoint& q1, const TDPoint& q2, double& d) {
    const TDPoint turned = AlongLine(p, q1, q2);
    d = turned.Y - q1.Y;
    const double along = turned.X - q1.X;
    return along >= -kSamePoint && along <= Dist(q1, q2) + kSamePoint;
}

int LineCross(const TDPoint& p1, const TDPoint& p2, const TDPoint& q1, const TDPoint& q2, TDPoint& x) {
    const double pdx = p2.X - p1.X;
    const double qdx = q2.X - q1.X;
    const bool p_vertical = std::fabs(pdx) <= kVertical;
    const bool q_vertical = std::fabs(qdx) <= kVertical;
    if (p_vertical && q_vertical) return 0;
    TDPoint cross;
    if (p_vertical) {
        const double qa = (q2.Y - q1.Y) / qdx;
        cross = {p1.X, q1.Y + qa * (p1.X - q1.X)};
    } else if (q_vertical) {
        const double pa = (p2.Y - p1.Y) / pdx;
        cross = {q1.X, p1.Y + pa * (q1.X - p1.X)};
    } else {
        const double pa = (p2.Y - p1.Y) / pdx;
        const double qa = (q2.Y - q1.Y) / qdx;
        if (std::fabs(pa - qa) <= kVertical) return 0;
        const double cx = (q1.Y - p1.Y + pa * p1.X - qa * q1.X) / (pa - qa);
        cross = {cx, p1.Y + pa * (cx - p1.X)};
    }
    x = cross;
    double offset = 0;
    return OnSegment(x, p1, p2, offset) && OnSegment(x, q1, q2, offset) ? 1 : 2;
}

TDPoint EllipsePt(const TDPoint& m, double r, double k, double t, double theta) {
    if (r <= kSamePoint || k <= kSamePoint) return m;
    return RotPt(t, m, {m.X + r * std::cos(theta), m.Y + r * k * std::sin(theta)});
}

double EllipseParam(const TDPoint& m, double k, double t, const TDPoint& p) {
    const TDPoint turned = RotPt(-t, m, p);
    const double divisor = k > 0 ? k : 1.0;
    return VecAngle(turned.X - m.X, (turned.Y - m.Y) / divisor);
}

}  // namespace torvane
