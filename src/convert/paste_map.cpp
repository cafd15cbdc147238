#include "convert/paste_map.h"

#include <cmath>
#include <numbers>

namespace torvane {

PasteMap::PasteMap(double base_x, double base_y, const PasteTransformValues& values)
    : bx_(base_x),
      by_(base_y),
      sx_(values.PasteBaX),
      sy_(values.PasteBaY),
      angle_(values.PasteAnr),
      cos_(std::cos(values.PasteAnr)),
      sin_(std::sin(values.PasteAnr)) {}

PlanePoint PasteMap::operator()(PlanePoint p) const {
    const double dx = (p.x - bx_) * sx_;
    const double dy = (p.y - by_) * sy_;
    return {bx_ + cos_ * dx - sin_ * dy, by_ + sin_ * dx + cos_ * dy};
}

PlanePoint Offset(PlanePoint origin, double angle, double along, double across) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {origin.x + c * along - s * across, origin.y + s * along + c * across};
}

double Distance(PlanePoint a, PlanePoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

double Direction(PlanePoint a, PlanePoint b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    if (std::fabs(dx) < 1e-14 && std::fabs(dy) < 1e-14) return 0;
    const double angle = std::atan2(dy, dx);
    return angle < 0 ? angle + 2 * std::numbers::pi : angle;
}

PlanePoint EllipsePoint(const Ellipse& e, double t) {
    if (e.radius <= 1e-12 || e.flatness <= 1e-12) return e.centre;
    return Offset(e.centre, e.tilt, e.radius * std::cos(t), e.radius * e.flatness * std::sin(t));
}

double EllipseParameter(const Ellipse& e, PlanePoint p) {
    const double c = std::cos(-e.tilt);
    const double s = std::sin(-e.tilt);
    const double dx = p.x - e.centre.x;
    const double dy = p.y - e.centre.y;
    const double along = c * dx - s * dy;
    const double across = (s * dx + c * dy) / (e.flatness > 0 ? e.flatness : 1);
    return Direction({0, 0}, {along, across});
}

Ellipse MapEllipse(const PasteMap& map, const Ellipse& e) {
    const PlanePoint major_end = Offset(e.centre, e.tilt, e.radius, 0);
    const PlanePoint minor_end = Offset(e.centre, e.tilt, 0, e.radius * e.flatness);
    Ellipse mapped;
    mapped.centre = map(e.centre);
    const PlanePoint major_image = map(major_end);
    mapped.radius = Distance(mapped.centre, major_image);
    mapped.flatness = mapped.radius > 0 ? Distance(mapped.centre, map(minor_end)) / mapped.radius : e.flatness;
    mapped.tilt = Direction(mapped.centre, major_image);
    return mapped;
}

}  // namespace torvane
