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
    const TPaletteLayout tiny = LayoutPalette(16, 16, 16);
    EXPECT_EQ(tiny.ClipField.Width, 0);
    EXPECT_EQ(tiny.ClipField.Height, 0);
    EXPECT_EQ(tiny.Background.Height, 0);
}

TEST(PaletteLayout, ClipButtonsRowByRowWithScrolling) {
    EXPECT_EQ(ClipButtonRect(1, 3, 64, 50, 0, 0), (TRect{0, 0, 64, 50}));
    EXPECT_EQ(ClipButtonRect(5, 3, 64, 50, 0, 0), (TRect{64, 50, 64, 50}));
    EXPECT_EQ(ClipButtonRect(7, 3, 64, 50, 10, 30), (TRect{-10, 70, 64, 50}));
    EXPECT_EQ(ClipPictureRect(64, 64), (TRect{3, 3, 58, 58}));
    EXPECT_EQ(ClipFieldContent(4, 25, 64, 50), (TSize{256, 1250}));
}

TEST(PaletteCommands, MenuOrderSeparatorsAndClipItems) {
    std::vector<std::u16string_view> captions, separated, clipItems;
    for (const TMenuItem& item : PaletteMenu()) {
        captions.push_back(item.Caption);
        if (item.SeparatorAfter) separated.push_back(item.Caption);
        if (item.ClipItem) clipItems.push_back(item.Caption);
        EXPECT_EQ(MenuItemEnabled(item, false), !item.ClipItem);
        EXPECT_TRUE(MenuItemEnabled(item, true));
    }
    EXPECT_EQ(captions, (std::vector<std::u16string_view>{
                            u"監視開始 (&S)", u"監視終了 (&E)", u"ページ切替 (&P)", u"Jw_cad指定 (&J)", u"図形ブラウザ (&W)",
                            u"手動取込 (&G)", u"図形データ読込 (&Z)", u"クリップボード転送 (&C)", u"前へ移動 (&M)",
                            u"後へ移動 (&B)", u"最初へ (&F)", u"最後へ (&L)", u"他ページへコピー (&V)", u"別窓表示 (&W)",
                            u"削　除 (&D)", u"設　定 (&T)", u"クリップ画像の再生成(&R)", u"終　了 (&X)"}));
    EXPECT_EQ(separated, (std::vector<std::u16string_view>{u"図形データ読込 (&Z)", u"別窓表示 (&W)", u"削　除 (&D)",
                                                            u"設　定 (&T)", u"クリップ画像の再生成(&R)"}));
    EXPECT_EQ(clipItems.size(), 9u);
    EXPECT_EQ(clipItems.front(), u"図形データ読込 (&Z)");
    EXPECT_EQ(clipItems.back(), u"削　除 (&D)");

    const auto pages = PaletteMenu()[2].Submenu;
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[3].Command, TPaletteCommand::Page3);
    const auto copies = PaletteMenu()[12].Submenu;
    ASSERT_EQ(copies.size(), 6u);
    EXPECT_EQ(copies[2].Caption, u"Page3の最後へコピー (&3)");
    EXPECT_TRUE(copies[2].SeparatorAfter);
    EXPECT_EQ(copies[3].Command, TPaletteCommand::CopyToStart1);
}

TEST(PaletteCommands, CommandButtons) {
    std::u16string captions;
    for (const TCommandButton& button : PaletteCommandButtons()) {
        captions += button.Caption;
        EXPECT_EQ(button.OpensMenu, button.Caption != u"Ｚ" && button.Caption != u"Ｊ");
    }
    EXPECT_EQ(captions, u"▽0123ＺＪ◆×");
    EXPECT_EQ(PaletteCommandButtons()[0].Tooltip, u"手動取込");
    EXPECT_EQ(PaletteCommandButtons()[8].Command, TPaletteCommand::Exit);
}

}  // namespace
}  // namespace torvane
