#include <gtest/gtest.h>

#include "figure/jwk_data.h"
#include "render/gra_attribute.h"

namespace torvane {
namespace {

TEST(JwkLayers, EveryLayerShownAtTheFiguresScale) {
    TJwkData jwk;
    jwk.Enthd.scale = 50;
    gGraAtt.SetAttrLayer(17, 3, 7);
    jwk.SetGAttLayer();
    for (int i : {0, 17, 255}) {
        EXPECT_EQ(gGraAtt.GetAttrLayerState(i), 1);
        EXPECT_DOUBLE_EQ(gGraAtt.jwvLay[static_cast<std::size_t>(i)].sca, 1.0 / 50);
    }
}

}  // namespace
}  // namespace torvane
