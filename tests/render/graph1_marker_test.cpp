#include <cmath>
#include <numbers>

#include "render/graph1_test_fixture.h"

namespace torvane::test {
namespace {

using Strokes = std::vector<std::string>;
constexpr double kPi = std::numbers::pi;

TEST_F(Graph1Test, PlainPointHasMinimumRadiusOfTwoPixels) {
    SetView(0, 0, 4, 100, 100);
    // Colour 1: width 0.1, radius 0.2 → 0.25 units = 1 pixel, raised to 2 pixels, which the
    // filled circle still reduces to a dot.
    EXPECT_EQ(g.GLTenMarker(10, 10, 0, 0, 0, 1, 0, 1, 0, 0), kGLDot);
    EXPECT_EQ(device.Strokes(), (Strokes{"move 40 60", "line 41 60"}));
    device.Clear();
    SetView(0, 0, 20, 100, 100);
    EXPECT_EQ(g.GLTenMarker(2, 2, 0, 0, 0, 1, 0, 1, 0, 0), kGLDrawn);  // 5 pixels
    const auto fills = device.Of(DeviceCall::Kind::FillPolygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].points.size(), 73u);
    EXPECT_NEAR(fills[0].points[0].x, 45, 1e-4);
    EXPECT_EQ(fills[0].color, 0xC0C000u);  // colour 1
}

TEST_F(Graph1Test, PenWidthOfPointWidensPlainPoint) {
    SetView(0, 0, 20, 100, 100);
    // wd 100 → 1.0 unit wide: radius 0.5 + 0.2 = 0.7 units = 14 pixels.
    g.GLTenMarker(2, 2, 0, 0, 0, 1, 0, 1, 100, 0);
    const auto fills = device.Of(DeviceCall::Kind::FillPolygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_NEAR(fills[0].points[0].x, 54, 1e-3);
}

TEST_F(Graph1Test, ArrowheadPointsAlongAngleAndHidesWhatIsUnder) {
    SetView(0, 0, 4, 100, 100);
    EXPECT_EQ(g.GLTenMarker(10, 10, 0, 1, kPi / 2, 1, 0, 2, 0, 0), kGLDrawn);
    const auto fills = device.Of(DeviceCall::Kind::FillPolygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].color, 0xFFFFFFu);  // background
    ASSERT_EQ(fills[0].points.size(), 4u);
    EXPECT_NEAR(fills[0].points[0].x, 40, 1e-4);  // tip at the point
    EXPECT_NEAR(fills[0].points[0].y, 60, 1e-4);
    EXPECT_NEAR(fills[0].points[1].y, 90, 1e-4);  // base 7.5 units below: the arrow points up
    EXPECT_NEAR(fills[0].points[1].x, 35, 1e-4);
    EXPECT_NEAR(fills[0].points[2].x, 45, 1e-4);
    // Outlined in the pen colour after the fill, and fills go back to the pen colour.
    EXPECT_EQ(device.Segments().size(), 3u);
    EXPECT_EQ(device.calls.back().kind, DeviceCall::Kind::LineTo);
    EXPECT_EQ(g.FillColor(), 0x000000u);
}

TEST_F(Graph1Test, FilledShapesUsePenColour) {
    SetView(0, 0, 4, 100, 100);
    g.GLTenMarker(10, 10, 0, 5, 0, 1, 0, 3, 0, 0);
    const auto fills = device.Of(DeviceCall::Kind::FillPolygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].color, 0x00C000u);
    EXPECT_EQ(device.Segments().size(), 4u);
}

TEST_F(Graph1Test, ZeroSizeFactorMeansOne) {
    SetView(0, 0, 4, 100, 100);
    g.GLTenMarker(10, 10, 0, 2, 0.3, 0, 0, 2, 0, 0);
    const auto with_zero = device.calls.size();
    const auto strokes_zero = device.Strokes();
    device.Clear();
    g.GLTenMarker(10, 10, 0, 2, 0.3, 1, 0, 2, 0, 0);
    EXPECT_EQ(device.calls.size(), with_zero);
    EXPECT_EQ(device.Strokes(), strokes_zero);
}

TEST_F(Graph1Test, TemporaryPointIsThreePixelRingAtAnyZoom) {
    for (double scale : {0.5, 4.0, 100.0}) {
        SetView(0, 0, scale, 100, 100);
        device.Clear();
        EXPECT_EQ(g.GLTenMarker(50 / scale, 50 / scale, 1, 7, 0, 5, 0, 8, 0, 0), kGLDrawn);
        const auto segments = device.Segments();
        ASSERT_EQ(segments.size(), 72u) << scale;
        EXPECT_EQ(segments[0][0], 53);
        EXPECT_EQ(segments[0][1], 50);
        EXPECT_TRUE(device.Of(DeviceCall::Kind::FillPolygon).empty());
    }
}

TEST_F(Graph1Test, UndefinedCodeDrawsFilledCircleOfCodeSeven) {
    SetView(0, 0, 4, 100, 100);
    g.GLTenMarker(10, 10, 0, 7, 0, 2, 0, 2, 0, 0);
    const auto seven = device.Strokes();
    device.Clear();
    g.GLTenMarker(10, 10, 0, 12, 0, 2, 0, 2, 0, 0);
    EXPECT_EQ(device.Strokes(), seven);
    ASSERT_EQ(seven.size(), 1u + 1u + 72u);  // fill, then the 72-gon outline
    EXPECT_EQ(seven[0], "poly 73 #000000");
}

TEST_F(Graph1Test, OpenCircleFillsBackgroundFirst) {
    SetView(0, 0, 4, 100, 100);
    g.GLTenMarker(10, 10, 0, 3, 0, 2, 0, 2, 0, 0);
    const auto fills = device.Of(DeviceCall::Kind::FillPolygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].color, 0xFFFFFFu);
    device.Clear();
    g.GLTenMarker(10, 10, 0, 4, 0, 2, 0, 2, 0, 0);  // outline only
    EXPECT_TRUE(device.Of(DeviceCall::Kind::FillPolygon).empty());
    EXPECT_EQ(device.Segments().size(), 72u);
}

TEST_F(Graph1Test, LineMarkers) {
    SetView(0, 0, 4, 100, 100);
    const auto lines_of = [&](int code, double x = 10) {
        device.Clear();
        g.GLTenMarker(x, 10, 0, code, 0, 2, 0, 2, 0, 0);
        return device.Segments();
    };
    EXPECT_EQ(lines_of(9).size(), 2u);
    EXPECT_EQ(lines_of(10).size(), 1u);
    EXPECT_EQ(lines_of(-1).size(), 3u);
    EXPECT_EQ(lines_of(-4).size(), 2u);
    EXPECT_EQ(lines_of(-5).size(), 4u);
    EXPECT_EQ(lines_of(-6).size(), 3u);
    EXPECT_EQ(lines_of(-7).size(), 2u);
    EXPECT_EQ(lines_of(11, 20).size(), 3u);
    EXPECT_EQ(lines_of(11).size(), 2u);  // the base lies beyond the left edge: clipped away
    // Plus of size 2: u = 2.5 units = 10 pixels each way.
    EXPECT_EQ(lines_of(-4), (std::vector<std::vector<int>>{{40, 50, 40, 70}, {30, 60, 50, 60}}));
    // Slash from 2u at 225° to 2u at 45°.
    const auto slash = lines_of(10);
    EXPECT_EQ(slash[0][0], 26);
    EXPECT_EQ(slash[0][1], 74);
    EXPECT_EQ(slash[0][2], 54);
    EXPECT_EQ(slash[0][3], 46);
}

TEST_F(Graph1Test, SCurveIsTwoQuarterArcsThroughThePoint) {
    SetView(0, 0, 4, 100, 100);
    g.GLTenMarker(10, 10, 0, 8, 0, 2, 0, 2, 0, 0);
    const auto segments = device.Segments();
    ASSERT_EQ(segments.size(), 144u);
    // r = √2 × 2.5 ≈ 3.54 units ≈ 14.1 pixels: first arc from (r, r) to the point.
    EXPECT_EQ(segments[0][0], 54);
    EXPECT_EQ(segments[0][1], 46);
    EXPECT_EQ(segments[71][2], 40);
    EXPECT_EQ(segments[71][3], 60);
    EXPECT_EQ(segments[72][0], 26);  // second from (−r, −r)
    EXPECT_EQ(segments[72][1], 74);
    EXPECT_EQ(segments[143][2], 40);
}

TEST_F(Graph1Test, DotMarkerUsesWidthTimesFactor) {
    SetView(0, 0, 20, 100, 100);
    // Colour 8: width 0.5; factor 2 → radius 1 unit = 20 pixels.
    g.GLTenMarker(2, 2, 0, -3, 0, 2, 0, 8, 0, 0);
    const auto fills = device.Of(DeviceCall::Kind::FillPolygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_NEAR(fills[0].points[0].x, 60, 1e-3);
}

TEST_F(Graph1Test, MarkerOutsideReportsOutside) {
    EXPECT_EQ(g.GLTenMarker(-20, -20, 0, -4, 0, 1, 0, 2, 0, 0), kGLOutside);
    EXPECT_TRUE(device.Segments().empty());
}

}  // namespace
}  // namespace torvane::test
