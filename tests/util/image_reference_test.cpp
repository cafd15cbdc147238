#include "util/image_reference.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

TEST(ImageReference, ShortFormIsSquare) {
    const auto ref = ParseImageReference(u"^@BMphoto.bmp,100");
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->file, u"photo.bmp");
    EXPECT_DOUBLE_EQ(ref->w, 100);
    EXPECT_DOUBLE_EQ(ref->h, 100);
    EXPECT_DOUBLE_EQ(ref->drr, 1.0);
    EXPECT_DOUBLE_EQ(ref->dan, 0);
    EXPECT_FALSE(ref->long_form);
    EXPECT_EQ(ref->extra, std::vector<int>{-1});
}

TEST(ImageReference, LongFormWithAngle) {
    const auto ref = ParseImageReference(u"^@BM%temp%a.jpg,100,50,0.25,0,0.5,30,2,3,4");
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->file, u"%temp%a.jpg");
    EXPECT_DOUBLE_EQ(ref->h, 50);
    EXPECT_DOUBLE_EQ(ref->drx, 0.25);
    EXPECT_DOUBLE_EQ(ref->drr, 0.5);
    EXPECT_DOUBLE_EQ(ref->dan, 30);
    EXPECT_TRUE(ref->long_form);
    EXPECT_EQ(ref->extra, (std::vector<int>{2, 3, 4}));
}

TEST(ImageReference, MalformedNumbersAndMissingComma) {
    EXPECT_FALSE(ParseImageReference(u"^@BMphoto.bmp"));
    EXPECT_FALSE(ParseImageReference(u"photo.bmp,100"));
    EXPECT_TRUE(IsImageText(u"^@BMphoto.bmp"));
    const auto ref = ParseImageReference(u"^@BMx,abc,,1e999");
    ASSERT_TRUE(ref);
    EXPECT_DOUBLE_EQ(ref->w, 0);
    EXPECT_DOUBLE_EQ(ref->h, 0);
    EXPECT_DOUBLE_EQ(ref->drx, 0);
}

TEST(ImageReference, OnlyDecimalNumbersCount) {
    const auto ref = ParseImageReference(u"^@BMx,0x10,inf, 25 ,1e5,nan,1e400");
    ASSERT_TRUE(ref);
    EXPECT_DOUBLE_EQ(ref->w, 0);
    EXPECT_DOUBLE_EQ(ref->h, 0);
    EXPECT_DOUBLE_EQ(ref->drx, 25);
    EXPECT_DOUBLE_EQ(ref->dry, 1e5);
    EXPECT_DOUBLE_EQ(ref->drr, 0);
    EXPECT_DOUBLE_EQ(ref->dan, 0);
}

TEST(ImageReference, FurtherValuesOutOfRangeReadAsZero) {
    // Beyond the range of an int the 7th to 9th values are no integers: 0, never undefined.
    const auto ref = ParseImageReference(u"^@BMx,1,1,0,0,1,0,1e20,-5");
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->extra, (std::vector<int>{0, -5, 0}));
}

TEST(ImageReference, BoundFolderNames) {
    EXPECT_EQ(ImageFilePath(u"%temp%a.jpg", u"C:\\Tools\\Temp\\"), u"C:\\Tools\\Temp\\a.jpg");
    EXPECT_EQ(ImageFilePath(u"%temp%\\a.jpg", u"C:\\Tools\\Temp\\"), u"C:\\Tools\\Temp\\a.jpg");
    EXPECT_EQ(ImageFilePath(u"D:\\img\\a.jpg", u"C:\\Temp\\"), u"D:\\img\\a.jpg");
    EXPECT_EQ(ImageFilePath(u"x%temp%a.jpg", u"C:\\Temp\\"), u"x%temp%a.jpg");
}

}  // namespace
}  // namespace torvane
