#include "convert/paste_map.h"

#include <cmath>

namespace torvane {

PasteMap::PasteMap(double base_x, double base_y, const PasteTransformValues& values)
    : bx_(base_x),
      by_(base_y),
      sx_(values.PasteBaX),
      sy_(values.PasteBaY),
      angle_(values.PasteAnr),
      cos_(std::cos(values.PasteAnr)),
      sin_(std::sin(values.PasteAnr)) {}

TDPoint PasteMap::operator()(TDPoint p) const {
    const double dx = (p.X - bx_) * sx_;
    const double dy = (p.Y - by_) * sy_;
    return {bx_ + cos_ * dx - sin_ * dy, by_ + sin_ * dx + cos_ * dy};
}

TDPoint Offset(TDPoint origin, double angle, double along, double across) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {origin.X + c * along - s * across, origin.Y + s * along + c * across};
}

Ellipse MapEllipse(const PasteMap& map, const Ellipse& e) {
    const TDPoint major_end = Offset(e.centre, e.tilt, e.radius, 0);
    const TDPoint minor_end = Offset(e.centre, e.tilt, 0, e.radius * e.flatness);
    Ellipse mapped;
    mapped.centre = map(e.centre);
    const TDPoint major_image = map(major_end);
    mapped.radius = Dist(mapped.centre, major_image);
    mapped.flatness = mapped.radius > 0 ? Dist(mapped.centre, map(minor_end)) / mapped.radius : e.flatness;
    mapped.tilt = Direction(mapped.centre, major_image);
    return mapped;
}

}  // namespace torvane
