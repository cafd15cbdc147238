#include "convert/paste_entities.h"

#include <cmath>
#include <numbers>

namespace torvane {
namespace {

// The angle turns by a quarter or by three quarters.
bool QuarterTurn(double angle) {
    const double a = ReduceAngle(angle);
    return std::fabs(a - std::numbers::pi / 2) <= 1e-9 || std::fabs(a - 3 * std::numbers::pi / 2) <= 1e-9;
}

}  // namespace

void PasteLine(const PasteContext& context, TEntJwwLine& line) { PasteEnds(context, line); }

void PastePoint(const PasteContext& context, TEntJwwTen& point) {
    const TDPoint position{point.start_x, point.start_y};
    const TDPoint mapped = context.map(position);
    if (point.att.nPenStyle == 100) {
        // The marker's rotation and size ride on a second point at its size along its rotation.
        if (point.dBairitsu <= 1e-12) point.dBairitsu = 1;
        const TDPoint tip = context.map(Offset(position, point.radKaitenKaku, point.dBairitsu, 0));
        point.radKaitenKaku = Direction(mapped, tip);
        if (context.point_scale) point.dBairitsu = Dist(mapped, tip);
    }
    point.start_x = mapped.X;
    point.start_y = mapped.Y;
}

void PasteDimension(const PasteContext& context, TEntJwwSunpo& dimension) {
    PasteLine(context, dimension.Sen);
    PasteCharacterText(context, dimension.Moji);
    if (dimension.bSxfMode == 0) return;
    PasteLine(context, dimension.Ho1);
    PasteLine(context, dimension.Ho2);
    PastePoint(context, dimension.Te1);
    PastePoint(context, dimension.Te2);
    PastePoint(context, dimension.Kt1);
    PastePoint(context, dimension.Kt2);
}

void PasteBlock(const PasteContext& context, TEntJwwBlock& block) {
    const TDPoint insertion = context.map({block.DPKijunTen_x, block.DPKijunTen_y});
    block.DPKijunTen_x = insertion.X;
    block.DPKijunTen_y = insertion.Y;
    const double sx = context.map.ScaleX();
    const double sy = context.map.ScaleY();
    // The paste scales along the figure's axes, an insertion's factors along its own. An insertion
    // turned by a quarter or three quarters has its own axes along the figure's y and x:
    // diag(sx, sy)·R(φ) = R(φ)·diag(sy, sx), so each factor takes the other axis' scale. At other
    // angles, unequal scales have no exact insertion and the factors are scaled as they stand.
    if (std::fabs(std::fabs(sx) - std::fabs(sy)) > 1e-12 && QuarterTurn(block.radKaitenKaku)) {
        block.dBairitsuX *= sy;
        block.dBairitsuY *= sx;
        block.radKaitenKaku = ReduceAngle(block.radKaitenKaku + context.map.Angle());
        return;
    }
    block.dBairitsuX *= sx;
    block.dBairitsuY *= sy;
    // A mirror turns the block's own rotation the other way: diag(sx, sy)·R(φ) = R(-φ)·diag(sx, sy)
    // when the scales differ only in sign.
    const double own = context.map.Mirrors() ? -block.radKaitenKaku : block.radKaitenKaku;
    block.radKaitenKaku = ReduceAngle(own + context.map.Angle());
}

}  // namespace torvane
