#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>

#include "figure/jwk_data.h"
#include "figure/jwk_text_types.h"
#include "figure/text_code_context.h"
#include "figure/jwk_file_builder.h"
#include "support/test_files.h"

namespace torvane {
namespace {

std::span<const std::uint8_t> Span(const std::string& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

bool Read(TJwkData& jwk, const std::string& bytes) { return jwk.ReadBytes(Span(bytes), u"fig.jwk"); }

TEST(JwkCheck, IdentifierNeedsEightDots) {
    test::TempDir dir;
    test::WriteBytes(dir / "good.jwk", "jw_cad(c)sym........ rest");
    test::WriteBytes(dir / "seven.jwk", "jw_cad(c)sym....... rest");
    test::WriteBytes(dir / "short.jwk", "jw_cad(c)sym....");
    TJwkData jwk;
    EXPECT_TRUE(jwk.FileCheck(dir / "good.jwk"));
    EXPECT_FALSE(jwk.FileCheck(dir / "seven.jwk"));
    EXPECT_FALSE(jwk.FileCheck(dir / "short.jwk"));
    EXPECT_FALSE(jwk.FileCheck(dir / "missing.jwk"));
    EXPECT_TRUE(TJwkData::CheckBytes(Span(test::JwkFileBuilder().Bytes())));
}

TEST(JwkInit, TextTypeTableFollowsTheDefaults) {
    const TJwkMojisyuTable saved = JwcMojiDef;
    JwcMojiDef[2] = {7, 3.04, 3.05, 0.26};
    TJwkData jwk;
    JwcMojiDef = saved;
    ASSERT_EQ(jwk.EntMjtp.size(), 12u);
    EXPECT_EQ(jwk.EntMjtp[0].penNo + jwk.EntMjtp[0].width + jwk.EntMjtp[0].height + jwk.EntMjtp[0].dist, 0);
    EXPECT_EQ(jwk.EntMjtp[11].width, 0);
    EXPECT_EQ(jwk.EntMjtp[3].penNo, 7);
    EXPECT_EQ(jwk.EntMjtp[3].width, 30);
    EXPECT_EQ(jwk.EntMjtp[3].height, 31);  // 30.5 rounds up
    EXPECT_EQ(jwk.EntMjtp[3].dist, 3);
    EXPECT_EQ(jwk.EntMjtp[10].penNo, 5);
    EXPECT_EQ(jwk.EntMjtp[10].height, 100);
    jwk.DataFree();
    EXPECT_TRUE(jwk.EntMjtp.empty());
}

TEST(JwkRead, HeaderRecordsAndStrings) {
    test::JwkFileBuilder file;
    file.comment1 = "ABC";
    file.headerText = "3,1,0,1,0,0,1,6,1";
    file.Line(0, 0, 10, 0, 2, 3, 0x21).Line(1, 2, 3, 4).Line(-5, -6, 7, 8);
    file.Arc(1, 2, 5, 5000, 0, 90, 0);
    file.Moji(0, 0, 10, 0, 3, 4, 0x12);
    file.strings = std::string("AB\0CDE", 6);
    TJwkData jwk;
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.Enthd.jwID, u"jw_cad(c)sym............................");
    EXPECT_EQ(jwk.Enthd.comment1, u"ABC");
    EXPECT_EQ(jwk.Enthd.lineCount, 3);
    EXPECT_EQ(jwk.Enthd.arcCount, 1);
    EXPECT_EQ(jwk.Enthd.tenCount, 0);
    EXPECT_EQ(jwk.Enthd.mojiCount, 1);
    EXPECT_EQ(jwk.Enthd.strSpace, 6);
    EXPECT_EQ(jwk.Enthd.dispScale, 1.0f);
    EXPECT_EQ(jwk.Enthd.scale, 1.0f);
    EXPECT_TRUE(jwk.Enthd.para.empty());
    EXPECT_EQ(jwk.lineN, 3);
    EXPECT_EQ(jwk.arcN, 1);
    EXPECT_EQ(jwk.tenN, 0);
    EXPECT_EQ(jwk.mojiN, 1);
    EXPECT_EQ(jwk.EntLine[0].x2, 10.0f);
    EXPECT_EQ(jwk.EntLine[0].typ, 2);
    EXPECT_EQ(jwk.EntLine[0].col, 3);
    EXPECT_EQ(jwk.EntLine[0].lay, 0x21);
    EXPECT_EQ(jwk.EntLine[2].x1, -5.0f);
    EXPECT_EQ(jwk.EntLine[2].y2, 8.0f);
    const TEntJwcArc2& arc = jwk.EntArc[0];
    EXPECT_EQ(arc.r, 5.0f);
    EXPECT_FLOAT_EQ(arc.h, 0.5f);
    EXPECT_EQ(arc.st, 0.0f);
    EXPECT_EQ(arc.et, 90.0f);
    EXPECT_EQ(arc.tt, 0.0f);
    EXPECT_EQ(arc.typ, 1);
    EXPECT_EQ(arc.col, 2);
    EXPECT_EQ(arc.lay, 3);
    EXPECT_EQ(jwk.EntMoji[0].p, 3);
    EXPECT_EQ(jwk.EntMoji[0].no, 4);
    EXPECT_EQ(jwk.EntMoji[0].lay, 0x12);
    EXPECT_EQ(jwk.EntMoji[0].s, u"CDE");
}

TEST(JwkRead, PointsAndFractionalAngles) {
    test::JwkFileBuilder file;
    file.Ten(3.5f, -4.25f, 0x5A, 6).Arc(0, 0, 1, 10000, -45.5, 370.25, 12.75);
    TJwkData jwk;
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    ASSERT_EQ(jwk.tenN, 1);
    EXPECT_EQ(jwk.EntTen[0].x, 3.5f);
    EXPECT_EQ(jwk.EntTen[0].y, -4.25f);
    EXPECT_EQ(jwk.EntTen[0].lay, 0x5A);
    EXPECT_EQ(jwk.EntTen[0].col, 6);
    EXPECT_EQ(jwk.EntArc[0].h, 1.0f);
    EXPECT_EQ(jwk.EntArc[0].st, -45.5f);
    EXPECT_EQ(jwk.EntArc[0].et, 370.25f);
    EXPECT_EQ(jwk.EntArc[0].tt, 12.75f);
}

TEST(JwkRead, LenientHeaderValues) {
    TJwkData jwk;
    test::JwkFileBuilder file;
    file.headerText = "abc,0, 0 ,0,1.5,-2.5,0.5,0,0";
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.Enthd.lineCount, 0);
    EXPECT_EQ(jwk.Enthd.org_x, 1.5f);
    EXPECT_EQ(jwk.Enthd.org_y, -2.5f);
    EXPECT_EQ(jwk.Enthd.dispScale, 0.5f);
    EXPECT_EQ(jwk.Enthd.scale, 1.0f);  // a scale of 0 is no scale

    file.headerText = "0,0,0,0,0,0,1,0,-3";
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.Enthd.scale, 1.0f);

    // The ninth value runs to the end of the text, commas included, so it is no number.
    file.headerText = "0,0,0,0,0,0,1,0,50,7";
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.Enthd.scale, 1.0f);

    file.headerText = "0,0,0,0,0,0,1,0,50\r\n";
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.Enthd.scale, 50.0f);

    // Fewer than nine values leave the rest at 0.
    file.headerText = "1";
    file.Line(1, 1, 2, 2);
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.lineN, 1);
    EXPECT_EQ(jwk.Enthd.scale, 1.0f);
}

TEST(JwkRead, ScaleThatIsNoFiniteNumberFails) {
    for (const char* scale : {"1e39", "-1e39", "1e999", "inf", "NaN", "-Infinity"}) {
        test::JwkFileBuilder file;
        file.scaleText = scale;
        file.Line(0, 0, 1, 1);
        TJwkData jwk;
        TxtFileName = u"before";
        EXPECT_FALSE(Read(jwk, file.Bytes())) << scale;
        EXPECT_EQ(jwk.Enthd.scale, 1.0f) << scale;
        EXPECT_EQ(jwk.lineN, 0) << scale;
        EXPECT_EQ(TxtFileName, u"before") << scale;
    }
    test::JwkFileBuilder tiny;
    tiny.scaleText = "1e-999";
    TJwkData jwk;
    EXPECT_TRUE(Read(jwk, tiny.Bytes()));
    EXPECT_EQ(jwk.Enthd.scale, 1.0f);
}

TEST(JwkRead, TextCodeContextFromComments) {
    test::JwkFileBuilder file;
    file.comment1 = "A\tBC";
    TJwkData jwk;
    TxtTitle = u"old";
    TxtScaleDiv = 5;
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(TxtFileName, u"fig.jwk");
    EXPECT_EQ(TxtTitle, u"");
    EXPECT_EQ(TxtMemo1, u"ABC");
    EXPECT_EQ(TxtMemo2, u"");
    EXPECT_EQ(TxtMemo, u"ABC");
    EXPECT_EQ(TxtScaleDiv, 1.0);

    file.comment2 = "XY";
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(TxtMemo, u"ABC\u3000XY");
    EXPECT_EQ(jwk.Enthd.comment1, u"A\tBC");  // the header keeps the comment as written
}

TEST(JwkRead, JapaneseTextsDecodeFromTheAnsiCodePage) {
    test::JwkFileBuilder file;
    file.comment1 = "\x90\x7D\x8C\x60";  // 図形
    file.Moji(0, 0, 1, 0, 0);
    file.strings = std::string("\x90\x7D\x8C\x60\x01" "a\0", 7);
    TJwkData jwk;
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.Enthd.comment1, u"図形");
    EXPECT_EQ(jwk.EntMoji[0].s, u"図形a");
}

TEST(JwkRead, TextOffsetsOutsideTheStringArea) {
    test::JwkFileBuilder file;
    file.Moji(0, 0, 1, 0, 2).Moji(0, 0, 1, 0, 4).Moji(0, 0, 1, 0, 60000).Moji(0, 0, 1, 0, 0);
    file.strings = "ABCD";  // no NUL at the end: the reader ends the area itself
    TJwkData jwk;
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.EntMoji[0].s, u"CD");
    EXPECT_EQ(jwk.EntMoji[1].s, u"");
    EXPECT_EQ(jwk.EntMoji[2].s, u"");
    EXPECT_EQ(jwk.EntMoji[3].s, u"ABCD");

    // Without a string area every text stays empty.
    file.headerText = "0,0,0,4,0,0,1,0,1";
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.mojiN, 4);
    EXPECT_EQ(jwk.EntMoji[3].s, u"");
}

TEST(JwkRead, TextsNamingOneRunManyTimesAreBoundedInAll) {
    test::JwkFileBuilder file;
    for (int i = 0; i < 5000; ++i) file.Moji(0, 0, 1, 0, static_cast<std::uint16_t>(i % 2));
    file.strings = std::string(1000, 'x');
    TJwkData jwk;
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.EntMoji[1].s.size(), 999u);
    std::size_t units = 0;
    for (const auto& moji : jwk.EntMoji) units += moji.s.size();
    EXPECT_LE(units, std::size_t{1} << 22);
    EXPECT_TRUE(jwk.EntMoji.back().s.empty());
}

TEST(JwkRead, StringAreaShorterThanDeclaredReadsWhatIsThere) {
    test::JwkFileBuilder file;
    file.Moji(0, 0, 1, 0, 1).Moji(0, 0, 1, 0, 3);
    file.headerText = "0,0,0,2,0,0,1,5000,1";
    file.strings = "xyz";
    TJwkData jwk;
    ASSERT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.EntMoji[0].s, u"yz");
    EXPECT_EQ(jwk.EntMoji[1].s, u"");
}

TEST(JwkRead, MissingStringAreaIsAFormatError) {
    test::JwkFileBuilder file;
    file.Moji(0, 0, 1, 0, 0);
    file.headerText = "0,0,0,1,0,0,1,10,1";
    TJwkData jwk;
    EXPECT_FALSE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.mojiN, 1);  // what was read stays
}

TEST(JwkRead, DeclaredCountsBeyondTheRecordsFail) {
    test::JwkFileBuilder file;
    file.Line(0, 0, 1, 1).Line(2, 2, 3, 3);
    file.headerText = "3,0,0,0,0,0,1,0,1";
    TJwkData jwk;
    EXPECT_FALSE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.lineN, 2);
    EXPECT_EQ(jwk.EntLine[1].x2, 3.0f);

    // A record cut short is no record.
    file.headerText = "2,1,0,0,0,0,1,0,1";
    const std::string cut = file.Bytes() + std::string(31, '\0');
    EXPECT_FALSE(Read(jwk, cut));
    EXPECT_EQ(jwk.arcN, 0);
}

TEST(JwkRead, HugeDeclaredCountsAllocateOnlyWhatTheBytesHold) {
    test::JwkFileBuilder file;
    file.Line(0, 0, 1, 1);
    file.headerText = "2000000000,2000000000,2000000000,2000000000,0,0,1,2000000000,1";
    TJwkData jwk;
    EXPECT_FALSE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.lineN, 1);
    EXPECT_LE(jwk.EntLine.capacity(), 1u);
    EXPECT_EQ(jwk.EntArc.capacity(), 0u);

    file.headerText = "-5,-1,-7,-9,0,0,1,-3,1";
    EXPECT_TRUE(Read(jwk, file.Bytes()));
    EXPECT_EQ(jwk.lineN, 0);
}

TEST(JwkRead, ShortHeadersFail) {
    TJwkData jwk;
    EXPECT_FALSE(Read(jwk, ""));
    TxtFileName = u"before";
    EXPECT_FALSE(Read(jwk, test::JwkFileBuilder().Bytes().substr(0, 150)));
    EXPECT_EQ(TxtFileName, u"before");
    // A second block cut short still gives its values.
    test::JwkFileBuilder file;
    file.headerText = "0,0,0,0,7,0,1,0,1";
    EXPECT_TRUE(Read(jwk, file.Bytes().substr(0, 220)));
    EXPECT_EQ(jwk.Enthd.org_x, 7.0f);
}

TEST(JwkRead, ReadingAgainStartsFromAnEmptyDocument) {
    test::JwkFileBuilder big;
    big.Line(0, 0, 1, 1).Ten(1, 1);
    TJwkData jwk;
    ASSERT_TRUE(Read(jwk, big.Bytes()));
    ASSERT_TRUE(Read(jwk, test::JwkFileBuilder().Bytes()));
    EXPECT_EQ(jwk.lineN, 0);
    EXPECT_TRUE(jwk.EntLine.empty());
    EXPECT_TRUE(jwk.EntTen.empty());
}

TEST(JwkRead, FileInReadsFromDiskAndNamesTheFile) {
    test::TempDir dir;
    test::JwkFileBuilder file;
    file.Line(1, 2, 3, 4);
    test::WriteBytes(dir / "a.jwk", file.Bytes());
    TJwkData jwk;
    ASSERT_TRUE(jwk.FileIn(dir / "a.jwk"));
    EXPECT_EQ(jwk.lineN, 1);
    EXPECT_EQ(TxtFileName, (dir / "a.jwk").u16string());
    EXPECT_FALSE(jwk.FileIn(dir / "missing.jwk"));
}

}  // namespace
}  // namespace torvane
