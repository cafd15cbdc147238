// The stream reader on hand-built byte sequences.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "figure/figure_file.h"
#include "figure/jcf_data.h"
#include "figure/stream_builder.h"
#include "figure/text_code_context.h"
#include "support/test_files.h"

namespace torvane {
namespace {

using test::StreamBuilder;

bool Read(const StreamBuilder& s, TJcfData& doc) { return doc.ReadBytes(AsBytes(s.bytes()), u"C:\\clip\\prev.1"); }
bool Check(const StreamBuilder& s) { return TJcfData::CheckBytes(AsBytes(s.bytes())); }

// A stream of one line with no definitions.
StreamBuilder OneLine(int version = 600) {
    StreamBuilder s(version);
    s.Header().Count(1).NewClass("CDataSen").Line(1, 2, 3, 4).Count(0);
    return s;
}

TEST(StreamReader, ClassesAndObjectsShareTheMapNumbers) {
    StreamBuilder s;
    // Class 1, lines 2 and 3; the tag 0x8002 names an object, reads nothing and is not counted.
    s.Header().Count(3).NewClass("CDataSen").Line(0, 0, 1, 0).Ref(1).Line(0, 0, 2, 0).Ref(2).Ref(1).Line(0, 0, 3, 0).Count(0);
    TJcfData doc;
    ASSERT_TRUE(Read(s, doc));
    EXPECT_EQ(doc.Enthd.jwVer, 600);
    ASSERT_EQ(doc.EntLineN, 3);
    EXPECT_EQ(doc.EntLine[2].end_x, 3.0);
    ASSERT_EQ(doc.Enthd.n1, 3);
    EXPECT_EQ(doc.EntNo[2].EntType, kEntLine);
    EXPECT_EQ(doc.EntNo[2].EntNo, 2);
}

TEST(StreamReader, LongReferenceForm) {
    StreamBuilder s;
    s.Header().Count(2).NewClass("CDataSen").Line(0, 0, 1, 0).LongRef(1).Line(0, 0, 2, 0).Count(0);
    TJcfData doc;
    ASSERT_TRUE(Read(s, doc));
    EXPECT_EQ(doc.EntLineN, 2);
}

TEST(StreamReader, LongObjectCountKeepsTheVersionAndAllocatesOnlyWhatFollows) {
    StreamBuilder s;
    s.Header().Count(70000).NewClass("CDataSen").Line(0, 0, 1, 0);
    TJcfData doc;
    EXPECT_FALSE(Read(s, doc));
    EXPECT_EQ(doc.Enthd.jwVer, 600);
    EXPECT_EQ(doc.EntLineN, 1);
    EXPECT_EQ(doc.Enthd.n1, 1);
    EXPECT_LT(doc.EntNo.capacity(), 100u);
}

TEST(StreamReader, CheckLooksAtLengthScalesAndSchema) {
    StreamBuilder short_stream;
    short_stream.Header().Raw(std::string("\x01\x00\xff", 3));
    ASSERT_EQ(short_stream.size(), 147u);
    EXPECT_FALSE(Check(short_stream));
    TJcfData doc;
    EXPECT_FALSE(Read(short_stream, doc));

    StreamBuilder zero_scale;
    zero_scale.Doubles({0, 0});
    for (int i = 0; i < 16; ++i) zero_scale.Doubles({i == 7 ? 0.0 : 1.0});
    zero_scale.Count(1).NewClass("CDataSen").Line(0, 0, 1, 0).Count(0);
    EXPECT_FALSE(Check(zero_scale));

    for (int schema : {219, 220, 700, 701}) {
        StreamBuilder s(schema);
        s.Header().Count(1).NewClass("CDataSen").Line(0, 0, 1, 0).Count(0);
        EXPECT_EQ(Check(s), schema == 220 || schema == 700) << schema;
    }
}

TEST(StreamReader, Version350HasShortAttributes) {
    TJcfData doc;
    const StreamBuilder s = OneLine(350);
    EXPECT_EQ(s.size(), 144u + 2 + 6 + 8 + 45 + 2);
    ASSERT_TRUE(Read(s, doc));
    ASSERT_EQ(doc.EntLineN, 1);
    EXPECT_EQ(doc.EntLine[0].att.nPenWidth, 0);
    EXPECT_EQ(doc.EntLine[0].end_y, 4.0);
}

StreamBuilder& Point(StreamBuilder& s, std::uint8_t style, double x) {
    s.Attr(style, 1).Doubles({x, 0}).U32(0);
    if (style == 100) s.U32(static_cast<std::uint32_t>(-3)).Doubles({0.5, 2.0});
    return s;
}

TEST(StreamReader, MarkerPointsCarryCodeRotationAndSize) {
    StreamBuilder s;
    s.Header().Count(2).NewClass("CDataTen");
    Point(s, 100, 1).Ref(1);
    Point(s, 1, 2).Count(0);
    TJcfData doc;
    ASSERT_TRUE(Read(s, doc));
    ASSERT_EQ(doc.EntTenN, 2);
    EXPECT_EQ(static_cast<std::int32_t>(doc.EntTen[0].nCode), -3);
    EXPECT_EQ(doc.EntTen[0].radKaitenKaku, 0.5);
    EXPECT_EQ(doc.EntTen[0].dBairitsu, 2.0);
    EXPECT_EQ(doc.EntTen[1].nCode, 0u);
    EXPECT_EQ(doc.EntTen[1].dBairitsu, 1.0);
    EXPECT_EQ(doc.EntTen[1].start_x, 2.0);
}

TEST(StreamReader, SolidsOfOwnColourCarryTheirRgb) {
    StreamBuilder s;
    s.Header().Count(2).NewClass("CDataSolid");
    s.Attr(1, 10).Doubles({0, 0, 1, 0, 1, 1, 0, 1}).U32(0x00336699);
    s.Ref(1).Attr(1, 9).Doubles({0, 0, 2, 0, 2, 2, 0, 2}).Count(0);
    TJcfData doc;
    ASSERT_TRUE(Read(s, doc));
    ASSERT_EQ(doc.EntSolidN, 2);
    EXPECT_EQ(doc.EntSolid[0].Color, 0x00336699u);
    EXPECT_EQ(doc.EntSolid[1].Color, 0u);
    EXPECT_EQ(doc.EntSolid[1].DPoint3_y, 2.0);
}

StreamBuilder& DimensionData(StreamBuilder& s, bool parts) {
    s.Attr(1, 3);
    s.Line(0, 0, 10, 0);
    s.Text("MS", "10");
    if (parts) {
        s.U16(1);
        s.Line(0, -5, 0, 0).Line(10, -5, 10, 0);
        Point(s, 100, 0);
        Point(s, 1, 10);
        Point(s, 1, 0);
        Point(s, 1, 10);
    }
    return s;
}

TEST(StreamReader, DimensionPartsFromVersion420) {
    for (int version : {419, 420}) {
        SCOPED_TRACE(version);
        StreamBuilder s(version);
        s.Header().Count(2).NewClass("CDataSunpou");
        DimensionData(s, version >= 420).Ref(1);
        DimensionData(s, version >= 420).Count(0);
        TJcfData doc;
        ASSERT_TRUE(Read(s, doc));
        ASSERT_EQ(doc.EntSunpoN, 2);
        const TEntJwwSunpo& dim = doc.EntSunpo[1];
        EXPECT_EQ(dim.Sen.end_x, 10.0);
        EXPECT_EQ(dim.Moji.str, u"10");
        if (version >= 420) {
            EXPECT_EQ(dim.bSxfMode, 1);
            EXPECT_EQ(dim.Ho2.start_x, 10.0);
            EXPECT_EQ(dim.Te1.dBairitsu, 2.0);
            EXPECT_EQ(dim.Te2.start_x, 10.0);
            EXPECT_EQ(dim.Te2.dBairitsu, 0.0);
        } else {
            EXPECT_EQ(dim.bSxfMode, 0);
            EXPECT_EQ(dim.Ho1.att.nPenColor, 3);
            EXPECT_EQ(dim.Ho1.end_y, 0.0);
            EXPECT_EQ(dim.Te1.att.nPenColor, 3);
            EXPECT_EQ(dim.Te1.att.nPenStyle, 0);
            EXPECT_EQ(dim.Kt2.dBairitsu, 0.0);
        }
    }
}

TEST(StreamReader, TextSizesThatAreNotNumbersAreRepaired) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    StreamBuilder s;
    s.Header().Count(1).NewClass("CDataMoji");
    s.Attr(1, 1).Doubles({0, 0, 10, 0}).U32(20003).Doubles({inf, nan, nan, 45}).Ansi("F").Ansi("T").Count(0);
    TJcfData doc;
    ASSERT_TRUE(Read(s, doc));
    const TEntJwwMoji& text = doc.EntMoji[0];
    EXPECT_EQ(text.dSizeX, 3.0);
    EXPECT_EQ(text.dSizeY, 3.0);
    EXPECT_EQ(text.dKankaku, 0.0);
    EXPECT_EQ(text.degKakudo, 45.0);
    EXPECT_EQ(text.nMojiShu % 10000, 3u);
}

TEST(StreamReader, StringsInAllFourForms) {
    StreamBuilder s;
    s.Header().Count(2).NewClass("CDataMoji");
    s.Attr(1, 1).Doubles({0, 0, 10, 0}).U32(1).Doubles({3, 3, 0, 0});
    s.Utf16(u"a\u3042b").U8(0xFF).U16(3).Raw("x\x01y");
    s.Ref(1).Attr(1, 1).Doubles({0, 0, 10, 0}).U32(1).Doubles({3, 3, 0, 0});
    std::u16string long_text(300, u'z');
    long_text[5] = u'\0';
    s.U8(0xFF).U16(0xFFFE).U8(0xFF).U16(300);
    for (char16_t c : long_text) s.U16(c);
    s.Ansi("\x82\xa0").Count(0);  // あ in Shift-JIS
    TJcfData doc;
    ASSERT_TRUE(Read(s, doc));
    EXPECT_TRUE(doc.MojiEncode);
    EXPECT_EQ(doc.EntMoji[0].strFontName, u"a\u3042b");
    EXPECT_EQ(doc.EntMoji[0].str, u"xy");
    EXPECT_EQ(doc.EntMoji[1].strFontName, u"zzzzz");
    EXPECT_EQ(doc.EntMoji[1].str, u"\u3042");
}

TEST(StreamReader, AnsiOnlyStreamLeavesMojiEncodeClear) {
    StreamBuilder s;
    s.Header().Count(1).NewClass("CDataMoji").Text("Font", "abc").Count(0);
    TJcfData doc;
    ASSERT_TRUE(Read(s, doc));
    EXPECT_FALSE(doc.MojiEncode);
    EXPECT_EQ(TxtFileName, u"C:\\clip\\prev.1");
    EXPECT_EQ(TxtScaleDiv, 1.0);
}

TEST(StreamReader, DefinitionsShareTheClassMapAndSkipLongTimeStamps) {
    StreamBuilder s;
    // Map: 1 CDataSen, 2 line, 3 CDataBlock, 4 insertion.
    s.Header().Count(2).NewClass("CDataSen").Line(0, 0, 1, 1).NewClass("CDataBlock").Block(5, 5, 7);
    s.Count(3);
    // Definition 1: class 5, itself 6; one line through class 1 (map 7).
    s.NewClass("CDataList").Attr(1, 1).U32(7).U32(1).U32(1234).Ansi("A").Count(1).Ref(1).Line(0, 0, 2, 2);
    // Definition 2 (map 8) with class CDataTen (map 9) and a point (10); definition 3 (map 11)
    // with a long time stamp and a point through class 9.
    s.Ref(5).Attr(1, 1).U32(8).U32(0).U32(99).Ansi("B").Count(1).NewClass("CDataTen");
    Point(s, 1, 4);
    s.Ref(5).Attr(1, 1).U32(9).U32(0).U32(0xFFFFFFFF).Raw(std::string(8, '\x55')).Ansi("C").Count(1).Ref(9);
    Point(s, 1, 5);
    TJcfData doc;
    ASSERT_TRUE(Read(s, doc));
    ASSERT_EQ(doc.EntBlockDefN, 3);
    EXPECT_EQ(doc.Enthd.n2, 3);
    EXPECT_EQ(doc.EntBlockDef[0].dtime, 1234u);
    EXPECT_EQ(doc.EntBlockDef[0].Members().mLineN, 1);
    EXPECT_EQ(doc.EntBlockDef[0].Members().mLine[0].end_x, 2.0);
    EXPECT_EQ(doc.EntBlockDef[1].Members().mTen[0].dBairitsu, 0.0);
    EXPECT_EQ(doc.EntBlockDef[2].dtime, 3u);
    EXPECT_EQ(doc.EntBlockDef[2].strName, u"C");
    ASSERT_EQ(doc.EntBlockDef[2].Members().N, 1);
    EXPECT_EQ(doc.EntBlockDef[2].Members().mTen[0].start_x, 5.0);
    EXPECT_TRUE(doc.EntBlockDef[0].ref_flag);
    EXPECT_EQ(doc.EntBlockTreeN, 1);
}

TEST(StreamReader, UnknownClassStopsTheReadAndKeepsWhatCameBefore) {
    StreamBuilder s;
    s.Header().Count(3).NewClass("CDataSen").Line(0, 0, 1, 0).NewClass("CDataOther").Line(0, 0, 2, 0).Count(0);
    TJcfData doc;
    EXPECT_FALSE(Read(s, doc));
    EXPECT_EQ(doc.EntLineN, 1);
    EXPECT_EQ(doc.Enthd.n1, 1);
}

TEST(StreamReader, ARecordCutShortIsDropped) {
    StreamBuilder s;
    s.Header().Count(2).NewClass("CDataSen").Line(0, 0, 1, 0).Ref(1).Doubles({1, 2});
    TJcfData doc;
    EXPECT_FALSE(Read(s, doc));
    EXPECT_EQ(doc.EntLineN, 1);
    ASSERT_EQ(doc.Enthd.n1, 2);
    EXPECT_EQ(doc.EntNo[1].EntType, kEntNone);
}

TEST(StreamReader, FileInReadsFromDisk) {
    test::TempDir dir;
    const auto path = dir / "prev.1";
    test::WriteBytes(path, OneLine().bytes());
    TJcfData doc;
    EXPECT_TRUE(doc.FileCheck(path));
    EXPECT_TRUE(doc.FileIn(path));
    EXPECT_EQ(doc.EntLineN, 1);
    EXPECT_FALSE(doc.FileIn(dir / "missing.1"));
    EXPECT_FALSE(doc.FileCheck(dir / "missing.1"));
}

}  // namespace
}  // namespace torvane
