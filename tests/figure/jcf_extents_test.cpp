#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "figure/extents.h"
#include "figure/jcf_data.h"
#include "figure/jws_data.h"

namespace torvane {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Box {
    double minX, minY, maxX, maxY;
};

// Counts set to the arrays' sizes, then the extents, which must also be the shared ones.
Box Extents(TJwwFigureData& doc) {
    doc.CountEntities();
    doc.GetMinMaxZahyo();
    EXPECT_EQ(MinWx, doc.myMinWx);
    EXPECT_EQ(MinWy, doc.myMinWy);
    EXPECT_EQ(MaxWx, doc.myMaxWx);
    EXPECT_EQ(MaxWy, doc.myMaxWy);
    return {doc.myMinWx, doc.myMinWy, doc.myMaxWx, doc.myMaxWy};
}

#define EXPECT_BOX(box, x1, y1, x2, y2)        \
    do {                                       \
        const Box b_ = (box);                  \
        EXPECT_NEAR(b_.minX, (x1), 1e-9);      \
        EXPECT_NEAR(b_.minY, (y1), 1e-9);      \
        EXPECT_NEAR(b_.maxX, (x2), 1e-9);      \
        EXPECT_NEAR(b_.maxY, (y2), 1e-9);      \
    } while (0)

TEntJwwLine Line(double x1, double y1, double x2, double y2) {
    TEntJwwLine line;
    line.start_x = x1, line.start_y = y1, line.end_x = x2, line.end_y = y2;
    return line;
}

TEntJwwEnko Enko(double cx, double cy, double r, double start, double sweep, double tilt = 0, double flat = 1,
                 bool whole = false) {
    TEntJwwEnko enko;
    enko.start_x = cx, enko.start_y = cy, enko.dHankei = r, enko.radKaishiKaku = start, enko.radEnkoKaku = sweep;
    enko.radKatamukiKaku = tilt, enko.dHenpeiRitsu = flat, enko.bZenEnFlg = whole ? 1 : 0;
    return enko;
}

TEntJwwMoji Moji(double x1, double y1, double x2, double y2, std::u16string str = u"abc") {
    TEntJwwMoji moji;
    moji.start_x = x1, moji.start_y = y1, moji.end_x = x2, moji.end_y = y2, moji.str = std::move(str);
    return moji;
}

TEntJwwSolid ArcSolid(uint8_t style, double cx, double cy, double r, double flat, double tilt, double start,
                      double sweep, double shape) {
    TEntJwwSolid solid;
    solid.att.nPenStyle = style;
    solid.start_x = cx, solid.start_y = cy, solid.end_x = r, solid.end_y = flat;
    solid.DPoint2_x = tilt, solid.DPoint2_y = start, solid.DPoint3_x = sweep, solid.DPoint3_y = shape;
    return solid;
}

TEST(FigureExtents, EmptyDocumentIsItsBasePointWidened) {
    TJcfData jcf;
    jcf.Enthd.BasePoint_x = 3, jcf.Enthd.BasePoint_y = -4;
    EXPECT_BOX(Extents(jcf), -7, -14, 13, 6);
    TJwsData jws;
    EXPECT_BOX(Extents(jws), -10, -10, 10, 10);
}

TEST(FigureExtents, BasePointStaysInsideFarAwayEntities) {
    TJcfData jcf;
    jcf.EntLine.push_back(Line(100, 200, 300, 250));
    jcf.EntTen.emplace_back();
    jcf.EntTen[0].start_x = 400, jcf.EntTen[0].start_y = 50, jcf.EntTen[0].bKariten = 1;
    EXPECT_BOX(Extents(jcf), 0, 0, 400, 250);
}

TEST(FigureExtents, FarCoordinatesAreClampedOrIgnored) {
    TJcfData jcf;
    jcf.EntLine.push_back(Line(0, 0, 1e9, 0));
    EXPECT_BOX(Extents(jcf), 0, 0, 1e8, 0);
    jcf.EntLine = {Line(0, 0, 1e12, 5), Line(kNaN, 1, 2, kNaN)};
    EXPECT_BOX(Extents(jcf), -10, -10, 10, 10);
    jcf.EntLine = {Line(-3e8, -2e8, 5, 5)};
    EXPECT_BOX(Extents(jcf), -1e8, -1e8, 5, 5);
}

TEST(FigureExtents, FigureBeyondTheClampStaysAProperBox) {
    // Every point lies beyond 1e8: the box is held at the limit instead of turning inside out.
    TJcfData jcf;
    jcf.Enthd.BasePoint_x = 2e8, jcf.Enthd.BasePoint_y = 3e8;
    jcf.EntLine.push_back(Line(2e8, 3e8, 4e8, 5e8));
    const Box box = Extents(jcf);
    EXPECT_LE(box.minX, box.maxX);
    EXPECT_LE(box.minY, box.maxY);
    EXPECT_BOX(box, 1e8 - 10, 1e8 - 10, 1e8 + 10, 1e8 + 10);
}

TEST(FigureExtents, UnusableBasePointLeavesNoStaleExtents) {
    TJcfData other;
    other.EntLine.push_back(Line(-500, -500, 500, 500));
    Extents(other);
    TJcfData jcf;
    jcf.Enthd.BasePoint_x = kNaN;
    jcf.EntLine.push_back(Line(1, 2, 3, 4));
    EXPECT_BOX(Extents(jcf), 1, 2, 3, 4);
    jcf.EntLine.clear();
    jcf.Enthd.BasePoint_x = 1e13;
    EXPECT_BOX(Extents(jcf), -10, -10, 10, 10);
}

TEST(FigureExtents, PlaceholderAndSinglePointTextsAreSkipped) {
    TJcfData jcf;
    jcf.EntMoji.push_back(Moji(0, 0, 0.01, 0.01));
    jcf.EntMoji.push_back(Moji(50, 60, 50, 60));
    EXPECT_BOX(Extents(jcf), -10, -10, 10, 10);
    jcf.EntMoji = {Moji(1, 1, 1.01, 1.01)};
    EXPECT_BOX(Extents(jcf), 0, 0, 1.01, 1.01);
}

TEST(FigureExtents, ImageTextAddsTheFarCornerOfItsRectangle) {
    TJcfData jcf;
    jcf.EntMoji.push_back(Moji(5, 5, 6, 5, u"^@BMphoto.bmp,20,10"));
    EXPECT_BOX(Extents(jcf), 0, 0, 25, 15);
    jcf.EntMoji = {Moji(5, 5, 6, 5, u"^@BM%temp%photo.bmp,30")};
    EXPECT_BOX(Extents(jcf), 0, 0, 35, 35);
    // Without a comma it is no image: only the baseline counts.
    jcf.EntMoji = {Moji(5, 5, 6, 5, u"^@BMphoto.bmp")};
    EXPECT_BOX(Extents(jcf), 0, 0, 6, 5);
}

TEST(FigureExtents, ArcsBySeventyThreePointsAndWholeEllipsesByAxisEnds) {
    TJcfData jcf;
    jcf.EntEnko.push_back(Enko(0, 0, 10, 0, kPi / 2));
    EXPECT_BOX(Extents(jcf), 0, 0, 10, 10);
    jcf.EntEnko = {Enko(0, 0, 10, 0, 2 * kPi, kPi / 4, 1, true)};
    const double d = 10 / std::sqrt(2.0);
    EXPECT_BOX(Extents(jcf), -d, -d, d, d);
    // An ellipse of flatness 0.5 from its top round to its bottom on the left.
    jcf.EntEnko = {Enko(100, 100, 10, kPi / 2, kPi, 0, 0.5)};
    EXPECT_BOX(Extents(jcf), 0, 0, 100, 105);
    // A negative sweep runs clockwise.
    jcf.EntEnko = {Enko(100, 100, 10, 0, -kPi / 2)};
    EXPECT_BOX(Extents(jcf), 0, 0, 110, 100);
}

TEST(FigureExtents, ArcSamplingMatchesTheDirectFormula) {
    // 73 points of a tilted, flattened arc: the box is that of the points computed directly.
    TJcfData jcf;
    const double cx = 40, cy = -20, r = 17, flat = 0.3, tilt = 0.7, start = 1.1, sweep = 4.9;
    jcf.EntEnko.push_back(Enko(cx, cy, r, start, sweep, tilt, flat));
    Box expected{0, 0, 0, 0};
    for (int k = 0; k <= 72; ++k) {
        const double t = start + k * sweep / 72;
        const double u = r * std::cos(t), v = r * flat * std::sin(t);
        const double x = cx + std::cos(tilt) * u - std::sin(tilt) * v, y = cy + std::sin(tilt) * u + std::cos(tilt) * v;
        expected = {std::min(expected.minX, x), std::min(expected.minY, y), std::max(expected.maxX, x),
                    std::max(expected.maxY, y)};
    }
    EXPECT_BOX(Extents(jcf), expected.minX, expected.minY, expected.maxX, expected.maxY);
}

TEST(FigureExtents, DimensionsUseTheirLineAndTextAndSxfExtensionLines) {
    TJcfData jcf;
    TEntJwwSunpo sunpo;
    sunpo.Sen = Line(10, 10, 20, 10);
    sunpo.Moji = Moji(12, 11, 12, 11);  // the value text counts even as a single point
    sunpo.Ho1 = Line(10, -30, 10, 10);
    sunpo.Ho2 = Line(20, -30, 20, 10);
    sunpo.Te1.start_x = -50;
    sunpo.Kt2.start_y = 70;
    jcf.EntSunpo.push_back(sunpo);
    EXPECT_BOX(Extents(jcf), 0, 0, 20, 11);
    jcf.EntSunpo[0].bSxfMode = 1;
    EXPECT_BOX(Extents(jcf), 0, -30, 20, 11);
}

TEST(FigureExtents, QuadrilateralSolidsByTheirCorners) {
    TJcfData jcf;
    TEntJwwSolid solid;
    solid.att.nPenStyle = 100;
    solid.start_x = 1, solid.start_y = 2, solid.end_x = 30, solid.end_y = 4;
    solid.DPoint2_x = 5, solid.DPoint2_y = 60, solid.DPoint3_x = -7, solid.DPoint3_y = 8;
    jcf.EntSolid.push_back(solid);
    EXPECT_BOX(Extents(jcf), -7, 0, 30, 60);
}

TEST(FigureExtents, ArcSolids) {
    TJcfData jcf;
    // Sector: the centre counts besides the arc.
    jcf.EntSolid = {ArcSolid(101, 100, 100, 10, 1, 0, 0, kPi / 2, 0)};
    EXPECT_BOX(Extents(jcf), 0, 0, 110, 110);
    // Segment: only the arc.
    jcf.Enthd.BasePoint_x = jcf.Enthd.BasePoint_y = 105;
    jcf.EntSolid = {ArcSolid(101, 100, 100, 10, 1, 0, 0, kPi / 2, 5)};
    EXPECT_BOX(Extents(jcf), 100, 100, 110, 110);
    // Tangent region: the tangents at the ends of the arc from -30° to 30° meet on the x axis
    // beyond the arc.
    jcf.Enthd.BasePoint_x = jcf.Enthd.BasePoint_y = 100;
    jcf.EntSolid = {ArcSolid(101, 100, 100, 10, 1, 0, -kPi / 6, kPi / 3, -1)};
    EXPECT_BOX(Extents(jcf), 100, 95, 100 + 10 / std::cos(kPi / 6), 105);
    // Half a circle has parallel end tangents: the centre stands in.
    jcf.Enthd.BasePoint_x = 105, jcf.Enthd.BasePoint_y = 101;
    jcf.EntSolid = {ArcSolid(101, 100, 100, 10, 1, 0, 0, kPi, -1)};
    EXPECT_BOX(Extents(jcf), 90, 100, 110, 110);
    // Whole ellipse of filled shapes and outlines: all round in 5° steps, whatever the sweep.
    jcf.Enthd.BasePoint_x = jcf.Enthd.BasePoint_y = 100;
    for (uint8_t style : {101, 111}) {
        jcf.EntSolid = {ArcSolid(style, 100, 100, 10, 0.5, 0, 0, 0, 100)};
        EXPECT_BOX(Extents(jcf), 90, 95, 110, 105);
    }
    // A ring keeps its sweep even with shape 100 (its inner radius).
    jcf.EntSolid = {ArcSolid(105, 100, 100, 10, 1, 0, 0, kPi / 2, 100)};
    EXPECT_BOX(Extents(jcf), 100, 100, 110, 110);
}

TEST(FigureExtents, BlockContentsGoThroughTheTreeNodes) {
    TJcfData jcf;
    TEntJwwBlockDef def;
    TEntJwwBlockMembers& members = def.EditMembers();
    members.mLine.push_back(Line(0, 0, 10, 0));
    members.mTen.emplace_back();
    members.mTen[0].start_x = 0, members.mTen[0].start_y = 5;
    members.mMoji.push_back(Moji(0, 0, 0.01, 0.01));  // placeholder: skipped before placing
    members.mLineN = 1, members.mTenN = 1, members.mMojiN = 1;
    jcf.EntBlockDef.push_back(def);
    // Rotation by 90° with scale (2, 3) about the insertion point (100, 100).
    TEntJwwBlockTree node;
    node.defno = 0, node.x = 100, node.y = 100, node.r1 = 0, node.r2 = -3, node.r3 = 2, node.r4 = 0;
    jcf.EntBlockTree.push_back(node);
    // An insertion record itself adds nothing.
    jcf.EntBlock.emplace_back();
    jcf.EntBlock[0].DPKijunTen_x = -400;
    EXPECT_BOX(Extents(jcf), 0, 0, 100, 120);

    // Nodes without a definition, or naming one beyond the array, add nothing.
    jcf.EntBlockTree[0].defno = -1;
    EXPECT_BOX(Extents(jcf), -10, -10, 10, 10);
    jcf.EntBlockTree[0].defno = 3;
    EXPECT_BOX(Extents(jcf), -10, -10, 10, 10);
}

TEST(FigureExtents, EveryKindInsideABlockIsPlaced) {
    TJcfData jcf;
    TEntJwwBlockDef def;
    TEntJwwBlockMembers& members = def.EditMembers();
    members.mEnko.push_back(Enko(0, 0, 1, 0, 0, 0, 1, true));
    TEntJwwSunpo sunpo;
    sunpo.Sen = Line(0, 0, 2, 0);
    members.mSunpo.push_back(sunpo);
    members.mSolid.push_back(ArcSolid(101, 0, 0, 1, 1, 0, 0, kPi / 2, 0));
    members.mMoji.push_back(Moji(0, 0, 1, 0, u"^@BMx.bmp,3,4"));
    members.mEnkoN = members.mSunpoN = members.mSolidN = members.mMojiN = 1;
    jcf.EntBlockDef.push_back(def);
    TEntJwwBlockTree node;
    node.defno = 0, node.x = 50, node.y = 60, node.r1 = 2, node.r2 = 0, node.r3 = 0, node.r4 = 2;
    jcf.EntBlockTree.push_back(node);
    EXPECT_BOX(Extents(jcf), 0, 0, 56, 68);  // the image corner (3, 4) lands at (56, 68)
}

TEST(FigureExtents, BrokenPlacementsAreIgnored) {
    TJcfData jcf;
    TEntJwwBlockDef def;
    TEntJwwBlockMembers& members = def.EditMembers();
    members.mLine.push_back(Line(1, 1, 2e12, 1));
    members.mLineN = 1;
    jcf.EntBlockDef.push_back(def);
    TEntJwwBlockTree node;
    node.defno = 0, node.x = 0, node.y = 0, node.r1 = kNaN, node.r4 = 1;
    jcf.EntBlockTree.push_back(node);
    EXPECT_BOX(Extents(jcf), -10, -10, 10, 10);
    jcf.EntBlockTree[0].r1 = 1e300;  // huge but a number: clamped
    EXPECT_BOX(Extents(jcf), 0, 0, 1e8, 1);
}

TEST(FigureExtents, CountsLimitTheRecordsUsed) {
    TJcfData jcf;
    jcf.EntLine.push_back(Line(20, 20, 30, 30));
    jcf.EntLineN = 0;
    jcf.GetMinMaxZahyo();
    EXPECT_NEAR(jcf.myMaxWx, 10, 1e-12);
    jcf.EntLineN = 7;
    jcf.EntBlockTreeN = 3;
    jcf.GetMinMaxZahyo();
    EXPECT_NEAR(jcf.myMaxWx, 30, 1e-12);
}

TEST(FigureExtents, JwsDocumentsUseTheSameRules) {
    TJwsData jws;
    jws.Enthd.BasePoint_x = -1;
    jws.EntEnko.push_back(Enko(0, 0, 10, 0, kPi / 2));
    EXPECT_BOX(Extents(jws), -1, 0, 10, 10);
}

}  // namespace
}  // namespace torvane
