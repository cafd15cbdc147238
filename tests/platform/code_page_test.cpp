#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace torvane {
namespace {

TEST(CodePageTest, Cp932RoundTripsJapaneseAndAscii) {
    const std::u16string text = u"図形 abc ｶﾞ①";
    const std::string ansi = SystemCodePage().Encode(text);
    EXPECT_EQ(ansi, std::string("\x90\x7D\x8C\x60 abc \xB6\xDE\x87\x40"));
    EXPECT_EQ(SystemCodePage().Decode(ansi), text);
}

TEST(CodePageTest, UnmappableAndTruncatedInputIsReplacedNotDropped) {
    EXPECT_EQ(SystemCodePage().Encode(u"a\U0001F600b"), "a??b");
    EXPECT_EQ(SystemCodePage().Decode(std::string("a\x90", 2)), u"a\uFFFD");
}

}  // namespace
}  // namespace torvane
