#include "figure/jwk_data.h"
#include "graph1_test_fixture.h"
#include "util/colors.h"

namespace torvane::test {
namespace {

// World window (0, 0)–(20, 20) at 10 pixels per unit; the JWK file stores tenths of millimetres.
class JwkDrawingTest : public Graph1Test {
protected:
    void SetUp() override {
        Graph1Test::SetUp();
        SetView(0, 0, 10, 200, 200);
        gGraph1 = &g;
        doc.Enthd.scale = 10;
        gGraAtt.SetDispHojo(1);
    }
    void TearDown() override {
        gGraph1 = nullptr;
        Graph1Test::TearDown();
    }
    TJwkData doc;
};

TEST_F(JwkDrawingTest, CoordinatesAreDividedByTheScale) {
    TEntJwcLine line;
    line.x1 = 10;
    line.y1 = 10;
    line.x2 = 100;
    line.y2 = 10;
    line.col = 2;
    doc.EntLine = {line, line};
    doc.EntLine[1].typ = 9;
    doc.lineN = 2;
    doc.GLDrawALL();
    auto segments = device.Segments();
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0], (std::vector<int>{10, 190, 100, 190}));
    device.Clear();
    gGraAtt.SetDispHojo(0);
    doc.GLDrawALL();
    EXPECT_EQ(device.Segments().size(), 1u);  // line type 9 is auxiliary
}

TEST_F(JwkDrawingTest, ArcSweepDecidesFullEllipse) {
    TEntJwcArc2 arc;
    arc.x = 100;
    arc.y = 100;
    arc.r = 50;
    arc.h = 1;
    arc.st = 30;
    arc.et = 390;  // a sweep of 360: a whole circle
    doc.EntArc = {arc};
    doc.arcN = 1;
    doc.GLDrawALL();
    const auto full = device.Segments();
    ASSERT_EQ(full.size(), 72u);
    EXPECT_EQ(full.front()[0], full.back()[2]);
    device.Clear();
    doc.EntArc[0].et = -60;  // -90 becomes a sweep of 270
    doc.GLDrawALL();
    const auto part = device.Segments();
    ASSERT_EQ(part.size(), 72u);
    EXPECT_NE(part.front()[0], part.back()[2]);
}

TEST_F(JwkDrawingTest, TextUsesItsTypeAndGothicFont) {
    TEntJwcMoji2 text;
    text.x1 = 20;
    text.y1 = 20;
    text.x2 = 80;
    text.y2 = 20;
    text.no = 1;
    text.s = u"AB";
    doc.EntMoji = {text};
    doc.mojiN = 1;
    doc.EntMjtp.assign(TJwkData::kMojiTypeCount, TEntJwcMojiType{});
    doc.EntMjtp[1] = TEntJwcMojiType{3, 20, 30, 0};
    doc.GLDrawALL();
    const auto chars = device.Of(DeviceCall::Kind::TextChar);
    ASSERT_EQ(chars.size(), 2u);
    EXPECT_EQ(chars[0].font.face, u"ＭＳ ゴシック");
    EXPECT_EQ(chars[0].font.height, 30);
    EXPECT_EQ(chars[0].font.width, 10);
    EXPECT_EQ(chars[0].color, ArgbToColor(gGraAtt.GetAttrColcol(3)));
}

}  // namespace
}  // namespace torvane::test
