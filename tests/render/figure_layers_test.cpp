#include <gtest/gtest.h>

#include <limits>

#include "figure/jcf_data.h"
#include "render/gra_attribute.h"

namespace torvane {
namespace {

TEST(FigureLayers, GroupScalesBecomeReciprocalLayerScales) {
    gGraAtt.DataInit();
    gGraAtt.SetAttrLayer(0x21, 3, 7);
    TJcfData doc;
    doc.DataDefaultSet();
    doc.EntLgrp[2].adScale = 50;
    doc.EntLgrp[3].adScale = 0;  // from a header that failed its checks
    doc.EntLgrp[4].adScale = -2;
    doc.EntLgrp[5].adScale = std::numeric_limits<double>::quiet_NaN();
    doc.SetGAttLayer();
    EXPECT_EQ(gGraAtt.GetAttrLayerState(0x21), 1);  // stored states are not used
    EXPECT_DOUBLE_EQ(gGraAtt.jwvLay[0x21].sca, 1.0 / 50);
    EXPECT_DOUBLE_EQ(gGraAtt.jwvLay[0x2F].sca, 1.0 / 50);
    EXPECT_DOUBLE_EQ(gGraAtt.jwvLay[0x30].sca, 1.0);
    EXPECT_DOUBLE_EQ(gGraAtt.jwvLay[0x40].sca, 1.0);
    EXPECT_DOUBLE_EQ(gGraAtt.jwvLay[0x55].sca, 1.0);
    EXPECT_DOUBLE_EQ(gGraAtt.jwvLay[0x00].sca, 1.0);
    gGraAtt.DataInit();
}

TEST(FigureLayers, MissingGroupsAreScaleOne) {
    TJcfData doc;
    doc.EntLgrp.clear();
    doc.SetGAttLayer();
    EXPECT_DOUBLE_EQ(gGraAtt.jwvLay[0xFF].sca, 1.0);
}

}  // namespace
}  // namespace torvane
