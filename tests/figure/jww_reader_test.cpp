// Drawing files: the drawing's header in front of the object archive, in every version's layout.
#include <gtest/gtest.h>

#include <string>

#include "figure/figure_file.h"
#include "figure/jww_data.h"
#include "figure/jww_file_builder.h"
#include "figure/text_code_context.h"

namespace torvane {
namespace {

using test::JwwHeaderBytes;
using test::JwwHeaderValues;
using test::StreamBuilder;

// A line, a text and a block placement, and one definition holding a line.
std::string Archive(int version) {
    StreamBuilder s(version);
    s.Count(3).NewClass("CDataSen").Line(1, 2, 3, 4);
    s.NewClass("CDataMoji").Text("MS Gothic", "%mm");
    s.NewClass("CDataBlock").Block(10, 20, 1);
    s.Count(1).NewClass("CDataList").Attr().U32(1).U32(1).U32(0).Ansi("def").Count(1).Ref(1).Line(0, 0, 1, 1);
    return s.bytes();
}

bool Read(const std::string& bytes, TJwwData& doc) { return doc.ReadBytes(AsBytes(bytes), u"plan.jww"); }

class JwwVersions : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(JwwVersions, HeaderOfEveryLayoutLeadsToTheEntityList) {
    JwwHeaderValues v;
    v.version = GetParam();
    v.scales[1] = 50;
    TJwwData doc;
    ASSERT_TRUE(Read(JwwHeaderBytes(v) + Archive(static_cast<int>(v.version)), doc));
    EXPECT_EQ(doc.Enthd.jwVer, static_cast<std::int32_t>(v.version));
    EXPECT_EQ(doc.Enthd.nMMTani3D, 77);
    EXPECT_EQ(doc.Enthd.lnDrawTime, v.version >= 223 ? 4321 : 0);
    EXPECT_EQ(doc.Enthd.SolidColor, v.version >= 230 ? 0x123456 : 0);
    EXPECT_EQ(doc.Enthd.dMojiSizeX, 2.5);
    ASSERT_EQ(doc.EntLgrp.size(), 16u);
    EXPECT_EQ(doc.EntLgrp[1].adScale, 50.0);
    EXPECT_EQ(doc.EntLgrp[15].aStrGLayName, u"G15");
    EXPECT_EQ(doc.Enthd.aLay[15][15].aStrLayName, u"L15-15");
    ASSERT_EQ(doc.EntNo.size(), 3u);
    EXPECT_EQ(doc.EntLine[0].end_y, 4.0);
    EXPECT_EQ(doc.EntMoji[0].str, u"%mm");
    ASSERT_EQ(doc.EntBlockDefN, 1);
    EXPECT_EQ(doc.EntBlockDef[0].Members().mLine.size(), 1u);
    EXPECT_EQ(doc.EntBlockTreeN, 1);
}

INSTANTIATE_TEST_SUITE_P(Layouts, JwwVersions, ::testing::Values(200u, 222u, 223u, 225u, 230u, 300u, 351u, 420u, 600u, 700u));

TEST(JwwReader, SignatureAndVersionDecide) {
    JwwHeaderValues v;
    const std::string file = JwwHeaderBytes(v) + Archive(600);
    EXPECT_TRUE(TJwwData::CheckBytes(AsBytes(file)));
    std::string wrong = file;
    wrong[7] = '_';
    TJwwData doc;
    EXPECT_FALSE(TJwwData::CheckBytes(AsBytes(wrong)));
    EXPECT_FALSE(Read(wrong, doc));
    EXPECT_TRUE(doc.Enthd.jwwID.empty());
    EXPECT_EQ(doc.EntLgrp.size(), 16u);
    for (std::uint32_t version : {199u, 701u}) {
        v.version = version;
        EXPECT_FALSE(TJwwData::CheckBytes(AsBytes(JwwHeaderBytes(v))));
        EXPECT_FALSE(Read(JwwHeaderBytes(v) + Archive(700), doc)) << version;
    }
}

// The memo's lines become the memo text codes; the file name becomes the drawing's own.
TEST(JwwReader, MemoAndNameAreTheTextCodes) {
    JwwHeaderValues v;
    v.memo = "first\r\nsecond";
    TJwwData doc;
    ASSERT_TRUE(Read(JwwHeaderBytes(v) + Archive(600), doc));
    EXPECT_EQ(doc.Enthd.strMemo, u"first\r\nsecond");
    EXPECT_EQ(TxtFileName, u"plan.jww");
    EXPECT_EQ(TxtMemo1, u"first");
    EXPECT_EQ(TxtMemo2, u"second");
    EXPECT_EQ(TxtMemo, u"first\u3000second");
    v.memo = "\r\n";
    ASSERT_TRUE(Read(JwwHeaderBytes(v) + Archive(600), doc));
    EXPECT_EQ(TxtMemo, u"");
}

// Every file cut short fails without reading past its end; images after the definitions are not read.
TEST(JwwReader, CutFilesFailAndImagesAreNotRead) {
    JwwHeaderValues v;
    v.version = 700;
    const std::string file = JwwHeaderBytes(v) + Archive(700);
    TJwwData doc;
    for (std::size_t n = 0; n < file.size(); n += n + 200 < file.size() ? 7 : 1) {
        EXPECT_FALSE(Read(file.substr(0, n), doc)) << n;
    }
    StreamBuilder images(700);
    images.U32(1).Ansi("^@BM%temp%a.bmp").U32(0xFFFFFFFF);
    EXPECT_TRUE(Read(file + images.bytes(), doc));
    EXPECT_EQ(doc.EntNo.size(), 3u);
}

}  // namespace
}  // namespace torvane
