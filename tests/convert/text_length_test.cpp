#include "convert/text_length.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

TEST(TextLengthFromCharacters, DoubleByteCharactersTakeTheFullWidthAndSpacing) {
    EXPECT_DOUBLE_EQ(TextLengthFromCharacters(u"日本", 3, 1), 7);
    EXPECT_DOUBLE_EQ(TextLengthFromCharacters(u"AB", 3, 1), 3.5);
    // A full spacing follows the double-byte character, half a spacing the single-byte one.
    EXPECT_DOUBLE_EQ(TextLengthFromCharacters(u"日A本", 2, 1), 2 + 1 + 1 + 0.5 + 2);
    // Half-width katakana are single bytes in Shift-JIS.
    EXPECT_DOUBLE_EQ(TextLengthFromCharacters(u"ｱｲ", 2, 0), 2);
    EXPECT_DOUBLE_EQ(TextLengthFromCharacters(u"", 2, 1), 0);
}

}  // namespace
}  // namespace torvane
