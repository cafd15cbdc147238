#include <gtest/gtest.h>

#include "util/search_fold.h"

namespace torvane {
namespace {

TEST(SearchFoldTest, FullWidthHalfWidthAndLatinCaseFoldTogether) {
    EXPECT_EQ(SearchFold(u"ＡＢＣ１２３ｘｙｚ"), u"abc123xyz");
    EXPECT_EQ(SearchFold(u"Door　DETAIL"), u"door detail");
    EXPECT_EQ(SearchFold(u"ｶﾀｶﾅ"), u"カタカナ");
    EXPECT_EQ(SearchFold(u"ｶﾞｷﾞﾊﾟｳﾞ"), u"ガギパヴ");
    EXPECT_EQ(SearchFold(u"ｱﾞﾟ"), u"ア゛゜") << "marks that join no letter stay marks";
    EXPECT_EQ(SearchFold(u"｢ｰ｣･"), u"「ー」・");
    EXPECT_EQ(SearchFold(u"￥１００￣"), u"\\100~");
    EXPECT_EQ(SearchFold(u"ÀÉÖØÞ×ĀĹŸŽ"), u"àéöøþ×āĺÿž");
    EXPECT_EQ(SearchFold(u"ΦΣЖ漢字ひらがな%%d^@BM"), u"ΦΣЖ漢字ひらがな%%d^@bm") << "only Latin letters change case";
}

TEST(SearchFoldTest, ContainsNeedsANeedle) {
    EXPECT_TRUE(FoldedContains(SearchFold(u"５ｍラインの書き方"), SearchFold(u"5Mﾗｲﾝ")));
    EXPECT_FALSE(FoldedContains(SearchFold(u"ドア"), SearchFold(u"ﾄﾞｱ ")));
    EXPECT_FALSE(FoldedContains(u"anything", u""));
}

}  // namespace
}  // namespace torvane
