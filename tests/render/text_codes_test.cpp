#include "render/text_codes.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

TextCodeContext Context() {
    TextCodeContext c;
    c.file_name = u"C:\\works\\site\\plan A.jws";
    c.now = {2019, 5, 1, 12, 30, 7, 0};
    c.file_date = {2005, 3, 9, 9, 4, 6, 0};
    c.memo = u"memo";
    c.title = u"";
    return c;
}

std::u16string Expand(std::u16string_view code, const TextCodeContext& c = Context()) {
    return ExpandTextCode(code, c).value_or(u"<none>");
}

TEST(TextCodes, FileNameCodes) {
    EXPECT_EQ(Expand(u"%f"), u"plan A.jws");
    EXPECT_EQ(Expand(u"$f"), u"plan A");
    EXPECT_EQ(Expand(u"&fs2"), u"A");
    EXPECT_EQ(Expand(u"&fs7"), u"A");
    EXPECT_EQ(Expand(u"&fs12"), u"plan A");
    EXPECT_EQ(Expand(u"%f3"), u"pla");
    EXPECT_EQ(Expand(u"%fa"), u"plan A");
    EXPECT_EQ(Expand(u"$F"), u"C:\\works\\site\\plan A.jws");
    EXPECT_EQ(Expand(u"%F1"), u"site");
    EXPECT_EQ(Expand(u"%F2"), u"works");
    EXPECT_EQ(Expand(u"%F9"), u"C:");
}

TEST(TextCodes, FolderSplitCountsADoubledSeparatorOnce) {
    TextCodeContext c = Context();
    c.file_name = u"\\\\server//share\\a.jws";
    EXPECT_EQ(Expand(u"%F1", c), u"share");
    EXPECT_EQ(Expand(u"%F2", c), u"server");
}

TEST(TextCodes, WesternDatesFromBothSources) {
    EXPECT_EQ(Expand(u"_F"), u"2005/ 3/ 9 09:04:06");
    EXPECT_EQ(Expand(u"=F"), u"2005/03/09 09:04:06");
    EXPECT_EQ(Expand(u"_f"), u"2005/ 3/ 9");
    EXPECT_EQ(Expand(u"=f"), u"2005/03/09");
    EXPECT_EQ(Expand(u"$j"), u"2019/ 5/ 1");
    EXPECT_EQ(Expand(u"=j"), u"2005/ 3/ 9");
    EXPECT_EQ(Expand(u"$y"), u"19");
    EXPECT_EQ(Expand(u"_y"), u" 5");
    EXPECT_EQ(Expand(u"=y"), u"05");
    EXPECT_EQ(Expand(u"$m"), u"5");
    EXPECT_EQ(Expand(u"&m"), u" 5");
    EXPECT_EQ(Expand(u"=m"), u"03");
    EXPECT_EQ(Expand(u"%d"), u"01");
    EXPECT_EQ(Expand(u"$ma"), u"MAY");
    EXPECT_EQ(Expand(u"_ma"), u"MAR");
}

TEST(TextCodes, JapaneseEraDates) {
    EXPECT_EQ(Expand(u"$J"), u"令和元年 5月 1日");
    EXPECT_EQ(Expand(u"_J"), u"平成17年 3月 9日");
    EXPECT_EQ(Expand(u"$Y"), u"31");
    EXPECT_EQ(Expand(u"$E"), u"元");
    EXPECT_EQ(Expand(u"=G"), u"17");
    EXPECT_EQ(Expand(u"$GＧ"), u"令和");
    EXPECT_EQ(Expand(u"$GＧＥ"), u"令和元");
    EXPECT_EQ(Expand(u"_GＧＥＥ"), u"平成17年");
    EXPECT_EQ(Expand(u"_GGE"), u"17");
    TextCodeContext c = Context();
    c.now = {2021, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(Expand(u"$E", c), u"3 ");
    EXPECT_EQ(Expand(u"&E", c), u" 3");
    EXPECT_EQ(Expand(u"%E", c), u"03");
    EXPECT_EQ(Expand(u"$Y", c), u"33");
    c.now = {1989, 1, 7, 0, 0, 0, 0};
    EXPECT_EQ(Expand(u"$GＧＥＥ", c), u"昭和64年");
    c.now = {1850, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(Expand(u"$J", c), u"年 1月 1日");
}

TEST(TextCodes, WeekdaysAndTimes) {
    EXPECT_EQ(Expand(u"$w"), u"水");  // 2019-05-01 was a Wednesday
    EXPECT_EQ(Expand(u"$wa"), u"WED");
    EXPECT_EQ(Expand(u"=wa"), u"WED");  // 2005-03-09 too
    EXPECT_EQ(Expand(u"$h"), u"0");
    EXPECT_EQ(Expand(u"%h"), u"00");
    EXPECT_EQ(Expand(u"=h"), u"09");
    EXPECT_EQ(Expand(u"_H"), u" 9");
    EXPECT_EQ(Expand(u"$H"), u"12");
    EXPECT_EQ(Expand(u"%M"), u"30");
    EXPECT_EQ(Expand(u"=S"), u"06");
    EXPECT_EQ(Expand(u"$n"), u"PM");
    EXPECT_EQ(Expand(u"_N"), u"前");
}

TEST(TextCodes, MemoTitleAndScale) {
    TextCodeContext c = Context();
    EXPECT_EQ(Expand(u"%mm", c), u"memo");
    EXPECT_EQ(Expand(u"$T", c), u"");
    c.layer_scale = 100;
    EXPECT_EQ(Expand(u"%SS", c), u"1/100");
    EXPECT_EQ(Expand(u"%ss", c), u"100");
    c.layer_scale = 0.5;
    EXPECT_EQ(Expand(u"%SS", c), u"2/1");
    EXPECT_EQ(Expand(u"%ss", c), u"2");
    c.layer_scale = 50;
    c.scale_div = 2;
    EXPECT_EQ(Expand(u"%SP", c), u"1/25");
    c.layer_scale = 0.3;
    c.scale_div = 1;
    EXPECT_EQ(Expand(u"%SS", c), u"3.3/1");
}

TEST(TextCodes, NonCodesAreNotExpanded) {
    EXPECT_FALSE(ExpandTextCode(u"plan", Context()));
    EXPECT_FALSE(ExpandTextCode(u"$", Context()));
    EXPECT_FALSE(ExpandTextCode(u"$f ", Context()));
    EXPECT_FALSE(ExpandTextCode(u"_T1", Context()));
    EXPECT_FALSE(ExpandTextCode(u"&fs0", Context()));
    EXPECT_FALSE(ExpandTextCode(u"%fg", Context()));
}

TEST(TextCodes, DateCodeParameter) {
    EXPECT_EQ(SplitDateCodeParameter(u"$J3").text, u"$J");
    EXPECT_EQ(SplitDateCodeParameter(u"$J3").widening, 3);
    EXPECT_EQ(SplitDateCodeParameter(u"$J12").text, u"$J");
    EXPECT_EQ(SplitDateCodeParameter(u"$J12").widening, 0);
    EXPECT_EQ(SplitDateCodeParameter(u"$J03").widening, 3);
    EXPECT_EQ(SplitDateCodeParameter(u"$J0").widening, 0);
    EXPECT_EQ(SplitDateCodeParameter(u"$Jx").widening, 0);
    EXPECT_EQ(SplitDateCodeParameter(u"$J1234567").text, u"$J1234567");
    EXPECT_EQ(SplitDateCodeParameter(u"$f3").text, u"$f3");
    // Three cells of (w + sp) / 2 spread over the 8 half-width gaps of "2019/ 5/ 1" minus one.
    const std::u16string date = u"2019/ 5/ 1";
    const double sp = WidenedSpacing(date, 2, 0, 3);
    EXPECT_DOUBLE_EQ(sp * 9 / 2, 3.0);
}

TEST(TextFitting, HalfWidthDotSpreadsItsWidth) {
    const FittedText f = ApplyFittingControls(u"ABC･", 2, 0);
    EXPECT_EQ(f.text, u"ABC");
    // 1 unit of dot spread over the 2 half-width gaps: total length stays 3 + 1.
    EXPECT_DOUBLE_EQ(f.sp, 1.0);
    EXPECT_DOUBLE_EQ(f.w, 2.0);
}

TEST(TextFitting, FullWidthDotsSpreadTheirWidth) {
    const FittedText f = ApplyFittingControls(u"あいう・・", 4, 1);
    EXPECT_EQ(f.text, u"あいう");
    // Removed: two cells of 4 plus the spacing 4 x 1 they carried... over 4 units of gaps.
    EXPECT_DOUBLE_EQ(f.sp, 2 * (2 * 4 + 4.0) / 4);
}

TEST(TextFitting, CaretDigitNarrowsTheText) {
    const FittedText f = ApplyFittingControls(u"ABCDEF^2", 2, 1);
    EXPECT_EQ(f.text, u"ABCDEF");
    EXPECT_DOUBLE_EQ(f.w, 2.0 * 4 / 6);
    EXPECT_DOUBLE_EQ(f.sp, 1.0 * 4 / 6);
    const FittedText small = ApplyFittingControls(u"AB^2", 2, 1);
    EXPECT_EQ(small.text, u"AB");
    EXPECT_DOUBLE_EQ(small.w, 2.0);
}

TEST(TextFitting, PlainTextUnchanged) {
    const FittedText f = ApplyFittingControls(u"A^B", 2, 1);
    EXPECT_EQ(f.text, u"A^B");
    EXPECT_DOUBLE_EQ(f.sp, 1.0);
}

}  // namespace
}  // namespace torvane
