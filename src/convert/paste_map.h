#pragma once
#include "convert/paste_values.h"
#include "util/geometry.h"

namespace torvane {

// The map of the paste transform: scaling along the document's axes about the base point,
// then rotation about it.
class PasteMap {
public:
    PasteMap(double base_x, double base_y, const PasteTransformValues& values);

    TDPoint operator()(TDPoint p) const;
    // True when the map reverses orientation (the scales have opposite signs).
    bool Mirrors() const { return sx_ * sy_ < 0; }
    double ScaleX() const { return sx_; }
    double ScaleY() const { return sy_; }
    double Angle() const { return angle_; }

private:
    double bx_, by_, sx_, sy_, angle_, cos_, sin_;
};

// The point `along` in direction `angle` and `across` to its left from origin.
TDPoint Offset(TDPoint origin, double angle, double along, double across);
// Direction of b - a in [0, 2π); 0 when both components are below 1e-14.
inline double Direction(TDPoint a, TDPoint b) { return VecAngle(b.X - a.X, b.Y - a.Y); }

// An ellipse of an arc or an arc solid: centre, major radius, flatness (minor / major) and tilt.
struct Ellipse {
    TDPoint centre;
    double radius = 0;
    double flatness = 1;
    double tilt = 0;
};

// Point of the ellipse at parametric angle t; the centre when radius or flatness is 1e-12 or less.
inline TDPoint EllipsePoint(const Ellipse& e, double t) { return EllipsePt(e.centre, e.radius, e.flatness, e.tilt, t); }
// Parametric angle of p on the ellipse, in [0, 2π) (a flatness that is not positive counts as 1).
inline double EllipseParameter(const Ellipse& e, TDPoint p) { return EllipseParam(e.centre, e.flatness, e.tilt, p); }

// The ellipse spanned by the images of the two axis ends: exact for rotations, uniform scales and
// mirrors. A mapped radius of 0 leaves the flatness as it was.
Ellipse MapEllipse(const PasteMap& map, const Ellipse& e);

}  // namespace torvane
