#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "convert/paste_entities.h"

namespace torvane {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTol = 1e-9;

PasteContext Context(double sx, double sy, double degrees) {
    PasteTransformValues v;
    v.PasteBaX = sx;
    v.PasteBaY = sy;
    v.PasteAnr = ReduceAngle(degrees * kPi / 180);
    return PasteContext{PasteMap(0, 0, v), false, false};
}

void ExpectSameAngle(double a, double b) {
    EXPECT_NEAR(std::remainder(a - b, 2 * kPi), 0, kTol) << a << " vs " << b;
}

// Arc solid centred at (10, 0): radius, flatness, tilt, start, sweep, shape parameter.
TEntJwwSolid ArcSolid(int style, double r, double f, double tilt, double start, double sweep, double parameter) {
    TEntJwwSolid solid;
    solid.att.nPenStyle = static_cast<std::uint8_t>(style);
    solid.start_x = 10;
    solid.start_y = 0;
    solid.end_x = r;
    solid.end_y = f;
    solid.DPoint2_x = tilt;
    solid.DPoint2_y = start;
    solid.DPoint3_x = sweep;
    solid.DPoint3_y = parameter;
    return solid;
}

TEST(PasteSolid, QuadrilateralMapsItsFourCorners) {
    TEntJwwSolid solid;
    solid.att.nPenStyle = 1;
    solid.att.nPenColor = 10;
    solid.Color = 0x123456;
    solid.start_x = 1;
    solid.end_x = 2;
    solid.DPoint2_x = 3;
    solid.DPoint3_x = 4;
    PasteSolid(Context(2, 2, 90), solid);
    EXPECT_NEAR(solid.start_y, 2, kTol);
    EXPECT_NEAR(solid.end_y, 4, kTol);
    EXPECT_NEAR(solid.DPoint2_y, 6, kTol);
    EXPECT_NEAR(solid.DPoint3_y, 8, kTol);
    EXPECT_NEAR(solid.DPoint3_x, 0, kTol);
    EXPECT_EQ(solid.Color, 0x123456u);
}

TEST(PasteSolid, SectorTurnsAndFoldsTheCircleTilt) {
    TEntJwwSolid solid = ArcSolid(101, 5, 1, 0.5, 0.25, 1, 0);
    PasteSolid(Context(2, 2, 90), solid);
    EXPECT_NEAR(solid.start_x, 0, kTol);
    EXPECT_NEAR(solid.start_y, 20, kTol);
    EXPECT_NEAR(solid.end_x, 10, kTol);
    EXPECT_NEAR(solid.end_y, 1, kTol);
    ExpectSameAngle(solid.DPoint2_x, kPi / 2);
    ExpectSameAngle(solid.DPoint2_y, 0.75);
    EXPECT_DOUBLE_EQ(solid.DPoint3_x, 1);
    EXPECT_EQ(solid.DPoint3_y, 0);
}

TEST(PasteSolid, WholeEllipseOfTheOutlineFamiliesKeepsItsStart) {
    for (const int style : {101, 111}) {
        TEntJwwSolid solid = ArcSolid(style, 5, 1, 0.5, 0.25, 2 * kPi, 100);
        PasteSolid(Context(-1, 1, 0), solid);
        EXPECT_EQ(solid.DPoint2_x, kPi) << style;  // tilt of the mirrored major axis end
        EXPECT_EQ(solid.DPoint2_y, 0.25) << style;
        EXPECT_EQ(solid.DPoint3_x, 2 * kPi) << style;
        EXPECT_EQ(solid.DPoint3_y, 100) << style;
    }
}

TEST(PasteSolid, MirroredOutlineArcNegatesItsSweep) {
    TEntJwwSolid solid = ArcSolid(111, 4, 0.5, 0.3, 0.2, 1.1, 0);
    PasteSolid(Context(-1, 1, 0), solid);
    EXPECT_DOUBLE_EQ(solid.DPoint3_x, -1.1);
    EXPECT_EQ(solid.DPoint3_y, 0);
    const Ellipse after{{solid.start_x, solid.start_y}, solid.end_x, solid.end_y, solid.DPoint2_x};
    const TDPoint start = EllipsePoint(after, solid.DPoint2_y);
    const TDPoint expected = EllipsePoint({{10, 0}, 4, 0.5, 0.3}, 0.2);
    EXPECT_NEAR(start.X, -expected.X, kTol);
    EXPECT_NEAR(start.Y, expected.Y, kTol);
}

TEST(PasteSolid, RingScalesItsInnerRadius) {
    TEntJwwSolid ring = ArcSolid(105, 5, 1, 0.5, 0.25, 1, 3);
    PasteSolid(Context(2, 2, 0), ring);
    EXPECT_NEAR(ring.end_x, 10, kTol);
    EXPECT_NEAR(ring.DPoint3_y, 6, kTol);
    EXPECT_NEAR(ring.DPoint2_y, 0.75, kTol);
    EXPECT_EQ(ring.DPoint2_x, 0);

    // A ring around the whole circle keeps its start (folded tilt included) and its sweep.
    TEntJwwSolid full = ArcSolid(106, 5, 1, 0.5, 0.25, -2 * kPi, 100);
    PasteSolid(Context(1, -1, 0), full);
    EXPECT_NEAR(full.DPoint2_y, 0.75, kTol);
    EXPECT_EQ(full.DPoint3_x, -2 * kPi);
    EXPECT_NEAR(full.DPoint3_y, 100, kTol);
}

TEST(PasteSolid, ZeroRadiusKeepsItsFlatness) {
    TEntJwwSolid solid = ArcSolid(101, 0, 0.5, 0, 0, 1, 0);
    PasteSolid(Context(3, 1, 10), solid);
    EXPECT_EQ(solid.end_x, 0);
    EXPECT_EQ(solid.end_y, 0.5);
    EXPECT_TRUE(std::isfinite(solid.DPoint2_y));
}

}  // namespace
}  // namespace torvane
