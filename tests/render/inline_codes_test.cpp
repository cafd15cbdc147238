#include "render/inline_codes.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

std::vector<std::u16string> Texts(const std::vector<InlineRun>& runs) {
    std::vector<std::u16string> texts;
    for (const InlineRun& r : runs) texts.push_back(r.text);
    return texts;
}

TEST(InlineCodes, SuperscriptBetweenRuns) {
    const auto runs = SplitInlineCodes(u"H^u2O", 4, 4, 0, 0);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, u"H");
    EXPECT_DOUBLE_EQ(runs[1].offset, 2.0);
    EXPECT_DOUBLE_EQ(runs[1].raise, 2.0);
    EXPECT_DOUBLE_EQ(runs[1].h, 2.0);
    EXPECT_EQ(runs[1].text, u"2");
    EXPECT_EQ(runs[2].text, u"O");
    EXPECT_DOUBLE_EQ(runs[2].offset, 4.0);
    EXPECT_DOUBLE_EQ(runs[2].raise, 0.0);
    EXPECT_DOUBLE_EQ(runs[2].h, 4.0);
}

TEST(InlineCodes, StyleColourAndFont) {
    const auto runs = SplitInlineCodes(u"a^!b^$3c^/d^#e^%f^\\\"g^&h", 2, 2, 0, 8);
    EXPECT_EQ(Texts(runs), (std::vector<std::u16string>{u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h"}));
    EXPECT_EQ(runs[1].style, 9);
    EXPECT_EQ(runs[2].color, 3);
    EXPECT_EQ(runs[3].style, 11);
    EXPECT_EQ(runs[4].style, 8);
    EXPECT_EQ(runs[4].color, 3);
    EXPECT_EQ(runs[5].color, 0);
    EXPECT_TRUE(runs[6].gothic);
    EXPECT_FALSE(runs[7].gothic);
    EXPECT_DOUBLE_EQ(runs[7].offset, 7.0);
}

TEST(InlineCodes, CaretsThatAreText) {
    EXPECT_EQ(Texts(SplitInlineCodes(u"a^", 2, 2, 0, 0)), std::vector<std::u16string>{u"a^"});
    EXPECT_EQ(Texts(SplitInlineCodes(u"a^x", 2, 2, 0, 0)), std::vector<std::u16string>{u"a^x"});
    EXPECT_EQ(Texts(SplitInlineCodes(u"a^u", 2, 2, 0, 0)), std::vector<std::u16string>{u"a^u"});
    EXPECT_EQ(Texts(SplitInlineCodes(u"^$x1", 2, 2, 0, 0)), std::vector<std::u16string>{u"^$x1"});
    EXPECT_EQ(Texts(SplitInlineCodes(u"a^\\b", 2, 2, 0, 0)), std::vector<std::u16string>{u"ab"});
    const auto runs = SplitInlineCodes(u"^^!b", 2, 2, 0, 0);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, u"^");
    EXPECT_EQ(runs[1].style, 1);
}

TEST(InlineCodes, StoppedInterpretation) {
    const auto runs = SplitInlineCodes(u"a^*b^!c^^d^!e", 2, 2, 0, 0);
    EXPECT_EQ(Texts(runs), (std::vector<std::u16string>{u"a", u"b^!c", u"d", u"e"}));
    EXPECT_EQ(runs[1].style, 0);
    EXPECT_EQ(runs[3].style, 1);
}

TEST(InlineCodes, OverlaysMoveBack) {
    const auto runs = SplitInlineCodes(u"A^oB", 4, 4, 2, 0);
    ASSERT_EQ(runs.size(), 2u);
    // After A the position is (4 + 2) / 2 = 3; back by 1 x (1 + 1) + 0.5.
    EXPECT_DOUBLE_EQ(runs[1].offset, 3 - 2.5);
    EXPECT_DOUBLE_EQ(runs[1].w, 2.0);
    const auto w = SplitInlineCodes(u"^w12x", 4, 4, 0, 0);
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0].text, u"12");
    EXPECT_DOUBLE_EQ(w[0].offset, -1.0);
    EXPECT_DOUBLE_EQ(w[0].sp, 0.0);
    EXPECT_DOUBLE_EQ(w[1].offset, 0.0);
}

}  // namespace
}  // namespace torvane
