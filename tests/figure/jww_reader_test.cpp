// Drawing files: the drawing's header in front of the object archive, in every version's layout.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "figure/figure_file.h"
#include "figure/jww_data.h"
#include "figure/jww_file_builder.h"
#include "figure/text_code_context.h"

namespace torvane {
namespace {

using test::JwwHeaderBytes;
using test::JwwHeaderValues;
using test::StreamBuilder;

// A line on layer `layer` of group `group`, a text and a block placement on layer 0 of group 0,
// and one definition holding a line.
std::string Archive(int version, std::uint16_t group = 0, std::uint16_t layer = 0) {
    StreamBuilder s(version);
    s.Count(3).NewClass("CDataSen").Attr(1, 1, 0, layer, group).Doubles({1, 2, 3, 4});
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
    EXPECT_EQ(doc.Enthd.jwwID, u"JwwData.");
    EXPECT_EQ(doc.Enthd.jwVer, static_cast<std::int32_t>(v.version));
    EXPECT_EQ(doc.Enthd.strMemo, u"memo");
    EXPECT_EQ(doc.Enthd.nZumen, 3);
    EXPECT_EQ(doc.Enthd.nMMTani3D, 77);
    EXPECT_EQ(doc.Enthd.lnDrawTime, v.version >= 223 ? 4321 : 0);
    EXPECT_EQ(doc.Enthd.SolidColor, v.version >= 230 ? 0x123456 : 0);
    EXPECT_EQ(doc.Enthd.dMojiSizeX, 2.5);
    EXPECT_EQ(doc.Enthd.dMojiKankaku, 0.25);
    ASSERT_EQ(doc.EntLgrp.size(), 16u);
    EXPECT_EQ(doc.EntLgrp[1].adScale, 50.0);
    EXPECT_EQ(doc.EntLgrp[15].aStrGLayName, u"G15");
    EXPECT_EQ(doc.Enthd.aLay[15][15].aStrLayName, u"L15-15");
    EXPECT_EQ(doc.Enthd.aLay[3][4].anLay, 2);
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

TEST(JwwReader, Utf16NamesMarkTheDocument) {
    JwwHeaderValues v;
    v.version = 700;
    v.utf16_names = true;
    TJwwData doc;
    ASSERT_TRUE(Read(JwwHeaderBytes(v) + Archive(700), doc));
    EXPECT_TRUE(doc.MojiEncode);
    EXPECT_EQ(doc.Enthd.aLay[2][3].aStrLayName, u"L2-3");
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

TEST(JwwReader, HiddenLayersAndGroupsAreLeftOut) {
    JwwHeaderValues v;
    v.hidden_layer = 2 * 16 + 5;
    v.group_states[3] = 0;
    TJwwData doc;
    for (auto [group, layer, shown] :
         {std::tuple{2, 5, false}, std::tuple{3, 0, false}, std::tuple{2, 4, true}, std::tuple{0, 0, true}}) {
        SCOPED_TRACE(group * 16 + layer);
        ASSERT_TRUE(Read(JwwHeaderBytes(v) + Archive(600, static_cast<std::uint16_t>(group),
                                                     static_cast<std::uint16_t>(layer)),
                         doc));
        EXPECT_EQ(doc.LayerShown(doc.EntLine[0].att), shown);
        doc.KeepShownLayers();
        EXPECT_EQ(doc.EntLineN, shown ? 1 : 0);
        ASSERT_EQ(doc.Enthd.n1, shown ? 3 : 2);
        // The text and the placement keep their order and find their records.
        const TEntJwwNo text = doc.EntNo[shown ? 1 : 0];
        EXPECT_EQ(text.EntType, kEntMoji);
        EXPECT_EQ(doc.EntMoji[static_cast<std::size_t>(text.EntNo)].str, u"%mm");
        EXPECT_EQ(doc.EntBlockTreeN, 1);
    }
}

}  // namespace
}  // namespace torvane
