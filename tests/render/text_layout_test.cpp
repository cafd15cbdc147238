#include <cmath>
#include <numbers>

#include "figure/text_code_context.h"
#include "graph1_test_fixture.h"
#include "render/text_clock.h"
#include "support/fixed_clock.h"
#include "util/colors.h"

namespace torvane::test {
namespace {

// World window (0, 0)–(20, 20) at 10 pixels per unit on a 200 x 200 device.
class TextLayoutTest : public Graph1Test {
protected:
    void SetUp() override {
        Graph1Test::SetUp();
        SetView(0, 0, 10, 200, 200);
        TxtClock = &clock;
        TxtFileName = u"C:\\jw\\plan A.jws";
        TxtFileDate = {2005, 3, 9, 9, 4, 6, 0};
        GLayScale = 1;
    }
    void TearDown() override {
        TxtClock = nullptr;
        TxtFileName.clear();
        Graph1Test::TearDown();
    }
    std::vector<DeviceCall> Chars() const { return device.Of(DeviceCall::Kind::TextChar); }
    std::u16string Drawn() const {
        std::u16string s;
        for (const DeviceCall& c : Chars()) s += c.text;
        return s;
    }
    FixedClock clock{{2019, 5, 1, 12, 30, 7, 0}};
};

TEST_F(TextLayoutTest, HalfAndFullWidthCellsAlongTheBaseline) {
    EXPECT_EQ(g.GLAText3(1, 1, 9, 1, 2, 2, 0.5, 0, u"ＭＳ ゴシック", u"Aあ"), kGLDrawn);
    const auto chars = Chars();
    ASSERT_EQ(chars.size(), 2u);
    // "A": cell 1 x 2 from (1, 1), top-left (1, 3) -> device (10, 170).
    EXPECT_EQ(chars[0].x1, 10);
    EXPECT_EQ(chars[0].y1, 170);
    EXPECT_EQ(chars[0].font.height, 20);
    EXPECT_EQ(chars[0].font.width, 10);
    EXPECT_EQ(chars[0].font.escapement, 0);
    EXPECT_EQ(chars[0].font.face, u"ＭＳ ゴシック");
    // "あ" after (w + sp) / 2 = 1.25: full-width cell 2 wide, font width half of it.
    EXPECT_EQ(chars[1].x1, 22);  // 22.5 rounds to even
    EXPECT_EQ(chars[1].font.width, 10);
    EXPECT_EQ(chars[1].font.charset, 1);
}

TEST_F(TextLayoutTest, AngleFollowsTheBaselineAndNegativeWidthTurnsIt) {
    g.GLAText3(10, 10, 10, 18, 2, 2, 0, 0, u"x", u"AB");
    auto chars = Chars();
    ASSERT_EQ(chars.size(), 2u);
    EXPECT_EQ(chars[0].font.escapement, 900);
    EXPECT_LT(chars[1].y1, chars[0].y1);  // the second character lies above the first
    device.Clear();
    g.GLAText3(10, 10, 18, 10, 2, -2, 0, 0, u"x", u"AB");
    chars = Chars();
    ASSERT_EQ(chars.size(), 2u);
    EXPECT_EQ(chars[0].font.escapement, 1800);
    EXPECT_EQ(chars[0].x1, 180);  // drawn from the end point, upside down
}

TEST_F(TextLayoutTest, VerticalWritingTurnsFullWidthCharactersButNotBrackets) {
    // Vertical text runs downwards; the font name's "@" turns characters by 90 degrees.
    g.GLAText3(10, 18, 10, 8, 2, 2, 0, 0, u"@ＭＳ 明朝", u"あー（A");
    const auto chars = Chars();
    ASSERT_EQ(chars.size(), 4u);
    EXPECT_EQ(chars[0].font.escapement, 0);     // upright
    EXPECT_EQ(chars[1].font.escapement, 2700);  // along the line
    EXPECT_EQ(chars[2].font.escapement, 2700);
    EXPECT_EQ(chars[3].font.escapement, 2700);  // half-width characters stay along the line
    EXPECT_EQ(chars[0].font.face, u"ＭＳ 明朝");
    EXPECT_GT(chars[1].y1, chars[0].y1);
}

TEST_F(TextLayoutTest, TooSmallDrawsTheBaselineAndBlankDrawsNothing) {
    EXPECT_EQ(g.GLAText3(1, 1, 9, 1, 0.1, 0.1, 0, 0, u"x", u"ABC"), kGLDot);
    EXPECT_TRUE(Chars().empty());
    EXPECT_FALSE(device.Segments().empty());
    device.Clear();
    EXPECT_EQ(g.GLAText3(1, 1, 9, 1, 2, 2, 0, 0, u"x", u" 　 "), kGLDot);
    EXPECT_TRUE(device.calls.empty());
    EXPECT_EQ(g.GLAText3(1, 1, 9, 1, 400, 2, 0, 0, u"x", u"A"), kGLOutside);
}

TEST_F(TextLayoutTest, CharactersOutsideTheWindowAreSkipped) {
    EXPECT_EQ(g.GLAText3(-30, 1, -20, 1, 2, 2, 0, 0, u"x", u"AB"), kGLOutside);
    EXPECT_TRUE(Chars().empty());
    // A cell larger than the whole window is still drawn.
    EXPECT_EQ(g.GLAText1(-5, -5, 30, 30, 0, 0, u"あ"), kGLDrawn);
}

TEST_F(TextLayoutTest, TextCodesWithFixedClockAndFileDate) {
    g.GLAText3(1, 1, 9, 1, 1, 1, 0, 0, u"x", u"$h");
    EXPECT_EQ(Drawn(), u"0");
    device.Clear();
    g.GLAText3(1, 1, 9, 1, 1, 1, 0, 0, u"x", u"=f");
    EXPECT_EQ(Drawn(), u"2005/03/09");
    device.Clear();
    g.GLAText3(1, 1, 9, 1, 1, 1, 0, 0, u"x", u"$f");
    EXPECT_EQ(Drawn(), u"planA");  // the blank takes its cell but draws nothing
    device.Clear();
    GLayScale = 50;
    g.GLAText3(1, 1, 9, 1, 1, 1, 0, 0, u"x", u"%SS");
    EXPECT_EQ(Drawn(), u"1/50");
}

TEST_F(TextLayoutTest, DateWideningSpreadsCells) {
    g.GLAText3(0.5, 1, 9, 1, 1, 1, 0, 0, u"x", u"$j");
    const auto plain = Chars();
    device.Clear();
    g.GLAText3(0.5, 1, 9, 1, 1, 1, 0, 0, u"x", u"$j4");
    const auto wide = Chars();
    ASSERT_EQ(plain.size(), wide.size());
    // Four half-width cells of 0.5 = 20 pixels longer in all.
    EXPECT_EQ(wide.back().x1 - plain.back().x1, 20);
}

TEST_F(TextLayoutTest, CaretDigitNarrowsByHalfWidthCells) {
    g.GLAText3(1, 1, 9, 1, 2, 2, 0, 0, u"x", u"ABCD^2");
    const auto chars = Chars();
    ASSERT_EQ(chars.size(), 4u);
    EXPECT_EQ(Drawn(), u"ABCD");
    EXPECT_EQ(chars[0].font.width, 5);  // w scaled by (4 - 2) / 4
    EXPECT_EQ(chars[3].x1 - chars[0].x1, 15);
}

TEST_F(TextLayoutTest, InlineSuperscriptColourAndBold) {
    g.GLPenSet(0, 2, 1, 0);
    g.GLAText3(1, 1, 9, 1, 2, 2, 0, 0, u"x", u"H^u2^!^$6O");
    const auto chars = Chars();
    ASSERT_EQ(chars.size(), 3u);
    EXPECT_EQ(chars[1].text, u"2");
    EXPECT_EQ(chars[1].font.height, 10);
    // Half height, raised by h / 2: its bottom lies half a cell above the baseline.
    EXPECT_EQ(chars[1].y1 + chars[1].font.height, chars[0].y1 + chars[0].font.height - 10);
    EXPECT_EQ(chars[2].font.weight, 700);
    EXPECT_EQ(chars[2].color, ArgbToColor(gGraAtt.GetAttrColcol(6)));
    EXPECT_EQ(chars[0].color, ArgbToColor(gGraAtt.GetAttrColcol(2)));
    EXPECT_EQ(g.PenColor(), ArgbToColor(gGraAtt.GetAttrColcol(2)));  // restored afterwards
}

TEST_F(TextLayoutTest, FontStylesAndSurrogatePairs) {
    g.GLAText3(1, 1, 9, 1, 2, 2, 0, 14, u"ＭＳ 明朝", u"\U00020B9F");
    const auto chars = Chars();
    ASSERT_EQ(chars.size(), 1u);
    EXPECT_EQ(chars[0].font.charset, 77);
    EXPECT_TRUE(chars[0].font.italic);
    EXPECT_TRUE(chars[0].font.underline);
    EXPECT_TRUE(chars[0].font.strike_out);
    EXPECT_EQ(chars[0].font.weight, 400);
}

TEST_F(TextLayoutTest, ReferencePointsOfACell) {
    // Fm 6: (x, y) is the top-left corner itself.
    g.GLAText1(5, 5, 2, 2, 0, 6, u"あ");
    // Fm 2 with a negative height moves to the top row: top right.
    g.GLAText1(5, 5, -2, 2, 0, 2, u"あ");
    const auto chars = Chars();
    ASSERT_EQ(chars.size(), 2u);
    EXPECT_EQ(chars[0].x1, 50);
    EXPECT_EQ(chars[0].y1, 150);
    EXPECT_EQ(chars[1].x1, 30);
    EXPECT_EQ(chars[1].y1, 150);
}

}  // namespace
}  // namespace torvane::test
