#include <cmath>

#include "figure/extents.h"
#include "figure/jwk_data.h"
#include "util/geometry.h"

namespace torvane {
namespace {

constexpr double kCoincide = 1e-12;
constexpr double kFullSweep = 1e-14;
constexpr double kMinScale = 1e-14;

// An angle in degrees brought into [0, 360).
double ReduceDegrees(double a) {
    a = std::fmod(a, 360.0);
    if (a < 0) a += 360;
    return a >= 360 ? 0 : a;
}

// The arc's start and end points and the axis ends it passes, or the four axis ends of a
// whole ellipse.
void AddArc(ExtentsAccumulator& box, const TEntJwcArc2& arc) {
    const double a = arc.r;
    const double b = static_cast<double>(arc.r) * arc.h;
    const double tilt = arc.tt * kRadPerDeg;
    const double c = std::cos(tilt), s = std::sin(tilt);
    auto add = [&](double tDegrees) {
        const double t = tDegrees * kRadPerDeg;
        const double u = a * std::cos(t), v = b * std::sin(t);
        box.Extend(arc.x + c * u - s * v, arc.y + s * u + c * v);
    };
    const double start = ReduceDegrees(arc.st);
    const double sweep = ReduceDegrees(arc.et - start);
    if (std::fabs(sweep) < kFullSweep || std::fabs(sweep - 360) < kFullSweep) {
        for (int k = 0; k < 4; ++k) add(k * 90.0);
        return;
    }
    add(arc.st);
    add(arc.et);
    for (int k = 0; k < 4; ++k) {
        const double reach = k == 0 ? 360 - start : ReduceDegrees(k * 90.0 - start);
        if (sweep >= reach) add(k * 90.0);
    }
}

bool Coincide(double x1, double y1, double x2, double y2) {
    return std::fabs(x1 - x2) <= kCoincide && std::fabs(y1 - y2) <= kCoincide;
}

}  // namespace

void TJwkData::GetMinMaxZahyo() {
    // A scale the reader would not accept (set by hand) counts as no scale.
    const double scale = std::isfinite(Enthd.scale) && Enthd.scale > kMinScale ? Enthd.scale : 1.0;
    ExtentsAccumulator box(scale);
    box.Start(0, 0);
    for (int32_t i = 0; i < lineN && i < static_cast<int32_t>(EntLine.size()); ++i) {
        const TEntJwcLine& line = EntLine[i];
        box.Extend(line.x1, line.y1);
        box.Extend(line.x2, line.y2);
    }
    for (int32_t i = 0; i < arcN && i < static_cast<int32_t>(EntArc.size()); ++i) AddArc(box, EntArc[i]);
    for (int32_t i = 0; i < mojiN && i < static_cast<int32_t>(EntMoji.size()); ++i) {
        const TEntJwcMoji2& moji = EntMoji[i];
        if (Coincide(moji.x1, moji.y1, moji.x2, moji.y2)) continue;
        box.Extend(moji.x1, moji.y1);
        box.Extend(moji.x2, moji.y2);
    }
    for (int32_t i = 0; i < tenN && i < static_cast<int32_t>(EntTen.size()); ++i)
        box.Extend(EntTen[i].x, EntTen[i].y);
    box.Finish(myMinWx, myMinWy, myMaxWx, myMaxWy);
}

}  // namespace torvane
