#pragma once
#include <cmath>

namespace torvane {

// The current extents in world millimetres, shared by every figure document: GetMinMaxZahyo
// leaves them equal to the document's own extents, and the windows that fit a figure into a
// bitmap read them.
extern double MinWx, MinWy, MaxWx, MaxWy;

// Gathers the box of the points of one figure. Coordinates beyond ±5e11 (and NaN) are ignored;
// each point is divided by the document's divisor; the box is kept within ±1e8.
class ExtentsAccumulator {
public:
    explicit ExtentsAccumulator(double divisor) : divisor_(divisor) {}

    // Begins the box at the point (the first point every document passes).
    void Start(double x, double y);
    // Grows the box to hold the point; begins the box when no point was accepted yet.
    void Extend(double x, double y) {
        if (!InRange(x) || !InRange(y)) return;
        Grow(x / divisor_, y / divisor_);
    }
    // The point (px, py) placed by the affine map (x0 + r1·px + r2·py, y0 + r3·px + r4·py).
    void ExtendMapped(double px, double py, double x0, double y0, double r1, double r2, double r3, double r4) {
        if (!InRange(px) || !InRange(py)) return;
        const double x = (x0 + r1 * px + r2 * py) / divisor_, y = (y0 + r3 * px + r4 * py) / divisor_;
        if (std::isnan(x) || std::isnan(y)) return;  // a placement that is no number
        Grow(x, y);
    }

    // True when the box already holds every point within `reach` of (x, y) on both axes, so that
    // no such point can change it.
    bool Holds(double x, double y, double reach) const {
        return has_ && divisor_ > 0 && (x - reach) / divisor_ >= minX_ && (x + reach) / divisor_ <= maxX_ &&
               (y - reach) / divisor_ >= minY_ && (y + reach) / divisor_ <= maxY_;
    }

    // Widens a box whose corners coincide by 10 on every side (a box without any point is
    // taken at the origin), stores it in the shared current extents and in the four outputs.
    void Finish(double& minX, double& minY, double& maxX, double& maxY);

private:
    static constexpr double kLimit = 5e11;
    static constexpr double kClamp = 1e8;

    static bool InRange(double v) { return v >= -kLimit && v <= kLimit; }
    static double Clamp(double v) { return v < -kClamp ? -kClamp : (v > kClamp ? kClamp : v); }

    void Grow(double x, double y) {
        if (!has_) {
            Begin(x, y);
            return;
        }
        if (x < minX_) minX_ = Clamp(x);
        if (y < minY_) minY_ = Clamp(y);
        if (x > maxX_) maxX_ = Clamp(x);
        if (y > maxY_) maxY_ = Clamp(y);
    }
    void Begin(double x, double y);

    double divisor_;
    bool has_ = false;
    double minX_ = 0, minY_ = 0, maxX_ = 0, maxY_ = 0;
};

}  // namespace torvane
