#include "render/gra_attribute.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

TEST(GraAttribute, DefaultsAfterDataInit) {
    TgraAttribute g;
    EXPECT_FALSE(g.GetDisplayMode());
    EXPECT_EQ(g.GetBackColorNo(), 0);
    EXPECT_EQ(g.GetBackColor(), 0xFFFFFFFFu);
    EXPECT_EQ(g.GetGrayColor(), 0xFF808080u);
    EXPECT_EQ(g.GetDispHojo(), 0);
    EXPECT_EQ(g.GetDispKijun(), 0);
    EXPECT_FALSE(g.GetAll1ColorState());
    EXPECT_EQ(g.jwvLayN, 256);
    EXPECT_EQ(g.jwvColN, 265);
    EXPECT_EQ(g.jwvTypN, 50);
    EXPECT_EQ(g.jwvLay[0x3A].gna, u"[3] ");
    EXPECT_EQ(g.jwvLay[0x3A].nam, u"(A) ");
    EXPECT_EQ(g.jwvLay[255].gna, u"[F] ");
}

TEST(GraAttribute, NumberMapping) {
    EXPECT_EQ(TgraAttribute::ColorIndex(1), 0);
    EXPECT_EQ(TgraAttribute::ColorIndex(9), 8);
    EXPECT_EQ(TgraAttribute::ColorIndex(101), 9);
    EXPECT_EQ(TgraAttribute::ColorIndex(356), 264);
    for (int jn : {0, 10, 11, 100, 357, -1}) EXPECT_EQ(TgraAttribute::ColorIndex(jn), -1) << jn;
    EXPECT_EQ(TgraAttribute::LtypeIndex(11), 9);
    EXPECT_EQ(TgraAttribute::LtypeIndex(19), 17);
    EXPECT_EQ(TgraAttribute::LtypeIndex(31), 18);
    EXPECT_EQ(TgraAttribute::LtypeIndex(62), 49);
    for (int jn : {0, 10, 20, 25, 30, 63}) EXPECT_EQ(TgraAttribute::LtypeIndex(jn), -1) << jn;
}

TEST(GraAttribute, ColoursWithoutEntryFallBack) {
    TgraAttribute g;
    EXPECT_EQ(g.GetAttrColcol(10), g.GetBackColor());
    EXPECT_EQ(g.GetAttrColcol(100), g.GetBackColor());
    EXPECT_EQ(g.GetAttrColten(10), 0.1);
    EXPECT_EQ(g.GetAttrColwid(10), 0.0);
    EXPECT_EQ(g.GetAttrColcol(1), Argb(0, 192, 192));
    EXPECT_EQ(g.GetAttrColcol(108), Argb(0, 0, 0));
    EXPECT_EQ(g.GetAttrColcol(116), Argb(128, 128, 128));
    EXPECT_EQ(g.GetAttrColcol(117), 0xFF000000u);
    EXPECT_EQ(g.GetAttrColwid(8), 0.5);
    EXPECT_EQ(g.GetAttrColten(3), 0.4);
    EXPECT_EQ(g.GetAttrColwid(200), 0.18);
    EXPECT_EQ(g.GetAttrColten(200), 0.2);
}

TEST(GraAttribute, BlackBackgroundNeedsDefaultColourRebuild) {
    TgraAttribute g;
    g.SetBackColor(1);
    EXPECT_EQ(g.GetBackColor(), 0xFF000000u);
    EXPECT_EQ(g.GetAttrColcol(2), Argb(0, 0, 0));  // table not rebuilt yet
    g.SetDefaultColor();
    EXPECT_EQ(g.GetAttrColcol(2), 0xFFFFFFFFu);
    EXPECT_EQ(g.GetAttrColcol(300), 0xFFFFFFFFu);
    EXPECT_EQ(g.GetAttrColcol(108), 0xFFFFFFFFu);
    EXPECT_EQ(g.GetAttrColcol(8), Argb(160, 0, 0));
}

TEST(GraAttribute, OtherBackgroundNumberOnlyFillsForeground) {
    TgraAttribute g;
    g.SetBackColor(2);
    EXPECT_EQ(g.GetBackColorNo(), 0);
    EXPECT_EQ(g.GetBackColor(), 0xFFFFFFFFu);
    g.BkColor = 2;
    g.SetDefaultColor();
    for (int jn : {1, 5, 9, 101, 116, 356}) EXPECT_EQ(g.GetAttrColcol(jn), 0xFF000000u) << jn;
}

TEST(GraAttribute, LayerStateAndScaleAreClamped) {
    TgraAttribute g;
    g.SetAttrLayer(5, 7, -2);
    EXPECT_EQ(g.GetAttrLayerState(5), 1);
    EXPECT_EQ(g.jwvLay[5].sca, 1.0);
    g.SetAttrLayer(6, 3, 0.5);
    EXPECT_EQ(g.GetAttrLayerState(6), 3);
    EXPECT_EQ(g.jwvLay[6].sca, 0.5);
    g.SetAttrLayer(300, 2, 2);  // out of range: ignored
    EXPECT_EQ(g.GetAttrLayerState(300), 1);
    EXPECT_EQ(g.GetAttrLayerState(-1), 1);
}

TEST(GraAttribute, LineTypeTable) {
    TgraAttribute g;
    const auto& t2 = g.jwvTyp[static_cast<std::size_t>(TgraAttribute::LtypeIndex(2))];
    EXPECT_EQ(t2.seg, 3);
    EXPECT_NEAR(t2.pit, 1.44, 1e-12);
    const auto& t13 = g.jwvTyp[static_cast<std::size_t>(TgraAttribute::LtypeIndex(13))];
    EXPECT_EQ(t13.seg, 32);
    EXPECT_EQ(t13.amp, 0.6);
    EXPECT_NEAR(t13.pit, 57.6, 1e-9);
    EXPECT_EQ(t13.pa[0], 1.8);
    EXPECT_EQ(t13.pa[2], -1.8);
    const auto& t19 = g.jwvTyp[static_cast<std::size_t>(TgraAttribute::LtypeIndex(19))];
    EXPECT_NEAR(t19.pit, 47, 1e-12);
    const auto& t45 = g.jwvTyp[static_cast<std::size_t>(TgraAttribute::LtypeIndex(45))];
    EXPECT_EQ(t45.seg, 10);
    EXPECT_NEAR(t45.pit, 20.25, 1e-12);
    EXPECT_EQ(g.jwvTyp[static_cast<std::size_t>(TgraAttribute::LtypeIndex(50))].seg, 0);
    EXPECT_EQ(g.jwvTyp[0].seg, 0);
}

TEST(GraAttribute, RestoreColorDefaultsRederivesFromBackgroundNumber) {
    gGraAtt.DataInit();
    gGraAtt.SetBackColor(1);
    gGraAtt.BackColor = 0xFF123456;
    RestoreColorDefaults();
    EXPECT_EQ(gGraAtt.GetBackColor(), 0xFF000000u);
    EXPECT_EQ(gGraAtt.GetAttrColcol(2), 0xFFFFFFFFu);
    gGraAtt.jwvTyp[1].seg = 0;
    RestoreLtypeDefaults();
    EXPECT_EQ(gGraAtt.jwvTyp[1].seg, 3);
    gGraAtt.DataInit();
}

}  // namespace
}  // namespace torvane
