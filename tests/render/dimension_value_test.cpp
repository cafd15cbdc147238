#include "render/dimension_value.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

constexpr std::uint32_t Decimals(int n) { return static_cast<std::uint32_t>(n) * 4096; }

TEST(DimensionValue, RoundingModesAndDecimals) {
    EXPECT_EQ(DimensionValueText(1234.56, 0, 0), u"1235");
    EXPECT_EQ(DimensionValueText(1234.56, 0x100, 0), u"1234");
    EXPECT_EQ(DimensionValueText(1234.01, 0x200, 0), u"1235");
    EXPECT_EQ(DimensionValueText(1234.56, 0x300, 0), u"1235");
    EXPECT_EQ(DimensionValueText(1234.56, Decimals(1), 0), u"1234.6");
    EXPECT_EQ(DimensionValueText(-2.25, Decimals(1), 0), u"-2.3");
}

TEST(DimensionValue, Formats) {
    EXPECT_EQ(DimensionValueText(1234.5, 0x40 | Decimals(2), 0), u"1,234.5");
    EXPECT_EQ(DimensionValueText(1234, 0x40 | Decimals(2), 0), u"1,234");
    EXPECT_EQ(DimensionValueText(1234.5, 0x40 | 0x80 | Decimals(2), 0), u"1,234.50");
    EXPECT_EQ(DimensionValueText(12.5, 0x80 | Decimals(2), 0), u"12.50");
    EXPECT_EQ(DimensionValueText(1500, 0x10 | 0x20 | Decimals(1), 0), u"1.5ｍ");
    EXPECT_EQ(DimensionValueText(15, 0x20, 0), u"15mm");
}

TEST(DimensionValue, MarksAndFullWidth) {
    EXPECT_EQ(DimensionValueText(50, 0x400, 0x100), u"R50");
    EXPECT_EQ(DimensionValueText(50, 0x800, 0x200), u"50φ");
    EXPECT_EQ(DimensionValueText(50, 0, 0x100), u"50");
    EXPECT_EQ(DimensionValueText(50, 0x400 | 8, 0x200), u"φ５０");
    EXPECT_EQ(DimensionValueText(1.5, 8 | Decimals(1), 0), u"１．５");
}

}  // namespace
}  // namespace torvane
