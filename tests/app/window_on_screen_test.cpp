#include "app/window_on_screen.h"

#include <gtest/gtest.h>

#include <vector>

namespace torvane {
namespace {

// Two monitors side by side, each with a taskbar: 0..1280 above a 40 px bar, 1280..3200 right of a 60 px bar.
const std::vector<TRect> kWork{{0, 0, 1280, 760}, {1340, 0, 1860, 1080}};

TEST(WindowOnScreenTest, AWindowMostlyOnAWorkAreaStaysWhereItIs) {
    const TRect across{1100, 100, 400, 300};  // half on each work area, partly over the second taskbar
    EXPECT_EQ(WindowOnScreen(across, kWork, kWork[0]), across);
    const TRect half_below{100, 610, 400, 300};  // exactly half inside
    EXPECT_EQ(WindowOnScreen(half_below, kWork, kWork[0]), half_below);
}

TEST(WindowOnScreenTest, AWindowMostlyOffScreenMovesIntoTheNearestWorkAreaKeepingItsSize) {
    // Saved while minimised.
    EXPECT_EQ(WindowOnScreen({-32000, -32000, 400, 240}, kWork, kWork[0]), (TRect{0, 0, 400, 240}));
    // On a monitor that is gone.
    EXPECT_EQ(WindowOnScreen({5000, 5000, 400, 240}, kWork, kWork[1]), (TRect{2800, 840, 400, 240}));
    // Mostly under the first monitor's taskbar: only moved up.
    EXPECT_EQ(WindowOnScreen({300, 700, 400, 240}, kWork, kWork[0]), (TRect{300, 520, 400, 240}));
    // Larger than the work area: shrunk to it.
    EXPECT_EQ(WindowOnScreen({-3000, 0, 2000, 900}, kWork, kWork[0]), (TRect{0, 0, 1280, 760}));
    // Empty: given the work area's corner and no size.
    EXPECT_EQ(WindowOnScreen({-50, -50, 0, 0}, kWork, kWork[0]), (TRect{0, 0, 0, 0}));
}

}  // namespace
}  // namespace torvane
