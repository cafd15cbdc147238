#include <gtest/gtest.h>

#include "figure/extents.h"
#include "render/graph1.h"
#include "render/thumbnail.h"

namespace torvane {
namespace {

TEST(ThumbnailFit, WideFigureSpansNinetyPercentAndIsCentred) {
    MinWx = 0;
    MinWy = 0;
    MaxWx = 200;
    MaxWy = 100;
    FitViewToExtents(58, 58);
    EXPECT_DOUBLE_EQ(LogicScale, 58.0 / 200 * 0.9);
    EXPECT_DOUBLE_EQ((LogicWx1 + LogicWx2) / 2, 100);
    EXPECT_DOUBLE_EQ((LogicWy1 + LogicWy2) / 2, 50);
    EXPECT_DOUBLE_EQ(Phsx, 58);
}

TEST(ThumbnailFit, SinglePointUsesTheFloor) {
    MinWx = MaxWx = 5;
    MinWy = MaxWy = 7;
    FitViewToExtents(58, 40);
    EXPECT_DOUBLE_EQ(LogicScale, 40 / 1e-14 * 0.9);
    EXPECT_NEAR((LogicWx1 + LogicWx2) / 2, 5, 1e-9);
    MinWx = 0;
    MaxWx = 100;
    FitViewToExtents(58, 40);  // a horizontal line: the width decides
    EXPECT_DOUBLE_EQ(LogicScale, 58 / 100.0 * 0.9);
}

}  // namespace
}  // namespace torvane
