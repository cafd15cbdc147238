#include <cmath>
#include <numbers>

#include "platform/software/software_device.h"
#include "render/graph1_test_fixture.h"
#include "render/pixel_art.h"

namespace torvane::test {
namespace {

using Strokes = std::vector<std::string>;
constexpr double kPi = std::numbers::pi;

void Load(std::initializer_list<TDPoint> points) {
    WPolyClear();
    for (const TDPoint& p : points) WPolyAdd(p.X, p.Y);
}

std::vector<PointF> LastFill(const RecordingDevice& device) {
    const auto fills = device.Of(DeviceCall::Kind::FillPolygon);
    return fills.empty() ? std::vector<PointF>{} : fills.back().points;
}

TEST_F(Graph1Test, TriangleIsClosedAndFilledInPenColour) {
    g.GLPenSet(0, 2, 1, 0);
    device.Clear();
    Load({{10, 10}, {20, 10}, {15, 20}});
    EXPECT_EQ(g.GLSolid(), kGLDrawn);
    EXPECT_EQ(WPolyN, 4);  // the caller's buffer gained the closing point
    const auto fills = device.Of(DeviceCall::Kind::FillPolygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].color, 0x000000u);
    EXPECT_EQ(fills[0].points, (std::vector<PointF>{{20, 80}, {40, 80}, {30, 60}, {20, 80}}));
    EXPECT_EQ(g.PoArN, 0);
}

TEST_F(Graph1Test, SolidCodesForFewPointsAndOutside) {
    Load({{10, 10}, {20, 10}});
    EXPECT_EQ(g.GLSolid(), kGLTooFewPoints);
    Load({{60, 10}, {70, 10}, {65, 20}});
    EXPECT_EQ(g.GLSolid(), kGLOutside);
    EXPECT_TRUE(device.calls.empty());
}

TEST_F(Graph1Test, PolygonPartlyOutsideIsFilledWhole) {
    Load({{40, 10}, {80, 10}, {80, 20}, {40, 20}});
    EXPECT_EQ(g.GLSolid(), kGLDrawn);
    const auto pts = LastFill(device);
    ASSERT_EQ(pts.size(), 5u);
    EXPECT_EQ(pts[1], (PointF{160, 80}));  // beyond the device: the bitmap edge cuts it
}

TEST_F(Graph1Test, TinySolidBecomesDot) {
    Load({{10, 10}, {10.2, 10}, {10.2, 10.2}});
    EXPECT_EQ(g.GLSolid(), kGLDot);
    EXPECT_EQ(device.Strokes(), (Strokes{"move 20 80", "line 21 80"}));
}

TEST_F(Graph1Test, SolidCoveringTheWholeWindowIsFilled) {
    Load({{-100, -100}, {200, -100}, {200, 200}, {-100, 200}});
    EXPECT_EQ(g.GLSolid(), kGLDrawn);
    EXPECT_EQ(device.Of(DeviceCall::Kind::FillPolygon).size(), 1u);
}

TEST_F(Graph1Test, DeviceFillNeedsThreePoints) {
    DPolyClear();
    DPolyAdd(1, 1);
    DPolyAdd(5, 5);
    g.GSolid();
    EXPECT_TRUE(device.calls.empty());
    DPolyAdd(1, 5);
    g.GSolid();
    EXPECT_EQ(LastFill(device).size(), 4u);  // closed by repeating the first point
    DPolyClear();
}

TEST_F(Graph1Test, SolidCircle) {
    SetView(0, 0, 10, 100, 100);
    EXPECT_EQ(g.GLSolidCircle(5, 5, 0.1), kGLDot);  // 1 pixel
    EXPECT_EQ(device.Strokes(), (Strokes{"move 50 50", "line 51 50"}));
    device.Clear();
    EXPECT_EQ(g.GLSolidCircle(5, 5, 1), kGLDrawn);
    EXPECT_EQ(LastFill(device).size(), 73u);
    EXPECT_EQ(WPolyN, 0);
}

TEST_F(Graph1Test, ArcSolidShapes) {
    EXPECT_EQ(g.GLSolidArc(101, 25, 25, 10, 1, 0, 0, kPi / 2, 100), kGLDrawn);
    EXPECT_EQ(LastFill(device).size(), 73u);  // full ellipse whatever the angles

    EXPECT_EQ(g.GLSolidArc(101, 25, 25, 10, 1, 0, 0, kPi / 2, 0), kGLDrawn);
    auto pts = LastFill(device);
    ASSERT_EQ(pts.size(), 75u);  // sector: arc, centre, closing point
    EXPECT_EQ(pts[73], (PointF{50, 50}));

    EXPECT_EQ(g.GLSolidArc(101, 25, 25, 10, 1, 0, 0, kPi / 2, 5), kGLDrawn);
    EXPECT_EQ(LastFill(device).size(), 74u);  // segment closed by the chord

    EXPECT_EQ(g.GLSolidArc(101, 25, 25, 10, 1, 0, 0, kPi / 2, 1), kGLDrawn);
    pts = LastFill(device);
    ASSERT_EQ(pts.size(), 75u);
    EXPECT_NEAR(pts[73].x, 70, 1e-4);  // the tangents at (35, 25) and (25, 35) meet at (35, 35)
    EXPECT_NEAR(pts[73].y, 30, 1e-4);

    EXPECT_EQ(g.GLSolidArc(101, 25, 25, 10, 1, 0, 0, kPi, 1), kGLDrawn);  // parallel tangents
    pts = LastFill(device);
    EXPECT_NEAR(pts[73].x, 50, 1e-4);
    EXPECT_NEAR(pts[73].y, 50, 1e-4);
    EXPECT_EQ(WPolyN, 0);
}

TEST_F(Graph1Test, ArcSolidOutlines) {
    EXPECT_EQ(g.GLSolidArc(111, 25, 25, 10, 1, 0, 0, kPi / 2, 100), kGLDrawn);
    EXPECT_EQ(device.Segments().size(), 72u);
    const auto full = device.Segments();
    EXPECT_EQ(full.front()[0], full.back()[2]);  // closed ellipse despite the partial angles
    EXPECT_EQ(full.front()[1], full.back()[3]);
    device.Clear();
    EXPECT_EQ(g.GLSolidArc(111, 25, 25, 10, 1, 0, 0, kPi / 2, 0), kGLDrawn);
    const auto arc = device.Segments();
    EXPECT_EQ((std::vector<int>{arc.back()[2], arc.back()[3]}), (std::vector<int>{50, 30}));
    EXPECT_TRUE(device.Of(DeviceCall::Kind::FillPolygon).empty());
}

TEST_F(Graph1Test, RingsAndBandFlatness) {
    EXPECT_EQ(g.GLSolidArc(105, 25, 25, 10, 1, 0, 0, kPi, 8), kGLDrawn);
    auto pts = LastFill(device);
    ASSERT_EQ(pts.size(), 147u);  // 73 outer, 73 inner, closing point
    EXPECT_NEAR(pts[73].x, 34, 1e-4);  // inner ring starts at sa + da: (17, 25)
    EXPECT_NEAR(pts[73].y, 50, 1e-4);

    // Equal band: r 10, h 0.5, inner radius 8 → inner flatness 0.375, inner semi-axes 8 and 3.
    EXPECT_EQ(g.GLSolidArc(106, 25, 25, 10, 0.5, 0, 0, kPi, 8), kGLDrawn);
    pts = LastFill(device);
    ASSERT_EQ(pts.size(), 147u);
    EXPECT_NEAR(pts[73 + 36].x, 50, 1e-4);  // inner top at (25, 28)
    EXPECT_NEAR(pts[73 + 36].y, 44, 1e-4);
    EXPECT_NEAR(pts[36].y, 40, 1e-4);  // outer top at (25, 30)
}

TEST_F(Graph1Test, BandWithZeroInnerRadiusStaysFinite) {
    EXPECT_EQ(g.GLSolidArc(106, 25, 25, 10, 0.5, 0, 0, kPi, 0), kGLDrawn);
    for (const PointF& p : LastFill(device)) {
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
}

TEST_F(Graph1Test, UnknownArcSolidCodeDrawsNothing) {
    EXPECT_EQ(g.GLSolidArc(102, 25, 25, 10, 1, 0, 0, kPi, 0), kGLTooFewPoints);
    EXPECT_TRUE(device.calls.empty());
    EXPECT_EQ(WPolyN, 0);
}

TEST_F(Graph1Test, ArcSolidInMirroredBlock) {
    // x → −x, then moved by (40, 0): the sector's centre (10, 25) lands at (30, 25).
    EXPECT_EQ(g.GLSolidArcBL(101, 10, 25, 5, 1, 0, 0, kPi / 2, 0, 40, 0, -1, 0, 0, 1, 1), kGLDrawn);
    const auto pts = LastFill(device);
    ASSERT_EQ(pts.size(), 75u);
    EXPECT_NEAR(pts[73].x, 60, 1e-4);
    EXPECT_NEAR(pts[73].y, 50, 1e-4);
    EXPECT_NEAR(pts[0].x, 50, 1e-4);  // arc start (15, 25) → (25, 25)

    EXPECT_EQ(g.GLSolidArcBL(105, 10, 25, 5, 1, 0, 0, kPi, 3, 40, 0, -1, 0, 0, 1, 1), kGLDrawn);
    EXPECT_EQ(LastFill(device).size(), 147u);  // 146 points closed by the fill
}

// A sector swept clockwise covers the same pixels as the same quarter swept counter-clockwise.
TEST(Graph1Pixels, ClockwiseSectorFillsSameQuarter) {
    LogicWx1 = 0;
    LogicWy1 = 0;
    LogicScale = 2;
    Phsx = Phsy = 60;
    LogicWx2 = LogicWy2 = 30;
    const auto draw = [](double sa, double da) {
        Bitmap b(60, 60);
        SoftwareDevice d(b);
        TGraph1 g(d);
        g.G_Start();
        g.GPenSet(0x000000, 0, 1);
        g.GLSolidArc(101, 15, 15, 10, 1, 0, sa, da, 0);
        g.G_End();
        return b;
    };
    const Bitmap clockwise = draw(kPi / 2, -kPi / 2);
    const Bitmap counter = draw(0, kPi / 2);
    EXPECT_EQ(PixelArt(clockwise), PixelArt(counter));
    EXPECT_EQ(clockwise.at(40, 20), 0x000000u);  // inside the upper-right quarter
    EXPECT_EQ(clockwise.at(20, 40), 0xFFFFFFu);
}

}  // namespace
}  // namespace torvane::test
