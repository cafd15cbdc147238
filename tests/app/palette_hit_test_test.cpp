#include <gtest/gtest.h>

#include "app/palette_hit_test.h"

namespace torvane {
namespace {

TEST(PaletteHitTest, FrameCornersEdgesAndSurfaceOfA100By50Window) {
    EXPECT_EQ(PaletteHitTest(96, 46, 100, 50, false), PaletteHit::BottomRight);
    EXPECT_EQ(PaletteHitTest(96, 4, 100, 50, false), PaletteHit::TopRight);
    EXPECT_EQ(PaletteHitTest(4, 46, 100, 50, false), PaletteHit::BottomLeft);
    EXPECT_EQ(PaletteHitTest(4, 4, 100, 50, false), PaletteHit::TopLeft);
    EXPECT_EQ(PaletteHitTest(0, 20, 100, 50, false), PaletteHit::Left);
    EXPECT_EQ(PaletteHitTest(99, 20, 100, 50, false), PaletteHit::Right);
    EXPECT_EQ(PaletteHitTest(50, 0, 100, 50, false), PaletteHit::Top);
    EXPECT_EQ(PaletteHitTest(50, 49, 100, 50, false), PaletteHit::Bottom);
    EXPECT_EQ(PaletteHitTest(5, 5, 100, 50, false), PaletteHit::Caption);
    EXPECT_EQ(PaletteHitTest(95, 45, 100, 50, false), PaletteHit::Caption);
}

TEST(PaletteHitTest, LockedPaletteIsClientEverywhere) {
    EXPECT_EQ(PaletteHitTest(0, 0, 100, 50, true), PaletteHit::Client);
    EXPECT_EQ(PaletteHitTest(50, 25, 100, 50, true), PaletteHit::Client);
}

}  // namespace
}  // namespace torvane
