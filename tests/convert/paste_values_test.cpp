#include "convert/paste_values.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>

namespace torvane {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(PasteValues, UnitScaleAndZeroAngleChangeNothing) {
    EXPECT_TRUE(ChangesNothing(ReadPasteValues(u"1.0", u"0.0", false, false)));
    EXPECT_TRUE(ChangesNothing(ReadPasteValues(u"1,1", u"360", true, true)));
    EXPECT_TRUE(ChangesNothing(ReadPasteValues(u"", u"", false, false)));
    EXPECT_FALSE(ChangesNothing(ReadPasteValues(u"1", u"90", false, false)));
    EXPECT_FALSE(ChangesNothing(ReadPasteValues(u"1,-1", u"0", false, false)));
}

TEST(PasteValues, TextsAreCleanedAndKept) {
    const PasteTransformValues v = ReadPasteValues(u" 2 ,\u30001\t", u" 4 5 ", true, false);
    EXPECT_EQ(v.PasteBai, u"2,1");
    EXPECT_EQ(v.PasteAng, u"45");
    EXPECT_DOUBLE_EQ(v.PasteBaX, 2);
    EXPECT_DOUBLE_EQ(v.PasteBaY, 1);
    EXPECT_DOUBLE_EQ(v.PasteAnr, kPi / 4);
    EXPECT_TRUE(v.PasteMoj);
    EXPECT_FALSE(v.PasteTen);
}

TEST(PasteValues, ScalePairsAndSingleScales) {
    const PasteTransformValues single = ReadPasteValues(u"2", u"0", false, false);
    EXPECT_DOUBLE_EQ(single.PasteBaX, 2);
    EXPECT_DOUBLE_EQ(single.PasteBaY, 2);
    const PasteTransformValues mirror = ReadPasteValues(u"-1,1", u"0", false, false);
    EXPECT_DOUBLE_EQ(mirror.PasteBaX, -1);
    EXPECT_DOUBLE_EQ(mirror.PasteBaY, 1);
}

TEST(PasteValues, MalformedOrZeroScalesMeanOne) {
    for (const char16_t* text : {u"0", u"abc", u"1/2", u"1e400", u"0.000000001", u",", u"2,x"}) {
        const PasteTransformValues v = ReadPasteValues(text, u"0", false, false);
        EXPECT_DOUBLE_EQ(v.PasteBaY, 1);
    }
    EXPECT_DOUBLE_EQ(ReadPasteValues(u"2,x", u"0", false, false).PasteBaX, 2);
    EXPECT_DOUBLE_EQ(ReadPasteValues(u"abc,3", u"0", false, false).PasteBaX, 1);
}

TEST(PasteValues, AnglesAreReducedIntoOneTurn) {
    EXPECT_DOUBLE_EQ(ReadPasteValues(u"1", u"-90", false, false).PasteAnr, 3 * kPi / 2);
    EXPECT_DOUBLE_EQ(ReadPasteValues(u"1", u"450", false, false).PasteAnr, kPi / 2);
    EXPECT_EQ(ReadPasteValues(u"1", u"720", false, false).PasteAnr, 0);
    EXPECT_EQ(ReadPasteValues(u"1", u"-360", false, false).PasteAnr, 0);
    EXPECT_EQ(ReadPasteValues(u"1", u"x", false, false).PasteAnr, 0);
}

TEST(PasteValues, ReduceAngleNeverLoopsAndSnapsToZero) {
    EXPECT_EQ(ReduceAngle(2 * kPi - 1e-11), 0);
    EXPECT_EQ(ReduceAngle(1e-11), 0);
    EXPECT_EQ(ReduceAngle(std::numeric_limits<double>::infinity()), 0);
    const double huge = ReduceAngle(1e300);
    EXPECT_GE(huge, 0);
    EXPECT_LT(huge, 2 * kPi);
}

}  // namespace
}  // namespace torvane
