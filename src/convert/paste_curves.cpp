#include <cmath>
#include <numbers>

#include "convert/paste_entities.h"

namespace torvane {
namespace {

bool Near(double a, double b) { return std::fabs(a - b) <= 1e-12; }

}  // namespace

void PasteArc(const PasteContext& context, TEntJwwEnko& arc) {
    const bool partial = arc.bZenEnFlg == 0;
    // A circle has no tilt of its own: fold it into the start angle.
    if (Near(arc.dHenpeiRitsu, 1)) {
        if (partial) arc.radKaishiKaku = ReduceAngle(arc.radKaishiKaku + arc.radKatamukiKaku);
        arc.radKatamukiKaku = 0;
    }
    const Ellipse before{{arc.start_x, arc.start_y}, arc.dHankei, arc.dHenpeiRitsu, arc.radKatamukiKaku};
    const Ellipse after = MapEllipse(context.map, before);
    arc.start_x = after.centre.X;
    arc.start_y = after.centre.Y;
    arc.dHankei = after.radius;
    arc.dHenpeiRitsu = after.flatness;
    arc.radKatamukiKaku = after.tilt;
    if (!partial) return;
    arc.radKaishiKaku = EllipseParameter(after, context.map(EllipsePoint(before, arc.radKaishiKaku)));
    if (context.map.Mirrors()) arc.radEnkoKaku = -arc.radEnkoKaku;
}

void PasteSolid(const PasteContext& context, TEntJwwSolid& solid) {
    const int style = solid.att.nPenStyle;
    if (style <= 100) {
        const TDPoint corners[4] = {context.map({solid.start_x, solid.start_y}),
                                       context.map({solid.end_x, solid.end_y}),
                                       context.map({solid.DPoint2_x, solid.DPoint2_y}),
                                       context.map({solid.DPoint3_x, solid.DPoint3_y})};
        solid.start_x = corners[0].X;
        solid.start_y = corners[0].Y;
        solid.end_x = corners[1].X;
        solid.end_y = corners[1].Y;
        solid.DPoint2_x = corners[2].X;
        solid.DPoint2_y = corners[2].Y;
        solid.DPoint3_x = corners[3].X;
        solid.DPoint3_y = corners[3].Y;
        return;
    }

    // Arc solid: centre, radius (end_x), flatness (end_y), tilt (DPoint2_x), start (DPoint2_y),
    // sweep (DPoint3_x) and shape parameter (DPoint3_y).
    double& tilt = solid.DPoint2_x;
    double& start = solid.DPoint2_y;
    double& sweep = solid.DPoint3_x;
    double& parameter = solid.DPoint3_y;
    const bool ring = style == 105 || style == 106;
    const bool outline_family = style == 101 || style == 111;
    const bool whole_ellipse = Near(parameter, 100);
    if (Near(solid.end_y, 1)) {
        if (ring || !whole_ellipse) start = ReduceAngle(start + tilt);
        tilt = 0;
    }
    const Ellipse before{{solid.start_x, solid.start_y}, solid.end_x, solid.end_y, tilt};
    const TDPoint parameter_point = Offset(before.centre, tilt, parameter, 0);
    const Ellipse after = MapEllipse(context.map, before);
    solid.start_x = after.centre.X;
    solid.start_y = after.centre.Y;
    solid.end_x = after.radius;
    solid.end_y = after.flatness;

    const bool full_sweep = std::fabs(sweep) <= 1e-12 || Near(std::fabs(sweep), 2 * std::numbers::pi);
    if (outline_family ? !whole_ellipse : !full_sweep) {
        start = EllipseParameter(after, context.map(EllipsePoint(before, start)));
        if (context.map.Mirrors()) sweep = -sweep;
    }
    tilt = after.tilt;
    if (!outline_family) parameter = Dist(context.map(parameter_point), after.centre);
}

}  // namespace torvane
