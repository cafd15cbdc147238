#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "figure/extents.h"
#include "figure/jwk_data.h"

namespace torvane {
namespace {

struct Box {
    double minX, minY, maxX, maxY;
};

Box Extents(TJwkData& jwk) {
    jwk.lineN = static_cast<int32_t>(jwk.EntLine.size());
    jwk.arcN = static_cast<int32_t>(jwk.EntArc.size());
    jwk.tenN = static_cast<int32_t>(jwk.EntTen.size());
    jwk.mojiN = static_cast<int32_t>(jwk.EntMoji.size());
    jwk.GetMinMaxZahyo();
    EXPECT_EQ(MinWx, jwk.myMinWx);
    EXPECT_EQ(MinWy, jwk.myMinWy);
    EXPECT_EQ(MaxWx, jwk.myMaxWx);
    EXPECT_EQ(MaxWy, jwk.myMaxWy);
    return {jwk.myMinWx, jwk.myMinWy, jwk.myMaxWx, jwk.myMaxWy};
}

void ExpectBox(const Box& box, double minX, double minY, double maxX, double maxY) {
    EXPECT_NEAR(box.minX, minX, 1e-4);
    EXPECT_NEAR(box.minY, minY, 1e-4);
    EXPECT_NEAR(box.maxX, maxX, 1e-4);
    EXPECT_NEAR(box.maxY, maxY, 1e-4);
}

TEntJwcArc2 Arc(float x, float y, float r, float h, float st, float et, float tt = 0) {
    TEntJwcArc2 arc;
    arc.x = x, arc.y = y, arc.r = r, arc.h = h, arc.st = st, arc.et = et, arc.tt = tt;
    return arc;
}

TEST(JwkExtents, EmptyDocumentIsTheOriginWidened) {
    TJwkData jwk;
    MinWx = MaxWx = 12345;
    ExpectBox(Extents(jwk), -10, -10, 10, 10);
}

TEST(JwkExtents, OriginLinesPointsAndTheScale) {
    TJwkData jwk;
    jwk.EntLine.push_back({20, 40, 60, 80});
    jwk.EntTen.push_back({-100, 10});
    jwk.Enthd.scale = 2;
    ExpectBox(Extents(jwk), -50, 0, 30, 40);  // the origin stays in
}

TEST(JwkExtents, TextsCountUnlessTheirEndsCoincide) {
    TJwkData jwk;
    TEntJwcMoji2 dot;
    dot.x1 = dot.x2 = 50, dot.y1 = dot.y2 = 50;
    jwk.EntMoji.push_back(dot);
    ExpectBox(Extents(jwk), -10, -10, 10, 10);
    TEntJwcMoji2 text;
    text.x1 = 5, text.y1 = 5, text.x2 = 25, text.y2 = -3;
    jwk.EntMoji.push_back(text);
    ExpectBox(Extents(jwk), 0, -3, 25, 5);
}

TEST(JwkExtents, ArcsTakeTheirEndsAndTheAxisEndsTheyPass) {
    TJwkData jwk;
    jwk.EntArc.push_back(Arc(0, 0, 10, 1, 0, 90));
    ExpectBox(Extents(jwk), 0, 0, 10, 10);

    jwk.EntArc = {Arc(100, 0, 10, 1, 45, 135)};  // passes the top axis end only
    ExpectBox(Extents(jwk), 0, 0, 100 + 10 * std::cos(std::numbers::pi / 4), 10);

    jwk.EntArc = {Arc(100, 100, 10, 1, -30, 30)};  // a negative start passes t = 0
    ExpectBox(Extents(jwk), 0, 0, 110, 105);

    jwk.EntArc = {Arc(100, 100, 10, 1, 300, 30)};  // the end before the start wraps through 0
    ExpectBox(Extents(jwk), 0, 0, 110, 105);

    jwk.EntArc = {Arc(100, 100, 10, 0.5, 90, 270)};  // the left half of an ellipse
    ExpectBox(Extents(jwk), 0, 0, 100, 105);
}

TEST(JwkExtents, WholeEllipsesTakeTheirFourAxisEnds) {
    TJwkData jwk;
    jwk.EntArc = {Arc(100, 100, 10, 0.5, 0, 0)};
    ExpectBox(Extents(jwk), 0, 0, 110, 105);
    jwk.EntArc = {Arc(100, 100, 10, 0.5, 30, 390)};
    ExpectBox(Extents(jwk), 0, 0, 110, 105);
    // Tilted by 90°: the major axis stands upright.
    jwk.EntArc = {Arc(100, 100, 10, 0.5, 0, 360, 90)};
    ExpectBox(Extents(jwk), 0, 0, 105, 110);
}

TEST(JwkExtents, UnusableValuesAreIgnored) {
    TJwkData jwk;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    jwk.EntLine.push_back({nan, 1, 2, 3});
    jwk.EntTen.push_back({inf, 5});
    jwk.EntArc.push_back(Arc(nan, 0, 10, 1, 0, 90));
    jwk.EntArc.push_back(Arc(0, 0, 10, 1, nan, inf));
    jwk.EntArc.push_back(Arc(0, 0, inf, 1, 0, 90));
    ExpectBox(Extents(jwk), 0, 0, 2, 3);
    // Angles far beyond one turn still give points, without endless reduction.
    jwk.EntArc.push_back(Arc(0, 0, 1, 1, -1e30f, 1e30f));
    EXPECT_LE(Extents(jwk).minX, 0);
    jwk.EntArc.pop_back();
    // A scale set by hand to nonsense counts as 1.
    jwk.Enthd.scale = -4;
    ExpectBox(Extents(jwk), 0, 0, 2, 3);
}

TEST(JwkExtents, CountsLimitTheRecordsUsed) {
    TJwkData jwk;
    jwk.EntLine.push_back({20, 20, 30, 30});
    jwk.lineN = 0;
    jwk.GetMinMaxZahyo();
    ExpectBox({jwk.myMinWx, jwk.myMinWy, jwk.myMaxWx, jwk.myMaxWy}, -10, -10, 10, 10);
    jwk.lineN = 5;  // more than the array holds
    jwk.GetMinMaxZahyo();
    ExpectBox({jwk.myMinWx, jwk.myMinWy, jwk.myMaxWx, jwk.myMaxWy}, 0, 0, 30, 30);
}

}  // namespace
}  // namespace torvane
