#include <gtest/gtest.h>

#include "util/strings.h"

namespace torvane {
namespace {

TEST(LetterCaseTest, MapsLatinGreekCyrillicAndFullWidthLetters) {
    EXPECT_EQ(UpperStr(u"abcÿàé ąžǅ αςωά ябё ａｚ1"), u"ABCŸÀÉ ĄŽǅ ΑΣΩΆ ЯБЁ ＡＺ1");
    EXPECT_EQ(LowerStr(u"ABCŸÀÉ ĄŽ ΑΣΩΆ ЯБЁ ＡＺ1"), u"abcÿàé ąž ασωά ябё ａｚ1");
    EXPECT_EQ(UpperStr(u"ß×÷図ｶ"), u"ß×÷図ｶ");
    EXPECT_EQ(LowerStr(u"ß×÷図ｶ"), u"ß×÷図ｶ");
}

TEST(StringIndexTest, PositionsAreZeroBased) {
    EXPECT_EQ(PosIdx(u"c", u"abc"), 2);
    EXPECT_EQ(PosIdx(u"x", u"abc"), -1);
    EXPECT_EQ(PosIdx(u"", u"abc"), 0);
    EXPECT_EQ(MidStr(u"abcdef", 2, 3), u"cde");
    EXPECT_EQ(MidStr(u"abcdef", 4, 10), u"ef");
    EXPECT_EQ(MidStr(u"abc", 3, 1), u"");
    EXPECT_EQ(MidStr(u"abc", -2, 2), u"ab");
    EXPECT_EQ(MidStr(u"abc", 1, -1), u"");
    EXPECT_EQ(MidFrom(u"abcdef", 4), u"ef");
    EXPECT_EQ(MidFrom(u"abc", 9), u"");
}

TEST(StringIndexTest, SurrogateAtTellsHalvesAndOutside) {
    const std::u16string s = u"a\U0001F600b";
    EXPECT_EQ(SurrogateAt(s, 0), 0);
    EXPECT_EQ(SurrogateAt(s, 1), 1);
    EXPECT_EQ(SurrogateAt(s, 2), 2);
    EXPECT_EQ(SurrogateAt(s, 4), -1);
    EXPECT_EQ(SurrogateAt(s, -1), -1);
}

TEST(StringEditTest, RepeatAndStrip) {
    EXPECT_EQ(RepeatStr(u"ab", 3), u"ababab");
    EXPECT_EQ(RepeatStr(u"ab", -1), u"");
    EXPECT_EQ(StripBlanks(u" a\u3000b\tc\r\n"), u"abc");
    EXPECT_EQ(StripCtrl(u" a\u3000b\tc\r\n"), u" a\u3000bc");
    EXPECT_EQ(StripBreaks(u"line1^mline2\\nend\r\n"), u"line1line2end");
    EXPECT_EQ(StripBreaks(u"^m\\n\r"), u" ");
    EXPECT_EQ(StripBreaks(u"a^b\\"), u"a^b\\");
}

TEST(NthTokenTest, SplitsAtEverySingleSpace) {
    EXPECT_EQ(NthToken(u"a b c", 2), u"b");
    EXPECT_EQ(NthToken(u"a  c", 2), u"");
    EXPECT_EQ(NthToken(u"a  c", 3), u"c");
    EXPECT_EQ(NthToken(u"a b", 5), u"b");
    EXPECT_EQ(NthToken(u"a b", 0), u"a");
    EXPECT_EQ(NthToken(u"", 1), u"");
}

TEST(SplitPathTest, SplitsAtEitherSeparatorAndCollapsesDoubledOnes) {
    std::vector<std::u16string> parts;
    EXPECT_EQ(SplitPath(u"C:\\jww\\\\data/a.jws", parts, 5), 3);
    EXPECT_EQ(parts.size(), 6u);
    EXPECT_EQ(parts[0], u"C:");
    EXPECT_EQ(parts[1], u"jww");
    EXPECT_EQ(parts[2], u"data");
    EXPECT_EQ(parts[3], u"a.jws");
    EXPECT_EQ(parts[4], u"");
    EXPECT_EQ(SplitPath(u"//server/share", parts, 5), 2);
    EXPECT_EQ(parts[0], u"");
    EXPECT_EQ(parts[1], u"server");
}

TEST(SplitPathTest, OverflowReusesTheLastPart) {
    std::vector<std::u16string> parts;
    EXPECT_EQ(SplitPath(u"a/b/c/d", parts, 1), 1);
    EXPECT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0], u"a");
    EXPECT_EQ(parts[1], u"d");
    EXPECT_EQ(SplitPath(u"a/b", parts, -3), 0);
    EXPECT_EQ(parts[0], u"b");
    EXPECT_EQ(SplitPath(u"", parts, 2), 0);
    EXPECT_EQ(parts[0], u"");
}

}  // namespace
}  // namespace torvane
