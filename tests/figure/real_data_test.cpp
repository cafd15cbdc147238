// Every real stream, JWS file and drawing against the values of an independent reader.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "figure/figure_file.h"
#include "figure/jcf_data.h"
#include "figure/jws_data.h"
#include "figure/jww_data.h"
#include "support/test_files.h"
#include "util/encodings.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;


std::vector<std::string> DrawingNames() {
    std::vector<std::string> names;
    const auto dir = test::DataDir();
    if (!dir) return names;
    for (const auto& entry : fs::directory_iterator(*dir / "reference")) names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

void ExpectAttr(const TEntJwwAttr& att, const json& base, const std::string& where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(att.lGroup, base["group"].get<std::uint32_t>());
    EXPECT_EQ(att.nPenStyle, base["pen_style"].get<int>());
    EXPECT_EQ(att.nPenColor, base["pen_color"].get<int>());
    EXPECT_EQ(att.nPenWidth, base["pen_width"].get<int>());
    EXPECT_EQ(att.nLayer, base["layer"].get<int>());
    EXPECT_EQ(att.nGLayer, base["layer_group"].get<int>());
    EXPECT_EQ(att.sFlg, base["flag"].get<int>());
}

// Compares one order table with its arrays against the reference's entity list.
template <typename Entities>
void ExpectEntities(const Entities& e, const std::vector<TEntJwwNo>& order, const json& expected, bool top_level) {
    ASSERT_EQ(order.size(), expected.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const json& x = expected[i];
        const std::string type = x["type"];
        const std::string where = "entity " + std::to_string(i) + " " + type;
        SCOPED_TRACE(where);
        const TEntJwwNo no = order[i];
        if (type == "LINE") {
            ASSERT_EQ(no.EntType, kEntLine);
            const auto& r = e.lines[no.EntNo];
            ExpectAttr(r.att, x["base"], where);
            EXPECT_EQ(r.start_x, x["start_x"].get<double>());
            EXPECT_EQ(r.start_y, x["start_y"].get<double>());
            EXPECT_EQ(r.end_x, x["end_x"].get<double>());
            EXPECT_EQ(r.end_y, x["end_y"].get<double>());
        } else if (type == "ARC" || type == "CIRCLE") {
            ASSERT_EQ(no.EntType, kEntEnko);
            const auto& r = e.arcs[no.EntNo];
            ExpectAttr(r.att, x["base"], where);
            EXPECT_EQ(r.start_x, x["center_x"].get<double>());
            EXPECT_EQ(r.start_y, x["center_y"].get<double>());
            EXPECT_EQ(r.dHankei, x["radius"].get<double>());
            EXPECT_EQ(r.radKaishiKaku, x["start_angle"].get<double>());
            EXPECT_EQ(r.radEnkoKaku, x["arc_angle"].get<double>());
            EXPECT_EQ(r.radKatamukiKaku, x["tilt_angle"].get<double>());
            EXPECT_EQ(r.dHenpeiRitsu, x["flatness"].get<double>());
            EXPECT_EQ(r.bZenEnFlg != 0, x["is_full_circle"].get<bool>());
        } else if (type == "POINT") {
            ASSERT_EQ(no.EntType, kEntTen);
            const auto& r = e.points[no.EntNo];
            ExpectAttr(r.att, x["base"], where);
            EXPECT_EQ(r.start_x, x["x"].get<double>());
            EXPECT_EQ(r.start_y, x["y"].get<double>());
            EXPECT_EQ(r.bKariten != 0, x["is_temporary"].get<bool>());
            if (r.att.nPenStyle == 100) {
                EXPECT_EQ(static_cast<std::int32_t>(r.nCode), x["code"].get<std::int32_t>());
                EXPECT_EQ(r.radKaitenKaku, x["angle"].get<double>());
                EXPECT_EQ(r.dBairitsu, x["scale"].get<double>());
            } else {
                EXPECT_EQ(r.nCode, 0u);
                EXPECT_EQ(r.dBairitsu, top_level ? 1.0 : 0.0);
            }
        } else if (type == "TEXT") {
            ASSERT_EQ(no.EntType, kEntMoji);
            const auto& r = e.texts[no.EntNo];
            ExpectAttr(r.att, x["base"], where);
            EXPECT_EQ(r.start_x, x["start_x"].get<double>());
            EXPECT_EQ(r.start_y, x["start_y"].get<double>());
            EXPECT_EQ(r.end_x, x["end_x"].get<double>());
            EXPECT_EQ(r.end_y, x["end_y"].get<double>());
            EXPECT_EQ(r.nMojiShu, x["text_type"].get<std::uint32_t>());
            EXPECT_EQ(r.dSizeX, x["size_x"].get<double>());
            EXPECT_EQ(r.dSizeY, x["size_y"].get<double>());
            EXPECT_EQ(r.dKankaku, x["spacing"].get<double>());
            EXPECT_EQ(r.degKakudo, x["angle"].get<double>());
            EXPECT_EQ(StrToUtf8(r.strFontName), x["font_name"].get<std::string>());
            EXPECT_EQ(StrToUtf8(r.str), x["content"].get<std::string>());
        } else if (type == "BLOCK") {
            ASSERT_EQ(no.EntType, kEntBlock);
            const auto& r = e.blocks[no.EntNo];
            ExpectAttr(r.att, x["base"], where);
            EXPECT_EQ(r.DPKijunTen_x, x["ref_x"].get<double>());
            EXPECT_EQ(r.DPKijunTen_y, x["ref_y"].get<double>());
            EXPECT_EQ(r.dBairitsuX, x["scale_x"].get<double>());
            EXPECT_EQ(r.dBairitsuY, x["scale_y"].get<double>());
            EXPECT_EQ(r.radKaitenKaku, x["rotation"].get<double>());
            EXPECT_EQ(r.nNumber, x["def_number"].get<std::uint32_t>());
        } else {
            ADD_FAILURE() << "unexpected reference type " << type;
        }
    }
}

struct TopLevel {
    const std::vector<TEntJwwLine>& lines;
    const std::vector<TEntJwwEnko>& arcs;
    const std::vector<TEntJwwTen>& points;
    const std::vector<TEntJwwMoji>& texts;
    const std::vector<TEntJwwBlock>& blocks;
};

void ExpectDocument(const TJwwFigureData& doc, const json& reference) {
    const TEntJcfHeader& hd = doc.Header();
    EXPECT_EQ(hd.jwVer, reference["version"].get<int>());
    ASSERT_EQ(doc.EntLgrp.size(), 16u);
    EXPECT_EQ(hd.n1, static_cast<std::int32_t>(doc.EntNo.size()));
    ExpectEntities(TopLevel{doc.EntLine, doc.EntEnko, doc.EntTen, doc.EntMoji, doc.EntBlock}, doc.EntNo,
                   reference["entities"], true);
    EXPECT_EQ(doc.EntLineN, static_cast<std::int32_t>(doc.EntLine.size()));
    EXPECT_EQ(doc.EntMojiN, static_cast<std::int32_t>(doc.EntMoji.size()));
    const json& defs = reference["block_defs"];
    ASSERT_EQ(doc.EntBlockDefN, static_cast<std::int32_t>(defs.size()));
    EXPECT_EQ(hd.n2, doc.EntBlockDefN);
    for (std::size_t i = 0; i < defs.size(); ++i) {
        const TEntJwwBlockDef& def = doc.EntBlockDef[i];
        const TEntJwwBlockMembers& members = def.Members();
        const json& x = defs[i];
        ExpectAttr(def.att, x["base"], "definition " + std::to_string(i));
        EXPECT_EQ(def.nNumber, x["number"].get<std::uint32_t>());
        EXPECT_EQ(StrToUtf8(def.strName), x["name"].get<std::string>());
        EXPECT_EQ(def.bRefferd != 0, x["is_referenced"].get<bool>());
        EXPECT_EQ(members.N, static_cast<std::int32_t>(members.mNo.size()));
        ExpectEntities(TopLevel{members.mLine, members.mEnko, members.mTen, members.mMoji, members.mBlock}, members.mNo,
                       x["entities"], false);
    }
}

json Reference(const fs::path& dir, const std::string& name) {
    std::ifstream file(dir / "reference" / (name + ".json"));
    return json::parse(file);
}

class RealDrawing : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        const auto dir = test::DataDir();
        if (!dir) GTEST_SKIP() << "no real data";
        dir_ = *dir;
    }
    // Reads the drawing's file of `folder` as FileCheck and FileIn do and holds it against the reference.
    template <class Document>
    void ReadAsTheReference(Document& doc, const char* folder, const char* extension) {
        const fs::path file = dir_ / folder / (GetParam() + extension);
        ASSERT_TRUE(doc.FileCheck(file));
        ASSERT_TRUE(doc.FileIn(file));
        ExpectDocument(doc, Reference(dir_, GetParam()));
    }
    fs::path dir_;
};

TEST_P(RealDrawing, StreamReadsAsTheReferenceSays) {
    TJcfData doc;
    ReadAsTheReference(doc, "streams", ".1");
    EXPECT_EQ(doc.Enthd.BasePoint_x, 0.0);
}

TEST_P(RealDrawing, JwsReadsAsTheReferenceSays) {
    TJwsData doc;
    ReadAsTheReference(doc, "jws", ".jws");
    EXPECT_EQ(doc.Enthd.jwID, u"JwsData");
}

// A drawing's header is read up to the archive the stream file copies; its scales are the stream's.
TEST_P(RealDrawing, DrawingReadsAsTheReferenceSays) {
    TJwwData doc;
    ReadAsTheReference(doc, "jww", ".jww");
    EXPECT_EQ(doc.Enthd.jwwID, u"JwwData.");
    TJcfData stream;
    ASSERT_TRUE(stream.FileIn(dir_ / "streams" / (GetParam() + ".1")));
    for (int g = 0; g < 16; ++g) EXPECT_EQ(doc.EntLgrp[g].adScale, stream.EntLgrp[g].adScale);
    EXPECT_EQ(doc.MojiEncode, stream.MojiEncode);
}

// Streams and JWS files carry the same archive: the documents agree entity for entity.
TEST_P(RealDrawing, JwsAndStreamGiveTheSameLayerScales) {
    TJcfData stream;
    TJwsData jws;
    ASSERT_TRUE(stream.FileIn(dir_ / "streams" / (GetParam() + ".1")));
    ASSERT_TRUE(jws.FileIn(dir_ / "jws" / (GetParam() + ".jws")));
    for (int g = 0; g < 16; ++g) EXPECT_EQ(stream.EntLgrp[g].adScale, jws.EntLgrp[g].adScale);
    EXPECT_EQ(stream.MojiEncode, jws.MojiEncode);
}

INSTANTIATE_TEST_SUITE_P(Data, RealDrawing, ::testing::ValuesIn(DrawingNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RealDrawing);

}  // namespace
}  // namespace torvane
