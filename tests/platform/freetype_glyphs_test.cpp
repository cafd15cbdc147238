#include "platform/freetype/freetype_glyphs.h"

#include <gtest/gtest.h>

#include <climits>

namespace torvane {
namespace {

struct Box {
    int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1, count = 0;
};

Box InkBox(const Bitmap& b, std::uint32_t background = 0x00FFFFFF) {
    Box box;
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            if (b.at(x, y) != background) {
                box = {std::min(box.x1, x), std::min(box.y1, y), std::max(box.x2, x), std::max(box.y2, y), box.count + 1};
            }
        }
    }
    return box;
}

FontRecord Font(int height, int width, int escapement = 0) {
    FontRecord f;
    f.height = height;
    f.width = width;
    f.escapement = escapement;
    f.face = u"ＭＳ ゴシック";
    return f;
}

TEST(FreeTypeGlyphs, FullWidthCharacterFillsItsCell) {
    Bitmap b(100, 100);
    SharedGlyphs().Draw(b, 20, 30, u"田", Font(40, 20), 0x000000FF);
    const Box box = InkBox(b);
    ASSERT_GT(box.count, 50);
    EXPECT_GE(box.x1, 20);
    EXPECT_LE(box.x2, 60);
    EXPECT_GE(box.y1, 30);
    EXPECT_LE(box.y2, 70);
    EXPECT_GT(box.x2 - box.x1, 25);  // drawn in the 40-pixel full-width cell
    EXPECT_EQ(b.at(box.x1, (box.y1 + box.y2) / 2), 0x00FF0000u);  // GDI red becomes RGB red
}

TEST(FreeTypeGlyphs, HalfWidthCharacterUsesHalfTheCell) {
    Bitmap b(100, 100);
    SharedGlyphs().Draw(b, 20, 30, u"H", Font(40, 20), 0);
    const Box box = InkBox(b);
    ASSERT_GT(box.count, 20);
    EXPECT_GE(box.x1, 20);
    EXPECT_LE(box.x2, 40);
}

TEST(FreeTypeGlyphs, EscapementTurnsTheCellAboutItsTopLeft) {
    Bitmap b(120, 120);
    SharedGlyphs().Draw(b, 60, 60, u"田", Font(40, 20, 900), 0);
    const Box box = InkBox(b);
    ASSERT_GT(box.count, 50);
    // Turned 90 degrees counter-clockwise: the cell lies above-right of (60, 60).
    EXPECT_GE(box.x1, 59);
    EXPECT_LE(box.y2, 61);
    EXPECT_GE(box.y1, 19);
}

TEST(FreeTypeGlyphs, BoldInksMoreAndUnderlineDrawsARule) {
    Bitmap plain(100, 100);
    SharedGlyphs().Draw(plain, 10, 10, u"口", Font(40, 20), 0);
    FontRecord bold = Font(40, 20);
    bold.weight = 700;
    Bitmap heavy(100, 100);
    SharedGlyphs().Draw(heavy, 10, 10, u"口", bold, 0);
    EXPECT_GT(InkBox(heavy).count, InkBox(plain).count);
    FontRecord under = Font(40, 20);
    under.underline = true;
    Bitmap ruled(100, 100);
    SharedGlyphs().Draw(ruled, 10, 10, u"-", under, 0);
    EXPECT_GE(InkBox(ruled).x2 - InkBox(ruled).x1, 18);
}

TEST(FreeTypeGlyphs, SurrogatePairAndHugeFontsAreSafe) {
    Bitmap b(60, 60);
    SharedGlyphs().Draw(b, 5, 5, u"\U00020B9F", Font(30, 15), 0);
    SharedGlyphs().Draw(b, 5, 5, u"A", Font(100000, 15), 0);
    SharedGlyphs().Draw(b, -500, -500, u"A", Font(30, 15), 0);
    SharedGlyphs().Draw(b, 5, 5, u"A", Font(INT_MIN, INT_MIN), 0);
    SUCCEED();
}

TEST(FreeTypeGlyphs, TheCacheStaysBoundedAndGlyphsStillDraw) {
    FreeTypeGlyphs glyphs;
    Bitmap b(60, 60);
    for (int escapement = 0; escapement < 5000; ++escapement) glyphs.Draw(b, 30, 30, u"A", Font(12, 6, escapement), 0);
    EXPECT_LE(glyphs.CachedGlyphs(), 4096u);
    EXPECT_GT(glyphs.CachedGlyphs(), 0u);
    Bitmap fresh(60, 60);
    glyphs.Draw(fresh, 10, 10, u"田", Font(30, 15), 0);
    EXPECT_GT(InkBox(fresh).count, 20);
}

}  // namespace
}  // namespace torvane
