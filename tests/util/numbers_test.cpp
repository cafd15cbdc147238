#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "util/numbers.h"

namespace torvane {
namespace {

TEST(ValIntTest, ReadsDecimalAndDollarHexadecimal) {
    EXPECT_EQ(ValInt(u"12"), 12);
    EXPECT_EQ(ValInt(u"-7"), -7);
    EXPECT_EQ(ValInt(u"+7"), 7);
    EXPECT_EQ(ValInt(u"$1F"), 31);
    EXPECT_EQ(ValInt(u"$ff"), 255);
    EXPECT_EQ(ValInt(u"$FFFFFFFF"), -1);
    EXPECT_EQ(ValInt(u"-2147483648"), std::numeric_limits<int>::min());
}

TEST(ValIntTest, AnythingButAWholeNumberIsZero) {
    for (const char16_t* text : {u"", u"1.5", u"12a", u"$", u"-", u"$1G", u"１２", u"2147483648", u"$100000000", u"12 "})
        EXPECT_EQ(ValInt(text), 0) << std::u16string(text).size();
}

TEST(ValRealTest, ReadsDecimalPointAndExponentOnly) {
    EXPECT_DOUBLE_EQ(ValReal(u"1.5"), 1.5);
    EXPECT_DOUBLE_EQ(ValReal(u"-.25"), -0.25);
    EXPECT_DOUBLE_EQ(ValReal(u"+3."), 3.0);
    EXPECT_DOUBLE_EQ(ValReal(u"2e3"), 2000.0);
    for (const char16_t* text : {u"", u"abc", u"1,5", u"1.5.1", u"inf", u"nan", u"0x10", u"1e", u".", u"1e999"})
        EXPECT_EQ(ValReal(text), 0.0);
}

TEST(ValBoolTest, AcceptsTheTrueWordsInAnyCase) {
    for (const char16_t* text : {u"true", u"T", u"tRu", u"on", u"○", u"１", u"1", u"真", u"正"})
        EXPECT_TRUE(ValBool(text));
    for (const char16_t* text : {u"yes", u"0", u"", u"truer", u"off", u"2"}) EXPECT_FALSE(ValBool(text));
}

TEST(NumberTextTest, BoolAndIntegerText) {
    EXPECT_EQ(BoolStr(true), u"1");
    EXPECT_EQ(BoolStr(false), u"0");
    EXPECT_EQ(IntStr(-1234567890123LL), u"-1234567890123");
}

TEST(FixStrTest, RoundsTheShownDecimalsHalfAwayFromZero) {
    EXPECT_EQ(FixStr(1, 1.25), u"1.3");
    EXPECT_EQ(FixStr(1, 0.15), u"0.2");
    EXPECT_EQ(FixStr(1, -1.25), u"-1.3");
    EXPECT_EQ(FixStr(0, 2.5), u"3");
    EXPECT_EQ(FixStr(2, 9.999), u"10.00");
    EXPECT_EQ(FixStr(3, 0.0004), u"0.000");
    EXPECT_EQ(FixStr(1, -0.04), u"0.0");
    EXPECT_EQ(FixStr(2, 0.001234), u"0.00");
    EXPECT_EQ(FixStr(4, 1e20), u"100000000000000000000.0000");
    EXPECT_EQ(FixStr(-3, 7.6), u"8");
    EXPECT_EQ(FixStr(2, std::numeric_limits<double>::infinity()), u"INF");
}

TEST(NumStrTest, GroupsThousandsWithCommas) {
    EXPECT_EQ(NumStr(2, 1234567.891), u"1,234,567.89");
    EXPECT_EQ(NumStr(0, -999.5), u"-1,000");
    EXPECT_EQ(NumStr(1, 123.0), u"123.0");
    EXPECT_EQ(NumStr(0, 100000.0), u"100,000");
}

TEST(RoundDigitsTest, ModesTruncateRoundUpAndRoundHalfUpOnTheMagnitude) {
    EXPECT_DOUBLE_EQ(RoundDigits(1, 2, 1.25), 1.3);
    EXPECT_DOUBLE_EQ(RoundDigits(1, 0, 1.25), 1.2);
    EXPECT_DOUBLE_EQ(RoundDigits(1, 1, 1.25), 1.3);
    EXPECT_DOUBLE_EQ(RoundDigits(1, 2, -1.25), -1.3);
    EXPECT_DOUBLE_EQ(RoundDigits(1, 0, -1.29), -1.2);
    EXPECT_DOUBLE_EQ(RoundDigits(1, 1, 1.21), 1.3);
    EXPECT_DOUBLE_EQ(RoundDigits(1, 1, 1.2), 1.2);
    EXPECT_DOUBLE_EQ(RoundDigits(3, 7, 2.0005), 2.001);
}

TEST(RoundDigitsTest, DigitsOutsideOneToNineMeanWholeNumbers) {
    EXPECT_DOUBLE_EQ(RoundDigits(0, 2, 2.5), 3.0);
    EXPECT_DOUBLE_EQ(RoundDigits(10, 2, 2.5), 3.0);
    EXPECT_DOUBLE_EQ(RoundDigits(-1, 0, -2.7), -2.0);
    EXPECT_DOUBLE_EQ(RoundDigits(9, 0, 0.1234567891), 0.123456789);
}

TEST(NumberHelpersTest, FinitenessAndSwap) {
    EXPECT_TRUE(IsFiniteNum(1e308));
    EXPECT_FALSE(IsFiniteNum(std::nan("")));
    EXPECT_FALSE(IsFiniteNum(-std::numeric_limits<double>::infinity()));
    double a = 1, b = 2;
    SwapDbl(a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
}

}  // namespace
}  // namespace torvane
