#include "platform/software/software_device.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "platform/software_device_golden.h"
#include "render/gra_attribute.h"
#include "render/graph1.h"
#include "render/pixel_art.h"

namespace torvane::test {
namespace {

std::string Golden(const char* art) { return std::string(art + 1); }  // drop the leading newline

TEST(SoftwareDevice, LinesLeaveOutLastPixelAndBreakTiesByOctant) {
    Bitmap b(12, 8);
    SoftwareDevice d(b);
    d.SetPen(kGdiBlack, 1, PenStyle::Solid);
    d.MoveTo(1, 1);
    d.LineTo(7, 1);
    d.MoveTo(1, 3);
    d.LineTo(1, 7);
    d.MoveTo(3, 3);
    d.LineTo(4, 3);
    d.MoveTo(3, 4);
    d.LineTo(7, 6);
    d.MoveTo(11, 6);
    d.LineTo(7, 4);
    EXPECT_EQ(PixelArt(b), Golden(golden::kLines));
}

TEST(SoftwareDevice, RectangleOutlineBrushAndFillRect) {
    Bitmap b(12, 7);
    SoftwareDevice d(b);
    d.SetPen(kGdiRed, 1, PenStyle::Solid);
    d.SetBrush(kGdiGreen, BrushStyle::Solid);
    d.Rectangle(8, 6, 1, 1);  // corners in any order
    d.FillRect(9, 0, 11, 3, kGdiBlue);
    EXPECT_EQ(PixelArt(b), Golden(golden::kRectangles));
}

TEST(SoftwareDevice, ClearBrushAndClearPenRectangles) {
    Bitmap b(6, 6);
    SoftwareDevice d(b);
    d.SetPen(kGdiBlack, 1, PenStyle::Clear);
    d.SetBrush(kGdiGreen, BrushStyle::Solid);
    d.Rectangle(1, 1, 5, 5);  // without a pen: inside one pixel smaller
    EXPECT_EQ(PixelArt(b), "......\n.GGG..\n.GGG..\n.GGG..\n......\n......\n");
    Bitmap c(4, 4);
    SoftwareDevice e(c);
    e.SetPen(kGdiBlack, 1, PenStyle::Solid);
    e.Rectangle(1, 1, 2, 2);
    EXPECT_EQ(PixelArt(c), "....\n.#..\n....\n....\n");
}

TEST(SoftwareDevice, EvenOddFillWithHole) {
    Bitmap b(11, 11);
    SoftwareDevice d(b);
    const std::vector<PointF> pts = {{1, 1}, {9, 1}, {9, 9}, {1, 9}, {1, 1}, {3, 3}, {3, 6}, {6, 6}, {6, 3}, {3, 3}};
    EXPECT_TRUE(d.FillPolygon(pts, kGdiBlack));
    EXPECT_EQ(PixelArt(b), Golden(golden::kFillWithHole));
}

TEST(SoftwareDevice, FillSamplesIntegerCoordinates) {
    Bitmap b(5, 5);
    SoftwareDevice d(b);
    const std::vector<PointF> pts = {{0.4f, 0.4f}, {2.6f, 0.4f}, {2.6f, 2.6f}, {0.4f, 2.6f}};
    EXPECT_TRUE(d.FillPolygon(pts, kGdiBlack));
    EXPECT_EQ(PixelArt(b), ".....\n.##..\n.##..\n.....\n.....\n");
}

TEST(SoftwareDevice, FillRejectsDegenerateInput) {
    Bitmap b(5, 5);
    SoftwareDevice d(b);
    const std::vector<PointF> two = {{0, 0}, {4, 4}};
    EXPECT_FALSE(d.FillPolygon(two, kGdiBlack));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<PointF> bad = {{0, 0}, {4, nan}, {4, 4}};
    EXPECT_FALSE(d.FillPolygon(bad, kGdiBlack));
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<PointF> far = {{-inf, 0}, {4, 0}, {4, 4}};
    EXPECT_FALSE(d.FillPolygon(far, kGdiBlack));
    EXPECT_EQ(b, Bitmap(5, 5));
}

TEST(SoftwareDevice, HugeCoordinatesAreClipped) {
    Bitmap b(4, 3);
    SoftwareDevice d(b);
    const std::vector<PointF> pts = {{-1e30f, -1e30f}, {1e30f, -1e30f}, {1e30f, 1e30f}, {-1e30f, 1e30f}};
    EXPECT_TRUE(d.FillPolygon(pts, kGdiBlack));
    EXPECT_EQ(PixelArt(b), "####\n####\n####\n");
    d.SetPen(kGdiRed, 1, PenStyle::Solid);
    d.MoveTo(-(1 << 28), 1);
    d.LineTo(1 << 28, 1);
    EXPECT_EQ(PixelArt(b), "####\nRRRR\n####\n");
}

// Drawing on a small bitmap must give exactly the pixels of the same drawing on a large one,
// cropped: clipping never moves a pixel.
TEST(SoftwareDevice, ClippingMatchesCroppedDrawing) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(-60, 80);
    constexpr int kSmall = 20, kOffset = 200;
    for (int round = 0; round < 300; ++round) {
        Bitmap small(kSmall, kSmall), large(kSmall + 2 * kOffset, kSmall + 2 * kOffset);
        SoftwareDevice ds(small), dl(large);
        ds.SetPen(kGdiBlack, 1, PenStyle::Solid);
        dl.SetPen(kGdiBlack, 1, PenStyle::Solid);
        const int x1 = coord(rng), y1 = coord(rng), x2 = coord(rng), y2 = coord(rng);
        ds.MoveTo(x1, y1);
        ds.LineTo(x2, y2);
        dl.MoveTo(x1 + kOffset, y1 + kOffset);
        dl.LineTo(x2 + kOffset, y2 + kOffset);
        const std::vector<PointF> poly = {{static_cast<float>(x1), static_cast<float>(y2)},
                                          {static_cast<float>(x2) + 0.3f, static_cast<float>(y1)},
                                          {static_cast<float>(y1), static_cast<float>(x2) - 0.7f}};
        std::vector<PointF> moved = poly;
        for (PointF& p : moved) p = {p.x + kOffset, p.y + kOffset};
        ds.FillPolygon(poly, kGdiRed);
        dl.FillPolygon(moved, kGdiRed);
        for (int y = 0; y < kSmall; ++y) {
            for (int x = 0; x < kSmall; ++x) {
                ASSERT_EQ(small.at(x, y), large.at(x + kOffset, y + kOffset))
                    << "round " << round << " pixel " << x << "," << y;
            }
        }
    }
}

TEST(SoftwareDevice, CosmeticDotPattern) {
    Bitmap b(14, 1);
    SoftwareDevice d(b);
    d.SetPen(kGdiBlack, 1, PenStyle::Dot);
    d.MoveTo(0, 0);
    d.LineTo(14, 0);
    EXPECT_EQ(PixelArt(b), "###...###...##\n");
}

TEST(SoftwareDevice, WidePenCoversItsWidth) {
    Bitmap b(8, 6);
    SoftwareDevice d(b);
    d.SetPen(kGdiBlack, 2, PenStyle::Solid);
    d.MoveTo(2, 3);
    d.LineTo(5, 3);
    EXPECT_EQ(PixelArt(b), "........\n........\n..####..\n.#####..\n........\n........\n");
}

TEST(SoftwareDevice, ClearPenDrawsNothingAndTextNeedsADrawer) {
    Bitmap b(4, 4);
    SoftwareDevice d(b);
    d.SetPen(kGdiBlack, 1, PenStyle::Clear);
    d.MoveTo(0, 0);
    d.LineTo(3, 3);
    d.TextChar(0, 0, u"A", FontRecord{}, kGdiBlack);
    EXPECT_EQ(b, Bitmap(4, 4));
    int calls = 0;
    d.SetGlyphDrawer([&](Bitmap& target, int x, int y, std::u16string_view ch, const FontRecord&, std::uint32_t) {
        ++calls;
        EXPECT_EQ(&target, &b);
        EXPECT_EQ(x, 1);
        EXPECT_EQ(y, 2);
        EXPECT_EQ(ch, u"A");
    });
    d.TextChar(1, 2, u"A", FontRecord{}, kGdiBlack);
    EXPECT_EQ(calls, 1);
}

TEST(SoftwareDevice, SquareMarkerThroughSurface) {
    gGraAtt.DataInit();
    LogicWx1 = 0;
    LogicWy1 = 0;
    LogicScale = 4;
    Phsx = 14;
    Phsy = 14;
    LogicWx2 = 3.5;
    LogicWy2 = 3.5;
    Bitmap b(14, 14);
    SoftwareDevice d(b);
    {
        TGraph1 g(d);
        g.G_Start();
        g.GCls(0xFFFFFF);
        EXPECT_EQ(g.GLTenMarker(1.75, 2, 0, 5, 0, 1, 0, 2, 0, 0), kGLDrawn);
        g.G_End();
    }
    EXPECT_EQ(PixelArt(b), Golden(golden::kSquareMarker));
}

}  // namespace
}  // namespace torvane::test
