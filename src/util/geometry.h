#pragma once

#include <numbers>

namespace torvane {

// Radians per degree.
inline constexpr double kRadPerDeg = std::numbers::pi / 180;

// A point in world millimetres.
struct TDPoint {
    double X = 0;
    double Y = 0;
    bool operator==(const TDPoint&) const = default;
};

// Plane geometry on doubles; angles in radians unless stated, rotations counter-clockwise.

// x and y of p rotated by a about m.
double RotX(double a, const TDPoint& m, const TDPoint& p);
double RotY(double a, const TDPoint& m, const TDPoint& p);
TDPoint RotPt(double a, const TDPoint& m, const TDPoint& p);
// As RotPt with a in degrees.
TDPoint RotPtDeg(double a, const TDPoint& m, const TDPoint& p);

// Direction of the vector (dx, dy) in [0, 2π); 0 when both |dx| and |dy| are below 1e-14.
double VecAngle(double dx, double dy);

// a in degrees brought into [0, 360); a result within 1e-10 of 0 or 360 becomes 0.
double NormDeg(double a);

double Dist(const TDPoint& p, const TDPoint& q);

// Both coordinate differences are at most 1e-12.
bool SamePt(const TDPoint& p, const TDPoint& q);

// Distance of p from the infinite line through q1 and q2.
double PtLineDist(const TDPoint& p, const TDPoint& q1, const TDPoint& q2);

// d = the signed offset of p across the line q1 → q2 (positive on its left); true when the
// projection of p onto the line lies between q1 and q2 (tolerance 1e-12).
bool OnSegment(const TDPoint& p, const TDPoint& q1, const TDPoint& q2, double& d);

// Intersection x of the lines p1p2 and q1q2: 0 when they are parallel or both vertical
// (x unchanged), 1 when x lies on both segments, 2 otherwise.
int LineCross(const TDPoint& p1, const TDPoint& p2, const TDPoint& q1, const TDPoint& q2, TDPoint& x);

// Point at parameter theta of the ellipse with centre m, radius r, flatness k (minor / major)
// and tilt t; m itself when r or k is at most 1e-12.
TDPoint EllipsePt(const TDPoint& m, double r, double k, double t, double theta);
// The parameter of point p on the ellipse with centre m, flatness k and tilt t.
double EllipseParam(const TDPoint& m, double k, double t, const TDPoint& p);

// Lower-left start of a text of length l and height h at angle ang (degrees) whose reference
// point of the given type is r. Types 0..8: bottom left, bottom centre, bottom right, middle
// left, centre, middle right, top left, top centre, top right; any other type counts as 0.
TDPoint TextOrigin(int type, double l, double h, double ang, const TDPoint& r);
// The reference point of type `to` of the text whose reference point of type `from` is r.
TDPoint TextRefMove(int from, int to, double l, double h, double ang, const TDPoint& r);

}  // namespace torvane
