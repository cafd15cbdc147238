#pragma once
#include "convert/paste_values.h"

namespace torvane {

struct PlanePoint {
    double x = 0;
    double y = 0;
};

// The map of the paste transform: scaling along the document's axes about the base point,
// then rotation about it.
class PasteMap {
public:
    PasteMap(double base_x, double base_y, const PasteTransformValues& values);

    PlanePoint operator()(PlanePoint p) const;
    // True when the map reverses orientation (the scales have opposite signs).
    bool Mirrors() const { return sx_ * sy_ < 0; }
    double ScaleX() const { return sx_; }
    double ScaleY() const { return sy_; }
    double Angle() const { return angle_; }

private:
    double bx_, by_, sx_, sy_, angle_, cos_, sin_;
};

// Helpers of plane geometry used by the entity maps.
PlanePoint Offset(PlanePoint origin, double angle, double along, double across);
double Distance(PlanePoint a, PlanePoint b);
// Direction of b - a in [0, 2π); 0 when both components are below 1e-14.
double Direction(PlanePoint a, PlanePoint b);

// An ellipse of an arc or an arc solid: centre, major radius, flatness (minor / major) and tilt.
struct Ellipse {
    PlanePoint centre;
    double radius = 0;
    double flatness = 1;
    double tilt = 0;
};

// Point of the ellipse at parametric angle t; the centre when radius or flatness is 1e-12 or less.
PlanePoint EllipsePoint(const Ellipse& e, double t);
// Parametric angle of p on the ellipse, in [0, 2π) (a flatness that is not positive counts as 1).
double EllipseParameter(const Ellipse& e, PlanePoint p);

// The ellipse spanned by the images of the two axis ends: exact for rotations, uniform scales and
// mirrors. A mapped radius of 0 leaves the flatness as it was.
Ellipse MapEllipse(const PasteMap& map, const Ellipse& e);

}  // namespace torvane
