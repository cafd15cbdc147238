#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>

#include "convert/paste_entities.h"

namespace torvane {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTol = 1e-9;

PasteContext Context(double sx, double sy, double degrees, bool text_scale) {
    PasteTransformValues v;
    v.PasteBaX = sx;
    v.PasteBaY = sy;
    v.PasteAnr = ReduceAngle(degrees * kPi / 180);
    return PasteContext{PasteMap(0, 0, v), text_scale, false};
}

// "AB" with width 2, height 3 and spacing 0.5: two half-width characters, length 2/2 + 0.5/2 + 2/2.
TEntJwwMoji Text(std::u16string str = u"AB") {
    TEntJwwMoji text;
    text.start_x = 10;
    text.start_y = 0;
    text.end_x = 12.25;
    text.end_y = 0;
    text.nMojiShu = 10003;
    text.dSizeX = 2;
    text.dSizeY = 3;
    text.dKankaku = 0.5;
    text.str = std::move(str);
    return text;
}

// Centre of the text box whose length is `length` and whose height is the text's.
TDPoint BoxCentre(const TEntJwwMoji& t, double length, double height) {
    const double a = t.degKakudo * kPi / 180;
    return Offset({t.start_x, t.start_y}, a, length / 2, height / 2);
}

TEST(PasteText, RotationTurnsTheTextAndKeepsItsSizes) {
    TEntJwwMoji text = Text();
    PasteText(Context(1, 1, 90, true), text);
    EXPECT_NEAR(text.start_x, 0, kTol);
    EXPECT_NEAR(text.start_y, 10, kTol);
    EXPECT_NEAR(text.end_y, 12.25, kTol);
    EXPECT_NEAR(text.degKakudo, 90, kTol);
    EXPECT_DOUBLE_EQ(text.dSizeX, 2);
    EXPECT_DOUBLE_EQ(text.dSizeY, 3);
    EXPECT_DOUBLE_EQ(text.dKankaku, 0.5);
    EXPECT_EQ(text.nMojiShu, 10000u);
}

TEST(PasteText, TextScaleDoublesSizesAndDropsTheTextType) {
    TEntJwwMoji text = Text();
    text.nMojiShu = 3;
    text.dSizeX = 2.1234567;
    PasteText(Context(2, 2, 0, true), text);
    EXPECT_DOUBLE_EQ(text.dSizeX, 4.246913);
    EXPECT_DOUBLE_EQ(text.dSizeY, 6);
    EXPECT_DOUBLE_EQ(text.dKankaku, 1);
    EXPECT_EQ(text.nMojiShu, 0u);
    EXPECT_NEAR(text.start_x, 20, kTol);
    EXPECT_NEAR(text.end_x, 24.5, kTol);
}

TEST(PasteText, SpacingOfOneHundredthStays) {
    TEntJwwMoji text = Text();
    text.dKankaku = 0.01;
    PasteText(Context(3, 3, 0, true), text);
    EXPECT_EQ(text.dKankaku, 0.01);
}

TEST(PasteText, StretchAlongTheBaselineOnlyWidensTheCharacters) {
    TEntJwwMoji text = Text();
    PasteText(Context(2, 1, 0, true), text);
    EXPECT_DOUBLE_EQ(text.dSizeX, 4);
    EXPECT_DOUBLE_EQ(text.dSizeY, 3);
    EXPECT_DOUBLE_EQ(text.dKankaku, 1);
}

TEST(PasteText, VerticalTextTakesItsHeightAcrossTheBaseline) {
    TEntJwwMoji text = Text();
    text.att.sFlg = 0x20;
    // dSizeX is the size across the baseline (height), dSizeY the advance along it.
    PasteText(Context(1, 2, 0, true), text);
    EXPECT_DOUBLE_EQ(text.dSizeX, 4);
    EXPECT_DOUBLE_EQ(text.dSizeY, 3);
    EXPECT_DOUBLE_EQ(text.dKankaku, 0.5);
}

TEST(PasteText, ZeroLengthTextKeepsItsSizesUnderTextScale) {
    TEntJwwMoji text = Text();
    text.end_x = text.start_x;
    PasteText(Context(2, 2, 0, true), text);
    EXPECT_EQ(text.dSizeX, 2);
    EXPECT_EQ(text.dSizeY, 3);
    EXPECT_EQ(text.dKankaku, 0.5);
    EXPECT_NEAR(text.start_x, 20, kTol);
    EXPECT_NEAR(text.end_x, 20, kTol);
}

TEST(PasteText, ZeroLengthTextTurnsFromItsOwnAngle) {
    for (const bool text_scale : {true, false}) {
        for (const auto& [sx, degrees, expected] : {std::tuple{1.0, 90.0, 120.0}, {-1.0, 0.0, 330.0}}) {
            TEntJwwMoji text = Text();
            text.end_x = text.start_x;
            text.degKakudo = 30;
            PasteText(Context(sx, 1, degrees, text_scale), text);
            // Mirrored about the vertical a text at 30° runs at 150° and is read from its other end.
            EXPECT_NEAR(text.degKakudo, expected, 1e-9) << text_scale << " " << sx;
        }
    }
}

TEST(PasteText, WithoutTextScaleTheBoxCentreFollowsTheMap) {
    TEntJwwMoji text = Text();
    text.end_x = 30;  // the baseline's own length does not count: the characters' does
    const double length = 2.25;
    const TDPoint centre = BoxCentre(Text(), length, 3);
    PasteText(Context(2, 2, 0, false), text);
    EXPECT_EQ(text.dSizeX, 2);
    EXPECT_EQ(text.dSizeY, 3);
    EXPECT_EQ(text.nMojiShu, 10003u);
    const TDPoint moved = BoxCentre(text, length, 3);
    EXPECT_NEAR(moved.X, 2 * centre.X, kTol);
    EXPECT_NEAR(moved.Y, 2 * centre.Y, kTol);
    EXPECT_NEAR(text.end_x - text.start_x, length, kTol);
}

TEST(PasteText, LengthFromCharactersCountsDoubleByteCharactersFully) {
    TEntJwwMoji text = Text(u"日本A");
    // 2 + 0.5 + 2 + 0.5 + 1 (the last, half-width) = 6.
    PasteText(Context(1, 1, 90, false), text);
    EXPECT_NEAR(std::hypot(text.end_x - text.start_x, text.end_y - text.start_y), 6, kTol);
    EXPECT_NEAR(text.degKakudo, 90, kTol);
}

TEST(PasteText, MirrorExchangesTheEndsAndKeepsTheBox) {
    for (const bool text_scale : {true, false}) {
        TEntJwwMoji text = Text();
        PasteText(Context(-1, 1, 0, text_scale), text);
        EXPECT_NEAR(text.start_x, -12.25, kTol) << text_scale;
        EXPECT_NEAR(text.end_x, -10, kTol) << text_scale;
        EXPECT_NEAR(text.start_y, 0, kTol) << text_scale;
        EXPECT_NEAR(text.degKakudo, 0, kTol) << text_scale;
    }
    for (const bool text_scale : {true, false}) {
        TEntJwwMoji text = Text();
        PasteText(Context(1, -1, 0, text_scale), text);
        // Upside down: the text runs backwards with its box below the old baseline.
        EXPECT_NEAR(text.start_x, 12.25, kTol) << text_scale;
        EXPECT_NEAR(text.end_x, 10, kTol) << text_scale;
        EXPECT_NEAR(text.start_y, 0, kTol) << text_scale;
        EXPECT_NEAR(text.degKakudo, 180, kTol) << text_scale;
    }
}

TEST(PasteText, ImageTextOnlyMovesItsCorners) {
    TEntJwwMoji text = Text(u"^@BMpicture.bmp,20,10");
    text.degKakudo = 15;
    PasteText(Context(2, 2, 90, true), text);
    EXPECT_NEAR(text.start_x, 0, kTol);
    EXPECT_NEAR(text.start_y, 20, kTol);
    EXPECT_NEAR(text.end_y, 24.5, kTol);
    EXPECT_EQ(text.degKakudo, 15);
    EXPECT_EQ(text.dSizeX, 2);
    EXPECT_EQ(text.nMojiShu, 10003u);
    EXPECT_EQ(text.str, u"^@BMpicture.bmp,20,10");
}

TEST(PasteDimension, ValueTextIsNeverAnImageAndSxfPartsMoveOnlyInSxfMode) {
    TEntJwwSunpo dim;
    dim.Sen.end_x = 10;
    dim.Moji = Text(u"^@BM10");
    dim.Ho1.end_x = 1;
    dim.Te1.start_x = 1;
    TEntJwwSunpo plain = dim;
    PasteDimension(Context(1, 1, 90, true), plain);
    EXPECT_NEAR(plain.Sen.end_y, 10, kTol);
    EXPECT_NEAR(plain.Moji.degKakudo, 90, kTol);
    EXPECT_EQ(plain.Moji.nMojiShu, 10000u);
    EXPECT_EQ(plain.Ho1.end_x, 1);
    EXPECT_EQ(plain.Te1.start_x, 1);

    dim.bSxfMode = 1;
    dim.Te2.att.nPenStyle = 100;
    PasteDimension(Context(1, 1, 90, true), dim);
    EXPECT_NEAR(dim.Ho1.end_y, 1, kTol);
    EXPECT_NEAR(dim.Te1.start_y, 1, kTol);
    EXPECT_EQ(dim.Te2.dBairitsu, 1);
    EXPECT_NEAR(dim.Te2.radKaitenKaku, kPi / 2, kTol);
}

}  // namespace
}  // namespace torvane
