#include <cmath>

#include "figure/jcf_data.h"
#include "graph1_test_fixture.h"

namespace torvane::test {
namespace {


TEntJwwAttr Attr(std::uint16_t color, std::uint8_t style = 1) {
    TEntJwwAttr a;
    a.nPenColor = color;
    a.nPenStyle = style;
    return a;
}

TEntJwwMoji Text(double x, double y, double length, std::u16string str) {
    TEntJwwMoji m;
    m.att = Attr(2);
    m.start_x = x;
    m.start_y = y;
    m.end_x = x + length;
    m.end_y = y;
    m.dSizeX = 2;
    m.dSizeY = 2;
    m.strFontName = u"ＭＳ ゴシック";
    m.str = std::move(str);
    return m;
}

TEntJwwLine Line(double x1, double y1, double x2, double y2, std::uint16_t color = 2, std::uint8_t style = 1) {
    TEntJwwLine l;
    l.att = Attr(color, style);
    l.start_x = x1;
    l.start_y = y1;
    l.end_x = x2;
    l.end_y = y2;
    return l;
}

// World window (0, 0)–(20, 20) at 10 pixels per unit on a 200 x 200 device.
class DocumentDrawingTest : public Graph1Test {
protected:
    void SetUp() override {
        Graph1Test::SetUp();
        SetView(0, 0, 10, 200, 200);
        gGraph1 = &g;
        doc.DataDefaultSet();
        gGraAtt.SetDispHojo(1);
    }
    void TearDown() override {
        gGraph1 = nullptr;
        Graph1Test::TearDown();
    }
    void AddLine(const TEntJwwLine& l) {
        doc.EntLine.push_back(l);
        doc.EntLineN = static_cast<std::int32_t>(doc.EntLine.size());
    }
    void AddText(const TEntJwwMoji& m) {
        doc.EntMoji.push_back(m);
        doc.EntMojiN = static_cast<std::int32_t>(doc.EntMoji.size());
    }
    // A definition holding `def` placed by the matrix (r1 r2; r3 r4) at (x, y).
    void Place(const TEntJwwBlockDef& def, double x, double y, double r1, double r2, double r3, double r4) {
        if (doc.EntBlockDef.empty()) {
            doc.EntBlockDef.push_back(def);
            doc.EntBlockDefN = 1;
        }
        TEntJwwBlockTree node;
        node.defno = 0;
        node.x = x;
        node.y = y;
        node.r1 = r1;
        node.r2 = r2;
        node.r3 = r3;
        node.r4 = r4;
        doc.EntBlockTree.push_back(node);
        doc.EntBlockTreeN = static_cast<std::int32_t>(doc.EntBlockTree.size());
    }
    std::vector<DeviceCall> Chars() const { return device.Of(DeviceCall::Kind::TextChar); }
    TJcfData doc;
};

TEST_F(DocumentDrawingTest, AuxiliaryEntitiesFollowDispHojo) {
    AddLine(Line(1, 1, 10, 1, 9));
    AddLine(Line(1, 2, 10, 2, 2, 9));
    AddLine(Line(1, 3, 10, 3));
    gGraAtt.SetDispHojo(0);
    doc.GLDrawALL();
    EXPECT_EQ(device.Segments().size(), 1u);
    device.Clear();
    gGraAtt.SetDispHojo(1);
    doc.GLDrawALL();
    EXPECT_EQ(device.Segments().size(), 3u);
}

TEST_F(DocumentDrawingTest, HiddenLayersAreSkippedAndKindsDrawnInOrder) {
    TEntJwwLine hidden = Line(1, 1, 10, 1);
    hidden.att.nLayer = 3;
    AddLine(hidden);
    gGraAtt.SetAttrLayer(3, 3, 1);
    AddText(Text(2, 5, 4, u"AB"));
    AddLine(Line(1, 2, 10, 2));
    doc.GLDrawALL();
    const auto strokes = device.Strokes();
    ASSERT_FALSE(strokes.empty());
    EXPECT_EQ(device.Segments().size(), 1u);
    EXPECT_EQ(strokes.back().substr(0, 4), "text");  // texts after lines
}

TEST_F(DocumentDrawingTest, ImageIsDrawnAsItsRotatedOutline) {
    AddText(Text(10, 5, 1, u"^@BMa.bmp,10,5,0,0,1,90"));
    AddText(Text(10, 5, 1, u"^@BMbroken"));
    doc.GLDrawALL();
    EXPECT_TRUE(Chars().empty());
    const auto segments = device.Segments();
    ASSERT_EQ(segments.size(), 4u);
    // Turned by 90 degrees about (10, 5): the far corner is (5, 15) -> device (50, 50).
    EXPECT_EQ(segments[1][2], 50);
    EXPECT_EQ(segments[1][3], 50);
}

TEST_F(DocumentDrawingTest, ReferencePointMarkerIsARedCircleOfFivePixels) {
    gGraAtt.SetDispKijun(1);
    doc.Header().BasePoint_x = 10;
    doc.Header().BasePoint_y = 10;
    doc.GLDrawALL();
    const auto pens = device.Of(DeviceCall::Kind::SetPen);
    ASSERT_FALSE(pens.empty());
    EXPECT_EQ(pens.back().color, 255u);
    EXPECT_EQ(pens.back().x1, 2);
    int max_x = 0;
    for (const auto& s : device.Segments()) max_x = std::max({max_x, s[0], s[2]});
    EXPECT_EQ(max_x, 105);
}

TEST_F(DocumentDrawingTest, BlockTextsTurnWithEachInsertion) {
    TEntJwwBlockDef def;
    TEntJwwBlockMembers& members = def.EditMembers();
    members.mMoji.push_back(Text(0, 0, 4, u"AB"));
    members.mMojiN = 1;
    Place(def, 10, 10, 1, 0, 0, 1);
    Place(def, 10, 10, 0, -1, 1, 0);  // 90 degrees
    doc.GLDrawALL();
    const auto chars = Chars();
    ASSERT_EQ(chars.size(), 4u);
    EXPECT_EQ(chars[0].font.escapement, 0);
    EXPECT_EQ(chars[2].font.escapement, 900);
    EXPECT_EQ(chars[2].font.height, chars[0].font.height);
}

TEST_F(DocumentDrawingTest, MirroredBlockRunsTextFromTheMappedEnd) {
    TEntJwwBlockDef def;
    TEntJwwBlockMembers& members = def.EditMembers();
    members.mMoji.push_back(Text(0, 0, 4, u"AB"));
    members.mMojiN = 1;
    Place(def, 10, 10, -1, 0, 0, 1);
    doc.GLDrawALL();
    const auto chars = Chars();
    ASSERT_EQ(chars.size(), 2u);
    EXPECT_EQ(chars[0].font.escapement, 0);
    // From the mapped end (6, 10) towards the mapped start (10, 10).
    EXPECT_EQ(chars[0].x1, 60);
}

TEST_F(DocumentDrawingTest, ScaledBlockScalesTextCells) {
    TEntJwwBlockDef def;
    TEntJwwBlockMembers& members = def.EditMembers();
    members.mMoji.push_back(Text(0, 0, 4, u"A"));
    members.mMojiN = 1;
    Place(def, 2, 2, 2, 0, 0, 2);
    doc.GLDrawALL();
    const auto chars = Chars();
    ASSERT_EQ(chars.size(), 1u);
    EXPECT_EQ(chars[0].font.height, 40);
    EXPECT_EQ(chars[0].font.width, 20);
}

TEST_F(DocumentDrawingTest, DimensionValueRecomputedInAScaledBlock) {
    TEntJwwSunpo dim;
    dim.Sen = Line(0, 0, 5, 0);
    dim.Moji = Text(1, 0.5, 2, u"5");
    dim.Moji.att.nPenWidth = 2;
    TEntJwwBlockDef def;
    TEntJwwBlockMembers& members = def.EditMembers();
    members.mSunpo.push_back(dim);
    members.mSunpoN = 1;
    doc.EntLgrp[0].adScale = 10;
    Place(def, 10, 1, 0, -3, 3, 0);  // turned and three times larger
    doc.GLDrawALL();
    std::u16string drawn;
    for (const auto& c : Chars()) drawn += c.text;
    EXPECT_EQ(drawn, u"150");
    device.Clear();
    doc.EntBlockDef[0].EditMembers().mSunpo[0].Moji.att.nPenWidth = 4;  // not marked for recomputing
    doc.GLDrawALL();
    drawn.clear();
    for (const auto& c : Chars()) drawn += c.text;
    EXPECT_EQ(drawn, u"5");
}

TEST_F(DocumentDrawingTest, SxfDimensionDrawsSixParts) {
    TEntJwwSunpo dim;
    dim.Sen = Line(1, 1, 9, 1);
    dim.Moji = Text(4, 1.5, 2, u"8");
    dim.bSxfMode = 1;
    dim.Ho1 = Line(1, 0, 1, 2);
    dim.Ho2 = Line(9, 0, 9, 2, 9);
    dim.Te1.att = Attr(2);
    dim.Te2.att = Attr(2);
    doc.EntSunpo.push_back(dim);
    doc.EntSunpoN = 1;
    doc.GLDrawALL();
    EXPECT_EQ(Chars().size(), 1u);
    const std::size_t all = device.Segments().size();
    device.Clear();
    gGraAtt.SetDispHojo(0);
    doc.GLDrawALL();
    EXPECT_LT(device.Segments().size(), all);  // the auxiliary extension line is left out
    EXPECT_EQ(Chars().size(), 1u);
}

TEST_F(DocumentDrawingTest, OwnColourSolid) {
    TEntJwwSolid solid;
    solid.att = Attr(10);
    solid.Color = 0x00123456;
    solid.start_x = 1;
    solid.start_y = 1;
    solid.end_x = 8;
    solid.end_y = 1;
    solid.DPoint2_x = 8;
    solid.DPoint2_y = 8;
    solid.DPoint3_x = 1;
    solid.DPoint3_y = 8;
    doc.EntSolid.push_back(solid);
    doc.EntSolidN = 1;
    doc.GLDrawALL();
    const auto fills = device.Of(DeviceCall::Kind::FillPolygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].color, 0x00123456u);
}

}  // namespace
}  // namespace torvane::test

namespace torvane::test {
namespace {

// Tiny arcs take a short cut; what reaches the device must be what the sampled curve gives.
TEST_F(DocumentDrawingTest, TinyArcsDrawWhatTheSampledCurveDraws) {
    for (const double radius : {0.01, 0.02, 0.025, 0.03, 0.05}) {
        for (const std::uint32_t full : {0u, 1u}) {
            TEntJwwEnko arc;
            arc.att = Attr(2);
            arc.start_x = 7.31;
            arc.start_y = 4.17;
            arc.dHankei = radius;
            arc.dHenpeiRitsu = 0.5;
            arc.radKatamukiKaku = 0.3;
            arc.radKaishiKaku = 1;
            arc.radEnkoKaku = 2.5;
            arc.bZenEnFlg = full;
            device.Clear();
            doc.GLDrawEnko(false, 0, arc);
            const auto quick = device.Strokes();
            device.Clear();
            if (full != 0) {
                g.GLEllipse(arc.start_x, arc.start_y, radius, 0.5, 0.3);
            } else {
                g.GLEllipseArc(arc.start_x, arc.start_y, radius, 0.5, 0.3, 1, 2.5);
            }
            EXPECT_EQ(quick, device.Strokes()) << radius << " " << full;
            device.Clear();
            doc.GLDrawEnko2(false, 0, arc, false, 1, 3, 2, 0.5, -0.5, 0.5, 0.5);
            const auto placed = device.Strokes();
            device.Clear();
            if (full != 0) {
                g.GLEllipseBL(arc.start_x, arc.start_y, radius, 0.5, 0.3, 3, 2, 0.5, -0.5, 0.5, 0.5, 1);
            } else {
                g.GLEllipseArcBL(arc.start_x, arc.start_y, radius, 0.5, 0.3, 1, 2.5, 3, 2, 0.5, -0.5, 0.5, 0.5, 1);
            }
            EXPECT_EQ(placed, device.Strokes()) << radius << " " << full;
        }
    }
}

}  // namespace
}  // namespace torvane::test
