#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstddef>
#include <span>
#include <vector>

#include "figure/extents.h"
#include "figure/jww_figure.h"
#include "util/image_reference.h"

namespace torvane {
namespace {

constexpr double kCoincide = 1e-12;
constexpr int kArcPoints = 73;
constexpr double kWholeEllipseStep = std::numbers::pi / 36;  // 5°

bool Near(double a, double b) { return std::fabs(a - b) <= kCoincide; }

// Adds points to the box as they are.
struct DirectSink {
    ExtentsAccumulator& box;
    void operator()(double x, double y) const { box.Extend(x, y); }
    bool Holds(double x, double y, double reach) const { return box.Holds(x, y, reach); }
};

// Adds points of a block definition placed by a node of the block tree.
struct PlacedSink {
    ExtentsAccumulator& box;
    const TEntJwwBlockTree& node;
    void operator()(double x, double y) const {
        box.ExtendMapped(x, y, node.x, node.y, node.r1, node.r2, node.r3, node.r4);
    }
    bool Holds(double, double, double) const { return false; }
};

// `count` points of the ellipse (centre, radii a and b, tilt) at t0, t0 + step, …; the angles
// advance by a rotation, which keeps the points within rounding of the direct formula. Nothing
// is computed when the box already holds the whole ellipse: its points could not change it (the
// reach allows for the rounding of the rotation).
template <typename Sink>
void AddEllipsePoints(Sink& add, double cx, double cy, double a, double b, double tilt, double t0, double step,
                      int count) {
    if (add.Holds(cx, cy, (std::fabs(a) + std::fabs(b)) * 1.000001)) return;
    const double ct = std::cos(tilt), st = std::sin(tilt);
    const double cd = std::cos(step), sd = std::sin(step);
    double c = std::cos(t0), s = std::sin(t0);
    for (int k = 0; k < count; ++k) {
        const double u = a * c, v = b * s;
        add(cx + ct * u - st * v, cy + st * u + ct * v);
        const double next = c * cd - s * sd;
        s = s * cd + c * sd;
        c = next;
    }
}

template <typename Sink>
void AddLine(Sink& add, const TEntJwwLine& line) {
    add(line.start_x, line.start_y);
    add(line.end_x, line.end_y);
}

// A partial arc by 73 points from its start to its end; a whole circle or ellipse by its
// four axis ends.
template <typename Sink>
void AddEnko(Sink& add, const TEntJwwEnko& enko) {
    const double a = enko.dHankei, b = enko.dHankei * enko.dHenpeiRitsu;
    if (enko.bZenEnFlg != 0)
        AddEllipsePoints(add, enko.start_x, enko.start_y, a, b, enko.radKatamukiKaku, 0, std::numbers::pi / 2, 4);
    else
        AddEllipsePoints(add, enko.start_x, enko.start_y, a, b, enko.radKatamukiKaku, enko.radKaishiKaku,
                         enko.radEnkoKaku / (kArcPoints - 1), kArcPoints);
}

template <typename Sink>
void AddTen(Sink& add, const TEntJwwTen& ten) {
    add(ten.start_x, ten.start_y);
}

// A text by its baseline, unless the baseline is a single point or the placeholder from (0, 0)
// to (0.01, 0.01); an image text also by the far corner of its rectangle.
template <typename Sink>
void AddMoji(Sink& add, const TEntJwwMoji& moji) {
    if (Near(moji.start_x, moji.end_x) && Near(moji.start_y, moji.end_y)) return;
    if (Near(moji.start_x, 0) && Near(moji.start_y, 0) && Near(moji.end_x, 0.01) && Near(moji.end_y, 0.01)) return;
    add(moji.start_x, moji.start_y);
    add(moji.end_x, moji.end_y);
    if (IsImageText(moji.str)) {
        if (const auto image = ParseImageReference(moji.str)) add(moji.start_x + image->w, moji.start_y + image->h);
    }
}

template <typename Sink>
void AddSunpo(Sink& add, const TEntJwwSunpo& sunpo) {
    AddLine(add, sunpo.Sen);
    add(sunpo.Moji.start_x, sunpo.Moji.start_y);
    add(sunpo.Moji.end_x, sunpo.Moji.end_y);
    if (sunpo.bSxfMode != 0) {
        AddLine(add, sunpo.Ho1);
        AddLine(add, sunpo.Ho2);
    }
}

// The point where the tangents at the arc's two ends meet; the centre when they are parallel.
template <typename Sink>
void AddTangentCorner(Sink& add, double cx, double cy, double r, double f, double tilt, double t0, double t1) {
    const double ct = std::cos(tilt), st = std::sin(tilt);
    auto rotate = [&](double u, double v, double& x, double& y) {
        x = ct * u - st * v;
        y = st * u + ct * v;
    };
    double p0x, p0y, p1x, p1y, d0x, d0y, d1x, d1y;
    rotate(r * std::cos(t0), r * f * std::sin(t0), p0x, p0y);
    rotate(r * std::cos(t1), r * f * std::sin(t1), p1x, p1y);
    rotate(-r * std::sin(t0), r * f * std::cos(t0), d0x, d0y);
    rotate(-r * std::sin(t1), r * f * std::cos(t1), d1x, d1y);
    const double cross = d0x * d1y - d0y * d1x;
    if (!(std::fabs(cross) > 1e-10 * std::hypot(d0x, d0y) * std::hypot(d1x, d1y))) {
        add(cx, cy);
        return;
    }
    const double along = ((p1x - p0x) * d1y - (p1y - p0y) * d1x) / cross;
    add(cx + p0x + along * d0x, cy + p0y + along * d0y);
}

// A quadrilateral by its corners; an arc solid by its outline, its centre (sector) or its
// tangent corner (the region between the arc and its end tangents).
template <typename Sink>
void AddSolid(Sink& add, const TEntJwwSolid& solid) {
    const int style = solid.att.nPenStyle;
    if (style <= 100) {
        add(solid.start_x, solid.start_y);
        add(solid.end_x, solid.end_y);
        add(solid.DPoint2_x, solid.DPoint2_y);
        add(solid.DPoint3_x, solid.DPoint3_y);
        return;
    }
    const double cx = solid.start_x, cy = solid.start_y;
    const double r = solid.end_x, f = solid.end_y, tilt = solid.DPoint2_x;
    const double start = solid.DPoint2_y, sweep = solid.DPoint3_x, shape = solid.DPoint3_y;
    if (style == 101 && std::fabs(shape) <= kCoincide) add(cx, cy);
    if (style == 101 && std::fabs(shape + 1) <= kCoincide)
        AddTangentCorner(add, cx, cy, r, f, tilt, start, start + sweep);
    const bool whole = (style == 101 || style == 111) && std::fabs(shape - 100) <= kCoincide;
    AddEllipsePoints(add, cx, cy, r, r * f, tilt, start, whole ? kWholeEllipseStep : sweep / (kArcPoints - 1),
                     kArcPoints);
}

// The valid entities of the document itself or of one block definition.
struct EntitySet {
    std::span<const TEntJwwLine> lines;
    std::span<const TEntJwwEnko> enkos;
    std::span<const TEntJwwTen> tens;
    std::span<const TEntJwwMoji> mojis;
    std::span<const TEntJwwSunpo> sunpos;
    std::span<const TEntJwwSolid> solids;
};

// The first `count` records, never beyond the array.
template <typename T>
std::span<const T> Valid(const std::vector<T>& records, std::int32_t count) {
    return {records.data(), count <= 0 ? 0 : std::min(records.size(), static_cast<std::size_t>(count))};
}

EntitySet DocumentEntities(const TJwwFigureData& d) {
    return {Valid(d.EntLine, d.EntLineN),   Valid(d.EntEnko, d.EntEnkoN),   Valid(d.EntTen, d.EntTenN),
            Valid(d.EntMoji, d.EntMojiN),   Valid(d.EntSunpo, d.EntSunpoN), Valid(d.EntSolid, d.EntSolidN)};
}

EntitySet DefinitionEntities(const TEntJwwBlockMembers& d) {
    return {Valid(d.mLine, d.mLineN), Valid(d.mEnko, d.mEnkoN),   Valid(d.mTen, d.mTenN),
            Valid(d.mMoji, d.mMojiN), Valid(d.mSunpo, d.mSunpoN), Valid(d.mSolid, d.mSolidN)};
}

template <typename Sink>
void AddEntities(Sink& add, const EntitySet& set) {
    for (const TEntJwwLine& line : set.lines) AddLine(add, line);
    for (const TEntJwwEnko& enko : set.enkos) AddEnko(add, enko);
    for (const TEntJwwTen& ten : set.tens) AddTen(add, ten);
    for (const TEntJwwMoji& moji : set.mojis) AddMoji(add, moji);
    for (const TEntJwwSunpo& sunpo : set.sunpos) AddSunpo(add, sunpo);
    for (const TEntJwwSolid& solid : set.solids) AddSolid(add, solid);
}

}  // namespace

void TJwwFigureData::GetMinMaxZahyo() {
    ExtentsAccumulator box(1.0);
    box.Start(Header().BasePoint_x, Header().BasePoint_y);
    DirectSink direct{box};
    AddEntities(direct, DocumentEntities(*this));
    // Block contents through the tree, which already holds every nested placement.
    for (const TEntJwwBlockTree& node : Valid(EntBlockTree, EntBlockTreeN)) {
        if (node.defno < 0 || node.defno >= EntBlockDefN || static_cast<std::size_t>(node.defno) >= EntBlockDef.size())
            continue;
        PlacedSink placed{box, node};
        AddEntities(placed, DefinitionEntities(EntBlockDef[static_cast<std::size_t>(node.defno)].Members()));
    }
    box.Finish(myMinWx, myMinWy, myMaxWx, myMaxWy);
}

}  // namespace torvane
