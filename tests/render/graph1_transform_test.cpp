#include <cmath>
#include <limits>

#include "render/graph1_test_fixture.h"
#include "util/colors.h"

namespace torvane::test {
namespace {

using Strokes = std::vector<std::string>;

TEST_F(Graph1Test, WorldToDevice) {
    SetView(0, 0, 2, 200, 100);
    double x, y;
    g.GLTransPt(10, 10, x, y);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, 80);
    SetView(-5, 3, 4, 100, 60);
    g.GLTransPt(-5, 3, x, y);  // lower-left corner of the window: bottom-left of the device
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 60);
}

TEST(Clip, OutCodeCountsEdgesAsOutside) {
    EXPECT_EQ(ClipOutCode(5, 5, 0, 0, 10, 10), 0);
    EXPECT_EQ(ClipOutCode(0, 5, 0, 0, 10, 10), 1);
    EXPECT_EQ(ClipOutCode(10, 5, 0, 0, 10, 10), 2);
    EXPECT_EQ(ClipOutCode(5, 0, 0, 0, 10, 10), 4);
    EXPECT_EQ(ClipOutCode(5, 10, 0, 0, 10, 10), 8);
    EXPECT_EQ(ClipOutCode(-1, 11, 0, 0, 10, 10), 9);
    EXPECT_EQ(ClipOutCode(1e-13, 5, 0, 0, 10, 10), 1);  // closer than 1e-12 inside
    EXPECT_EQ(ClipPoint(10, 10, 0, 0, 10, 10), 2);
    EXPECT_EQ(ClipPoint(3, 3, 0, 0, 10, 10), 0);
}

TEST(Clip, LineCases) {
    double x1 = 2, y1 = 2, x2 = 8, y2 = 8;
    EXPECT_EQ(ClipLine(x1, y1, x2, y2, 0, 0, 10, 10), 0);
    EXPECT_EQ(x2, 8);

    x1 = -5, y1 = 1, x2 = -1, y2 = 9;  // both left
    EXPECT_EQ(ClipLine(x1, y1, x2, y2, 0, 0, 10, 10), 2);
    EXPECT_EQ(x1, -5);

    x1 = 5, y1 = 5, x2 = 25, y2 = 5;  // inside to far right
    EXPECT_EQ(ClipLine(x1, y1, x2, y2, 0, 0, 10, 10), 1);
    EXPECT_EQ(x1, 5);
    EXPECT_EQ(x2, 10);
    EXPECT_EQ(y2, 5);

    x1 = -10, y1 = 0, x2 = 20, y2 = 15;  // enters through the left edge, leaves at the corner
    EXPECT_EQ(ClipLine(x1, y1, x2, y2, 0, 0, 10, 10), 1);
    EXPECT_DOUBLE_EQ(x1, 0);
    EXPECT_DOUBLE_EQ(y1, 5);
    EXPECT_DOUBLE_EQ(x2, 10);
    EXPECT_DOUBLE_EQ(y2, 10);

    x1 = -10, y1 = 5, x2 = 20, y2 = 20;  // only touches the top-left corner
    EXPECT_EQ(ClipLine(x1, y1, x2, y2, 0, 0, 10, 10), 2);
}

TEST(Clip, LineMissingCornerIsInvisible) {
    // Passes outside the lower-left corner: both ends are moved onto the same edge point.
    double x1 = -2, y1 = 1, x2 = 1, y2 = -2;
    EXPECT_EQ(ClipLine(x1, y1, x2, y2, 0, 0, 10, 10), 2);
    EXPECT_DOUBLE_EQ(x1, -1);
    EXPECT_DOUBLE_EQ(y1, 0);
}

TEST_F(Graph1Test, PointOnEdgeIsOutside) {
    EXPECT_EQ(g.GLTen(LogicWx1, 10), kGLOutside);
    EXPECT_EQ(g.GLTen(10, LogicWy2), kGLOutside);
    EXPECT_TRUE(device.Strokes().empty());
    EXPECT_EQ(g.GLTen(10, 10), kGLDrawn);
    EXPECT_EQ(device.Strokes(), (Strokes{"move 20 80", "line 21 80"}));
}

TEST_F(Graph1Test, CoordinatesThatAreNoFiniteNumbersDrawNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(g.GLTen(nan, 10), kGLOutside);
    EXPECT_EQ(g.GLLine(nan, 10, 20, 20), kGLOutside);
    EXPECT_EQ(g.GLLine(10, 10, inf, 20), kGLOutside);
    EXPECT_EQ(g.GLAText3(nan, nan, 20, 20, 5, 5, 0, 0, u"ＭＳ ゴシック", u"A"), kGLOutside);
    EXPECT_EQ(g.GLAText3(10, 10, 20, 10, nan, 5, 0, 0, u"ＭＳ ゴシック", u"A"), kGLOutside);
    EXPECT_EQ(g.GLAText1(10, 10, 5, 5, inf, 4, u"A"), kGLOutside);
    EXPECT_TRUE(device.Strokes().empty());
}

TEST_F(Graph1Test, LineAlongEdgeIsNotDrawn) {
    EXPECT_EQ(g.GLLine(0, 5, 0, 40), kGLOutside);
    EXPECT_EQ(g.GLLine(5, 50, 40, 50), kGLOutside);
    EXPECT_TRUE(device.Strokes().empty());
}

TEST_F(Graph1Test, LineClippedToWindow) {
    EXPECT_EQ(g.GLLine(10, 10, 1000, 10), kGLDrawn);
    EXPECT_EQ(device.Strokes(), (Strokes{"move 20 80", "line 100 80"}));
}

TEST_F(Graph1Test, LineBothEndsLeftReturnsOutside) {
    EXPECT_EQ(g.GLLine(-10, 10, -5, 30), kGLOutside);
    EXPECT_TRUE(device.calls.empty());
}

TEST_F(Graph1Test, ShortLineBecomesDotAtStart) {
    // 0.75 units = 1.5 pixels.
    EXPECT_EQ(g.GLLine(10, 10, 10.75, 10), kGLDot);
    EXPECT_EQ(device.Strokes(), (Strokes{"move 20 80", "line 21 80"}));
    device.Clear();
    EXPECT_EQ(g.GLLine(10, 10, 11, 10.5), kGLDrawn);  // |dx| + |dy| = 3 pixels
    EXPECT_EQ(device.Strokes(), (Strokes{"move 20 80", "line 22 79"}));
}

TEST_F(Graph1Test, DeviceRoundingTiesToEven) {
    g.GLine(0.5, 1.5, 2.5, -0.5);
    EXPECT_EQ(device.Strokes(), (Strokes{"move 0 2", "line 2 0"}));
    EXPECT_EQ(DeviceRound(1e300), 1 << 28);
    EXPECT_EQ(DeviceRound(-1e300), -(1 << 28));
    EXPECT_EQ(DeviceRound(std::nan("")), 0);
}

TEST_F(Graph1Test, BoxDecidesRectangleLineOrDot) {
    g.GBox(10, 10, 40, 30);
    g.GBox(10, 10, 12, 60);  // 2 wide, 50 high: vertical line
    g.GBox(10, 10, 60, 11);  // horizontal line
    g.GBox(10, 10, 12, 12);  // dot
    EXPECT_EQ(device.Strokes(), (Strokes{"rect 10 10 40 30", "move 10 10", "line 10 60", "move 10 10", "line 60 10",
                                         "move 10 10", "line 11 10"}));
}

TEST_F(Graph1Test, ClsFillsDeviceAndLeavesBrushClear) {
    g.GCls(0x00FF00);
    EXPECT_EQ(device.Strokes(), (Strokes{"fillrect 0 0 100 100 #00ff00"}));
    ASSERT_FALSE(device.Of(DeviceCall::Kind::SetBrush).empty());
    EXPECT_EQ(device.Of(DeviceCall::Kind::SetBrush).back().brush_style, BrushStyle::Clear);
}

TEST_F(Graph1Test, PenSetStylesAndBrushColour) {
    g.GPenSet(0x0000FF, 2, 3);
    const auto pens = device.Of(DeviceCall::Kind::SetPen);
    ASSERT_EQ(pens.size(), 1u);
    EXPECT_EQ(pens[0].pen_style, PenStyle::Dot);
    EXPECT_EQ(pens[0].x1, 3);
    EXPECT_EQ(g.FillColor(), 0x0000FFu);
    EXPECT_EQ(device.Of(DeviceCall::Kind::SetBrush).back().brush_style, BrushStyle::Clear);
    g.GPenSet(0x0000FF, 9, 1);
    EXPECT_EQ(device.Of(DeviceCall::Kind::SetPen).back().pen_style, PenStyle::Solid);
    g.GBrushSet(0x123456, 6);
    EXPECT_EQ(device.Of(DeviceCall::Kind::SetBrush).back().brush_style, BrushStyle::Cross);
}

TEST_F(Graph1Test, PenFromAttributes) {
    g.GLPenSet(0, 2, 5, 0.7);  // colour 2: black, one pixel, solid whatever type and width
    auto pen = device.Of(DeviceCall::Kind::SetPen).back();
    EXPECT_EQ(pen.color, 0x000000u);
    EXPECT_EQ(pen.x1, 1);
    EXPECT_EQ(pen.pen_style, PenStyle::Solid);

    g.GLPenSet(0, 1, 1, 0);  // colour 1: R 0, G 192, B 192
    EXPECT_EQ(g.PenColor(), 0xC0C000u);
    EXPECT_EQ(g.FillColor(), 0xC0C000u);

    gGraAtt.SetAttrLayer(3, 3, 1);
    g.GLPenSet(3, 1, 1, 0);
    EXPECT_EQ(g.PenColor(), 0xFFFFFFu);  // background
    gGraAtt.SetAttrLayer(4, 2, 1);
    g.GLPenSet(4, 1, 1, 0);
    EXPECT_EQ(g.PenColor(), 0x808080u);
    gGraAtt.All1ColorFlag = true;
    gGraAtt.All1Color = Argb(1, 2, 3);
    g.GLPenSet(4, 1, 1, 0);
    EXPECT_EQ(g.PenColor(), 0x030201u);
}

TEST_F(Graph1Test, PenOverrideColour) {
    g.GLPenSet(0, 1, 1, 0, Argb(0x11, 0x22, 0x33));
    EXPECT_EQ(g.PenColor(), 0x332211u);
    EXPECT_EQ(g.BrushColor(), 0x332211u);
    EXPECT_EQ(g.FillColor(), 0x332211u);
}

TEST(Graph1Colours, ArgbGdiConversion) {
    EXPECT_EQ(ArgbToColor(0xFF112233), 0x332211u);
    EXPECT_EQ(ColorToArgb(0x332211), 0xFF112233u);
}

TEST_F(Graph1Test, EndThenDestroyFlushesOnce) {
    {
        RecordingDevice d;
        {
            TGraph1 surface(d);
            surface.G_Start();
            surface.G_End();
            surface.G_End();
        }
        EXPECT_EQ(d.Of(DeviceCall::Kind::Flush).size(), 1u);
    }
}

}  // namespace
}  // namespace torvane::test
