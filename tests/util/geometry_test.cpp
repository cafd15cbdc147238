#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "util/geometry.h"

namespace torvane {
namespace {

constexpr double kPi = std::numbers::pi;

void ExpectNear(const TDPoint& actual, const TDPoint& expected) {
    EXPECT_NEAR(actual.X, expected.X, 1e-9);
    EXPECT_NEAR(actual.Y, expected.Y, 1e-9);
}

TEST(RotationTest, CounterClockwiseAboutTheCentre) {
    ExpectNear(RotPt(kPi / 2, {1, 1}, {3, 1}), {1, 3});
    ExpectNear(RotPtDeg(180, {1, 1}, {3, 2}), {-1, 0});
    EXPECT_NEAR(RotX(kPi / 2, {0, 0}, {2, 0}), 0, 1e-12);
    EXPECT_NEAR(RotY(kPi / 2, {0, 0}, {2, 0}), 2, 1e-12);
}

TEST(AngleTest, VecAngleInZeroToTwoPi) {
    EXPECT_DOUBLE_EQ(VecAngle(1, 0), 0);
    EXPECT_DOUBLE_EQ(VecAngle(0, -1), 1.5 * kPi);
    EXPECT_DOUBLE_EQ(VecAngle(-1, -0.0), kPi);
    EXPECT_DOUBLE_EQ(VecAngle(1e-15, -1e-15), 0);
}

TEST(AngleTest, NormDegWrapsIntoZeroTo360) {
    EXPECT_DOUBLE_EQ(NormDeg(-30), 330);
    EXPECT_DOUBLE_EQ(NormDeg(720), 0);
    EXPECT_DOUBLE_EQ(NormDeg(359.99999999999), 0);
    EXPECT_DOUBLE_EQ(NormDeg(-1e-11), 0);
    EXPECT_DOUBLE_EQ(NormDeg(-725), 355);
    EXPECT_DOUBLE_EQ(NormDeg(1e20), std::fmod(1e20, 360.0));
    EXPECT_DOUBLE_EQ(NormDeg(std::numeric_limits<double>::infinity()), 0);
}

TEST(PointTest, DistanceAndCoincidence) {
    EXPECT_DOUBLE_EQ(Dist({1, 1}, {4, 5}), 5);
    EXPECT_TRUE(SamePt({1, 1}, {1 + 1e-13, 1 - 1e-13}));
    EXPECT_FALSE(SamePt({1, 1}, {1, 1 + 1e-11}));
}

TEST(LineTest, DistanceAndSignedOffsetFromALine) {
    EXPECT_NEAR(PtLineDist({5, -3}, {0, 0}, {1, 0}), 3, 1e-12);
    EXPECT_NEAR(PtLineDist({0, 0}, {1, 1}, {2, 2}), 0, 1e-12);
    double d = 0;
    EXPECT_TRUE(OnSegment({1, 2}, {0, 0}, {2, 0}, d));
    EXPECT_NEAR(d, 2, 1e-12);
    EXPECT_FALSE(OnSegment({3, -1}, {0, 0}, {2, 0}, d));
    EXPECT_NEAR(d, -1, 1e-12);
    EXPECT_TRUE(OnSegment({2, 5}, {0, 0}, {2, 0}, d));
    EXPECT_FALSE(OnSegment({-1e-9, 0}, {0, 0}, {2, 0}, d));
}

TEST(LineCrossTest, CrossingOnBothSegmentsOrBeyond) {
    TDPoint x{};
    EXPECT_EQ(LineCross({0, 0}, {2, 2}, {0, 2}, {2, 0}, x), 1);
    ExpectNear(x, {1, 1});
    EXPECT_EQ(LineCross({0, 0}, {1, 1}, {0, 4}, {4, 0}, x), 2);
    ExpectNear(x, {2, 2});
}

TEST(LineCrossTest, VerticalLinesAreHandledApart) {
    TDPoint x{};
    EXPECT_EQ(LineCross({1, -5}, {1, 5}, {0, 0}, {2, 2}, x), 1);
    ExpectNear(x, {1, 1});
    EXPECT_EQ(LineCross({0, 3}, {2, 3}, {5, 0}, {5, 1}, x), 2);
    ExpectNear(x, {5, 3});
}

TEST(LineCrossTest, ParallelOrBothVerticalGiveZeroAndKeepX) {
    TDPoint x{7, 7};
    EXPECT_EQ(LineCross({0, 0}, {1, 1}, {0, 1}, {2, 3}, x), 0);
    EXPECT_EQ(LineCross({1, 0}, {1, 1}, {3, 0}, {3 + 1e-11, 5}, x), 0);
    EXPECT_EQ(LineCross({0, 0}, {2, 2}, {0, 0}, {2, 2}, x), 0);
    EXPECT_EQ(x, (TDPoint{7, 7}));
}

TEST(EllipseTest, PointAndParameterAreInverse) {
    const TDPoint m{10, 20};
    ExpectNear(EllipsePt(m, 4, 0.5, 0, kPi / 2), {10, 22});
    ExpectNear(EllipsePt(m, 4, 0.5, kPi / 2, 0), {10, 24});
    ExpectNear(EllipsePt(m, 0, 0.5, 1, 1), m);
    ExpectNear(EllipsePt(m, 4, 1e-13, 1, 1), m);
    for (double theta : {0.3, 2.0, 4.0, 6.0})
        EXPECT_NEAR(EllipseParam(m, 0.5, 0.7, EllipsePt(m, 4, 0.5, 0.7, theta)), theta, 1e-9);
    EXPECT_NEAR(EllipseParam(m, -1, 0, {10, 21}), kPi / 2, 1e-12);
}

TEST(TextOriginTest, EveryReferenceTypeAtZeroAndNinetyDegrees) {
    const TDPoint r{10, 10};
    ExpectNear(TextOrigin(0, 8, 2, 0, r), {10, 10});
    ExpectNear(TextOrigin(1, 8, 2, 0, r), {6, 10});
    ExpectNear(TextOrigin(2, 8, 2, 0, r), {2, 10});
    ExpectNear(TextOrigin(4, 8, 2, 0, r), {6, 9});
    ExpectNear(TextOrigin(8, 8, 2, 0, r), {2, 8});
    ExpectNear(TextOrigin(9, 8, 2, 0, r), {10, 10});
    ExpectNear(TextOrigin(-1, 8, 2, 0, r), {10, 10});
    ExpectNear(TextOrigin(2, 8, 2, 90, r), {10, 2});
    ExpectNear(TextOrigin(6, 8, 2, 90, r), {12, 10});
}

TEST(TextOriginTest, MovingTheReferencePoint) {
    const TDPoint r{10, 10};
    ExpectNear(TextRefMove(0, 8, 8, 2, 0, r), {18, 12});
    ExpectNear(TextRefMove(8, 0, 8, 2, 90, {0, 0}), {2, -8});
    ExpectNear(TextRefMove(4, 4, 8, 2, 33, r), r);
    const TDPoint moved = TextRefMove(3, 7, 5, 3, 30, r);
    ExpectNear(TextRefMove(7, 3, 5, 3, 30, moved), r);
}

}  // namespace
}  // namespace torvane
