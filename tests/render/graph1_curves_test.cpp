#include <cmath>
#include <numbers>

#include "render/graph1_test_fixture.h"

namespace torvane::test {
namespace {

using Strokes = std::vector<std::string>;
constexpr double kPi = std::numbers::pi;

void Load(std::initializer_list<TDPoint> points) {
    WPolyClear();
    for (const TDPoint& p : points) WPolyAdd(p.X, p.Y);
}

TEST_F(Graph1Test, PolylineNeedsTwoPoints) {
    Load({{10, 10}});
    EXPECT_EQ(g.GLPolyline(), kGLTooFewPoints);
    EXPECT_TRUE(device.calls.empty());
}

TEST_F(Graph1Test, PolylineBeyondOneEdgeIsDroppedWhole) {
    Load({{-5, 1}, {-3, 20}, {-1, 40}});
    EXPECT_EQ(g.GLPolyline(), kGLOutside);
    EXPECT_TRUE(device.calls.empty());
}

TEST_F(Graph1Test, PolylineDrawnAsOneDevicePolyline) {
    Load({{10, 10}, {20, 10}, {20, 20}});
    EXPECT_EQ(g.GLPolyline(), kGLDrawn);
    EXPECT_EQ(device.Strokes(), (Strokes{"move 20 80", "line 40 80", "line 40 60"}));
    EXPECT_EQ(DPolyN, 0);
}

TEST_F(Graph1Test, ClippedSegmentEndsADevicePolyline) {
    // Leaves through the right edge and comes back.
    Load({{40, 10}, {60, 10}, {60, 20}, {40, 20}});
    EXPECT_EQ(g.GLPolyline(), kGLDrawn);
    EXPECT_EQ(device.Strokes(), (Strokes{"move 80 80", "line 100 80", "move 100 60", "line 80 60"}));
}

TEST_F(Graph1Test, TinyPolylineBecomesDotAtLastInsideEnd) {
    Load({{10, 10}, {10.3, 10}, {10.3, 10.3}});  // 1.2 pixels in all
    EXPECT_EQ(g.GLPolyline(), kGLDot);
    EXPECT_EQ(device.Strokes(), (Strokes{"move 21 79", "line 22 79"}));
}

TEST_F(Graph1Test, TinyPolylineEndingOutsideDrawsNothing) {
    Load({{0.2, 10}, {-0.2, 10}});  // 0.4 pixels visible; its clipped end lies on the edge
    EXPECT_EQ(g.GLPolyline(), kGLDot);
    EXPECT_TRUE(device.Strokes().empty());
}

TEST_F(Graph1Test, EllipseIsA72Gon) {
    EXPECT_EQ(g.GLEllipse(25, 25, 10, 0.5, 0), kGLDrawn);
    const auto segments = device.Segments();
    ASSERT_EQ(segments.size(), 72u);
    EXPECT_EQ(segments.front()[0], 70);  // (25 + 10) × 2
    EXPECT_EQ(segments.front()[1], 50);
    EXPECT_EQ(segments.back()[2], 70);  // closed
    EXPECT_EQ(segments.back()[3], 50);
    // The top of the ellipse: 5 units above the centre (flatness 0.5).
    EXPECT_EQ(segments[17][2], 50);
    EXPECT_EQ(segments[17][3], 40);
}

TEST_F(Graph1Test, SmallCircleStillStroked) {
    SetView(0, 0, 5, 100, 100);
    // Radius 0.2 at 5 pixels per unit: 2 pixels across, about 6 pixels around.
    EXPECT_EQ(g.GLEllipse(10, 10, 0.2, 1, 0), kGLDrawn);
    EXPECT_EQ(device.Segments().size(), 72u);
}

TEST_F(Graph1Test, ZeroRadiusEllipseIsADot) {
    EXPECT_EQ(g.GLEllipse(10, 10, 0, 1, 0), kGLDot);
    EXPECT_EQ(device.Strokes(), (Strokes{"move 20 80", "line 21 80"}));
}

TEST_F(Graph1Test, ArcRunsFromStartBySweep) {
    EXPECT_EQ(g.GLEllipseArc(25, 25, 10, 1, 0, kPi / 2, -kPi / 2), kGLDrawn);
    const auto segments = device.Segments();
    ASSERT_EQ(segments.size(), 72u);
    EXPECT_EQ((std::vector<int>{segments.front()[0], segments.front()[1]}), (std::vector<int>{50, 30}));
    EXPECT_EQ((std::vector<int>{segments.back()[2], segments.back()[3]}), (std::vector<int>{70, 50}));
}

TEST_F(Graph1Test, TiltedEllipse) {
    EXPECT_EQ(g.GLEllipse(25, 25, 10, 0.5, kPi / 2), kGLDrawn);
    const auto segments = device.Segments();
    EXPECT_EQ(segments.front()[0], 50);  // the major axis now points up
    EXPECT_EQ(segments.front()[1], 30);
}

TEST_F(Graph1Test, BlockEllipseIsSampledThenPlaced) {
    // A mirrored block (x → −x) moved by (30, 5): a circle at (−5, 20) lands at (35, 25).
    EXPECT_EQ(g.GLEllipseBL(-5, 20, 5, 1, 0, 30, 5, -1, 0, 0, 1, 1), kGLDrawn);
    const auto segments = device.Segments();
    ASSERT_EQ(segments.size(), 72u);
    EXPECT_EQ(segments.front()[0], 60);  // t = 0 at (0, 20) → (30, 25)
    EXPECT_EQ(segments.front()[1], 50);
    EXPECT_EQ(segments[17][2], 70);  // t = 90° at (−5, 25) → (35, 30)
    EXPECT_EQ(segments[17][3], 40);
    EXPECT_EQ(segments[35][2], 80);  // t = 180° at (−10, 20) → (40, 25): mirrored to the right
    EXPECT_EQ(segments[35][3], 50);
}

TEST_F(Graph1Test, BlockArcUsesScaleDivisor) {
    // Rotated 90° about the origin, moved by (20, 20) and halved by the divisor.
    EXPECT_EQ(g.GLEllipseArcBL(10, 0, 4, 1, 0, 0, kPi, 20, 20, 0, -1, 1, 0, 2), kGLDrawn);
    const auto segments = device.Segments();
    ASSERT_FALSE(segments.empty());
    // Start (14, 0) → ((0 − 0 + 20) / 2, (14 + 20) / 2) = (10, 17) → device (20, 66).
    EXPECT_EQ(segments.front()[0], 20);
    EXPECT_EQ(segments.front()[1], 66);
}

TEST_F(Graph1Test, RotatedBoxGoesThroughPolyline) {
    EXPECT_EQ(g.GLBoxA(10, 10, 20, 15, kPi / 2), kGLDrawn);
    EXPECT_EQ(device.Strokes(), (Strokes{"move 20 80", "line 20 60", "line 10 60", "line 10 80", "line 20 80"}));
    EXPECT_EQ(WPolyN, 0);
}

}  // namespace
}  // namespace torvane::test
