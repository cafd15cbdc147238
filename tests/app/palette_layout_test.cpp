#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/palette_commands.h"
#include "app/palette_layout.h"

namespace torvane {
namespace {

std::vector<std::array<int, 2>> Corners(const TPaletteLayout& layout) {
    std::vector<std::array<int, 2>> corners;
    for (const TRect& r : layout.Buttons) corners.push_back({r.Left, r.Top});
    corners.push_back({layout.PageLabel.Left, layout.PageLabel.Top});
    return corners;
}

TEST(PaletteLayout, LandscapeAndPortraitTables) {
    const int S = 20;
    const TPaletteLayout wide = LayoutPalette(464, 288, S);
    EXPECT_FALSE(wide.Portrait);
    EXPECT_EQ(Corners(wide), (std::vector<std::array<int, 2>>{{S + 6, 4}, {4, S + 6}, {S + 6, S + 6}, {4, 2 * S + 8},
                                                             {S + 6, 2 * S + 8}, {4, 3 * S + 10}, {S + 6, 3 * S + 10},
                                                             {4, 4 * S + 12}, {S + 6, 4 * S + 12}, {4, 5 * S + 14}}));
    EXPECT_EQ(wide.Buttons[0], (TRect{S + 6, 4, S, S}));
    EXPECT_EQ(wide.Background, (TRect{0, 0, 464, 267}));
    EXPECT_EQ(wide.BottomStrip, (TRect{0, 267, 464, 21}));
    EXPECT_EQ(wide.ClipField, (TRect{2 * S + 8, 4, 464 - 2 * S - 12, 267 - 8}));
    EXPECT_EQ(wide.Indicator, (TRect{4, 4, 10, 10}));

    const TPaletteLayout tall = LayoutPalette(300, 400, S);
    EXPECT_TRUE(tall.Portrait);
    EXPECT_EQ(Corners(tall), (std::vector<std::array<int, 2>>{{4, S + 6}, {S + 6, 4}, {2 * S + 8, 4}, {S + 6, S + 6},
                                                             {2 * S + 8, S + 6}, {3 * S + 10, 4}, {3 * S + 10, S + 6},
                                                             {4 * S + 12, 4}, {4 * S + 12, S + 6}, {5 * S + 14, 4}}));
    EXPECT_EQ(tall.ClipField, (TRect{4, 2 * S + 8, 300 - 8, 379 - 2 * S - 12}));

    EXPECT_FALSE(LayoutPalette(400, 400, S).Portrait);
    // With the default size the clip field starts at x = 40; a tiny window gives no negative sizes.
    EXPECT_EQ(LayoutPalette(400, 240, 16).ClipField.Left, 40);
    EXPECT_EQ(LayoutPalette(16, 16, 16).ClipField, (TRect{40, 4, 0, 0}));
}

TEST(PaletteCommands, ClipItemsOnlyFromAClipButtonAndTheSeparators) {
    using C = TPaletteCommand;
    std::vector<C> clipOnly, separated;
    for (const TMenuItem& item : PaletteMenu()) {
        EXPECT_TRUE(MenuItemEnabled(item, true));
        if (!MenuItemEnabled(item, false)) clipOnly.push_back(item.Command);
        if (item.SeparatorAfter) separated.push_back(item.Command);
    }
    // C::None here is the submenu "他ページへコピー (&V)".
    EXPECT_EQ(clipOnly, (std::vector<C>{C::FigureImport, C::ClipTransfer, C::MovePrior, C::MoveBack, C::MoveFirst,
                                        C::MoveLast, C::None, C::ClipView, C::SaveFigure, C::ClipDelete}));
    EXPECT_EQ(separated, (std::vector<C>{C::FigureImport, C::SaveFigure, C::ClipDelete, C::Settings, C::Regenerate}));
    EXPECT_EQ(PaletteMenu().back().Command, C::Exit);
}

}  // namespace
}  // namespace torvane
