#include "convert/paste_entities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace torvane {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTol = 1e-9;

PasteContext Context(double sx, double sy, double degrees, bool text_scale = false, bool point_scale = false,
                     double bx = 0, double by = 0) {
    PasteTransformValues v;
    v.PasteBaX = sx;
    v.PasteBaY = sy;
    v.PasteAnr = ReduceAngle(degrees * kPi / 180);
    return PasteContext{PasteMap(bx, by, v), text_scale, point_scale};
}

// Angles compared on the circle.
void ExpectSameAngle(double a, double b) {
    EXPECT_NEAR(std::remainder(a - b, 2 * kPi), 0, kTol) << a << " vs " << b;
}

TEST(PasteLine, RotatesAboutTheBasePoint) {
    TEntJwwLine line;
    line.start_x = 5;
    line.start_y = 7;
    line.end_x = 15;
    line.end_y = 7;
    PasteLine(Context(1, 1, 90, false, false, 5, 7), line);
    EXPECT_NEAR(line.start_x, 5, kTol);
    EXPECT_NEAR(line.start_y, 7, kTol);
    EXPECT_NEAR(line.end_x, 5, kTol);
    EXPECT_NEAR(line.end_y, 17, kTol);
}

TEST(PasteLine, ScalesEachAxisBeforeRotating) {
    TEntJwwLine line;
    line.end_x = 1;
    line.end_y = 1;
    PasteLine(Context(2, 3, 90), line);
    EXPECT_NEAR(line.end_x, -3, kTol);
    EXPECT_NEAR(line.end_y, 2, kTol);
}

TEntJwwEnko Arc(double r, double f, double tilt, double start, double sweep, bool whole = false) {
    TEntJwwEnko arc;
    arc.start_x = 10;
    arc.start_y = 0;
    arc.dHankei = r;
    arc.dHenpeiRitsu = f;
    arc.radKatamukiKaku = tilt;
    arc.radKaishiKaku = start;
    arc.radEnkoKaku = sweep;
    arc.bZenEnFlg = whole ? 1 : 0;
    return arc;
}

TEST(PasteArc, CircleFoldsItsTiltIntoTheStart) {
    TEntJwwEnko arc = Arc(5, 1, 0.5, 0.25, 1);
    PasteArc(Context(1, 1, 90), arc);
    EXPECT_NEAR(arc.start_x, 0, kTol);
    EXPECT_NEAR(arc.start_y, 10, kTol);
    EXPECT_NEAR(arc.dHankei, 5, kTol);
    EXPECT_NEAR(arc.dHenpeiRitsu, 1, kTol);
    ExpectSameAngle(arc.radKatamukiKaku, kPi / 2);
    // The start point was at 0.75 rad on the untilted circle; turned by 90° it sits at
    // 0.75 + π/2, which is 0.75 on the circle tilted by π/2.
    ExpectSameAngle(arc.radKaishiKaku, 0.75);
    EXPECT_DOUBLE_EQ(arc.radEnkoKaku, 1);
}

TEST(PasteArc, WholeCircleKeepsStartAndSweep) {
    TEntJwwEnko arc = Arc(5, 1, 0.5, 0.25, 2 * kPi, true);
    PasteArc(Context(2, 2, 0), arc);
    EXPECT_NEAR(arc.dHankei, 10, kTol);
    EXPECT_EQ(arc.radKatamukiKaku, 0);
    EXPECT_EQ(arc.radKaishiKaku, 0.25);
    EXPECT_EQ(arc.radEnkoKaku, 2 * kPi);
}

TEST(PasteArc, MirrorNegatesTheSweepAndKeepsTheArcsPoints) {
    TEntJwwEnko arc = Arc(4, 0.5, 0.3, 0.2, 1.1);
    const Ellipse before{{arc.start_x, arc.start_y}, 4, 0.5, 0.3};
    const TDPoint start_before = EllipsePoint(before, 0.2);
    const TDPoint end_before = EllipsePoint(before, 0.2 + 1.1);
    PasteArc(Context(-1, 1, 0), arc);
    EXPECT_DOUBLE_EQ(arc.radEnkoKaku, -1.1);
    const Ellipse after{{arc.start_x, arc.start_y}, arc.dHankei, arc.dHenpeiRitsu, arc.radKatamukiKaku};
    const TDPoint start_after = EllipsePoint(after, arc.radKaishiKaku);
    const TDPoint end_after = EllipsePoint(after, arc.radKaishiKaku + arc.radEnkoKaku);
    EXPECT_NEAR(start_after.X, -start_before.X, kTol);
    EXPECT_NEAR(start_after.Y, start_before.Y, kTol);
    EXPECT_NEAR(end_after.X, -end_before.X, kTol);
    EXPECT_NEAR(end_after.Y, end_before.Y, kTol);
}

TEST(PasteArc, RotatedEllipseKeepsItsShape) {
    TEntJwwEnko arc = Arc(4, 0.5, 0.3, 0.2, 1.1);
    PasteArc(Context(1.5, 1.5, 30), arc);
    EXPECT_NEAR(arc.dHankei, 6, kTol);
    EXPECT_NEAR(arc.dHenpeiRitsu, 0.5, kTol);
    ExpectSameAngle(arc.radKatamukiKaku, 0.3 + kPi / 6);
    ExpectSameAngle(arc.radKaishiKaku, 0.2);
}

TEST(PasteArc, ZeroRadiusKeepsItsFlatness) {
    TEntJwwEnko arc = Arc(0, 0.4, 0.3, 0.2, 1.1);
    PasteArc(Context(2, 1, 45), arc);
    EXPECT_EQ(arc.dHankei, 0);
    EXPECT_EQ(arc.dHenpeiRitsu, 0.4);
    EXPECT_TRUE(std::isfinite(arc.radKaishiKaku));
    EXPECT_TRUE(std::isfinite(arc.radKatamukiKaku));
}

TEntJwwTen Marker(double size, double rotation) {
    TEntJwwTen point;
    point.att.nPenStyle = 100;
    point.start_x = 1;
    point.start_y = 0;
    point.dBairitsu = size;
    point.radKaitenKaku = rotation;
    return point;
}

TEST(PastePoint, MarkerTurnsAndSizesOnlyWithPointScale) {
    TEntJwwTen point = Marker(2, 0);
    PastePoint(Context(3, 3, 90), point);
    EXPECT_NEAR(point.start_x, 0, kTol);
    EXPECT_NEAR(point.start_y, 3, kTol);
    ExpectSameAngle(point.radKaitenKaku, kPi / 2);
    EXPECT_DOUBLE_EQ(point.dBairitsu, 2);

    TEntJwwTen scaled = Marker(2, 0);
    PastePoint(Context(3, 3, 90, false, true), scaled);
    EXPECT_NEAR(scaled.dBairitsu, 6, kTol);
}

TEST(PastePoint, MarkerWithoutSizeGetsOne) {
    TEntJwwTen point = Marker(0, 0);
    PastePoint(Context(2, 2, 0), point);
    EXPECT_EQ(point.dBairitsu, 1);
    TEntJwwTen scaled = Marker(0, 0);
    PastePoint(Context(2, 2, 0, false, true), scaled);
    EXPECT_NEAR(scaled.dBairitsu, 2, kTol);
}

TEST(PastePoint, MirroredMarkerTurnsTheOtherWay) {
    TEntJwwTen point = Marker(1, kPi / 6);
    PastePoint(Context(-1, 1, 0), point);
    ExpectSameAngle(point.radKaitenKaku, kPi - kPi / 6);
}

TEST(PastePoint, OrdinaryPointOnlyMoves) {
    TEntJwwTen point;
    point.att.nPenStyle = 1;
    point.bKariten = 1;
    point.start_x = 2;
    point.dBairitsu = 0;
    PastePoint(Context(2, 2, 0, false, true), point);
    EXPECT_NEAR(point.start_x, 4, kTol);
    EXPECT_EQ(point.dBairitsu, 0);
    EXPECT_EQ(point.radKaitenKaku, 0);
    EXPECT_EQ(point.bKariten, 1u);
}

TEntJwwBlock Insertion(double rotation) {
    TEntJwwBlock block;
    block.DPKijunTen_x = 10;
    block.DPKijunTen_y = 5;
    block.dBairitsuX = 1;
    block.dBairitsuY = 2;
    block.radKaitenKaku = rotation;
    return block;
}

// Where the insertion puts the definition point (u, v).
TDPoint Place(const TEntJwwBlock& b, double u, double v) {
    const double c = std::cos(b.radKaitenKaku);
    const double s = std::sin(b.radKaitenKaku);
    return {b.DPKijunTen_x + c * b.dBairitsuX * u - s * b.dBairitsuY * v,
            b.DPKijunTen_y + s * b.dBairitsuX * u + c * b.dBairitsuY * v};
}

TEST(PasteBlock, ScalesAndTurnsTheInsertion) {
    TEntJwwBlock block = Insertion(kPi / 2);
    PasteBlock(Context(2, 3, 90), block);
    EXPECT_NEAR(block.DPKijunTen_x, -15, kTol);
    EXPECT_NEAR(block.DPKijunTen_y, 20, kTol);
    // Turned by a quarter, the insertion's x runs along the figure's y: it takes the scale 3.
    EXPECT_DOUBLE_EQ(block.dBairitsuX, 3);
    EXPECT_DOUBLE_EQ(block.dBairitsuY, 4);
    ExpectSameAngle(block.radKaitenKaku, kPi);
}

TEST(PasteBlock, QuarterTurnedInsertionTakesTheOtherAxisScale) {
    for (const auto& [sx, sy] : {std::pair{2.0, 1.0}, {-2.0, 1.0}}) {
        for (const double rotation : {3 * kPi / 2, -kPi / 2}) {
            const PasteContext context = Context(sx, sy, 30);
            const TEntJwwBlock before = Insertion(rotation);
            TEntJwwBlock after = before;
            PasteBlock(context, after);
            for (const auto& [u, v] : {std::pair{1.0, 0.0}, {0.0, 1.0}}) {
                const TDPoint expected = context.map(Place(before, u, v));
                EXPECT_NEAR(Place(after, u, v).X, expected.X, kTol) << sx << " " << rotation;
                EXPECT_NEAR(Place(after, u, v).Y, expected.Y, kTol) << sx << " " << rotation;
            }
        }
    }
}

TEST(PasteBlock, MirroredRotatedInsertionPlacesItsContentMirrored) {
    const PasteContext mirror = Context(-1, 1, 30);
    for (const double rotation : {0.0, 0.4, kPi / 2, 2.5}) {
        const TEntJwwBlock before = Insertion(rotation);
        TEntJwwBlock after = before;
        PasteBlock(mirror, after);
        EXPECT_LT(after.dBairitsuX, 0);
        for (const auto& [u, v] : {std::pair{1.0, 0.0}, {0.0, 1.0}, {3.0, -2.0}}) {
            const TDPoint expected = mirror.map(Place(before, u, v));
            const TDPoint placed = Place(after, u, v);
            EXPECT_NEAR(placed.X, expected.X, kTol) << rotation;
            EXPECT_NEAR(placed.Y, expected.Y, kTol) << rotation;
        }
    }
}

}  // namespace
}  // namespace torvane
