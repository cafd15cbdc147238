#include <gtest/gtest.h>

#include "util/era_date.h"
#include "util/full_width.h"
#include "util/text_widths.h"

namespace torvane {
namespace {

TEST(TextWidthTest, HalfCharRanges) {
    EXPECT_TRUE(IsHalfChar(u' '));
    EXPECT_TRUE(IsHalfChar(u'~'));
    EXPECT_TRUE(IsHalfChar(u'ｶ'));
    EXPECT_TRUE(IsHalfChar(u'\uFF9F'));
    EXPECT_FALSE(IsHalfChar(u'\x1F'));
    EXPECT_FALSE(IsHalfChar(u'\x7F'));
    EXPECT_FALSE(IsHalfChar(u'\uFF60'));
    EXPECT_FALSE(IsHalfChar(u'図'));
    EXPECT_FALSE(IsHalfChar(static_cast<char16_t>(0xD83D)));
}

TEST(TextWidthTest, ShiftJisLengthHalvesWidthAndSpacingOfHalfWidthBytes) {
    EXPECT_DOUBLE_EQ(TextLenAnsi(u"図形", 3, 1), 7.0);
    EXPECT_DOUBLE_EQ(TextLenAnsi(u"ab", 3, 1), 3.5);
    EXPECT_DOUBLE_EQ(TextLenAnsi(u"図a", 3, 1), 5.5);
    EXPECT_DOUBLE_EQ(TextLenAnsi(u"ｶ図", 4, 2), 7.0);
    EXPECT_DOUBLE_EQ(TextLenAnsi(u"", 3, 1), 0.0);
}

TEST(TextWidthTest, CharacterLengthCountsPairsAsOneAndControlsAsSpacingOnly) {
    EXPECT_DOUBLE_EQ(TextLen(u"図形", 3, 1), 7.0);
    EXPECT_DOUBLE_EQ(TextLen(u"ab", 3, 1), 3.5);
    EXPECT_DOUBLE_EQ(TextLen(u"\U0001F600a", 4, 2), 4 + 2 + 2);
    EXPECT_DOUBLE_EQ(TextLen(u"\ta", 4, 2), 2 + 2);
    EXPECT_DOUBLE_EQ(TextLen(u"a\t", 4, 2), 2 + 1);
}

TEST(TextWidthTest, HalfUnitsSkipTheLastCharacter) {
    EXPECT_EQ(HalfUnits(u"a図b"), 3);
    EXPECT_EQ(HalfUnits(u"図"), 0);
    EXPECT_EQ(HalfUnits(u"\tx"), 0);
    EXPECT_EQ(HalfUnits(u"\U0001F600x"), 2);
    EXPECT_EQ(HalfUnits(u"x\U0001F600"), 1);
    EXPECT_EQ(HalfUnits(u""), 0);
}

TEST(TextWidthTest, CharUnitsTakeOnlyWholeSurrogatePairs) {
    const std::u16string s = u"a\U0001F600";
    EXPECT_EQ(CharUnitsAt(s, 0), 1u);
    EXPECT_EQ(CharUnitsAt(s, 1), 2u);
    EXPECT_EQ(CharUnitsAt(s, 2), 1u);                  // a low surrogate alone
    EXPECT_EQ(CharUnitsAt(s.substr(0, 2), 1), 1u);     // a high surrogate at the end
}

TEST(FullWidthTest, AsciiBecomesFullWidthWithItsExceptions) {
    EXPECT_EQ(ToFullWidth(u"1 A"), u"１\u3000Ａ");
    EXPECT_EQ(ToFullWidth(u"\"'\\!~z"), u"\u201D\u2019\uFFE5\uFF01\uFF5E\uFF5A");
    EXPECT_EQ(ToFullWidth(u"図\t\u00E9"), u"図\t\u00E9");
}

TEST(FullWidthTest, HalfWidthKatakanaIncludingVoicedPairsAndTheDegreeSign) {
    EXPECT_EQ(ToFullWidth(u"ｶﾞ"), u"ガ");
    EXPECT_EQ(ToFullWidth(u"ｳﾞﾎﾟﾊﾞ"), u"ヴポバ");
    EXPECT_EQ(ToFullWidth(u"45ﾟ"), u"４５°");
    EXPECT_EQ(ToFullWidth(u"ｱﾞｶﾟ"), u"ア゛カ°");
    EXPECT_EQ(ToFullWidth(u"｡ｦｯｰﾝﾞ"), u"。ヲッーン゛");
    EXPECT_EQ(ToFullWidth(u"ｶﾞﾞ"), u"ガ゛");
}

TEST(EraDateTest, EraBoundaries) {
    EXPECT_EQ(EraDate({1989, 1, 8}), (EraDateText{u"1989", u"平成", u"1"}));
    EXPECT_EQ(EraDate({1989, 1, 7}), (EraDateText{u"1989", u"昭和", u"64"}));
    EXPECT_EQ(EraDate({2019, 4, 30}), (EraDateText{u"2019", u"平成", u"31"}));
    EXPECT_EQ(EraDate({2019, 5, 1}), (EraDateText{u"2019", u"令和", u"1"}));
    EXPECT_EQ(EraDate({1926, 12, 25}), (EraDateText{u"1926", u"昭和", u"1"}));
    EXPECT_EQ(EraDate({1926, 12, 24}), (EraDateText{u"1926", u"大正", u"15"}));
    EXPECT_EQ(EraDate({1912, 7, 29}), (EraDateText{u"1912", u"明治", u"45"}));
    EXPECT_EQ(EraDate({1912, 7, 30}), (EraDateText{u"1912", u"大正", u"1"}));
    EXPECT_EQ(EraDate({1868, 10, 23}), (EraDateText{u"1868", u"明治", u"1"}));
    EXPECT_EQ(EraDate({1868, 10, 22}), (EraDateText{u"1868", u"", u""}));
}

TEST(EraDateTest, WithoutTheNewestEraHeiseiContinues) {
    EXPECT_EQ(EraOf({2021, 1, 1}, false).name, u"平成");
    EXPECT_EQ(EraOf({2021, 1, 1}, false).year, 33);
    EXPECT_EQ(EraOf({2021, 1, 1}).name, u"令和");
    EXPECT_EQ(EraOf({1989, 1, 7}, false).name, u"昭和");
    EXPECT_EQ(EraOf({1868, 10, 22}, false).year, 0);
}

}  // namespace
}  // namespace torvane
